#include <QElapsedTimer>
#include <QMenu>
#include <QPaintEvent>
#include <vector>

#include "view/scene_surface.h"

#include "app/scene_widget.h"
#include "app_fixture.h"

namespace mb::test {
namespace {

const QString kOverflow =
    "Found one of the moving object has overflow the area can be controled,and it will result in error.Please "
    "reduce the step time,and try the experiment again.";

class RunControlTest : public AppTest {
protected:
    // Opens a one-ball project: origin (200, 150), 1 m a pixel, 10 sub-steps of
    // 1 ms a tick, the ball at screen (300, 250) drawing its trajectory.
    void openMovingBall(double vx0, double vy0 = 0.0) {
        startWindow();
        auto s = OneBallScene(vx0, vy0);
        s->balls[0].trackFlag = 1;
        openThroughMenu(writeProject(*s));
        ASSERT_TRUE(window->projectOpen());
        ASSERT_EQ(window->scene().balls[0].screenX, 300);
    }
    const Ball& ball() { return window->scene().balls[0]; }
    int surfaceWidth() { return window->surface().windowWidth(); }

    void expectRunControls(bool running) {
        for (const char* m : {"N1", "N7", "N50"}) EXPECT_EQ(menu(m)->menuAction()->isEnabled(), !running) << m;
        // The Run menu holds pause, Stop, Step and the speed during a run.
        for (const char* m : {"N34", "N45", "N47"}) EXPECT_TRUE(menu(m)->menuAction()->isEnabled()) << m;
        for (const char* b : {"SpeedButton4", "SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton10",
                              "SpeedButton11"})
            EXPECT_EQ(button(b)->isEnabled(), !running) << b;
        for (const char* b : {"SpeedButton2", "SpeedButton3"}) EXPECT_EQ(button(b)->isEnabled(), running) << b;
        for (const char* b : {"SpeedButton1", "SpeedButton13"}) EXPECT_TRUE(button(b)->isEnabled()) << b;
        for (const char* a : {"N2", "N3", "N6"}) EXPECT_EQ(action(a)->isEnabled(), !running) << a;
        EXPECT_EQ(window->findChild<SceneWidget*>("Image1")->isEnabled(), !running);
    }
};

TEST_F(RunControlTest, RunPausePauseStopReturnsTheBallToItsStart) {
    openMovingBall(2000.0);
    button("SpeedButton1")->click();
    EXPECT_EQ(window->scene().Running, 1);
    EXPECT_EQ(window->scene().RunTime, 0.0);
    expectRunControls(true);

    for (int i = 0; i < 5; ++i) window->runController().tick();
    EXPECT_NEAR(window->scene().RunTime, 0.05, 1e-12);
    EXPECT_NEAR(ball().x, 100.0 + 2000.0 * 0.05, 1e-9);
    // The picture moved at the last sub-step of each tick, leaving a red trajectory.
    EXPECT_GT(ball().screenX, 380);
    EXPECT_EQ(pixel(340, 250), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_GT(QColor::fromRgb(pixel(ball().screenX, 250)).red(), 100);
    // The time box at the top right of the surface, with its yellow border.
    const int W = surfaceWidth();
    EXPECT_EQ(pixel(W - 100, 45), qRgb(255, 255, 0) & 0xFFFFFF);
    EXPECT_EQ(pixel(W - 12, 56), qRgb(50, 80, 120) & 0xFFFFFF);
    // The run time is written in the main window's yellow.
    bool yellowText = false;
    for (int y = 36; y < 57 && !yellowText; ++y)
        for (int x = W - 95; x < W - 40 && !yellowText; ++x) yellowText = pixel(x, y) == (qRgb(255, 255, 0) & 0xFFFFFF);
    EXPECT_TRUE(yellowText);

    // pause: nothing moves however many ticks come.
    button("SpeedButton3")->click();
    EXPECT_EQ(window->scene().Running, 0);
    expectRunControls(true);
    const double t = window->scene().RunTime, x = ball().x, vx = ball().vx;
    for (int i = 0; i < 3; ++i) window->runController().tick();
    EXPECT_EQ(window->scene().RunTime, t);
    EXPECT_EQ(ball().x, x);

    // pause again resumes where it stood.
    button("SpeedButton3")->click();
    EXPECT_EQ(window->scene().Running, 1);
    window->runController().tick();
    EXPECT_NEAR(window->scene().RunTime, t + 0.01, 1e-12);
    EXPECT_NEAR(ball().x, x + vx * 0.01, 1e-9);

    button("SpeedButton2")->click();
    EXPECT_EQ(window->scene().Running, 0);
    expectRunControls(false);
    EXPECT_EQ(ball().x, ball().x0);
    EXPECT_EQ(ball().vx, ball().vx0);
    EXPECT_EQ(ball().screenX, 300);
    EXPECT_EQ(ball().screenY, 250);
    EXPECT_NEAR(window->scene().RunTime, t + 0.01, 1e-12);  // kept until the next run
    EXPECT_NE(pixel(340, 250), qRgb(255, 0, 0) & 0xFFFFFF);  // the trajectory is gone
    EXPECT_GT(QColor::fromRgb(pixel(300, 250)).red(), 100);
}

TEST_F(RunControlTest, ResizeDuringARunRepaintsAtOnceAndBringsTheBallsBackAtTheNextTick) {
    openMovingBall(2000.0);
    window->findChild<QAction*>("N35")->trigger();
    for (int i = 0; i < 3; ++i) window->runController().tick();
    const int sx = ball().screenX;
    ASSERT_GT(QColor::fromRgb(pixel(sx, 250)).red(), 100);

    window->resize(1100, 860);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->scene().RedrawPending, 1);
    EXPECT_EQ(pixel(sx, 250), 0u);  // static scene only: no ball
    EXPECT_EQ(pixel(340, 250), 0u);  // and no old trajectory

    window->runController().tick();
    EXPECT_EQ(window->scene().RedrawPending, 0);
    EXPECT_GT(QColor::fromRgb(pixel(ball().screenX, 250)).red(), 100);
    EXPECT_EQ(ball().x, 100.0 + 2000.0 * 0.04);  // the balls kept their state
}

TEST_F(RunControlTest, ABallHalfBelowTheVisibleBottomEdgeLeavesNoCopiesBehind) {
    startWindow();
    const int h = window->findChild<SceneWidget*>("Image1")->height();
    auto s = OneBallScene(2000.0);
    // Origin (200, 150) at 1 m a pixel: the centre two rows below the last visible
    // row, so the top of the 8-pixel ball shows.
    s->balls[0].y0 = s->balls[0].y = 150.0 - (h + 2);
    openThroughMenu(writeProject(*s));
    ASSERT_EQ(ball().screenY, h + 2);
    const int row = h - 1;
    ASSERT_GT(QColor::fromRgb(pixel(300, row)).red(), 100);

    button("SpeedButton1")->click();
    for (int i = 0; i < 3; ++i) window->runController().tick();
    ASSERT_GT(ball().screenX, 340);
    EXPECT_EQ(pixel(300, row), 0u);  // the start place is black again
    EXPECT_GT(QColor::fromRgb(pixel(ball().screenX, row)).red(), 100);
}

TEST_F(RunControlTest, ResizeWhilePausedKeepsTheBallsWhereTheyStand) {
    openMovingBall(2000.0);
    window->findChild<QAction*>("N35")->trigger();
    for (int i = 0; i < 3; ++i) window->runController().tick();
    button("SpeedButton3")->click();
    const double x = ball().x;
    const int sx = ball().screenX;
    window->resize(1100, 860);
    QCoreApplication::processEvents();
    EXPECT_EQ(ball().x, x);
    EXPECT_GT(QColor::fromRgb(pixel(sx, 250)).red(), 100);
    EXPECT_EQ(QColor::fromRgb(pixel(300, 250)).red(), 0);
}

TEST_F(RunControlTest, ABallLeavingTheControllableAreaHaltsTheRunWithTheOverflowMessage) {
    openMovingBall(1e7);
    button("SpeedButton1")->click();
    window->runController().tick();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, kOverflow);
    EXPECT_EQ(prompts.messages[0].caption, "warning");
    EXPECT_EQ(prompts.messages[0].buttons, int(Prompts::Ok));
    EXPECT_EQ(window->scene().Running, 0);
    expectRunControls(true);  // the user ends the run with Stop
    const double x = ball().x;
    window->runController().tick();
    EXPECT_EQ(ball().x, x);
    EXPECT_EQ(prompts.messages.size(), 1u);

