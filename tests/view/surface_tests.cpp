#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include <QColor>

#include "engine/engine.h"
#include "view/glyphs.h"
#include "view/scene_surface.h"
#include "view/tick_display.h"
#include "view_test_support.h"

namespace mb::test {
namespace {

const QRgb kCyan = Colour(0, 255, 255);

// Columns and rows of the first cyan pixel in an area, or -1.
QPoint FirstCyan(const QImage& im, QRect area) {
    int left = -1, top = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Rgb(im, x, y) == kCyan) {
                if (left < 0 || x < left) left = x;
                if (top < 0 || y < top) top = y;
            }
    return QPoint(left, top);
}

TEST(GridLabels, TextOfThreeSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{1000, "1e+03"}, {-1000, "-1e+03"}, {0.5, "0.5"}, {0, "0"}, {100, "100"},
                 {0.0001, "0.0001"}, {0.00001, "1e-05"}, {123456, "1.23e+05"}, {12.5, "12.5"}, {1.234, "1.23"}};
    for (const auto& c : cases) EXPECT_EQ(GridLabelText(c.value), QString(c.text)) << c.value;
    EXPECT_EQ(TimeBoxText(1.23456), QString("1.235"));
    EXPECT_EQ(TimeBoxText(12344.0), QString("1.234e+04"));
    EXPECT_EQ(TimeBoxText(0.25), QString("0.25"));
}

TEST(GridLabels, PositionsOfTheWorkedExample) {
    // Origin (200, 150), 10 m per pixel: x labels -1000, 0, 1000 at columns 90, 190,
    // 290 on row 153; the y label -1000 at (203, 242); none for 0.
    auto s = EmptyScene(true);
    SceneSurface surface;
    surface.setWindowSize(1000, 800);
    surface.FullRedraw(*s);
    const QImage& im = surface.image();
    for (int column : {90, 190, 290}) {
        SCOPED_TRACE(column);
        const QPoint first = FirstCyan(im, QRect(column - 8, 145, 50, 25));
        EXPECT_GE(first.x(), column);
        EXPECT_LE(first.x(), column + 4);
        EXPECT_GE(first.y(), 153);
        EXPECT_LE(first.y(), 158);
    }
    const QPoint y1 = FirstCyan(im, QRect(195, 234, 50, 25));
    EXPECT_GE(y1.x(), 203);
    EXPECT_LE(y1.x(), 207);
    EXPECT_GE(y1.y(), 242);
    EXPECT_LE(y1.y(), 247);
    EXPECT_EQ(FirstCyan(im, QRect(203, 138, 40, 14)), QPoint(-1, -1));
    // Grid lines: fine (80), coarse (130) and the two-pixel axes (180).
    EXPECT_EQ(Rgb(im, 210, 505), Colour(80, 80, 80));
    EXPECT_EQ(Rgb(im, 300, 505), Colour(130, 130, 130));
    EXPECT_EQ(Rgb(im, 200, 505), Colour(180, 180, 180));
    EXPECT_EQ(Rgb(im, 199, 505), Colour(180, 180, 180));
    EXPECT_EQ(Rgb(im, 205, 505), 0u);
    // Columns beyond the window's width get no line; rows run on to the surface's edge.
    EXPECT_EQ(Rgb(im, 1010, 505), 0u);
    EXPECT_EQ(Rgb(im, 1155, 450), Colour(130, 130, 130));
}

