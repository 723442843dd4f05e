#include "engine/curve.h"
#include "engine/curve_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/engine.h"

namespace mb {
namespace {

std::unique_ptr<Scene> OneBall(double x0, double y0, double vx0, double vy0) {
    auto s = std::make_unique<Scene>();
    Ball& b = s->balls[AddBall(*s, {x0, y0, vx0, vy0})];
    b.curveFlag = 1;
    b.red = 100;
    b.green = 255;
    b.blue = 7;
    return s;
}

// Runs a whole computation the way "Draw curve" starts it.
std::vector<std::vector<CurveSegment>> RunCurve(Scene& s, int maxTicks = 1000000) {
    s.RunTime = 0;
    ResetForCurve(s);
    std::vector<std::vector<CurveSegment>> ticks;
    for (int t = 0; t < maxTicks; ++t) {
        ticks.emplace_back();
        if (CurveTick(s, ticks.back()) == kCurveEnded) break;
    }
    return ticks;
}

TEST(Curve, BallAtRestGivesOneSegmentPerTickFourPixelsApart) {
    auto s = OneBall(0, 0, 0, 0);
    const auto ticks = RunCurve(*s);
    ASSERT_GE(ticks.size(), 100u);
    ASSERT_EQ(ticks[0].size(), 1u);
    const CurveSegment& first = ticks[0][0];
    EXPECT_EQ(first.col0, 33);
    EXPECT_EQ(first.col1, 34);
    EXPECT_EQ(first.row0, 226);
    EXPECT_EQ(first.row1, 226);
    EXPECT_NEAR(first.hBefore, 0.099, 1e-12);
    EXPECT_NEAR(first.hAfter, 0.1, 1e-12);
    EXPECT_EQ(first.colour, PackColour(50, 127, 3));
    for (std::size_t t = 1; t + 1 < ticks.size(); ++t) {
        ASSERT_EQ(ticks[t].size(), 1u) << t;
        EXPECT_EQ(ticks[t][0].row0, 226);
        EXPECT_NEAR(ticks[t][0].col0 - ticks[t - 1][0].col0, 4, 1) << t;
    }
    // The computation ends in the tick in which the accumulated time first exceeds 10 s.
    double t = 0;
    int subSteps = 0;
    while (!(t > 10.0)) {
        t += 0.001;
        ++subSteps;
    }
    EXPECT_EQ(ticks.size(), static_cast<std::size_t>((subSteps + 99) / 100));
    EXPECT_EQ(s->RunTime, 0.0);
}

// Semi-implicit Euler under gravity alone: after k sub-steps vy = -g k T and
// y = -g T^2 k (k + 1) / 2. The last sub-step of tick 1 runs from k = 99 to 100.
TEST(Curve, SamplesAreTakenAroundTheLastSubStep) {
    const double g = 9.8, T = 0.001;
    auto vy = [&](int k) { return -g * k * T; };
    auto y = [&](int k) { return -g * T * T * k * (k + 1) / 2; };
    struct Case {
        std::uint8_t h, v;
        double hBefore, hAfter, vBefore, vAfter;
    };
    const std::vector<Case> cases = {
        {kQuantityTime, kQuantityY, 0.099, 0.1, y(99), y(100)},
        {kQuantityVy, kQuantitySpeed, vy(99), vy(100), -vy(99), -vy(100)},
        {kQuantityAy, kQuantityAcceleration, -g, -g, g, g},
        {kQuantityX, kQuantityDistance, 0.0, 0.0, -y(99), -y(100)},
        {kQuantityVx, kQuantityAx, 0.0, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        auto s = OneBall(0, 0, 0, 0);
        s->settings.GravityOn = 1;
        s->curve.horizontalVariable = c.h;
        s->curve.verticalVariable = c.v;
        s->curve.endTime = 0.5;
        s->curve.horizontalStep = 10;  // keeps accelerations of 9.8 on the graph
        s->curve.verticalStep = 10;
        const auto ticks = RunCurve(*s, 1);
        ASSERT_EQ(ticks[0].size(), 1u);
        const CurveSegment& seg = ticks[0][0];
        const double tol = 1e-12;
        EXPECT_NEAR(seg.hBefore, c.hBefore, tol) << int(c.h);
        EXPECT_NEAR(seg.hAfter, c.hAfter, tol) << int(c.h);
        EXPECT_NEAR(seg.vBefore, c.vBefore, tol) << int(c.v);
        EXPECT_NEAR(seg.vAfter, c.vAfter, tol) << int(c.v);
    }
}

TEST(Curve, ExtraForceMovesTheCurveAsItMovesTheRun) {
    // A constant push and nothing else: the curve's position after the sampled
    // sub-step of tick k is the run's position after tick k, to the last bit.
    auto s = OneBall(0, 0, 0, 0);
    s->balls[0].extraFx = 5.0;
    s->balls[0].extraFy = -2.0;
    s->curve.endTime = 1.0;
    s->curve.verticalVariable = kQuantityY;
    s->curve.horizontalVariable = kQuantityX;
    const auto ticks = RunCurve(*s);
    auto run = OneBall(0, 0, 0, 0);
    run->balls[0].extraFx = 5.0;
    run->balls[0].extraFy = -2.0;
    StartRun(*run);
    for (std::size_t k = 0; k + 1 < ticks.size(); ++k) {
        ASSERT_EQ(StepScene(*run, nullptr), kStepNormal);
        ASSERT_EQ(ticks[k].size(), 1u);
        EXPECT_EQ(ticks[k][0].hAfter, run->balls[0].x) << k;
        EXPECT_EQ(ticks[k][0].vAfter, run->balls[0].y) << k;
    }
    EXPECT_GT(run->balls[0].x, 2.0);  // 5 N on 1 kg for most of a second
}

TEST(Curve, OnlyFlaggedBallsAfterTheStartTimeInsideTheRangeArePlotted) {
    auto s = OneBall(0, 0, 1, 0);
    Ball& other = s->balls[1];
    other = s->balls[0];
    other.curveFlag = 0;
    s->curve.startTime = 0.5;
    s->curve.endTime = 1.0;
    const auto ticks = RunCurve(*s);
    ASSERT_EQ(ticks.size(), 10u);
    for (std::size_t t = 0; t < ticks.size(); ++t) {
        // Tick t samples at RunTime 0.1 (t + 1) - 0.001.
        EXPECT_EQ(ticks[t].size(), t >= 5 ? 1u : 0u) << t;
        for (const CurveSegment& seg : ticks[t]) EXPECT_TRUE(seg.plotted);
        for (const CurveSegment& seg : ticks[t]) EXPECT_EQ(seg.ball, 0);
    }

    // A position far off the graph is sampled but not plotted.
    auto far = OneBall(0, 0, 1, 0);
    far->curve.horizontalVariable = kQuantityX;
    far->curve.horizontalStep = 1e-4;  // 40 pixels per 0.1 mm
    far->curve.endTime = 0.3;
    const auto farTicks = RunCurve(*far);
    std::size_t samples = 0;
    for (const auto& tick : farTicks)
        for (const CurveSegment& seg : tick) {
            EXPECT_FALSE(seg.plotted);
            ++samples;
        }
    EXPECT_GE(samples, 2u);

    int col = 0;
    EXPECT_FALSE(CurveColumn(far->curve, std::nan(""), col));
    EXPECT_TRUE(CurveRow(far->curve, 0.0, col));
    EXPECT_EQ(col, 226);
}

TEST(Curve, ResetRefreshesOnlyItsSwitchesAndKeepsDisplayData) {
    auto s = OneBall(2, 3, 4, 5);
    Ball& b = s->balls[0];
    b.x = b.y = b.vx = b.vy = 99;
    b.mass = 7;
    b.markX = 11;
    b.prevMeanVx = 12;
    s->gravityMasses[0].M = 1;
    s->straightTracks[0] = MakeStraightTrack(-1, -5, 1, -5);
    s->hangingSprings[0].K = 1;
    s->dampingFields[0].N = 1;  // not refreshed by the curve
    s->hangingCords[0].K = 1;   // nor this one
    ResetForCurve(*s);
    EXPECT_EQ(b.x, 2);
    EXPECT_EQ(b.vy, 5);
    EXPECT_EQ(b.mass, 1);
    EXPECT_EQ(b.markX, 11);
    EXPECT_EQ(b.prevMeanVx, 12);
    EXPECT_EQ(b.screenX, s->view.ballColumn(2));
    EXPECT_EQ(s->presence.gravityMass, 1);
    EXPECT_EQ(s->presence.straightTrack, 1);
    EXPECT_EQ(s->presence.hangingSpring, 1);
    EXPECT_EQ(s->presence.damping, 0);
    EXPECT_EQ(s->presence.hangingCord, 0);
}

TEST(Curve, QuantityListMatchesTheWindowsItems) {
    EXPECT_STREQ(kCurveQuantities[kQuantityTime].item, "Time T");
    EXPECT_STREQ(kCurveQuantities[kQuantityDistance].axisLabel, "|r|");
    EXPECT_STREQ(kCurveQuantities[kQuantityAy].unitPerGrid, "(m/s /grid)");
    EXPECT_TRUE(kCurveQuantities[kQuantityAcceleration].squaredUnit);
    EXPECT_FALSE(kCurveQuantities[kQuantitySpeed].squaredUnit);
}

}  // namespace
}  // namespace mb

namespace mb {
namespace {

// Fit: round steps over five divisions from a multiple of the step below the
// smallest value, so that every finite value lies on the graph.
TEST(Curve, FitHoldsEveryFiniteValueInRoundSteps) {
    struct Case {
        std::vector<double> h, v;  // hBefore = hAfter and vBefore = vAfter of each sample
        CurveAxes axes;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {{0.099, 2.0}, {0.297, 6.0}, {0, 0.5, 0, 2}},
        {{-3.0, 7.0}, {-0.0123, -0.0111}, {-5, 2.5, -0.0125, 0.0005}},
        {{5.0, 5.0}, {0.0, 0.0}, {5, 1, 0, 0.1}},                // one value: a graph around it
        {{nan, 1.0, 2.0}, {nan, nan, nan}, {1, 0.2, 0, 1}},     // no finite vertical value: kept
    };
    for (const Case& c : cases) {
        CurveSettings settings;
        settings.verticalStart = 0;
        settings.verticalStep = 1;
        std::vector<CurveSegment> samples;
        for (std::size_t i = 0; i < c.h.size(); ++i) {
            CurveSegment g;
            g.hBefore = g.hAfter = c.h[i];
            g.vBefore = g.vAfter = c.v[i];
            samples.push_back(g);
        }
        const CurveAxes a = FitCurveAxes(settings, samples);
        EXPECT_NEAR(a.horizontalStart, c.axes.horizontalStart, 1e-12) << c.h[0];
        EXPECT_NEAR(a.horizontalStep, c.axes.horizontalStep, 1e-12) << c.h[0];
        EXPECT_NEAR(a.verticalStart, c.axes.verticalStart, 1e-12) << c.h[0];
        EXPECT_NEAR(a.verticalStep, c.axes.verticalStep, 1e-12) << c.h[0];
        settings.horizontalStart = a.horizontalStart, settings.horizontalStep = a.horizontalStep;
        settings.verticalStart = a.verticalStart, settings.verticalStep = a.verticalStep;
        for (CurveSegment g : samples) {
            if (!std::isfinite(g.hBefore) || !std::isfinite(g.vBefore)) continue;
            PlaceCurveSegment(settings, g);
            EXPECT_TRUE(g.plotted);
            EXPECT_GE(g.col0, 30);
            EXPECT_LE(g.col0, 230);
            EXPECT_GE(g.row0, 26);
            EXPECT_LE(g.row0, 226);
        }
    }
}

TEST(CurveSession, BeginDerivesCordAndPoleLengthsFromTheDrawingAsARunStartDoes) {
    // A cord drawn 3 m long whose stored length is still the 1 m of an older drawing.
    auto s = OneBall(0, -3, 0, 0);
    HangingConnector& cord = s->hangingCords[0];
    cord = {0, 0, 1.0, 5.0, 0, 0};
    auto run = std::make_unique<Scene>(*s);
    s->RunTime = 4;
    BeginCurve(*s);
    StartRun(*run);
    EXPECT_EQ(s->RunTime, 0.0);
    EXPECT_DOUBLE_EQ(s->hangingCords[0].L, 3.0);
    EXPECT_EQ(s->hangingCords[0].L, run->hangingCords[0].L);
    EXPECT_EQ(s->hangingCords[0].K, run->hangingCords[0].K);
}

TEST(CurveSession, ChecksComeInTheWindowsOrder) {
    struct Case {
        double start, end, hStep, vStep;
        CurveField field;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {-1, -1, 0, 0, CurveField::StartTime},  {0, -1, 0, 0, CurveField::EndTime},
        {2, 2, 0, 0, CurveField::StartTime},    {0, 1, 0, 0, CurveField::HorizontalStep},
        {0, 1, 1, 0, CurveField::VerticalStep}, {0, 1, nan, 1, CurveField::HorizontalStep},
        {nan, 1, 1, 1, CurveField::StartTime},  {0, 1, 1, 1, CurveField::None},
    };
    for (const Case& c : cases) {
        CurveSettings k;
        k.startTime = c.start;
        k.endTime = c.end;
        k.horizontalStep = c.hStep;
        k.verticalStep = c.vStep;
        EXPECT_EQ(CheckCurveSettings(k).field, c.field) << c.start << " " << c.end << " " << c.hStep << " " << c.vStep;
        EXPECT_EQ(CheckCurveSettings(k).ok(), c.field == CurveField::None);
    }
}

}  // namespace
}  // namespace mb
