// Placing, picking, dragging and the right press, driven with mouse events on the
// main window's surface.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <vector>

#include "editor/hit_tests.h"
#include "editor_fixture.h"
#include "scene/table_ops.h"

namespace mb::test {
namespace {

class MouseEditingTest : public EditorTest {
protected:
    // Two balls of 2 m (4 pixels) at pixels (500, 300) and (600, 300).
    void openWithTwoBalls() {
        auto s = std::make_unique<Scene>();
        ResetScene(*s);
        PutBall(*s, 150, 0, 2);
        PutBall(*s, 200, 0, 2);
        openScene(std::move(s));
    }
};

struct PlaceCase {
    const char* menu;
    std::vector<QPoint> clicks;
    ElementKind kind;
    const char* secondPrompt;  // status panel 1 after the first of two clicks; null: unchanged
    std::function<void(const Scene&, int)> check;
};

TEST_F(MouseEditingTest, EveryKindIsPlacedWithItsClicksAndItsDialog) {
    openWithTwoBalls();
    const PlaceCase cases[] = {
        {"N12", {{300, 200}}, ElementKind::Ball, nullptr,
         [](const Scene& s, int i) {
             EXPECT_EQ(s.balls[i].x0, 50.0);
             EXPECT_EQ(s.balls[i].y0, 50.0);
             EXPECT_EQ(s.balls[i].M0, 2.0);
             EXPECT_EQ(s.balls.names[i], "Ball_1");  // the counter of the file's balls was 0
         }},
        {"N21", {{310, 200}}, ElementKind::PointCharge, nullptr,
         [](const Scene& s, int i) { EXPECT_EQ((std::pair{s.pointCharges[i].x, s.pointCharges[i].y}), (std::pair{55.0, 50.0})); }},
        {"N15", {{320, 210}}, ElementKind::GravityMass, nullptr,
         [](const Scene& s, int i) { EXPECT_EQ((std::pair{s.gravityMasses[i].x, s.gravityMasses[i].y}), (std::pair{60.0, 45.0})); }},
        {"N22", {{100, 100}, {150, 140}}, ElementKind::ElectricField, nullptr,
         [](const Scene& s, int i) {
             const auto& r = s.electricFields[i];
             EXPECT_EQ((std::vector{r.x1, r.y1, r.x2, r.y2}), (std::vector{-50.0, 80.0, -25.0, 100.0}));
         }},
        {"N14", {{100, 100}, {150, 140}}, ElementKind::MagneticField, nullptr,
         [](const Scene& s, int i) { EXPECT_EQ(s.magneticFields[i].x2, -25.0); }},
        {"N16", {{100, 100}, {150, 140}}, ElementKind::Damping, nullptr,
         [](const Scene& s, int i) {
             EXPECT_EQ(s.dampingFields[i].y1, 80.0);
             EXPECT_EQ(s.dampingFields[i].formula, 0.0);
         }},
        {"N24", {{500, 300}, {500, 200}}, ElementKind::HangingSpring,
         "Please choose the approximately place to hang the spring by the mouse.",
         [](const Scene& s, int i) {
             const auto& c = s.hangingSprings[i];
             EXPECT_EQ((std::vector{c.anchorX, c.anchorY, c.L, c.ball}), (std::vector{150.0, 50.0, 50.0, 0.0}));
         }},
        {"N18", {{600, 300}, {600, 260}}, ElementKind::HangingCord,
         "Please choose the approximately place to hang the cord by the mouse.",
         [](const Scene& s, int i) { EXPECT_EQ((std::pair{s.hangingCords[i].ball, s.hangingCords[i].L}), (std::pair{1.0, 20.0})); }},
        {"N40", {{500, 300}, {520, 300}}, ElementKind::HangingPole,
         "Please choose the approximately place to hang the pole by the mouse.",
         [](const Scene& s, int i) { EXPECT_EQ(s.hangingPoles[i].L, 10.0); }},
        {"N25", {{500, 300}, {600, 300}}, ElementKind::LinkSpring,
         "Choose the another moving object which to be linked.",
         [](const Scene& s, int i) {
             const auto& c = s.linkSprings[i];
             EXPECT_EQ((std::vector{c.ball1, c.ball2, c.L}), (std::vector{0.0, 1.0, 50.0}));
         }},
        {"N36", {{600, 300}, {600, 300}, {500, 300}}, ElementKind::LinkCord,
         "Choose the another object which to be linked.",
         [](const Scene& s, int i) { EXPECT_EQ((std::pair{s.linkCords[i].ball1, s.linkCords[i].ball2}), (std::pair{1.0, 0.0})); }},
        {"N41", {{500, 300}, {700, 300}, {600, 300}}, ElementKind::LinkPole,
         "Choose the another object which to be linked.",
         [](const Scene& s, int i) { EXPECT_EQ(s.linkPoles[i].ball2, 1.0); }},
        {"N26", {{100, 100}, {200, 150}}, ElementKind::StraightTrack, "Choose the end place of it by mouse.",
         [](const Scene& s, int i) {
             const auto& t = s.straightTracks[i];
             EXPECT_EQ((std::vector{t.xs, t.ys, t.xe, t.ye}), (std::vector{-50.0, 100.0, 0.0, 75.0}));
         }},
        {"N27", {{400, 200}, {400, 180}}, ElementKind::CircularTrack, nullptr,
         [](const Scene& s, int i) {
             const auto& t = s.circularTracks[i];
             EXPECT_EQ((std::vector{t.cx, t.cy, t.radius}), (std::vector{100.0, 50.0, 10.0}));
         }},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.menu);
        const int before = ElementCount(scene(), c.kind);
        action(c.menu)->trigger();
        EXPECT_EQ(state().CreationMode, c.kind);
        const QString menuPrompt = prompt();
        if (c.kind == ElementKind::Ball) {
            prompts.dialogs.push_back([](QDialog& d) {
                d.findChild<QLineEdit*>("Edit1")->setText("2");
                return Press("BitBtn2")(d);
            });
        } else {
            acceptNext();
        }
        for (std::size_t k = 0; k < c.clicks.size(); ++k) {
            click(c.clicks[k]);
            if (k + 1 < c.clicks.size()) {
                EXPECT_TRUE(state().SecondClickPending);
                EXPECT_EQ(prompt(), c.secondPrompt ? QString(c.secondPrompt) : menuPrompt);
            }
        }
        ASSERT_EQ(ElementCount(scene(), c.kind), before + 1);
        EXPECT_EQ(state().CreationMode, ElementKind::None);
        EXPECT_FALSE(state().SecondClickPending);
        EXPECT_EQ(prompt(), "");
        EXPECT_EQ(state().CurrentIndex, before);
        c.check(scene(), before);
    }
    EXPECT_TRUE(prompts.dialogs.empty());
}

TEST_F(MouseEditingTest, ARemarkIsPlacedWhereClickedAndKeepsItsText) {
    openScene();
    action("N58")->trigger();
    EXPECT_EQ(state().CreationMode, ElementKind::Remark);
    prompts.dialogs.push_back([](QDialog& d) {
        d.findChild<QLineEdit*>("Edit1")->setText("Hello");
        return Press("BitBtn5")(d);
    });
    click({700, 50});
    ASSERT_EQ(scene().remarkCount(), 1);
    EXPECT_EQ((std::vector{scene().remarks[0].x, scene().remarks[0].y}), (std::vector{700, 50}));
    EXPECT_EQ(scene().remarks[0].text, "Hello");
    EXPECT_GT(scene().remarks[0].width, 0);  // the redraw measured it

    // The close box of a new remark leaves the free record free.
    action("N58")->trigger();
    click({700, 150});
    EXPECT_EQ(scene().remarkCount(), 1);
}

TEST_F(MouseEditingTest, TwoClickPlacementsKeepTheirOrderRules) {
    openScene();
    // Top-right to bottom-left: stored with x1 < x2 and y1 < y2.
    action("N22")->trigger();
    acceptNext();
    click({300, 100});
    click({200, 200});
    const auto& f = scene().electricFields[0];
    EXPECT_EQ((std::vector{f.x1, f.y1, f.x2, f.y2}), (std::vector{0.0, 50.0, 50.0, 100.0}));

    // Right to left: the ends are exchanged so that xs <= xe.
    action("N26")->trigger();
    acceptNext();
    click({300, 100});
    click({200, 150});
    const auto& t = scene().straightTracks[0];
    EXPECT_EQ((std::vector{t.xs, t.ys, t.xe, t.ye}), (std::vector{0.0, 75.0, 50.0, 100.0}));

    // A circle whose second click is its centre creates nothing; the tool stays.
    action("N27")->trigger();
    click({400, 200});
    click({400, 200});
    EXPECT_EQ(ElementCount(scene(), ElementKind::CircularTrack), 0);
    EXPECT_EQ(state().CreationMode, ElementKind::CircularTrack);
    EXPECT_FALSE(state().SecondClickPending);
    EXPECT_EQ(prompts.dialogsShown.size(), 2u);

    // A connector's first press on no ball does nothing.
    action("N24")->trigger();
    click({800, 100});
    EXPECT_FALSE(state().SecondClickPending);
}

TEST_F(MouseEditingTest, TheRubberBandIsDrawnInXorAndErasedByTheNextMove) {
    openScene();
    action("N22")->trigger();
    click({100, 100});
    const QImage atFirstCorner = window->surface().image().copy(0, 0, 400, 400);
    QTest::mouseMove(surfaceWidget(), {160, 140});
    const QImage stretched = window->surface().image().copy(0, 0, 400, 400);
    EXPECT_NE(stretched, atFirstCorner);
    // The dotted rectangle's top edge starts at the first corner, in the mode's colour.
    EXPECT_EQ(stretched.pixel(100, 100) & 0xFFFFFF, qRgb(160, 160, 255) & 0xFFFFFF);
    QTest::mouseMove(surfaceWidget(), {100, 100});
    EXPECT_EQ(window->surface().image().copy(0, 0, 400, 400), atFirstCorner);
}

TEST_F(MouseEditingTest, BallsAreTestedBeforePointChargesAndTheRightPressOpensEveryDialogInOrder) {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    PutBall(*s, 100, 0, 2);
    s->pointCharges[0] = {100, 0, 1};
    openScene(std::move(s));
    click({400, 300});
    EXPECT_EQ(state().SelectedKind, ElementKind::Ball);
    EXPECT_EQ(state().CurrentIndex, 0);
    EXPECT_EQ(scene().balls[0].x0, 100.0);  // a click without a move moves nothing

    prompts.dialogsShown.clear();
    click({400, 300}, Qt::RightButton);
    EXPECT_EQ(prompts.dialogsShown, (std::vector<QString>{"TForm4", "Marker2"}));
    EXPECT_EQ(state().SelectedKind, ElementKind::PointCharge);
    EXPECT_FALSE(state().MouseIsDown);
    EXPECT_EQ(scene().balls[0].x0, 100.0);  // the release after a right press drops nothing
}

TEST_F(MouseEditingTest, DraggingMovesTheReferencePointAndKeepsTheShape) {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    s->electricFields[0] = {0, 0, 20, 10, 0, 1};               // pixels 200..240 x 280..300
    s->straightTracks[0] = MakeStraightTrack(100, 0, 120, 10);  // pixels (400, 300) to (440, 280)
    PutBall(*s, 150, 50, 2);                                    // pixel (500, 200)
    s->remarks[0].text = "note";
    s->remarks[0].x = 700;
    s->remarks[0].y = 100;
    openScene(std::move(s));

    drag({210, 290}, {260, 250});
    const auto& f = scene().electricFields[0];
    EXPECT_EQ((std::vector{f.x1, f.y1, f.x2, f.y2}), (std::vector{25.0, 20.0, 45.0, 30.0}));
    EXPECT_EQ(f.x2 - f.x1, 20.0);
    EXPECT_EQ(f.y2 - f.y1, 10.0);

    drag({420, 290}, {470, 240});
    const StraightTrack& t = scene().straightTracks[0];
    const StraightTrack expected = MakeStraightTrack(125, 25, 145, 35);
    EXPECT_EQ((std::vector{t.xs, t.ys, t.xe, t.ye}), (std::vector{125.0, 25.0, 145.0, 35.0}));
    EXPECT_EQ((std::vector{t.A, t.B, t.C, t.norm, t.theta}),
              (std::vector{expected.A, expected.B, expected.C, expected.norm, expected.theta}));

    // While the ball is dragged its white outline follows the pointer; each move
    // takes the last one away exactly.
    QTest::mousePress(surfaceWidget(), Qt::LeftButton, {}, {502, 201});
    const QImage picked = window->surface().image().copy(400, 100, 250, 200);
    QTest::mouseMove(surfaceWidget(), {532, 171});
    const QImage outlined = window->surface().image().copy(400, 100, 250, 200);
    EXPECT_NE(outlined, picked);
    // Its circle of 4 pixels about (530, 170) crosses that row on both sides.
    QList<int> white;
    for (int x = 520; x <= 540; ++x)
        if ((outlined.pixel(x - 400, 170 - 100) & 0xFFFFFF) == 0xFFFFFF) white << x;
    EXPECT_EQ(white, (QList<int>{526, 533}));
    QTest::mouseMove(surfaceWidget(), {552, 151});
    QTest::mouseMove(surfaceWidget(), {532, 171});
    EXPECT_EQ(window->surface().image().copy(400, 100, 250, 200), outlined);
    QTest::mouseRelease(surfaceWidget(), Qt::LeftButton, {}, {552, 151});
    EXPECT_EQ((std::pair{scene().balls[0].x0, scene().balls[0].y0}), (std::pair{175.0, 75.0}));
    EXPECT_EQ((std::pair{scene().balls[0].screenX, scene().balls[0].screenY}), (std::pair{550, 150}));

    const int w = scene().remarks[0].width, h = scene().remarks[0].height;
    ASSERT_GT(w, 2);
    drag({701, 101}, {801, 121});
    EXPECT_EQ((std::pair{scene().remarks[0].x, scene().remarks[0].y}), (std::pair{800, 120}));
    // Its border is not inside: a press there picks nothing.
    click({800, 121});
    EXPECT_EQ(state().SelectedKind, ElementKind::None);
    click({800 + w - 1, 120 + h - 1});
    EXPECT_EQ(state().SelectedKind, ElementKind::Remark);
}

TEST_F(MouseEditingTest, AFullTableRefusesAPlacementAndSaysSo) {
    struct Case {
        const char* menu;
        const char* text;
        std::function<void(Scene&)> fill;
    };
    const Case cases[] = {
        {"N12", "No room for another moving object: 30 is the most.",
         [](Scene& s) {
             for (int j = 0; j < kBallCapacity; ++j) PutBall(s, j, 0, 0.1);
         }},
        {"N21", "No room for another point charge: 20 is the most.",
         [](Scene& s) {
             for (int i = 0; i < kTableCapacity; ++i) s.pointCharges[i] = {double(i), 0, 1};
         }},
        {"N15", "No room for another gravity mass: 20 is the most.",
         [](Scene& s) {
             for (int i = 0; i < kTableCapacity; ++i) s.gravityMasses[i] = {double(i), 0, 1};
         }},
        {"N26", "No room for another straight track: 20 is the most.",
         [](Scene& s) {
             for (int i = 0; i < kTableCapacity; ++i) s.straightTracks[i] = MakeStraightTrack(i, 0, i + 1, 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        auto s = std::make_unique<Scene>();
        ResetScene(*s);
        c.fill(*s);
        openScene(std::move(s));
        prompts.dialogsShown.clear();
        action(c.menu)->trigger();
        click({900, 500});
        EXPECT_EQ(prompt(), c.text);
        EXPECT_TRUE(prompts.dialogsShown.empty());
        EXPECT_EQ(state().CreationMode, ElementKind::None);
        EXPECT_FALSE(state().SecondClickPending);
    }
}

TEST_F(MouseEditingTest, TheDataBallPickReportsTheLastBallHitOrNone) {
    auto s = std::make_unique<Scene>();
    ResetScene(*s);
    PutBall(*s, 100, 0, 2);
    PutBall(*s, 101, 0, 2);
    openScene(std::move(s));
    std::vector<int> picked;
    QObject::connect(&window->editor(), &MouseEditor::dataBallPicked, [&](int b) { picked.push_back(b); });
    for (QPoint at : {QPoint(401, 300), QPoint(900, 500)}) {
        const QString text = "pick";
        window->editor().chooseTool(ElementKind::DataBallPick, &text);
        click(at);
    }
    EXPECT_EQ(picked, (std::vector<int>{1, -1}));
    EXPECT_EQ(state().CreationMode, ElementKind::None);
}

// Whatever interrupted a band or an outline, the surface ends as the straight way
// to the same state leaves it: no XOR figure is left behind or drawn twice.
TEST_F(MouseEditingTest, NoBandOrOutlineOutlivesWhatEndedOrMovedIt) {
    struct Case {
        const char* what;
        std::function<void()> interrupted, straight;
        bool oneBallLeft = false;  // the straight way starts from the second ball alone
    };
    auto move = [this](QPoint at) { QTest::mouseMove(surfaceWidget(), at); };
    auto firstCorner = [this, move] {
        action("N22")->trigger();
        click({100, 100});
        move({160, 140});
    };
    auto cornerThenPointer = [this, move] {
        action("N22")->trigger();
        click({100, 100});
        move({180, 170});
    };
    const Case cases[] = {
        {"a one-click tool chosen while a second click is pending",
         [&] {
             firstCorner();
             action("N21")->trigger();
             move({200, 200});
             move({230, 230});
         },
         [&] {
             action("N21")->trigger();
             move({230, 230});
         }},
        {"a drag back to its press point",
         [&] {
             QTest::mousePress(surfaceWidget(), Qt::LeftButton, {}, {502, 301});
             move({530, 330});
             move({502, 301});
             QTest::mouseRelease(surfaceWidget(), Qt::LeftButton, {}, {502, 301});
         },
         [&] { click({502, 301}); }},
        {"a repaint during a half-done placement",
         [&] {
             firstCorner();
             window->resizeView();
             move({180, 170});
         },
         cornerThenPointer},
        {"Parameter adjust during a half-done placement",
         [&] {
             firstCorner();
             action("N29")->trigger();
             move({180, 170});
         },
         cornerThenPointer},
        {"the selected ball deleted through Parameter adjust",
         [&] {
             click({502, 301});
             prompts.dialogs.push_back([this](QDialog& d) {
                 d.findChild<QListWidget*>("ListBox2")->setCurrentRow(0);
                 prompts.dialogs.push_back(Press("BitBtn1"));  // its Delete, answered OK
                 return Press("BitBtn1")(d);
             });
             action("N29")->trigger();
         },
         [] {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openWithTwoBalls();
        c.interrupted();
        const QImage after = window->surface().image().copy(0, 0, 800, 500);
        if (c.oneBallLeft) {
            auto s = std::make_unique<Scene>();
            ResetScene(*s);
            PutBall(*s, 200, 0, 2);
            openScene(std::move(s));
        } else {
            openWithTwoBalls();
        }
        c.straight();
        EXPECT_TRUE(after == window->surface().image().copy(0, 0, 800, 500));
    }
}

TEST_F(MouseEditingTest, ARunEndsAHalfDonePlacement) {
    openScene();
    action("N22")->trigger();
    click({100, 100});
    QTest::mouseMove(surfaceWidget(), {160, 140});
    action("N35")->trigger();
    action("StopCommand")->trigger();
    EXPECT_EQ(state().CreationMode, ElementKind::None);
    const QImage stopped = window->surface().image().copy(0, 0, 400, 400);
    QTest::mouseMove(surfaceWidget(), {180, 170});
    EXPECT_TRUE(window->surface().image().copy(0, 0, 400, 400) == stopped);  // no band, old or new
    prompts.dialogsShown.clear();
    click({200, 200});
    EXPECT_TRUE(prompts.dialogsShown.empty());
    EXPECT_EQ(scene().electricFields.count(), 0);
}

TEST_F(MouseEditingTest, TheCoordinateReadOutShowsWorldMetres) {
    openScene();
    QTest::mouseMove(surfaceWidget(), {203, 299});
    EXPECT_EQ(window->findChild<QLabel*>("StatusPanel0")->text(), "Coordinate:(1.5,0.5)");
}

}  // namespace
}  // namespace mb::test