TEST(Surface, EmptySceneWithoutGridIsBlackOrTheBackground) {
    auto s = EmptyScene(false);
    SceneSurface surface;
    surface.FullRedraw(*s);
    EXPECT_EQ(CountColour(surface.image(), surface.image().rect(), 0u), 1200 * 1200);
    QImage picture(50, 40, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    surface.setBackground(picture);
    EXPECT_TRUE(surface.backgroundShown());
    surface.FullRedraw(*s);
    EXPECT_EQ(Rgb(surface.image(), 0, 0), Colour(10, 20, 30));
    EXPECT_EQ(Rgb(surface.image(), 49, 39), Colour(10, 20, 30));
    EXPECT_EQ(Rgb(surface.image(), 50, 40), 0u);
    // During a run the repaint puts the background 32 pixels lower.
    surface.RunRepaint(*s);
    EXPECT_EQ(Rgb(surface.image(), 0, 31), 0u);
    EXPECT_EQ(Rgb(surface.image(), 0, 32), Colour(10, 20, 30));
    EXPECT_FALSE(surface.loadBackground("/nonexistent/ground.bmp"));
    EXPECT_FALSE(surface.backgroundShown());
}

TEST(Surface, LargerThan1200IsClearedAndDrawnEntirely) {
    auto s = EmptyScene(true);
    SceneSurface surface;
    surface.setWindowSize(2400, 1600);
    ASSERT_GE(surface.image().width(), 2400);
    ASSERT_GE(surface.image().height(), 1600);
    surface.image().setPixel(2305, 1505, qRgb(255, 0, 0));
    surface.image().setPixel(1255, 1255, qRgb(255, 0, 0));
    surface.FullRedraw(*s);
    const QImage& im = surface.image();
    EXPECT_EQ(Rgb(im, 2305, 1505), 0u);
    EXPECT_EQ(Rgb(im, 1255, 1255), 0u);
    // Grid lines and axes reach the far edges.
    EXPECT_EQ(Rgb(im, 2300, 150), Colour(180, 180, 180));
    EXPECT_EQ(Rgb(im, 200, 1550), Colour(180, 180, 180));
    EXPECT_EQ(Rgb(im, 2310, 1455), Colour(80, 80, 80));
    // A ball far right on the big surface is stamped too.
    AddBall(*s, 19000, 0, 50);  // column 2100
    surface.FullRedraw(*s);
    EXPECT_NE(Rgb(surface.image(), 2100, 150), Colour(180, 180, 180));
    EXPECT_EQ(surface.dirtyRect(), surface.image().rect());
}

TEST(Surface, BallSpriteAtItsScreenPositionAndItsBackdrop) {
    auto s = EmptyScene(true);
    Ball& b = AddBall(*s, 105, -55, 50, 200, 40, 40);  // rounded to (211, 156)
    b.x = 1e6;  // a full redraw puts the ball back to its initial state
    SceneSurface surface;
    surface.FullRedraw(*s);
    EXPECT_EQ(b.x, 105);
    EXPECT_EQ(b.screenX, 211);
    EXPECT_EQ(b.screenY, 156);
    const QImage& im = surface.image();
    ASSERT_GT(b.pixelCount, 20);
    for (int i = 0; i < b.pixelCount; ++i) {
        const PixelEntry& e = b.sprite[i];
        ASSERT_EQ(Rgb(im, 211 + e.dx, 156 + e.dy), Colour(e.red, e.green, e.blue)) << i;
    }
    // The backdrop holds the grid under the ball: lifting it shows the grid again.
    surface.PutPixels(b.screenX, b.screenY, b.backdrop, b.pixelCount);
    EXPECT_EQ(Rgb(surface.image(), 210, 156), Colour(80, 80, 80));
    EXPECT_EQ(Rgb(surface.image(), 211, 156), 0u);
}

TEST(PixelLists, BoundsOfPutAndSave) {
    SceneSurface surface;
    surface.setWindowSize(1000, 800);
    PixelList square{};
    int n = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) square[n++] = PixelEntry{static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy), 255, 0, 0};
    const QRgb red = Colour(255, 0, 0);
    struct Put {
        int x, y, visible;
    } puts[] = {{-199, 10, 0}, {-200, 10, 0}, {1, 10, 20}, {1199, 10, 15}, {1600, 10, 0}, {600, -1, 10}, {600, 1199, 15}};
    for (const Put& p : puts) {
        surface.Clear();
        surface.PutPixels(p.x, p.y, square, n);
        EXPECT_EQ(CountColour(surface.image(), surface.image().rect(), red), p.visible) << p.x << "," << p.y;
    }
    // Saving reads wherever a stamp would be put, also with the centre on or
    // beyond the window's edges, so a lifted picture always restores its place.
    surface.Clear();
    surface.image().setPixel(500, 400, qRgb(1, 2, 3));
    struct Save {
        int x, y;
        bool saved;
    } saves[] = {{0, 400, true},     {1000, 400, true},  {500, 0, true},     {500, 800, true},
                 {500, 400, true},   {-199, -199, true}, {1599, 1599, true}, {-200, 400, false},
                 {500, -200, false}, {1600, 400, false}, {500, 1600, false}};
    for (const Save& sv : saves) {
        PixelList dest{};
        dest[0].red = 77;
        surface.SavePixels(sv.x, sv.y, dest, square, n);
        EXPECT_EQ(dest[0].red != 77, sv.saved) << sv.x << "," << sv.y;
    }
    PixelList dest{};
    surface.SavePixels(500, 400, dest, square, n);
    EXPECT_EQ(dest[12].dx, 0);
    EXPECT_EQ(dest[12].red, 1);
    EXPECT_EQ(dest[12].blue, 3);
    // A count beyond the lists' capacity is held to it.
    surface.PutPixels(500, 400, square, 1000000);
}

