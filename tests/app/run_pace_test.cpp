// The pace of runs against a scripted wall clock, Step, the speed control and the
// run's keys.
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "app/run_pace.h"
#include "app_fixture.h"

namespace mb::test {
namespace {

// Timer1 fires every millisecond of the scripted clock; each due tick advances
// the run by its length, as a tick of the controller does.
double RunFor(RunPace& pace, double& clock, double wallSeconds, double tickLength, double runTime = 0.0,
              int* ticks = nullptr) {
    const int events = int(wallSeconds * 1000.0 + 0.5);
    for (int i = 0; i < events; ++i) {
        clock += 0.001;
        if (pace.tickDue(runTime, tickLength)) {
            runTime += tickLength;
            if (ticks) ++*ticks;
        }
    }
    return runTime;
}

TEST(RunPaceTest, SimulatedTimeFollowsTheWallClockAtEverySpeed) {
    struct Case {
        RunSpeed speed;
        double tickLength;  // simulated seconds a tick
        double wall;        // seconds of wall clock
        double expected;    // simulated seconds
        double tolerance;
    };
    const Case cases[] = {
        {RunSpeed::Tenth, 0.01, 5.0, 0.5, 0.025},   {RunSpeed::Quarter, 0.01, 4.0, 1.0, 0.05},
        {RunSpeed::Half, 0.002, 2.0, 1.0, 0.05},    {RunSpeed::RealTime, 0.01, 5.0, 5.0, 0.25},
        {RunSpeed::RealTime, 0.1, 5.0, 5.0, 0.25},  {RunSpeed::Double, 0.01, 5.0, 10.0, 0.5},
        {RunSpeed::Five, 0.01, 2.0, 10.0, 0.5},     {RunSpeed::Ten, 0.05, 2.0, 20.0, 1.0},
        // A tick a millisecond is all the timer gives: x10 of 1 ms ticks runs as
        // fast as it can, one tick an event.
        {RunSpeed::Ten, 0.001, 2.0, 2.0, 0.0021},
        // Fastest is the bare timer: a tick at every event.
        {RunSpeed::Fastest, 0.01, 3.0, 30.0, 1e-9},
    };
    for (const Case& c : cases) {
        double clock = 100.0;
        RunPace pace([&clock] { return clock; });
        pace.setSpeed(c.speed);
        EXPECT_NEAR(RunFor(pace, clock, c.wall, c.tickLength), c.expected, c.tolerance)
            << InfoOf(c.speed).label << " tick " << c.tickLength;
    }
}

TEST(RunPaceTest, TimeLostOrPausedIsNotMadeUpAfterwards) {
    double clock = 0.0;
    RunPace pace([&clock] { return clock; });
    double t = RunFor(pace, clock, 1.0, 0.01);
    ASSERT_NEAR(t, 1.0, 0.02);

    // The program was held up for 10 s: the run goes on at its pace from there.
    clock += 10.0;
    int ticks = 0;
    t = RunFor(pace, clock, 1.0, 0.01, t, &ticks);
    EXPECT_NEAR(t, 2.0, 0.3);
    EXPECT_LE(ticks, 130);

    // Paused for 5 s: reset at pause and resume, and nothing is owed.
    pace.reset();
    clock += 5.0;
    pace.reset();
    t = RunFor(pace, clock, 1.0, 0.01, t);
    EXPECT_NEAR(t, 3.0, 0.35);
}

class RunPaceWindowTest : public AppTest {
protected:
    void openProjectile() {
        startWindow();
        window->runController().pace().setClock([this] { return clock; });
        openThroughMenu(QDir(MB_EXAMPLES_DIR).filePath("projectile.kmx"));
        ASSERT_TRUE(window->projectOpen());
        ASSERT_EQ(window->scene().settings.StepsPerTick * window->scene().settings.StepTime, 0.01);
    }
    // `events` events of Timer1, a millisecond of the scripted clock apart.
    void fire(int events) {
        for (int i = 0; i < events; ++i) {
            clock += 0.001;
            window->runController().timerFired();
        }
    }
    double runTime() { return window->scene().RunTime; }
    double clock = 50.0;
};

TEST_F(RunPaceWindowTest, TheProjectileFallsAtTheChosenSpeed) {
    struct Case {
        const char* speedAction;
        int events;
        double expected;
        double tolerance;
    };
    // Real time: 5 s of wall clock are 5 s of flight; x0.1: half a second;
    // Fastest: one 10 ms tick at each of 200 events.
    const Case cases[] = {{"RunSpeed_1", 5000, 5.0, 0.25}, {"RunSpeed_0.1", 5000, 0.5, 0.025},
                          {"RunSpeed_fastest", 200, 2.0, 1e-9}};
    openProjectile();
    for (const Case& c : cases) {
        action(c.speedAction)->trigger();
        action("N35")->trigger();
        fire(c.events);
        EXPECT_NEAR(runTime(), c.expected, c.tolerance) << c.speedAction;
        EXPECT_TRUE(prompts.messages.empty()) << c.speedAction;
        action("StopCommand")->trigger();
    }
}

TEST_F(RunPaceWindowTest, StepTakesExactlyOneTickWhilePaused) {
    openProjectile();
    EXPECT_FALSE(action("StepCommand")->isEnabled());
    action("N35")->trigger();
    EXPECT_FALSE(action("StepCommand")->isEnabled());  // not while it runs
    fire(1000);
    action("PauseCommand")->trigger();
    ASSERT_TRUE(action("StepCommand")->isEnabled());
    const double t = runTime();
    const double x = window->scene().balls[0].x;
    fire(500);  // paused: the timer takes nothing
    EXPECT_EQ(runTime(), t);
    for (int i = 1; i <= 3; ++i) {
        button("StepButton")->click();
        EXPECT_NEAR(runTime(), t + i * 0.01, 1e-12);
        EXPECT_EQ(window->scene().Running, 0);
    }
    EXPECT_NEAR(window->scene().balls[0].x, x + 0.03 * 10.0, 1e-9);  // 10 m/s across
    // Resumed after a pause of half a second: the run goes on from where it stood.
    action("PauseCommand")->trigger();
    fire(1000);
    EXPECT_NEAR(runTime(), t + 0.03 + 1.0, 0.05);
    action("StopCommand")->trigger();
    EXPECT_FALSE(action("StepCommand")->isEnabled());
    action("StepCommand")->trigger();
    EXPECT_EQ(window->scene().balls[0].x, window->scene().balls[0].x0);
}

TEST_F(RunPaceWindowTest, StepFinishesATickSpreadOverManyTimerEvents) {
    openProjectile();
    // Twenty million sub-steps of 0.1 ns: far more than one stretch of stepping.
    window->scene().settings.StepTime = 1e-10;
    window->scene().settings.StepsPerTick = 20000000;
    action("N35")->trigger();
    action("PauseCommand")->trigger();
    button("StepButton")->click();
    for (int i = 0; i < 100000 && window->runController().tickUnderWay(); ++i) fire(1);
    EXPECT_FALSE(window->runController().tickUnderWay());
    EXPECT_NEAR(runTime(), 20000000 * 1e-10, 1e-9);
    EXPECT_EQ(window->scene().Running, 0);
    action("StopCommand")->trigger();
}

// A tick of 1000 s of simulated time at Real time: it starts at once, its sub-steps
// keep to the wall clock, and the status bar tells how far it is once it has
// lasted a second.
TEST_F(RunPaceWindowTest, ALongTickStartsAtOnceKeepsToTheClockAndShowsItsProgress) {
    openProjectile();
    window->scene().balls[0].vx0 = window->scene().balls[0].vy0 = 0;
    window->scene().settings.GravityOn = 0;
    window->scene().settings.StepTime = 1.0;
    window->scene().settings.StepsPerTick = 1000;
    auto* status = window->findChild<QLabel*>("StatusPanel1");
    action("N35")->trigger();
    struct Mark {
        int events;      // timer events since the last mark, a millisecond apart
        double runTime;  // the run's time then, within a sub-step
        const char* text;
    };
    const Mark marks[] = {{700, 0.7, ""}, {1600, 2.3, "Tick: 0% of 1000 s"}, {20000, 22.3, "Tick: 2% of 1000 s"}};
    for (const Mark& m : marks) {
        fire(m.events);
        EXPECT_NEAR(runTime(), m.runTime, 1.0) << m.events;
        EXPECT_EQ(status->text(), m.text) << m.events;
        EXPECT_TRUE(window->runController().tickUnderWay());
    }
    action("StopCommand")->trigger();
    EXPECT_EQ(status->text(), "");
}

TEST_F(RunPaceWindowTest, TheSpeedIsOnTheToolBarAndInTheRunMenuAndRememberedButNotInTheProject) {
    openProjectile();
    auto* control = window->findChild<QToolButton*>("SpeedControl");
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->text(), "Real time");  // the first session's choice
    EXPECT_TRUE(action("RunSpeed_1")->isChecked());
    QMenu* speedMenu = window->findChild<QMenu*>("SpeedMenu");
    ASSERT_EQ(control->menu(), speedMenu);
    EXPECT_TRUE(menu("N34")->actions().contains(speedMenu->menuAction()));

