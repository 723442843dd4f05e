#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>

#include "app_fixture.h"
#include "measure/curve_window.h"

namespace mb::test {
namespace {

class MeasureCommandsTest : public AppTest {
protected:
    // A one-ball project (the ball at screen (300, 250), radius 8) moving right.
    void openProjectWithBall(double vx0 = 2000.0) {
        startWindow();
        openThroughMenu(writeProject(*OneBallScene(vx0)));
        ASSERT_TRUE(window->projectOpen());
    }
    const Ball& ball() { return window->scene().balls[0]; }
    QString status() { return window->findChild<QLabel*>("StatusPanel1")->text(); }
};

TEST_F(MeasureCommandsTest, TheDataBallIsPickedOnTheSurfaceAndConfirmed) {
    openProjectWithBall();
    struct Case {
        QPoint at;
        QString preselected;
        int selected;
    };
    const Case cases[] = {
        {{600, 600}, "don't show", -1},  // empty space
        {{305, 252}, "Ball_1", 0},       // inside the ball's radius
        {{309, 250}, "Ball_1", 0},       // on the rim (radius + 1)
    };
    for (const Case& c : cases) {
        window->scene().SelectedBall = 0;
        action("N37")->trigger();
        EXPECT_EQ(status(), "Please choose the moving object which to be shown it's data when runing.");
        QString shown;
        prompts.dialogs.push_back([&](QDialog& d) {
            shown = d.findChild<QComboBox*>("ComboBox1")->currentText();
            d.findChild<QPushButton*>("BitBtn1")->click();
            return d.result();
        });
        window->surfacePressed(Qt::LeftButton, c.at);
        EXPECT_EQ(prompts.dialogsShown.back(), "TForm26");
        EXPECT_EQ(shown, c.preselected);
        EXPECT_EQ(window->scene().SelectedBall, c.selected);
        EXPECT_EQ(status(), "");
    }
    // The chosen ball wears a red circle of its pixel radius while no run goes on.
    EXPECT_EQ(pixel(300, 250 - 8), qRgb(255, 0, 0) & 0xFFFFFF);
    // The next press is an ordinary one again.
    const std::size_t shownBefore = prompts.dialogsShown.size();
    window->surfacePressed(Qt::LeftButton, QPoint(300, 250));
    EXPECT_EQ(prompts.dialogsShown.size(), shownBefore);
}

TEST_F(MeasureCommandsTest, TheDataWindowWatchesAndDrivesTheRun) {
    openProjectWithBall();
    window->scene().SelectedBall = 0;
    QTemporaryDir dir;
    bool ran = false;
    prompts.dialogs.push_back([&](QDialog& d) {
        ran = true;
        EXPECT_EQ(d.objectName(), "TForm25");
        // The main run buttons wait while the window is open.
        for (const char* b : {"SpeedButton1", "SpeedButton2", "SpeedButton3"}) EXPECT_FALSE(button(b)->isEnabled()) << b;
        EXPECT_EQ(window->scene().Running, 1);
        auto run = [&](int ticks) {
            for (int i = 0; i < ticks; ++i) window->runController().tick();
        };
        auto text = [&](const char* name) { return d.findChild<QLineEdit*>(name)->text(); };
        auto click = [&](const char* name) { d.findChild<QToolButton*>(name)->click(); };
        run(3);
        EXPECT_EQ(text("Edit7"), "0.029");  // shown before the last sub-step of the third tick
        EXPECT_EQ(text("Edit3"), "2000");
        EXPECT_EQ(text("Edit9"), "0");
        // No time box on the surface while a ball's data is shown.
        const int W = window->surface().windowWidth();
        EXPECT_NE(pixel(W - 100, 45), qRgb(255, 255, 0) & 0xFFFFFF);

        click("SpeedButton3");  // pause
        EXPECT_EQ(window->scene().Running, 0);
        // Pausing here leaves the main run commands, Step among them, waiting.
        for (const char* a : {"N35", "StopCommand", "PauseCommand", "StepCommand"}) EXPECT_FALSE(action(a)->isEnabled()) << a;
        const double t = window->scene().RunTime, x = ball().x;
        run(2);
        EXPECT_EQ(window->scene().RunTime, t);
        EXPECT_EQ(ball().x, x);
        click("SpeedButton3");  // resume
        run(1);
        EXPECT_GT(ball().x, x);

        click("SpeedButton1");  // restart
        EXPECT_EQ(window->scene().Running, 1);
        EXPECT_EQ(window->scene().RunTime, 0.0);
        EXPECT_EQ(ball().x, ball().x0);
        run(2);
        prompts.files.push_back(dir.filePath("ball.csv"));
        d.findChild<QPushButton*>("Record")->click();

        click("SpeedButton2");  // stop
        EXPECT_EQ(window->scene().Running, 0);
        EXPECT_EQ(ball().x, ball().x0);
        return d.result();
    });
    button("SpeedButton1")->click();
    ASSERT_TRUE(ran);
    EXPECT_FALSE(window->runController().active());
    EXPECT_TRUE(button("SpeedButton1")->isEnabled());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    EXPECT_FALSE(button("SpeedButton3")->isEnabled());
    EXPECT_TRUE(action("N3")->isEnabled());

    // The record holds the two ticks since the restart, each stamped with the time
    // at the tick's end, where the ball stands; at the first tick the mean
    // velocity spans the nine sub-steps since the start over the whole tick, the
    // instantaneous one is the ball's own.
    QFile f(dir.filePath("ball.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("1,0.010000000000000002,0,Ball_1,120,-100,1800,0,1800,0,") &&
                lines[1].contains(",2000,0,0,0,"))
        << lines[1].toStdString();
}

TEST_F(MeasureCommandsTest, AWindowClosedWithoutStopStillEndsTheRun) {
    openProjectWithBall();
    window->scene().SelectedBall = 0;
    button("SpeedButton1")->click();  // the script has no answer: the window just closes
    EXPECT_EQ(prompts.dialogsShown.back(), "TForm25");
    EXPECT_FALSE(window->runController().active());
    EXPECT_EQ(window->scene().Running, 0);
    EXPECT_TRUE(button("SpeedButton1")->isEnabled());
}

TEST_F(MeasureCommandsTest, TheCurveWindowOpensFromTheRunMenuAndTheBallsComeBackAfterIt) {
    openProjectWithBall(5.0);
    window->scene().balls[0].curveFlag = 1;
    prompts.dialogs.push_back([&](QDialog& d) {
        EXPECT_EQ(d.objectName(), "TForm29");
        d.findChild<QPushButton*>("BitBtn3")->click();
        auto& curve = static_cast<CurveWindow&>(d);
        d.findChild<QTimer*>("Timer1")->stop();  // the test drives the computation
        d.show();
        for (int i = 0; i < 5; ++i) curve.tick();
        const double x = window->scene().balls[0].x;
        EXPECT_GT(x, 100.0);
        // Resizing the main window meanwhile leaves the computation's balls alone.
        window->resize(1100, 860);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->scene().balls[0].x, x);
        curve.tick();
        EXPECT_GT(window->scene().balls[0].x, x);
        // Stopped, the picture's chooser starts beside the project (cancelled here).
        d.findChild<QPushButton*>("BitBtn3")->click();
        d.findChild<QPushButton*>("BitBtn4")->click();
        EXPECT_EQ(prompts.fileFolders.back(), QFileInfo(window->projectPath()).absolutePath());
        d.findChild<QPushButton*>("BitBtn5")->click();
        return d.result();
    });
    button("SpeedButton11")->click();
    EXPECT_EQ(prompts.dialogsShown.back(), "TForm29");
    EXPECT_EQ(ball().x, 100.0);  // the full redraw put it back
    // Neither command is offered during a run.
    button("SpeedButton1")->click();
    EXPECT_FALSE(button("SpeedButton10")->isEnabled());
    EXPECT_FALSE(button("SpeedButton11")->isEnabled());
}

}  // namespace
}  // namespace mb::test