// Stamping and saving read and write whole entries however many there are: a
// saved list puts back exactly the pixels it was saved from, and nothing past
// the count changes, also with every one of the 4000 entries in use.
TEST(PixelLists, SaveThenPutRestoresEveryEntryAndNothingBeyond) {
    SceneSurface surface;
    surface.setWindowSize(1200, 1200);
    for (const int count : {1, 2, 3, 257, kPixelListCapacity}) {
        surface.Clear();
        auto pattern = std::make_unique<Ball>();
        auto saved = std::make_unique<Ball>();
        for (int i = 0; i < kPixelListCapacity; ++i) {
            const int dx = i % 63 - 31, dy = i / 63 - 31;
            pattern->sprite[i] = PixelEntry{static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy),
                                            static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 4), 200};
            surface.image().setPixel(600 + dx, 600 + dy, qRgb(dx + 100, dy + 100, i % 251));
        }
        saved->sprite = pattern->sprite;  // the list after the saved one must stay as it is
        saved->backdrop.fill(PixelEntry{9, 9, 9, 9, 9});
        surface.SavePixels(600, 600, saved->backdrop, pattern->sprite, count);
        for (int i = 0; i < kPixelListCapacity; ++i) {
            const PixelEntry& e = saved->backdrop[i];
            if (i >= count) {
                ASSERT_TRUE(e.dx == 9 && e.dy == 9 && e.red == 9 && e.green == 9 && e.blue == 9) << count << " " << i;
                continue;
            }
            const int dx = i % 63 - 31, dy = i / 63 - 31;
            ASSERT_TRUE(e.dx == dx && e.dy == dy && e.red == dx + 100 && e.green == dy + 100 && e.blue == i % 251)
                << count << " " << i;
        }
        EXPECT_EQ(std::memcmp(&saved->sprite, &pattern->sprite, sizeof(PixelList)), 0) << count;
        const QImage before = surface.image();
        surface.PutPixels(600, 600, pattern->sprite, count);
        for (int i = 0; i < count; ++i) {
            const PixelEntry& e = pattern->sprite[i];
            ASSERT_EQ(surface.image().pixel(600 + e.dx, 600 + e.dy), qRgb(e.red, e.green, e.blue)) << count << " " << i;
        }
        surface.PutPixels(600, 600, saved->backdrop, count);
        EXPECT_EQ(surface.image(), before) << count;
    }
}

// A remark records the advance of its whole text on one line, whatever
// characters it holds.
TEST(Surface, RemarkSizeIsTheAdvanceOfTheWholeText) {
    auto s = EmptyScene(false);
    const char* texts[] = {"Fall", "ab\ncd", "ab\u2028cd", "ab\u2029cd", "tab\there", "\u6DF7\u5408 text", "  spaced  "};
    int n = 0;
    for (const char* t : texts) {
        Remark& m = s->remarks[n];
        m.text = t;
        m.x = 20;
        m.y = 20 + 40 * n;
        m.fontSize = 12;
        m.fontName = "Liberation Sans";
        m.style = n % 2 ? kStyleUnderline : 0;
        m.fontColour = PackColour(255, 255, 255);
        ++n;
    }
    SceneSurface surface;
    surface.FullRedraw(*s);
    for (int i = 0; i < n; ++i) {
        const QFontMetrics fm(RemarkFont(s->remarks[i]));
        EXPECT_EQ(s->remarks[i].width, fm.horizontalAdvance(QString::fromUtf8(texts[i]))) << i;
        EXPECT_EQ(s->remarks[i].height, fm.height()) << i;
    }
}

