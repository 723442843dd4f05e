// The live graph beside the main window and the arrows and names over the surface.
#include <QSettings>
#include <QtCharts/QLineSeries>

#include "app/scene_widget.h"
#include "app_fixture.h"
#include "measure/live_graph_window.h"

namespace mb::test {
namespace {

class LiveViewsTest : public AppTest {
protected:
    void openOneBall() {
        startWindow();
        openThroughMenu(writeProject(*OneBallScene(5.0, 0.0)));
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
    // to (360, 250); the name sits right of the ball; far from it nothing changes.
    auto differs = [&](QRect box) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (overlaid.pixel(x, y) != plain.pixel(x, y)) return true;
        return false;
    };
    EXPECT_TRUE(differs(QRect(335, 248, 10, 5)));  // along the arrow
    EXPECT_TRUE(differs(QRect(314, 243, 25, 4)));  // the name, above the arrow
    EXPECT_FALSE(differs(QRect(20, 20, 100, 100)));
    EXPECT_EQ(plain.pixel(340, 250), window->surface().image().pixel(340, 250));
    QSettings settings(settingsDir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_TRUE(settings.value("view/names").toBool());
    EXPECT_TRUE(settings.value("view/velocityArrows").toBool());
}

}  // namespace
}  // namespace mb::test
