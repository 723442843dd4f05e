#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "view/ball_overlay.h"
#include "view/glyphs.h"
#include "view_test_support.h"

namespace mb::test {
namespace {

TEST(PlotLine, SecondPointExcludedAndXorTwiceRestores) {
    QImage im = BlackSurface(40, 40);
    PlotLine(im, QPoint(2, 5), QPoint(10, 5), qRgb(255, 255, 255), false);
    EXPECT_EQ(Rgb(im, 2, 5), Colour(255, 255, 255));
    EXPECT_EQ(Rgb(im, 9, 5), Colour(255, 255, 255));
    EXPECT_EQ(Rgb(im, 10, 5), 0u);
    // Drawn backwards, the excluded pixel is the other end.
    PlotLine(im, QPoint(10, 7), QPoint(2, 7), qRgb(255, 255, 255), false);
    EXPECT_EQ(Rgb(im, 10, 7), Colour(255, 255, 255));
    EXPECT_EQ(Rgb(im, 2, 7), 0u);

    const QImage before = im;
    for (int pass = 0; pass < 2; ++pass) {
        PlotLine(im, QPoint(-30, 50), QPoint(39, 0), qRgb(150, 150, 180), true);
        PlotWideLine(im, QPoint(0, 0), QPoint(39, 30), qRgb(175, 175, 175), true);
    }
    EXPECT_EQ(im, before);
}

TEST(PlotLine, FarOffSurfaceCoordinatesAreClipped) {
    QImage im = BlackSurface(50, 50);
    PlotLine(im, QPoint(-1000000, 10), QPoint(1000000, 10), qRgb(255, 0, 0), false);
    EXPECT_EQ(CountColour(im, im.rect(), Colour(255, 0, 0)), 50);
    EXPECT_EQ(TruncPixel(std::nan("")), TruncPixel(-1e300));
    EXPECT_EQ(TruncPixel(-2.7), -2);
}

struct HatchCase {
    const char* name;
    double directionDegrees;
    double E;
    int lines;
    QPoint firstFrom, firstTo, firstTip;
};

TEST(HatchRegion, FieldLinesOfTheWorkedCases) {
    // Region 100 x 100 pixels at left 100, top 200.
    const int L = 100, T = 200, R = 200, B = 300;
    const HatchCase cases[] = {
        {"0 deg: rows 15 apart, arrows at the right", 0, 1, 6, {R, T + 15}, {L, T + 15}, {R, T + 15}},
        {"0 deg, E < 0: arrows at the left", 0, -1, 6, {R, T + 15}, {L, T + 15}, {L, T + 15}},
        {"90 deg: columns 15 apart, arrows at the top", 90, 1, 6, {L + 15, B}, {L + 15, T}, {L + 15, T}},
        {"270 deg: arrows at the bottom", 270, 1, 6, {L + 15, B}, {L + 15, T}, {L + 15, B}},
        {"180 deg: arrows at the left", 180, 1, 6, {R, T + 15}, {L, T + 15}, {L, T + 15}},
        // r = 14, o = trunc(14 / tan 30) = 24, m = 4, n = 7: 10 lines from the top-left corner.
        {"30 deg", 30, 1, 10, {L + 24, T}, {L, T + 14}, {L + 24, T}},
        // theta = -90 falls to the oblique rule with n = 0: lines 14 apart from the right edge.
        {"90 deg, E < 0: oblique rule, arrows at the bottom", 90, -1, 7, {R - 14, T}, {R - 14, B}, {R - 14, B}},
    };
    for (const HatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const double deg = FieldArrowDegrees(c.directionDegrees * M_PI / 180.0, c.E);
        const auto lines = HatchLines(L, T, deg, B, R);
        ASSERT_EQ(static_cast<int>(lines.size()), c.lines);
        EXPECT_EQ(lines[0].from, c.firstFrom);
        EXPECT_EQ(lines[0].to, c.firstTo);
        EXPECT_EQ(lines[0].tip, c.firstTip);
        for (const HatchLine& l : lines) {
            EXPECT_TRUE(QRect(L, T, 101, 101).contains(l.from) && QRect(L, T, 101, 101).contains(l.to));
        }
    }
}

TEST(HatchRegion, DirectionsWithinAHairOfHorizontalDrawHorizontalLines) {
    // The dialog stores "180" as -pi; a direction a hair off the horizontal once
    // fanned its lines out of one corner.
    const int L = 100, T = 200, R = 200, B = 300;
    struct Case {
        double radians, E;
        bool tipsAtRight;
    } cases[] = {
        {-M_PI, 1, false},        {M_PI, 1, false},           {-M_PI + 9e-7, 1, false}, {M_PI - 9e-7, 1, false},
        {2 * M_PI, 1, true},      {-2 * M_PI + 1e-9, 1, true}, {5e-7, 1, true},         {-5e-7, 1, true},
        {1e-300, 1, true},        {-M_PI, -1, true},           {1e-9, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radians << " rad, E " << c.E);
        const auto lines = HatchLines(L, T, FieldArrowDegrees(c.radians, c.E), B, R);
        ASSERT_EQ(lines.size(), 6u);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const int row = T + 15 * static_cast<int>(k + 1);
            EXPECT_EQ(lines[k].from, QPoint(R, row));
            EXPECT_EQ(lines[k].to, QPoint(L, row));
            EXPECT_EQ(lines[k].tip, QPoint(c.tipsAtRight ? R : L, row));
        }
    }
    // Just beyond the tolerance the oblique rule still gives parallel lines that
    // cross the whole region, not a fan.
    const auto slight = HatchLines(L, T, 2e-6 * 180 / M_PI, B, R);
    ASSERT_FALSE(slight.empty());
    for (const HatchLine& l : slight) EXPECT_LE(std::abs(l.from.y() - l.to.y()), 1);
}

TEST(HatchRegion, ObliqueLinesCrossOverToTheFarEdges) {
    const auto lines = HatchLines(100, 200, 30, 300, 200);
    // Line 5 passes the top-right corner (5 * 24 > 100) and meets the right edge at
    // row T + (120 - 100) * tan 30 = 211; line 8 passes the bottom-left corner.
    EXPECT_EQ(lines[4].from, QPoint(200, 211));
    EXPECT_EQ(lines[4].to, QPoint(100, 270));
    EXPECT_EQ(lines[7].to, QPoint(static_cast<int>(100 + 192 - 100 / std::tan(M_PI / 6)), 300));
    // 150 degrees mirrors the family: first line from the top-right corner.
    const auto mirrored = HatchLines(100, 200, 150, 300, 200);
    ASSERT_EQ(mirrored.size(), 10u);
    EXPECT_EQ(mirrored[0].from, QPoint(176, 200));
    EXPECT_EQ(mirrored[0].to, QPoint(200, 214));
    EXPECT_EQ(mirrored[0].tip, QPoint(176, 200));
    // Nothing for a direction that is not a number or a region turned inside out.
    EXPECT_TRUE(HatchLines(100, 200, std::nan(""), 300, 200).empty());
    EXPECT_TRUE(HatchLines(200, 300, 30, 200, 100).empty());
}

TEST(HatchRegion, PixelsOfAHorizontalField) {
    auto s = EmptyScene();
    // 100 x 100 pixels from (300, 200): x 1000..2000 m, y -500..500 m at 10 m/px.
    s->electricFields[0] = UniformElectricField{1000, -1500, 2000, -500, 0.0, 5.0};
    QImage im = BlackSurface();
    {
        QPainter p(&im);
        DrawElectricFields(p, *s);
    }
    const QRgb line = Colour(180, 180, 250), arrow = Colour(120, 250, 120), box = Colour(160, 160, 250);
    EXPECT_EQ(Rgb(im, 300, 200), box);
    EXPECT_EQ(Rgb(im, 350, 215), line);
    EXPECT_EQ(Rgb(im, 350, 230), line);
    EXPECT_NE(Rgb(im, 350, 222), line);
    // The arrowhead's strokes lie behind the tip at the right edge, above and below the line.
    EXPECT_GT(CountColour(im, QRect(385, 210, 15, 4), arrow), 3);
    EXPECT_GT(CountColour(im, QRect(385, 216, 15, 4), arrow), 3);
    EXPECT_EQ(CountColour(im, QRect(300, 205, 20, 20), arrow), 0);
}

TEST(MagneticField, DotsOutOfTheScreenAndCrossesInto) {
    struct Case {
        double sign, B;
        bool dots;
    } cases[] = {{1, 1, true}, {-1, 1, false}, {1, -1, false}, {-1, -1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sign " << c.sign << " B " << c.B);
        auto s = EmptyScene();
        s->magneticFields[0] = UniformMagneticField{1000, -1500, 2000, -500, c.sign, c.B};  // (300,200)-(400,300)
        QImage im = BlackSurface();
        {
            QPainter p(&im);
            DrawMagneticFields(p, *s, im.size());
        }
        const QRgb grey = Colour(180, 180, 180);
        EXPECT_EQ(Rgb(im, 300, 250), Colour(180, 235, 120));
        // First symbol at (L + 5, T + 10); the lattice is 16 pixels wide.
        EXPECT_GT(CountColour(im, QRect(304, 209, 3, 3), grey), 0);
        EXPECT_GT(CountColour(im, QRect(320, 209, 3, 3), grey), 0);
        const bool crossArm = Rgb(im, 310, 205) == grey && Rgb(im, 310, 209) == grey;
        EXPECT_EQ(crossArm, !c.dots);
        // The last column of symbols starts before R - 10; a cross reaches 7 pixels on.
        EXPECT_GT(CountColour(im, QRect(384, 201, 3, 98), grey), 0);
        EXPECT_EQ(CountColour(im, QRect(392, 201, 7, 98), grey), 0);
    }
}

// Edges 1e19 pixels away, where adding one to a lattice index changes nothing:
// the drawing still ends, with the surface full of symbols.
TEST(MagneticField, AFieldFarBeyondTheSurfaceIsDrawnAndEnds) {
    auto s = EmptyScene();
    s->magneticFields[0] = UniformMagneticField{-1e20, -1e20, 1e20, 1e20, 1, 1};
    QImage im = BlackSurface();
    {
        QPainter p(&im);
        DrawMagneticFields(p, *s, im.size());
    }
    EXPECT_GT(CountColour(im, QRect(0, 0, 200, 200), Colour(180, 180, 180)), 50);
}

TEST(DampingField, OneDotPer1000SquarePixelsNewOnEachDrawing) {
    EXPECT_EQ(DampingDotCount(100, 50), 5);
    EXPECT_EQ(DampingDotCount(0, 50), 0);
    EXPECT_EQ(DampingDotCount(std::nan(""), 50), 0);
    auto s = EmptyScene();
    s->dampingFields[0] = DampingField{1000, -1000, 2000, -500, 1.0, 1.0, 0.0};  // (300,200)-(400,250)
    QImage im = BlackSurface();
    std::minstd_rand dots;
    const QRgb dot = Colour(100, 100, 100);
    {
        QPainter p(&im);
        DrawDampingFields(p, *s, dots, im.size());
    }
    EXPECT_EQ(Rgb(im, 300, 200), Colour(120, 120, 100));
    EXPECT_EQ(CountColour(im, QRect(300, 200, 100, 50), dot), 5);
    {
        QPainter p(&im);
        DrawDampingFields(p, *s, dots, im.size());
    }
    const int after = CountColour(im, QRect(300, 200, 100, 50), dot);
    EXPECT_GT(after, 5);
    EXPECT_LE(after, 10);
}

TEST(DampingField, HugeRegionDrawsOnlyTheVisibleDots) {
    auto s = EmptyScene();
    s->dampingFields[0] = DampingField{-1e9, -1e9, 1e9, 1e9, 1.0, 1.0, 0.0};
    QImage im = BlackSurface();
    std::minstd_rand dots;
    {
        QPainter p(&im);
        DrawDampingFields(p, *s, dots, im.size());
    }
    const int n = CountColour(im, im.rect(), Colour(100, 100, 100));
    EXPECT_GT(n, 1300);  // 1440 dots over the surface, a few on the same pixel
    EXPECT_LE(n, 1440);
}

TEST(VelocityArrows, ReachFiftyPixelsBeyondTheBall) {
    struct Case {
        double vx0, vy0;
        QPoint lastLinePixel, beyond;
    } cases[] = {
        {3, 0, {54, 0}, {56, 0}},
        {-3, 0, {-54, 0}, {-56, 0}},
        {0, 2, {0, -54}, {0, -56}},
        {0, -2, {0, 54}, {0, 56}},
        {1, 1, {38, -38}, {41, -41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vx0 << "," << c.vy0);
        auto s = EmptyScene();
        Ball& b = AddBall(*s, 1000, -1000, 50);  // (300, 250), pixel radius 5
        ASSERT_EQ(b.pixelRadius, 5);
        b.vx0 = c.vx0;
        b.vy0 = c.vy0;
        QImage im = BlackSurface();
        {
            QPainter p(&im);
            DrawInitialVelocityArrows(p, *s);
        }
        const QPoint centre(300, 250);
        const QRgb white = Colour(255, 255, 255);
        EXPECT_EQ(Rgb(im, (centre + c.lastLinePixel).x(), (centre + c.lastLinePixel).y()), white);
        EXPECT_NE(Rgb(im, (centre + c.beyond).x(), (centre + c.beyond).y()), white);
    }
}

TEST(Connectors, LinkKindsTakeTheirHangingPartnersColourAndVanishWhenDrawnTwice) {
    auto s = EmptyScene();
    AddBall(*s, 0, 0, 10);      // (200, 150)
    AddBall(*s, 1000, 0, 10);   // (300, 150)
    AddBall(*s, 1000, -1000, 10);  // (300, 250)
    s->linkSprings[0] = LinkConnector{0, 1, 10, 5, 0};
    s->linkCords[0] = LinkConnector{1, 2, 10, 5, 1};
    s->linkPoles[0] = LinkConnector{0, 2, 10, 5, 0};
    s->hangingCords[0] = HangingConnector{3000, 0, 10, 5, 1, 1};  // anchor (500, 150)
    s->hangingSprings[0] = HangingConnector{0, 0, 10, 5, 0, 99};   // broken reference: anchor only
    s->hangingSprings[1] = HangingConnector{0, 0, 10, 5, 0, std::nan("")};
    QImage im = BlackSurface();
    {
        QPainter p(&im);
        DrawAllConnectors(p, *s);
    }
    EXPECT_EQ(Rgb(im, 250, 150), Colour(150, 150, 180));  // link spring
    EXPECT_EQ(Rgb(im, 300, 200), Colour(200, 200, 200));  // link cord
    EXPECT_EQ(Rgb(im, 400, 150), Colour(200, 200, 200));  // hanging cord
    EXPECT_EQ(Rgb(im, 496, 146), Colour(200, 200, 200));  // its anchor mark
    EXPECT_EQ(Rgb(im, 250, 200), Colour(175, 175, 175));  // link pole, two pixels wide
    EXPECT_EQ(Rgb(im, 250, 199), Colour(175, 175, 175));
    {
        QPainter p(&im);
        DrawAllConnectors(p, *s);
    }
    EXPECT_EQ(im, BlackSurface());
}

TEST(SelectionOutline, WhiteOutlineOfTheSelectedElementOnly) {
    auto s = EmptyScene();
    AddBall(*s, 0, 0, 100);  // (200, 150), pixel radius 10
    s->dampingFields[0] = DampingField{1000, -1000, 2000, -500, 1.0, 1.0, 0.0};
    s->pointCharges[0] = PointChargeField{-1000, 0, 1e-6};  // (100, 150)
    const QRgb white = Colour(255, 255, 255);
    struct Case {
        EditorSelection sel;
        QPoint on;
    } cases[] = {
        {{ElementKind::Ball, 0}, {190, 150}},
        {{ElementKind::Damping, 0}, {350, 200}},
        {{ElementKind::PointCharge, 0}, {94, 150}},
    };
    for (const Case& c : cases) {
        QImage im = BlackSurface();
        {
            QPainter p(&im);
            DrawSelectionOutline(p, *s, c.sel);
        }
        EXPECT_EQ(Rgb(im, c.on.x(), c.on.y()), white) << static_cast<int>(c.sel.kind);
        EXPECT_GT(CountColour(im, im.rect(), white), 10);
    }
    for (EditorSelection none : {EditorSelection{ElementKind::Ball, 1}, EditorSelection{ElementKind::Remark, 0},
                                 EditorSelection{ElementKind::GravityMass, 0}, EditorSelection{ElementKind::Ball, -1}}) {
        QImage im = BlackSurface();
        {
            QPainter p(&im);
            DrawSelectionOutline(p, *s, none);
        }
        EXPECT_EQ(CountColour(im, im.rect(), white), 0);
    }
}

TEST(Glyphs, PointChargeSignsAndGravitySign) {
    auto s = EmptyScene();
    s->pointCharges[0] = PointChargeField{-1000, 0, 1e-6};  // (100, 150)
    s->pointCharges[1] = PointChargeField{1000, 0, -1e-6};  // (300, 150)
    s->settings.GravityOn = 1;
    SurfaceFonts fonts;
    fonts.runButton.setFamily("Liberation Sans");
    QImage im = BlackSurface();
    {
        QPainter p(&im);
        DrawPointCharges(p, *s, fonts);
        DrawGravitySign(p, *s, fonts);
    }
    const QRgb sign = Colour(200, 200, 255);
    EXPECT_EQ(Rgb(im, 94, 150), Colour(150, 150, 250));
    EXPECT_GT(CountColour(im, QRect(96, 143, 9, 13), sign), 3);  // "+" inside the circle
    EXPECT_GT(CountColour(im, QRect(295, 145, 12, 11), sign), 2);  // raised "_" reads as a minus
    EXPECT_EQ(CountColour(im, QRect(290, 156, 20, 20), sign), 0);
    EXPECT_EQ(Rgb(im, 30, 60), Colour(200, 200, 200));
    EXPECT_GT(CountColour(im, QRect(10, 50, 16, 20), Colour(250, 250, 100)), 5);
}

TEST(Glyphs, TracksAndGravityMass) {
    auto s = EmptyScene();
    s->straightTracks[0] = MakeStraightTrack(2000, -2000, 0, -2000);  // entered right to left: row 350
    // Quarter arc about (500, 450), radius 100 px, from 0 to 90 degrees.
    s->circularTracks[0] = CircularTrack{3000, -3000, 0, M_PI / 2, 1000, 0, 0};
    s->gravityMasses[0] = GravityMass{-1000, -1000, 5};  // (100, 250)
    SurfaceFonts fonts;
    QImage im = BlackSurface();
    {
        QPainter p(&im);
        DrawStraightTracks(p, *s);
        DrawCircularTracks(p, *s);
        DrawGravityMasses(p, *s, fonts);
    }
    // A thin bright line over a two-pixel dark one.
    EXPECT_EQ(Rgb(im, 300, 350), Colour(250, 250, 150));
    EXPECT_EQ(Rgb(im, 300, 349), Colour(200, 200, 100));
    EXPECT_EQ(Rgb(im, 300, 351), 0u);
    EXPECT_EQ(Rgb(im, 399, 350), Colour(250, 250, 150));
    EXPECT_EQ(Rgb(im, 400, 350), 0u);
    // The arc runs counter-clockwise from the right to the top of its circle only.
    const QRgb bright = Colour(250, 250, 150);
    EXPECT_GT(CountColour(im, QRect(565, 375, 8, 8), bright), 0);   // 45 degrees
    EXPECT_EQ(CountColour(im, QRect(425, 515, 10, 10), bright), 0);  // 225 degrees
    EXPECT_EQ(CountColour(im, QRect(425, 375, 10, 10), bright), 0);  // 135 degrees
    EXPECT_EQ(Rgb(im, 94, 250), Colour(200, 200, 100));
    EXPECT_GT(CountColour(im, QRect(97, 241, 10, 14), Colour(255, 255, 255)), 3);
}

// What the overlay paints lies within the region it reports, which the widget
// repaints at the next frame to take it away: anything outside would trail.
// Names of neighbours 30 pixels apart keep clear of each other.
TEST(Overlay, EveryPaintedPixelLiesWithinItsRegion) {
    const OverlayChoice choices[] = {{true, true, true}, {true, false, false}, {false, false, true}};
    auto s = EmptyScene();
    const double places[][2] = {{1000, -1000}, {1300, -1000}, {1010, -1010}, {2190, -100}, {0, 0}};
    for (int k = 0; k < 5; ++k) {
        Ball& b = AddBall(*s, places[k][0], places[k][1], 50);
        b.vx = 3 - 2 * k, b.vy = k;
        b.ax = k, b.ay = -9.8;
        s->balls.names[static_cast<std::size_t>(k)] = "Ball_" + std::to_string(k + 1);
    }
    for (const OverlayChoice& c : choices) {
        SCOPED_TRACE(testing::Message() << c.velocity << c.acceleration << c.names);
        const OverlayFrame frame = LayOutOverlay(*s, c, QSize(800, 600));
        QImage im(800, 600, QImage::Format_ARGB32_Premultiplied);
        im.fill(Qt::transparent);
        {
            QPainter p(&im);
            PaintOverlay(p, frame);
        }
        int painted = 0, outside = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (qAlpha(im.pixel(x, y)) != 0) {
                    ++painted;
                    outside += !frame.region.contains(QPoint(x, y));
                }
        EXPECT_GT(painted, 100);
        EXPECT_EQ(outside, 0);
        ASSERT_EQ(frame.names.size(), c.names ? 5 : 0);
        if (c.names) {
            EXPECT_FALSE(QRect(frame.names[0].at, frame.names[0].picture.size())
                             .intersects(QRect(frame.names[1].at, frame.names[1].picture.size())));
        }
        EXPECT_EQ(frame.legend.size(), int(c.velocity) + int(c.acceleration));
    }
}

}  // namespace
}  // namespace mb::test