TEST(Surface, ToggleAxesTwiceRestores) {
    auto s = EmptyScene(true);
    SceneSurface surface;
    surface.FullRedraw(*s);
    const QImage before = surface.image();
    surface.ToggleAxes(333, 444);
    EXPECT_NE(surface.image(), before);
    EXPECT_EQ(Rgb(surface.image(), 333, 15), Colour(180, 180, 180));
    surface.ToggleAxes(333, 444);
    EXPECT_EQ(surface.image(), before);
}

// A scene with balls that overlap, connectors of every kind, tracks and a remark.
std::unique_ptr<Scene> BusyScene() {
    auto s = EmptyScene(true);
    AddBall(*s, 0, 0, 60, 255, 0, 0);
    AddBall(*s, 100, 0, 60, 0, 0, 255);
    AddBall(*s, 1000, -1000, 40);
    AddBall(*s, -800, 500, 80, 255, 255, 0);
    for (int j = 0; j < 4; ++j) s->balls[j].trackFlag = 1;
    s->hangingSprings[0] = HangingConnector{-500, 800, 100, 5, 0, 0};
    s->linkSprings[0] = LinkConnector{0, 2, 100, 5, 0};
    s->hangingCords[0] = HangingConnector{1500, 0, 100, 5, 1, 2};
    s->linkCords[0] = LinkConnector{1, 3, 100, 5, 1};
    s->hangingPoles[0] = HangingConnector{-1500, -1500, 100, 5, 0, 3};
    s->linkPoles[0] = LinkConnector{0, 3, 100, 5, 0};
    s->straightTracks[0] = MakeStraightTrack(-2000, -1200, 3000, -900);
    s->dampingFields[0] = DampingField{2000, -2000, 4000, -1000, 1, 1, 0};
    s->remarks[0].text = "pendulum";
    s->remarks[0].x = 600;
    s->remarks[0].y = 50;
    s->remarks[0].fontColour = PackColour(255, 255, 255);
    s->remarks[0].fontSize = 12;
    return s;
}

TEST(Surface, FullRedrawRecordsRemarkSizesAndSwitches) {
    auto s = BusyScene();
    SceneSurface surface;
    surface.FullRedraw(*s, EditorSelection{ElementKind::Ball, 1});
    EXPECT_GT(s->remarks[0].width, 30);
    EXPECT_GE(s->remarks[0].height, 12);
    EXPECT_EQ(s->presence.hangingSpring, 1);
    EXPECT_EQ(s->presence.straightTrack, 1);
    EXPECT_EQ(s->presence.gravityMass, 0);
    // Drawing the connectors a second time removes them: the picture then equals a
    // redraw of the same scene without connectors (damping dots aside).
    auto bare = BusyScene();
    bare->hangingSprings.clear();
    bare->linkSprings.clear();
    bare->hangingCords.clear();
    bare->linkCords.clear();
    bare->hangingPoles.clear();
    bare->linkPoles.clear();
    bare->dampingFields.clear();
    s->dampingFields.clear();
    SceneSurface a, b;
    a.FullRedraw(*s);
    a.DrawConnectors(*s);
    b.FullRedraw(*bare);
    EXPECT_EQ(a.image(), b.image());
}

// The stepping loop's picture move as the behaviour states it, lifting every
// connector around the move; the tick display must leave the same pixels.
void ReferenceMove(SceneSurface& surface, Scene& scene, int j, int sx, int sy) {
    surface.DrawConnectors(scene);
    Ball& b = scene.balls[j];
    std::vector<int> over;
    for (int i = 0; i < kBallCapacity && scene.balls[i].inUse(); ++i) {
        const Ball& o = scene.balls[i];
        if (i != j && std::abs(o.screenX - sx) <= b.pixelRadius + o.pixelRadius &&
            std::abs(o.screenY - sy) <= b.pixelRadius + o.pixelRadius)
            over.push_back(i);
    }
    for (int i : over) surface.PutPixels(scene.balls[i].screenX, scene.balls[i].screenY, scene.balls[i].backdrop, scene.balls[i].pixelCount);
    surface.PutPixels(b.screenX, b.screenY, b.backdrop, b.pixelCount);
    if (b.trackFlag == 1)
        PlotLine(surface.image(), QPoint(b.screenX, b.screenY), QPoint(sx, sy), qRgb(b.red, b.green, b.blue), false);
    surface.SavePixels(sx, sy, b.backdrop, b.sprite, b.pixelCount);
    surface.PutPixels(sx, sy, b.sprite, b.pixelCount);
    for (int i : over) surface.PutPixels(scene.balls[i].screenX, scene.balls[i].screenY, scene.balls[i].sprite, scene.balls[i].pixelCount);
    b.screenX = sx;
    b.screenY = sy;
    surface.DrawConnectors(scene);
}

