// The live graph beside the main window and the arrows and names over the surface.
#include <QSettings>
#include <QtCharts/QLineSeries>

#include "app/scene_widget.h"
#include "app_fixture.h"
#include "measure/live_graph_window.h"
#include "view/ball_overlay.h"

namespace mb::test {
namespace {

class LiveViewsTest : public AppTest {
protected:
    void openOneBall(bool gravity = false) {
        startWindow();
        auto scene = OneBallScene(5.0, 0.0);
        scene->settings.GravityOn = gravity ? 1 : 0;
        openThroughMenu(writeProject(*scene));
        ASSERT_TRUE(window->projectOpen());
    }
};

// Not modal: the main window's run commands drive the run while the graph is
// open; it keeps a run's points after Stop and begins again with the next run.
TEST_F(LiveViewsTest, TheLiveGraphFollowsRunsStartedFromTheMainWindow) {
    openOneBall();
    action("LiveGraphCommand")->trigger();
    LiveGraphWindow& graph = window->liveGraph();
    EXPECT_TRUE(graph.isVisible());
    EXPECT_FALSE(graph.isModal());
    EXPECT_NE(button("LiveGraphButton"), nullptr);
    action("N35")->trigger();
    for (int k = 0; k < 5; ++k) window->runController().tick();
    EXPECT_EQ(graph.record().size(), 6u);
    EXPECT_EQ(graph.record().times().back(), window->scene().RunTime);
    action("PauseCommand")->trigger();
    action("StepCommand")->trigger();
    EXPECT_EQ(graph.record().size(), 7u);
    action("StopCommand")->trigger();
    EXPECT_EQ(graph.record().size(), 7u);
    graph.refresh();
    EXPECT_EQ(graph.drawnSeries().at(0)->count(), 7);
    EXPECT_TRUE(graph.isVisible());
    action("N35")->trigger();
    EXPECT_EQ(graph.record().size(), 1u);
}

// The overlay is painted over the surface on the screen; the surface's own
// pixels stay as they were, and the choices are remembered between sessions.
TEST_F(LiveViewsTest, ArrowsAndNamesArePaintedOverTheSurfaceNotIntoIt) {
    openOneBall();
    auto* widget = window->findChild<SceneWidget*>();
    ASSERT_NE(widget, nullptr);
    const QImage surfaceBefore = window->surface().image().copy();
    const QImage plain = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const char* name : {"VelocityArrows", "AccelerationArrows", "BallNames"}) action(name)->trigger();
    EXPECT_TRUE(widget->overlay().velocity && widget->overlay().acceleration && widget->overlay().names);
    const QImage overlaid = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window->surface().image(), surfaceBefore);
    // The ball sits at (300, 250) and moves right at 5 m/s: its arrow runs 60 pixels
    // to (360, 250); the name keeps clear of it, above the ball; far from it
    // nothing changes.
    auto differs = [&](QRect box) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (overlaid.pixel(x, y) != plain.pixel(x, y)) return true;
        return false;
    };
    EXPECT_TRUE(differs(QRect(335, 248, 10, 5)));  // along the arrow
    EXPECT_TRUE(differs(QRect(290, 224, 20, 12)));  // the name, above the ball
    EXPECT_FALSE(differs(QRect(320, 240, 30, 5)));  // not beside the arrow, where it would hide it
    EXPECT_FALSE(differs(QRect(20, 20, 100, 100)));
    EXPECT_EQ(plain.pixel(340, 250), window->surface().image().pixel(340, 250));
    QSettings settings(settingsDir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_TRUE(settings.value("view/names").toBool());
    EXPECT_TRUE(settings.value("view/velocityArrows").toBool());
}

// The acceleration arrows show the state on the surface: a run's last sub-step
// while it goes on; before a run and after Stop, when the balls stand at their
// start and the record still holds an old run's value, the start's own.
TEST_F(LiveViewsTest, AccelerationArrowsShowTheStateTheBallsStandIn) {
    openOneBall(true);
    Ball& b = window->scene().balls[0];
    auto expectShown = [&](double ax, double ay, const char* when) {
        const OverlayAccelerations shown = ShownAccelerations(window->scene());
        EXPECT_DOUBLE_EQ(shown.ax[0], ax) << when;
        EXPECT_DOUBLE_EQ(shown.ay[0], ay) << when;
    };
    b.ax = b.ay = 7;  // an old run's, as a project file may carry them
    expectShown(0, -9.8, "before a run");
    action("N35")->trigger();
    for (int k = 0; k < 5; ++k) window->runController().tick();
    b.ax = 3;  // the last sub-step's, whatever it was
    expectShown(3, -9.8, "in a run");
    action("StopCommand")->trigger();
    b.ax = 123;
    expectShown(0, -9.8, "after Stop");
    // The arrow then points down from the ball at (300, 250), as gravity pulls.
    auto* widget = window->findChild<SceneWidget*>();
    const QImage plain = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    action("AccelerationArrows")->trigger();
    const QImage overlaid = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int below = 0, right = 0;
    for (int d = 15; d < 50; ++d) {
        below += overlaid.pixel(300, 250 + d) != plain.pixel(300, 250 + d);
        right += overlaid.pixel(300 + d, 250) != plain.pixel(300 + d, 250);
    }
    EXPECT_GT(below, 30);
    EXPECT_EQ(right, 0);
}

}  // namespace
}  // namespace mb::test