    // Chosen during a run: the run's menu stays open for it.
    action("N35")->trigger();
    EXPECT_TRUE(menu("N34")->menuAction()->isEnabled());
    // The control keeps its width whatever it shows, so the tool bar's buttons
    // after it stay where the pointer left them.
    const int width = control->sizeHint().expandedTo(control->minimumSize()).width();
    for (const char* key : {"RunSpeed_0.1", "RunSpeed_0.25", "RunSpeed_fastest", "RunSpeed_5"}) {
        action(key)->trigger();
        EXPECT_EQ(control->sizeHint().expandedTo(control->minimumSize()).width(), width) << key;
    }
    EXPECT_EQ(control->text(), "x5");
    EXPECT_EQ(window->runSpeed(), RunSpeed::Five);
    fire(1000);
    EXPECT_NEAR(runTime(), 5.0, 0.25);
    action("StopCommand")->trigger();
    EXPECT_FALSE(window->isModified());  // the speed is no part of the experiment

    startWindow();  // the next session
    EXPECT_EQ(window->runSpeed(), RunSpeed::Five);
    EXPECT_TRUE(action("RunSpeed_5")->isChecked());
    EXPECT_FALSE(action("RunSpeed_1")->isChecked());
    EXPECT_EQ(window->findChild<QToolButton*>("SpeedControl")->text(), "x5");
}

class RunKeysTest : public RunPaceWindowTest {
protected:
    void press(QWidget* target, Qt::Key key) {
        QTest::keyClick(target, key);
        QCoreApplication::processEvents();
    }
    void activate(QWidget* w) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
};

TEST_F(RunKeysTest, F5RunsSpacePausesAndResumesEscStopsInTheWindowAndInAWindowThatCarriesTheKeys) {
    openProjectile();
    // A window of its own open during the run, as the data window is.
    QDialog dataWindow(window.get());
    dataWindow.addActions(window->runKeyActions());
    struct Case {
        Qt::Key key;
        bool active;
        bool running;
    };
    const Case script[] = {{Qt::Key_F5, true, true},
                           {Qt::Key_Space, true, false},
                           {Qt::Key_Space, true, true},
                           {Qt::Key_Escape, false, false}};
    for (QWidget* target : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&dataWindow)}) {
        if (target == &dataWindow) {
            dataWindow.show();
            action("N35")->trigger();  // F5 restarts a run in the data window
        }
        activate(target);
        for (const Case& c : script) {
            press(target, c.key);
            EXPECT_EQ(window->runController().active(), c.active) << target->metaObject()->className() << " " << c.key;
            EXPECT_EQ(window->scene().Running, c.running) << target->metaObject()->className() << " " << c.key;
        }
    }
    // With no run, Space does not set one going.
    activate(window.get());
    press(window.get(), Qt::Key_Space);
    EXPECT_EQ(window->scene().Running, 0);
}

}  // namespace
}  // namespace mb::test
