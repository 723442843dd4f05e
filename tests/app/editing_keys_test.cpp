// The keys of editing on an open project: Delete on the selected element, Esc on
// a half-done placement, and the View menu's zooms and pans.
#include <QLabel>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "app/app_fixture.h"
#include "editor/mouse_editor.h"

namespace mb::test {
namespace {

class EditingKeysTest : public AppTest {
protected:
    // One ball at (100, -100), origin (200, 150), 1 m a pixel: the ball shows at (300, 250).
    void openOneBall() {
        startWindow();
        auto s = OneBallScene();
        s->balls[1] = MakeBall(-50.0, 50.0, 0, 0, 4.0);
        s->balls.names[1] = "Ball_2";
        s->balls.nameCounter = 2;
        openThroughMenu(writeProject(*s));
        ASSERT_TRUE(window->projectOpen());
    }
    void key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.get(), Qt::Key(key), mods);
        QCoreApplication::processEvents();
    }
    QString status() { return window->findChild<QLabel*>("StatusPanel1")->text(); }
    QWidget* surface() { return window->centralWidget(); }
};

TEST_F(EditingKeysTest, DeleteAsksAsTheDialogDoesAndClosesTheTable) {
    struct Case {
        Prompts::Button answer;
        int ballsLeft;
        const char* first;  // the first ball's name afterwards
    };
    for (const Case c : {Case{Prompts::Cancel, 2, "Ball_1"}, Case{Prompts::Ok, 1, "Ball_2"}}) {
        openOneBall();
        window->surfacePressed(Qt::LeftButton, QPoint(300, 250));
        window->surfaceReleased(QPoint(300, 250));
        ASSERT_EQ(window->editor().state().SelectedKind, ElementKind::Ball);
        prompts.messages.clear();
        prompts.answers.push_back(c.answer);
        key(Qt::Key_Delete);
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].buttons, Prompts::Ok | Prompts::Cancel);
        EXPECT_EQ(window->scene().balls.count(), c.ballsLeft);
        EXPECT_EQ(window->scene().balls.names[0], c.first);
        EXPECT_EQ(window->isModified(), c.ballsLeft == 1);
    }
    // Nothing selected: Delete asks nothing.
    prompts.messages.clear();
    key(Qt::Key_Delete);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EditingKeysTest, EscEndsAHalfDonePlacementAndErasesItsBand) {
    openOneBall();
    const QImage before = window->surface().image().copy();
    window->editor().chooseTool(ElementKind::StraightTrack, nullptr);
    window->surfacePressed(Qt::LeftButton, QPoint(100, 100));
    window->surfaceReleased(QPoint(100, 100));
    window->surfaceMoved(QPoint(180, 140));
    ASSERT_TRUE(window->editor().state().SecondClickPending);
    ASSERT_NE(window->surface().image(), before);  // the band is drawn
    key(Qt::Key_Escape);
    const EditorState& st = window->editor().state();
    EXPECT_EQ(st.CreationMode, ElementKind::None);
    EXPECT_FALSE(st.SecondClickPending);
    EXPECT_FALSE(st.FeedbackShown);
    EXPECT_EQ(window->surface().image(), before);
    EXPECT_EQ(window->scene().straightTracks.count(), 0);
    // The next click selects instead of finishing the track.
    window->surfacePressed(Qt::LeftButton, QPoint(300, 250));
    window->surfaceReleased(QPoint(300, 250));
    EXPECT_EQ(st.SelectedKind, ElementKind::Ball);
    EXPECT_EQ(window->scene().straightTracks.count(), 0);
}

TEST_F(EditingKeysTest, ZoomsAndPansKeepThePivotAndAreSavedWithTheProject) {
    openOneBall();
    const QPoint centre = surface()->rect().center();
    auto worldAt = [&](QPoint p) {
        const ViewScale& v = window->scene().view;
        return std::pair{v.worldX(p.x()), v.worldY(p.y())};
    };
    // The origin stays on whole pixels: the pivot's world point moves by half a pixel at most.
    auto stays = [&](QPoint p, std::pair<double, double> world) {
        const double half = window->scene().view.MetresPerPixel / 2;
        const auto now = worldAt(p);
        EXPECT_LE(std::abs(now.first - world.first), half);
        EXPECT_LE(std::abs(now.second - world.second), half);
    };
    const auto centreWorld = worldAt(centre);
    key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window->scene().view.MetresPerPixel, 0.5);
    stays(centre, centreWorld);
    EXPECT_EQ(window->scene().balls[0].pixelRadius, 16);
    EXPECT_TRUE(window->isModified());

    // Once more would draw the 8 m ball 32 pixels wide in radius: refused, said so.
    key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window->scene().view.MetresPerPixel, 0.5);
    EXPECT_TRUE(status().contains("30 pixels")) << status().toStdString();

    key(Qt::Key_Minus, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window->scene().view.MetresPerPixel, 2.0);
    stays(centre, centreWorld);

    // Ctrl with the wheel zooms about the pointer.
    const QPoint at(300, 250);
    const auto atWorld = worldAt(at);
    QWheelEvent wheel(at, surface()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface(), &wheel);
    EXPECT_EQ(window->scene().view.MetresPerPixel, 1.0);
    stays(at, atWorld);

    // The middle button drags the world along; the editor sees nothing of it.
    const ViewScale v0 = window->scene().view;
    QTest::mousePress(surface(), Qt::MiddleButton, Qt::NoModifier, QPoint(400, 400));
    QMouseEvent move(QEvent::MouseMove, QPointF(430, 380), surface()->mapToGlobal(QPointF(430, 380)), Qt::NoButton,
                     Qt::MiddleButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface(), &move);
    QTest::mouseRelease(surface(), Qt::MiddleButton, Qt::NoModifier, QPoint(430, 380));
    EXPECT_EQ(window->scene().view.OriginX, v0.OriginX + 30);
    EXPECT_EQ(window->scene().view.OriginY, v0.OriginY - 20);
    EXPECT_EQ(window->scene().balls.count(), 2);

    // Fit shows both balls with room to spare, and the file keeps the view.
    key(Qt::Key_0, Qt::ControlModifier);
    const ViewScale fit = window->scene().view;
    for (int i = 0; i < 2; ++i) {
        const Ball& b = window->scene().balls[i];
        EXPECT_GE(fit.columnOf(b.x0 - b.R), 0.0);
        EXPECT_LE(fit.columnOf(b.x0 + b.R), double(surface()->width()));
        EXPECT_GE(fit.rowOf(b.y0 + b.R), 0.0);
        EXPECT_LE(fit.rowOf(b.y0 - b.R), double(surface()->height()));
    }
    const QString saved = projectDir.filePath("zoomed.kmx");
    prompts.files.push_back(saved);
    ASSERT_TRUE(window->saveProjectAs());
    const ReadResult r = ReadProject(saved.toStdString());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ((std::tuple{r.scene->view.MetresPerPixel, r.scene->view.OriginX, r.scene->view.OriginY}),
              (std::tuple{fit.MetresPerPixel, fit.OriginX, fit.OriginY}));
    EXPECT_NE(fit.MetresPerPixel, 1.0);
}

}  // namespace
}  // namespace mb::test