    button("SpeedButton2")->click();
    EXPECT_EQ(ball().x, 100.0);
    EXPECT_EQ(ball().screenX, 300);
    expectRunControls(false);
}

TEST_F(RunControlTest, AnEmptySceneRunsOnTime) {
    startWindow();
    auto s = OneBallScene();
    s->balls.clear();
    openThroughMenu(writeProject(*s));
    button("SpeedButton1")->click();
    for (int i = 0; i < 4; ++i) window->runController().tick();
    EXPECT_NEAR(window->scene().RunTime, 4 * 10 * 0.001, 1e-12);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(RunControlTest, TheTimerDrivesARunOnItsOwn) {
    openMovingBall(100.0);
    window->runController().timer()->start();
    button("SpeedButton1")->click();
    QElapsedTimer clock;
    clock.start();
    while (window->scene().RunTime < 0.05 && clock.elapsed() < 5000) QCoreApplication::processEvents();
    EXPECT_GE(window->scene().RunTime, 0.05);
    EXPECT_GT(ball().x, 100.0);
}

// Two thousand million sub-steps a tick would keep the program busy for hours:
// the tick is spread over timer events, each handing the event loop back, so
// the Stop button is served between them.
TEST_F(RunControlTest, AHugeStepsPerTickStillLetsStopThrough) {
    startWindow();
    // Slow enough to stay inside the controllable area for the whole test.
    auto s = OneBallScene(1.0);
    s->settings.StepsPerTick = 2000000000;
    openThroughMenu(writeProject(*s));
    ASSERT_EQ(window->scene().settings.StepsPerTick, 2000000000);
    window->setRunSpeed(RunSpeed::Fastest);  // a tick whenever the timer fires
    window->findChild<QTimer*>("Timer1")->start();
    button("SpeedButton1")->click();
    int turns = 0;
    while (window->scene().RunTime < 0.1 && turns < 100000) {
        QCoreApplication::processEvents();
        ++turns;
    }
    ASSERT_GE(window->scene().RunTime, 0.1) << "the run did not get going within " << turns << " turns";
    // Far from the tick's last sub-step: the picture has not moved yet.
    EXPECT_EQ(ball().screenX, 300);
    EXPECT_GT(ball().x, 100.0);
    ASSERT_TRUE(window->runController().tickUnderWay());
    button("SpeedButton2")->click();
    EXPECT_EQ(window->scene().Running, 0);
    EXPECT_FALSE(window->runController().tickUnderWay());
    expectRunControls(false);
    EXPECT_EQ(ball().x, 100.0);
    const double stoppedAt = window->scene().RunTime;
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(window->scene().RunTime, stoppedAt);
    // A new run starts a new tick rather than finishing the old one.
    button("SpeedButton1")->click();
    EXPECT_EQ(window->scene().RunTime, 0.0);
    window->runController().tick();
    EXPECT_GT(window->scene().RunTime, 0.0);
    button("SpeedButton2")->click();
}

}  // namespace
}  // namespace mb::test

