// The stepping loop against closed forms of mechanics and electromagnetism.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine_test_support.h"

namespace mb {
namespace {

using test::AddBall;
using test::NewScene;
using test::PeriodMeter;
using test::RunSubSteps;
constexpr double kPi = std::numbers::pi;

TEST(Physics, ProjectileFollowsTheSemiImplicitEulerSumExactly) {
    auto s = NewScene();
    AddBall(*s, 0, 0, 3, 20, 2.5);
    s->settings.GravityOn = 1;
    StartRun(*s);
    const double T = s->settings.StepTime;
    // The same arithmetic, written out: the force sum, a = F / m, v += a T, x += v T.
    double x = 0, y = 0, vx = 3, vy = 20;
    const double m = 2.5;
    for (int tick = 0; tick < 20; ++tick) {
        ASSERT_EQ(StepScene(*s, nullptr), kStepNormal);
        for (int i = 0; i < s->settings.StepsPerTick; ++i) {
            double Fy = 0;
            Fy -= m * 9.8;
            vy += Fy / m * T;
            vx += 0 / m * T;
            x += vx * T;
            y += vy * T;
        }
        ASSERT_EQ(s->balls[0].x, x);
        ASSERT_EQ(s->balls[0].y, y);
        ASSERT_EQ(s->balls[0].vy, vy);
    }
    // And the closed form of that sum: y_n = v0 n T - g T^2 n (n + 1) / 2.
    const double n = 20 * 100;
    EXPECT_NEAR(s->balls[0].y, 20 * n * T - 9.8 * T * T * n * (n + 1) / 2, 1e-9);
    EXPECT_NEAR(s->balls[0].x, 3 * n * T, 1e-12);
    EXPECT_NEAR(s->RunTime, 2.0, 1e-12);
}

TEST(Physics, HangingSpringOscillatesWithItsNaturalPeriod) {
    for (double m : {0.5, 2.0}) {
        auto s = NewScene();
        const double K = 200;
        AddBall(*s, 0, -1.2, 0, 0, m, 0.05);
        s->hangingSprings[0] = {0, 0, 1.0, K, kModeBoth, 0};
        s->settings.GravityOn = 1;
        StartRun(*s);
        const double rest = -(1.0 + m * 9.8 / K);
        PeriodMeter meter(rest);
        RunSubSteps(*s, 5000, [&](int i) { meter.sample(i * 0.001, s->balls[0].y); });
        ASSERT_GE(meter.cycles(), 3);
        const double expected = 2 * kPi * std::sqrt(m / K);
        EXPECT_NEAR(meter.period(), expected, 0.01 * expected) << "mass " << m;
    }
}

TEST(Physics, ChargeInMagneticFieldCirclesWithCyclotronRadiusAndTurnsByTheFieldSign) {
    struct Case {
        double sign, q;
        double centreY;  // where the centre of the circle must lie
    };
    for (Case c : {Case{+1, +1, -1}, Case{-1, +1, +1}, Case{+1, -1, +1}}) {
        SCOPED_TRACE(::testing::Message() << "sign " << c.sign << " q " << c.q);
        auto s = NewScene();
        const double m = 2, v = 1.5, B = 3;
        AddBall(*s, 0, 0, v, 0, m, 0.01, c.q);
        s->magneticFields[0] = {-50, -50, 50, 50, c.sign, B};
        s->settings.StepTime = 1e-4;
        StartRun(*s);
        const double r = m * v / (std::fabs(c.q) * B);
        const double cy = c.centreY * r;
        double minDist = 1e9, maxDist = 0;
        bool turnedRightWay = false;
        RunSubSteps(*s, 45000, [&](int i) {
            const Ball& b = s->balls[0];
            const double d = std::hypot(b.x, b.y - cy);
            minDist = std::min(minDist, d);
            maxDist = std::max(maxDist, d);
            if (i == 100) turnedRightWay = (b.y - 0) * c.centreY > 0;
        });
        EXPECT_TRUE(turnedRightWay);
        EXPECT_NEAR(minDist, r, 0.01 * r);
        EXPECT_NEAR(maxDist, r, 0.01 * r);
    }
}

TEST(Physics, CordPendulumSmallSwingPeriod) {
    auto s = NewScene();
    const double L = 1.5, swing = 5 * kPi / 180;
    AddBall(*s, L * std::sin(swing), -L * std::cos(swing), 0, 0, 0.7, 0.05);
    s->hangingCords[0] = {0, 0, 1, 70000, kModePullOnly, 0};
    s->settings.GravityOn = 1;
    StartRun(*s);
    EXPECT_NEAR(s->hangingCords[0].L, L, 1e-12);
    EXPECT_NEAR(s->hangingCords[0].K, 100000 * 0.7 / L, 1e-6);
    PeriodMeter meter(0.0);
    RunSubSteps(*s, 12000, [&](int i) { meter.sample(i * 0.001, s->balls[0].x); });
    ASSERT_GE(meter.cycles(), 4);
    const double expected = 2 * kPi * std::sqrt(L / 9.8);
    EXPECT_NEAR(meter.period(), expected, 0.01 * expected);
}

TEST(Physics, EqualBallsInAHeadOnBumpExchangeVelocities) {
    for (bool vertical : {false, true}) {
        auto s = NewScene();
        const auto put = [&](double along, double v) -> Ball& {
            if (vertical) return AddBall(*s, 0, along, 0, v, 1, 0.5);
            return AddBall(*s, along, 0, v, 0, 1, 0.5);
        };
        Ball& a = put(-1, 3);
        Ball& b = put(1, -1);
        s->settings.BumpOn = 1;
        StartRun(*s);
        RunSubSteps(*s, 1000, [](int) {});
        EXPECT_NEAR(vertical ? a.vy : a.vx, -1, 1e-12);
        EXPECT_NEAR(vertical ? b.vy : b.vx, 3, 1e-12);
        EXPECT_NEAR(vertical ? a.vx : a.vy, 0, 1e-12);
    }
}

TEST(Physics, HeavyBallBumpingALightOneAtRest) {
    auto s = NewScene();
    AddBall(*s, -1, 0, 2, 0, 1000, 0.5);
    AddBall(*s, 0.5, 0, 0, 0, 1, 0.2);
    s->settings.BumpOn = 1;
    StartRun(*s);
    RunSubSteps(*s, 500, [](int) {});
    EXPECT_NEAR(s->balls[0].vx, 2 * 999.0 / 1001.0, 1e-9);
    EXPECT_NEAR(s->balls[1].vx, 2 * 2000.0 / 1001.0, 1e-9);
}

TEST(Physics, TracksReflectWithoutChangingTheSpeed) {
    // An oblique straight track and a full circle: a ball thrown about keeps its speed.
    auto s = NewScene();
    AddBall(*s, 0, 0, 3, -4, 1, 0.1);
    s->straightTracks[0] = MakeStraightTrack(-5, -3, 5, -1);
    s->circularTracks[0] = {0, 0, -kPi, kPi, 4, 0, 0};
    StartRun(*s);
    int reflections = 0;
    double lastVx = 3;
    RunSubSteps(*s, 8000, [&](int) {
        const Ball& b = s->balls[0];
        ASSERT_NEAR(std::hypot(b.vx, b.vy), 5.0, 1e-9);
        if (b.vx != lastVx) ++reflections;
        lastVx = b.vx;
    });
    EXPECT_GT(reflections, 4);
    EXPECT_LT(std::hypot(s->balls[0].x, s->balls[0].y), 4.2);
}

TEST(Physics, LikeChargesRepelOnlyWhenMutualCoulombIsOn) {
    for (int on : {0, 1}) {
        auto s = NewScene();
        AddBall(*s, -1, 0, 0, 0, 1, 0.1, 1e-4);
        AddBall(*s, 1, 0, 0, 0, 1, 0.1, 1e-4);
        s->settings.MutualCoulombOn = static_cast<std::uint8_t>(on);
        StartRun(*s);
        RunSubSteps(*s, 100, [](int) {});
        if (on) {
            EXPECT_LT(s->balls[0].x, -1);
            EXPECT_GT(s->balls[1].x, 1);
            // Equal and opposite, up to the sequential sweep of the sub-step.
            EXPECT_NEAR(s->balls[0].vx, -s->balls[1].vx, 0.01 * std::fabs(s->balls[1].vx));
        } else {
            EXPECT_EQ(s->balls[0].x, -1);
            EXPECT_EQ(s->balls[1].x, 1);
        }
    }
}

TEST(Physics, OrbitAroundAGravityMassKeepsItsRadius) {
    auto s = NewScene();
    const double M = 1e13, r = 10;
    const double v = std::sqrt(kGravityG * M / r);
    AddBall(*s, r, 0, 0, v, 1, 0.1);
    s->gravityMasses[0] = {0, 0, M};
    StartRun(*s);
    double lo = 1e9, hi = 0;
    RunSubSteps(*s, 30000, [&](int) {
        const double d = std::hypot(s->balls[0].x, s->balls[0].y);
        lo = std::min(lo, d);
        hi = std::max(hi, d);
    });
    EXPECT_NEAR(lo, r, 0.01 * r);
    EXPECT_NEAR(hi, r, 0.01 * r);
}

}  // namespace
}  // namespace mb