TEST(TickDisplay, MovesLeaveTheSamePixelsAsLiftingEveryConnector) {
    auto s1 = BusyScene();
    s1->dampingFields.clear();  // random dots differ between surfaces
    auto s2 = BusyScene();
    s2->dampingFields.clear();
    s1->Running = s2->Running = 1;
    SceneSurface fast, reference;
    fast.FullRedraw(*s1);
    reference.FullRedraw(*s2);
    ASSERT_EQ(fast.image(), reference.image());
    SurfaceTickDisplay display(fast);
    const struct {
        int ball, dx, dy;
    } moves[] = {{0, 3, 1}, {1, -2, 2}, {2, 5, -4}, {3, 1, 1}, {0, 4, 0}, {1, 6, -1}, {3, -7, 3}, {2, 0, 9}, {3, 0, 0}, {0, 0, 0}};
    for (int round = 0; round < 3; ++round)
        for (const auto& m : moves) {
            const int sx = s1->balls[m.ball].screenX + m.dx, sy = s1->balls[m.ball].screenY + m.dy;
            fast.takeDirty();
            const QImage before = fast.image();
            display.moveBall(*s1, m.ball, sx, sy);
            ReferenceMove(reference, *s2, m.ball, sx, sy);
            ASSERT_EQ(fast.image(), reference.image()) << "round " << round << " ball " << m.ball;
            // Every changed pixel lies inside the dirty rectangle.
            const QRect dirty = fast.dirtyRect();
            for (int y = 0; y < 1200; y += 1)
                for (int x = 0; x < 1200; x += 1)
                    if (before.pixel(x, y) != fast.image().pixel(x, y)) {
                        ASSERT_TRUE(dirty.contains(x, y)) << x << "," << y;
                    }
        }
    EXPECT_EQ(s1->balls[0].screenX, s2->balls[0].screenX);
}

// Many connectors of every kind, at every slope, and balls moving a pixel or
// two at a time as in a slow run: every move must leave the pixels of lifting
// every connector and drawing it again.
TEST(TickDisplay, SmallMovesAmongManyConnectorsLeaveTheReferencePixels) {
    auto make = [] {
        auto s = EmptyScene(false);
        for (int j = 0; j < 12; ++j) {
            const double a = j * 0.5236;
            AddBall(*s, 3000 * std::cos(a), 3000 * std::sin(a) - 1000, 40 + 10 * (j % 3), 50 + 15 * j, 200, 90);
        }
        for (int i = 0; i < 6; ++i) {
            const double x = -4000 + 1500.0 * i;
            s->hangingSprings[i] = HangingConnector{x, 2500, 100, 5, 0, double(i)};
            s->hangingCords[i] = HangingConnector{-x, -4500, 100, 5, 1, double(i + 6)};
            s->hangingPoles[i] = HangingConnector{x + 700, 1000, 100, 5, 0, double((i * 5) % 12)};
            s->linkSprings[i] = LinkConnector{double(i), double(i + 1), 100, 5, 0};
            s->linkCords[i] = LinkConnector{double(i + 6), double((i + 7) % 12), 100, 5, 1};
            s->linkPoles[i] = LinkConnector{double(i), double(11 - i), 100, 5, 0};
        }
        s->Running = 1;
        return s;
    };
    auto s1 = make(), s2 = make();
    SceneSurface fast, reference;
    fast.FullRedraw(*s1);
    reference.FullRedraw(*s2);
    ASSERT_EQ(fast.image(), reference.image());
    SurfaceTickDisplay display(fast);
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % 5) - 2;  // -2 .. 2
    };
    auto moveAll = [&](int rounds, const char* phase) {
        for (int round = 0; round < rounds; ++round)
            for (int j = 0; j < 12; ++j) {
                const int sx = s1->balls[j].screenX + next(), sy = s1->balls[j].screenY + next();
                display.moveBall(*s1, j, sx, sy);
                ReferenceMove(reference, *s2, j, sx, sy);
                ASSERT_EQ(fast.image(), reference.image()) << phase << " round " << round << " ball " << j;
            }
    };
    moveAll(6, "first run");
    // Connectors edited with the balls where they stand (an anchor moved, a link
    // given another ball, one removed; each surface lifts every connector before
    // and draws them after): the same display goes on from the new shapes.
    for (auto [s, surface] : {std::pair{s1.get(), &fast}, std::pair{s2.get(), &reference}}) {
        surface->DrawConnectors(*s);
        s->hangingSprings[0].anchorX += 1234;
        s->linkCords[1].ball2 = 3;
        s->linkPoles[5] = LinkConnector{};
        surface->DrawConnectors(*s);
    }
    ASSERT_EQ(fast.image(), reference.image());
    moveAll(3, "after the edit");
}