namespace mb::test {
namespace {

// Counts the widget's paint events and keeps the region of each.
class PaintLog : public QObject {
public:
    std::vector<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
};

// Changes that come within a frame of the last repaint are gathered and shown
// together one frame later; a change after a quiet spell is shown at once.
TEST(SceneWidgetFrames, ChangesWithinAFrameAreShownTogetherAtTheNextFrame) {
    SceneSurface surface;
    SceneWidget widget(surface);
    widget.resize(400, 300);
    widget.show();
    PaintLog log;
    widget.installEventFilter(&log);
    QElapsedTimer wait;
    auto settle = [&](int ms) {
        wait.start();
        while (wait.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    settle(60);
    log.regions.clear();

    surface.markDirty(QRect(10, 10, 5, 5));
    widget.showChanges();
    QElapsedTimer sinceShown;
    sinceShown.start();
    QCoreApplication::processEvents();
    ASSERT_EQ(log.regions.size(), 1u);
    EXPECT_TRUE(log.regions[0].contains(QRect(10, 10, 5, 5)));

    // Two more changes at once: nothing is painted until a frame has passed.
    surface.markDirty(QRect(100, 100, 5, 5));
    widget.showChanges();
    surface.markDirty(QRect(200, 50, 5, 5));
    widget.showChanges();
    // A frame is at least 4 ms; a machine too busy to get here sooner proves nothing.
    const bool withinAFrame = sinceShown.elapsed() < 4;
    QCoreApplication::processEvents();
    if (withinAFrame) {
        EXPECT_EQ(log.regions.size(), 1u);
    }
    settle(60);
    ASSERT_EQ(log.regions.size(), 2u);
    EXPECT_TRUE(log.regions[1].contains(QRect(100, 100, 5, 5)));
    EXPECT_TRUE(log.regions[1].contains(QRect(200, 50, 5, 5)));
}

}  // namespace
}  // namespace mb::test