TEST(TickDisplay, TheWindowIsToldOnlyOfThePiecesThatChanged) {
    auto s = EmptyScene(false);
    AddBall(*s, -1000, 0, 30);  // (100, 150)
    AddBall(*s, 8000, -9000, 30);  // (1000, 1050)
    s->Running = 1;
    SceneSurface surface;
    surface.FullRedraw(*s);
    EXPECT_EQ(surface.takeDirtyRegion(), QRegion(surface.image().rect()));
    SurfaceTickDisplay display(surface);
    display.moveBall(*s, 0, 103, 151);
    display.moveBall(*s, 1, 998, 1052);
    const QRegion region = surface.takeDirtyRegion();
    for (QPoint p : {QPoint(100, 150), QPoint(103, 151), QPoint(1000, 1050), QPoint(998, 1052)})
        EXPECT_TRUE(region.contains(p)) << p.x() << "," << p.y();
    EXPECT_FALSE(region.contains(QPoint(550, 600)));
    EXPECT_TRUE(surface.takeDirtyRegion().isEmpty());
}

TEST(TickDisplay, StepSceneMovesTheBallAndDrawsItsTrack) {
    auto s = EmptyScene(false);
    Ball& b = AddBall(*s, 0, 0, 30, 255, 0, 255);  // (200, 150), colour magenta
    b.vx0 = 1000;  // 100 pixels per second at 10 m/px
    b.trackFlag = 1;
    SceneSurface surface;
    surface.setWindowSize(1000, 800);
    s->settings.StepsPerTick = 100;
    s->settings.StepTime = 0.001;
    StartRun(*s);
    surface.FullRedraw(*s);
    SurfaceTickDisplay display(surface);
    for (int tick = 0; tick < 5; ++tick) ASSERT_EQ(StepScene(*s, &display), kStepNormal);
    // After 5 ticks the picture sits about 50 pixels to the right; the trajectory
    // remains in the ball's colour where it was, the old place is black again.
    EXPECT_GE(b.screenX, 245);
    EXPECT_LE(b.screenX, 250);
    EXPECT_EQ(Rgb(surface.image(), 220, 150), Colour(255, 0, 255));
    EXPECT_EQ(Rgb(surface.image(), 200, 147), 0u);
    EXPECT_NE(Rgb(surface.image(), b.screenX, b.screenY), 0u);
    // The time box with the run time at the top right of the window.
    EXPECT_EQ(Rgb(surface.image(), 1000 - 100, 34), Colour(255, 255, 0));
    EXPECT_EQ(Rgb(surface.image(), 1000 - 12, 56), Colour(50, 80, 120));
}

TEST(ResizeView, FollowsTheProjectAndRunState) {
    auto s = BusyScene();
    SceneSurface surface;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(9, 9, 9));
    surface.setBackground(picture);
    s->balls[0].x = 12345;
    // No project: the background only, covering the window.
    ResizeView(surface, *s, false, 1500, 1300);
    EXPECT_GE(surface.image().width(), 1500);
    EXPECT_EQ(Rgb(surface.image(), 5, 5), Colour(9, 9, 9));
    EXPECT_EQ(Rgb(surface.image(), 200, 500), Colour(9, 9, 9));
    // Running: the static scene at once (no balls), the balls at the next tick.
    s->Running = 1;
    ResizeView(surface, *s, true, 1500, 1300);
    EXPECT_EQ(s->RedrawPending, 1);
    EXPECT_EQ(s->balls[0].x, 12345);
    EXPECT_EQ(Rgb(surface.image(), 200, 500), Colour(180, 180, 180));
    EXPECT_EQ(Rgb(surface.image(), s->balls[2].screenX, s->balls[2].screenY), Colour(130, 130, 130));  // coarse grid row
    // Idle: a full redraw that also puts the balls back.
    s->Running = 0;
    ResizeView(surface, *s, true, 1500, 1300);
    EXPECT_EQ(s->RedrawPending, 0);
    EXPECT_EQ(s->balls[0].x, 0);
    EXPECT_NE(Rgb(surface.image(), s->balls[2].screenX, s->balls[2].screenY), Colour(130, 130, 130));
}

TEST(ResizeView, TheStartPictureCoversTheWholeWindow) {
    // A 100 x 64 picture, its left half red and its right half blue, as the
    // welcome picture is wider than tall.
    QImage picture(100, 64, QImage::Format_RGB32);
    picture.fill(QColor(200, 0, 0));
    for (int y = 0; y < 64; ++y)
        for (int x = 50; x < 100; ++x) picture.setPixel(x, y, qRgb(0, 0, 200));
    auto s = EmptyScene();
    struct Case {
        int w, h;
    } windows[] = {{1000, 640}, {1600, 900}, {1400, 1300}, {700, 1100}};
    for (const Case& c : windows) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        SceneSurface surface;
        surface.setBackground(picture);
        ResizeView(surface, *s, false, c.w, c.h);
        const QImage& im = surface.image();
        // Every corner of the window shows the picture, undistorted and centred:
        // red on the left, blue on the right, the halves meeting in the middle.
        for (int y : {0, c.h / 2, c.h - 1}) {
            EXPECT_EQ(Rgb(im, 0, y), Colour(200, 0, 0)) << y;
            EXPECT_EQ(Rgb(im, c.w / 2 - 30, y), Colour(200, 0, 0)) << y;  // clear of the smoothed seam
            EXPECT_EQ(Rgb(im, c.w / 2 + 30, y), Colour(0, 0, 200)) << y;
            EXPECT_EQ(Rgb(im, c.w - 1, y), Colour(0, 0, 200)) << y;
        }
        if (im.width() > c.w) {
            EXPECT_EQ(Rgb(im, c.w, 0), 0u);  // nothing beyond the window
        }
    }
}

TEST(TickDisplay, ABallCrossingTheLeftAndTopEdgesLeavesNothingBehind) {
    // A ball rolled out across the left edge, down over the x axis, and one out
    // across the top: once both pictures are wholly off the surface, the surface
    // must be what it is with no ball at all.
    auto s = EmptyScene(true);  // grid and axes; origin (200, 150), 10 m per pixel
    s->view.OriginX = 20;
    s->view.OriginY = 40;
    AddBall(*s, 200, 100, 100, 230, 230, 230).trackFlag = 0;  // (40, 30), 10 pixels across
    AddBall(*s, 1000, 50, 100, 230, 230, 230).trackFlag = 0;  // (120, 35)
    auto bare = EmptyScene(true);
    bare->view = s->view;
    SceneSurface surface, reference;
    surface.setWindowSize(1000, 800);
    reference.setWindowSize(1000, 800);
    s->Running = 1;
    surface.FullRedraw(*s);
    reference.FullRedraw(*bare);
    SurfaceTickDisplay display(surface);
    for (int k = 1; k <= 60; ++k) {
        display.moveBall(*s, 0, 40 - 3 * k, 30 + k / 2);  // crosses x = 0 and the axis at row 40
        display.moveBall(*s, 1, 120 - k, 35 - 3 * k);     // crosses y = 0
    }
    EXPECT_EQ(surface.image(), reference.image());
}

}  // namespace
}  // namespace mb::test
