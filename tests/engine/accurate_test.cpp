// The accurate step against closed forms over long runs at the default step
// (T = 1 ms, 100 sub-steps a tick), the energy book, and bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "engine/curve_session.h"
#include "engine/energy.h"
#include "engine_test_support.h"

namespace mb {
namespace {

using test::AddBall;
using test::NewScene;
constexpr double kPi = std::numbers::pi;

std::unique_ptr<Scene> AccurateScene() {
    auto s = NewScene();
    s->view = ViewScale{600, 450, 0.05};
    s->settings.AccurateStep = 1;
    return s;
}

// Runs whole ticks until `seconds` of run time, calling f after each tick.
void RunFor(Scene& s, double seconds, const std::function<void()>& f) {
    const long long ticks = std::llround(seconds / (s.settings.StepTime * s.settings.StepsPerTick));
    for (long long t = 0; t < ticks; ++t) {
        ASSERT_EQ(StepScene(s, nullptr), kStepNormal) << "tick " << t;
        f();
    }
}

TEST(AccurateStep, ChargeInAMagneticFieldKeepsItsSpeedAndItsCircle) {
    // 1 kg, 1 C at 2 m/s in 1 T: a circle of radius m v / (q B) = 2 m about
    // (0, -2), clockwise for a field out of the screen.
    auto s = AccurateScene();
    AddBall(*s, 0, 0, 2, 0, 1, 0.1, 1);
    s->magneticFields[0] = {-100, -100, 100, 100, 1, 1};
    StartRun(*s);
    double worstSpeed = 0, worstRadius = 0;
    RunFor(*s, 600, [&] {
        const Ball& b = s->balls[0];
        worstSpeed = std::max(worstSpeed, std::fabs(std::hypot(b.vx, b.vy) - 2) / 2);
        worstRadius = std::max(worstRadius, std::fabs(std::hypot(b.x, b.y + 2) - 2) / 2);
    });
    EXPECT_LT(worstSpeed, 1e-9);
    EXPECT_LT(worstRadius, 0.005);
    std::printf("  magnetic circle over 600 s: speed off by %.3g, radius by %.3g (relative)\n", worstSpeed,
                worstRadius);
}

TEST(AccurateStep, TwoBallsOnASpringKeepTheirMomentumAndCentreOfMassLine) {
    auto s = AccurateScene();
    AddBall(*s, 0, 0, 1, 0.5, 1);
    AddBall(*s, 1, 0.3, -0.2, 0.1, 2);
    s->linkSprings[0] = {0, 1, 0.8, 50, kModeBoth};
    StartRun(*s);
    const double px = 1 * 1 + 2 * -0.2, py = 1 * 0.5 + 2 * 0.1;
    const double cx = (0 + 2 * 1) / 3.0, cy = (0 + 2 * 0.3) / 3.0;
    double worstMomentum = 0, worstLine = 0;
    RunFor(*s, 20, [&] {
        const EnergyBook e = MeasureEnergy(*s);
        worstMomentum = std::max(worstMomentum, std::hypot(e.px - px, e.py - py) / std::hypot(px, py));
        const Ball &a = s->balls[0], &b = s->balls[1];
        const double t = s->RunTime;
        worstLine = std::max(
            worstLine, std::hypot((a.x + 2 * b.x) / 3 - (cx + px / 3 * t), (a.y + 2 * b.y) / 3 - (cy + py / 3 * t)));
    });
    EXPECT_LT(worstMomentum, 1e-9);
    EXPECT_LT(worstLine, 1e-6);
    std::printf("  spring pair over 20 s: momentum off by %.3g (relative), centre of mass by %.3g m\n", worstMomentum,
                worstLine);
}

TEST(AccurateStep, OrbitAndSpringOscillatorKeepTheirEnergy) {
    struct Case {
        const char* name;
        std::function<void(Scene&)> build;
        double tolerance;  // relative drift of the total over 600 s
    };
    const Case cases[] = {
        {"orbit around a gravity mass",
         [](Scene& s) {
             // G M = 66.72 m³/s²; 10 % faster than the circular speed at 10 m.
             AddBall(s, 10, 0, 0, 1.1 * std::sqrt(kGravityG * 1e12 / 10));
             s.gravityMasses[0] = {0, 0, 1e12};
         },
         1e-6},
        {"spring oscillator under gravity",
         [](Scene& s) {
             AddBall(s, 0, -1.5, 0.3, 0);
             s.hangingSprings[0] = {0, 0, 1, 10, kModeBoth, 0};
             s.settings.GravityOn = 1;
         },
         1e-4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto s = AccurateScene();
        c.build(*s);
        StartRun(*s);
        const double start = MeasureEnergy(*s).total;
        double worst = 0;
        RunFor(*s, 600, [&] { worst = std::max(worst, std::fabs(MeasureEnergy(*s).total - start)); });
        EXPECT_LT(worst, c.tolerance * std::fabs(start));
        std::printf("  %s over 600 s: total off by %.3g (relative)\n", c.name, worst / std::fabs(start));
    }
}

// The complete elliptic integral of the first kind by the arithmetic-geometric mean.
double EllipticK(double k) {
    double a = 1, b = std::sqrt(1 - k * k);
    for (int i = 0; i < 40; ++i) {
        const double m = (a + b) / 2;
        b = std::sqrt(a * b);
        a = m;
    }
    return kPi / (2 * a);
}

TEST(AccurateStep, CordPendulumSwingsWithTheLargeAmplitudePeriodAndItsCordHolds) {
    // 2 m, let go at 30 degrees: T = 4 sqrt(L / g) K(sin 15 degrees).
    const double L = 2, start = 30 * kPi / 180;
    auto s = AccurateScene();
    AddBall(*s, L * std::sin(start), -L * std::cos(start), 0, 0, 1, 0.05);
    s->hangingCords[0] = {0, 0, 1, 1, kModePullOnly, 0};
    s->settings.GravityOn = 1;
    s->settings.StepsPerTick = 1;  // every sub-step's record, to catch the lowest point
    StartRun(*s);
    test::PeriodMeter period(0);
    double worstLength = 0, worstPull = 0, prevX = s->balls[0].x;
    RunFor(*s, 600, [&] {
        const Ball& b = s->balls[0];
        period.sample(s->RunTime, b.x);
        worstLength = std::max(worstLength, std::fabs(std::hypot(b.x, b.y) - L) / L);
        if ((prevX < 0) != (b.x < 0)) {
            // At the lowest point the record's acceleration is the centripetal one.
            const double v2 = b.vx * b.vx + b.vy * b.vy;
            worstPull = std::max(worstPull, std::fabs(b.ay - v2 / L) / (v2 / L));
            EXPECT_LT(std::fabs(b.ax), 0.05 * v2 / L);
        }
        prevX = b.x;
    });
    const double exact = 4 * std::sqrt(L / kStandardGravity) * EllipticK(std::sin(start / 2));
    EXPECT_GT(period.cycles(), 150);
    EXPECT_NEAR(period.period(), exact, 0.001 * exact);
    EXPECT_LT(worstLength, 0.001);
    EXPECT_LT(worstPull, 0.03);
    std::printf("  pendulum 2 m at 30 degrees: period %.6f s (exact %.6f), cord off by %.3g, v^2/L off by %.3g\n",
                period.period(), exact, worstLength, worstPull);
}

TEST(AccurateStep, CordIsSlackWithinItsLengthAndPoleHoldsBothWays) {
    auto s = AccurateScene();
    AddBall(*s, 0, -1, 0, 0.5, 1, 0.05);
    AddBall(*s, 3, -1, 0, 0.5, 1, 0.05);
    s->hangingCords[0] = {0, 0, 1, 1, kModePullOnly, 0};
    s->hangingPoles[0] = {3, 0, 1, 1, kModeBoth, 1};
    s->settings.StepsPerTick = 200;
    StartRun(*s);
    ASSERT_EQ(StepScene(*s, nullptr), kStepNormal);
    EXPECT_NEAR(s->balls[0].y, -1 + 0.2 * 0.5, 1e-9) << "moving toward the anchor the cord is slack";
    EXPECT_NEAR(std::hypot(s->balls[1].x - 3, s->balls[1].y), 1, 1e-9) << "the pole keeps its ball at its distance";
}

TEST(AccurateStep, DampingAndElectricRegionsBookTheWorkTheyDo) {
    // A charge thrown through a damping region into an electric region with a
    // far edge: kinetic + potential - work stays what it was.
    auto s = AccurateScene();
    AddBall(*s, -4, 0.5, 3, 0.2, 2, 0.1, 1e-3);
    s->dampingFields[0] = {-3, -5, -1, 5, 0.4, 2, 1};
    s->electricFields[0] = {0, -5, 3, 5, 0.3, 2000};
    StartRun(*s);
    const double start = MeasureEnergy(*s).total;
    RunFor(*s, 6, [] {});
    const EnergyBook e = MeasureEnergy(*s);
    EXPECT_LT(e.dampingWork, -0.1);
    EXPECT_GT(e.electricWork, 0.1);
    EXPECT_NEAR(e.total, start, 1e-6 * (std::fabs(e.kinetic) + std::fabs(e.work)));
}

TEST(EnergyBook, EveryTermFollowsItsLawUnderItsSwitch) {
    auto s = NewScene();
    AddBall(*s, 3, 4, 1, 2, 2, 0.1, 1e-6);    // 5 m from the origin
    AddBall(*s, 3, 0, 0, -1, 1, 0.1, -2e-6);  // 4 m below ball 0
    s->balls[0].extraFx = 0.5;
    s->gravityMasses[0] = {0, 0, 1e9};
    s->pointCharges[0] = {0, 0, 3e-6};
    s->hangingSprings[0] = {0, 4, 2, 10, kModeBoth, 0};  // 3 m from ball 0, 1 m stretched
    s->linkSprings[0] = {0, 1, 5, 4, kModePullOnly};     // 4 m: compressed, so idle
    s->settings.GravityOn = s->settings.MutualGravitationOn = s->settings.MutualCoulombOn = 1;
    StartRun(*s);
    const EnergyBook e = MeasureEnergy(*s);
    const double G = kGravityG, k = kCoulombK;
    const struct {
        const char* name;
        double got, expected;
    } terms[] = {
        {"kinetic", e.kinetic, 0.5 * 2 * 5 + 0.5 * 1 * 1},
        {"uniform gravity", e.uniformGravity, 2 * 9.8 * 4},
        {"gravity masses", e.gravityMasses, -G * 1e9 * (2 / 5.0 + 1 / 3.0)},
        {"mutual gravitation", e.mutualGravitation, -G * 2 * 1 / 4},
        {"point charges", e.pointCharges, k * 3e-6 * (1e-6 / 5 - 2e-6 / 3)},
        {"mutual Coulomb", e.mutualCoulomb, k * 1e-6 * -2e-6 / 4},
        {"connectors", e.connectors, 0.5 * 10 * 1},
        {"extra forces", e.extraForces, -0.5 * 3},
        {"px", e.px, 2 * 1},
        {"py", e.py, 2 * 2 - 1},
        {"angular", e.angular, 2 * (3 * 2 - 4 * 1) + 1 * (3 * -1)},
    };
    for (const auto& t : terms) EXPECT_NEAR(t.got, t.expected, 1e-12 * (1 + std::fabs(t.expected))) << t.name;
    EXPECT_DOUBLE_EQ(e.total, e.kinetic + e.potential - e.work);
    // With relativity the kinetic energy is (M - M0) c², kept to its digits at low speed.
    EXPECT_NEAR(KineticEnergy(2, 3, 4, true), 25, 1e-12);
    const double gamma = 1 / std::sqrt(1 - 0.64);
    EXPECT_NEAR(KineticEnergy(2, 0.8 * kLightSpeed, 0, true), (gamma - 1) * 2 * kLightSpeed * kLightSpeed, 1e3);
}

TEST(AccurateStep, BadInputKeepsEveryNumberFiniteOrEndsWithAnOverflow) {
    struct Case {
        const char* name;
        std::function<void(Scene&)> build;
    };
    const Case cases[] = {
        {"cord of length 0",
         [](Scene& s) {
             AddBall(s, 1, 1, 0.5, 0);
             s.hangingCords[0] = {1, 1, 1, 1, kModePullOnly, 0};
         }},
        {"link pole of length 0",
         [](Scene& s) {
             AddBall(s, 1, 1, 0.5, 0);
             AddBall(s, 1, 1, 0, -0.5, 2);
             s.linkPoles[0] = {0, 1, 1, 1, kModeBoth};
         }},
        {"ball on a point charge",
         [](Scene& s) {
             AddBall(s, 2, 0, 0, 0, 1, 0.1, 1e-3);
             AddBall(s, 2 + 1e-12, 0, 0, 0, 1, 0.1, 1e-3);
             s.pointCharges[0] = {2, 0, 1e-3};
         }},
        {"ball held by two poles at lengths it cannot have at once",
         [](Scene& s) {
             AddBall(s, 0, -1, 1, 0);
             AddBall(s, 1, -1, 0, 0);
             s.hangingPoles[0] = {0, 0, 1, 1, kModeBoth, 0};
             s.hangingPoles[1] = {3, 0, 5, 1, kModeBoth, 0};  // lengths set again below
             s.linkPoles[0] = {0, 1, 1, 1, kModeBoth};
         }},
        {"speed past c with relativity on",
         [](Scene& s) {
             AddBall(s, 0, 0, 5e8, 1e8, 1, 0.1, 1);
             s.electricFields[0] = {-1e20, -1e20, 1e20, 1e20, 0, 1e9};
             s.settings.RelativityOn = 1;
             s.view.MetresPerPixel = 1e9;
         }},
        {"huge stiffness and damping",
         [](Scene& s) {
             AddBall(s, 0, -1, 1, 0);
             AddBall(s, 0.5, -1, 1, 0);
             s.hangingSprings[0] = {0, 0, 0.5, 1e300, kModeBoth, 0};
             s.dampingFields[0] = {-5, -5, 5, 5, 1e300, 3, 0};
         }},
        {"balls on top of each other",
         [](Scene& s) {
             for (int i = 0; i < 4; ++i) AddBall(s, 0.5, 0.5, i * 0.1, 0, 1 + i, 0.2, 1e-4);
             s.settings.BumpOn = s.settings.MutualCoulombOn = s.settings.MutualGravitationOn = 1;
             s.linkCords[0] = {0, 1, 1, 1, kModePullOnly};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto s = AccurateScene();
        c.build(*s);
        StartRun(*s);
        if (s->hangingPoles[1].inUse()) s->hangingPoles[1].L = 5;
        int result = kStepNormal;
        for (int tick = 0; tick < 300 && result == kStepNormal; ++tick) {
            result = StepScene(*s, nullptr);
            for (int j = 0; j < s->balls.count(); ++j) {
                const Ball& b = s->balls[j];
                for (double v : {b.x, b.y, b.vx, b.vy, b.ax, b.ay, b.Fx, b.Fy, b.mass}) {
                    ASSERT_TRUE(std::isfinite(v)) << "tick " << tick << " ball " << j;
                }
            }
            const EnergyBook e = MeasureEnergy(*s);
            ASSERT_TRUE(std::isfinite(e.total) || result == kStepOverflow) << "tick " << tick;
        }
        if (s->settings.RelativityOn) {
            EXPECT_LT(std::hypot(s->balls[0].vx, s->balls[0].vy), kLightSpeed);
        }
    }
}

TEST(AccurateStep, CurveSamplesTheStateTheRunReachesUnderEitherStep) {
    for (std::uint8_t accurate : {0, 1}) {
        SCOPED_TRACE(int(accurate));
        auto run = AccurateScene();
        run->settings.AccurateStep = accurate;
        AddBall(*run, 1, -1, 0.5, 0);
        run->hangingCords[0] = {0, 0, 1, 1, kModePullOnly, 0};
        run->settings.GravityOn = 1;
        run->balls[0].curveFlag = 1;
        run->curve.verticalVariable = kQuantityY;
        auto curve = std::make_unique<Scene>(*run);
        StartRun(*run);
        RefreshPresenceSwitches(*curve);
        BeginCurve(*curve);
        for (int tick = 0; tick < 20; ++tick) {
            std::vector<CurveSegment> out;
            ASSERT_EQ(CurveTick(*curve, out), kCurveGoesOn);
            ASSERT_EQ(StepScene(*run, nullptr), kStepNormal);
            ASSERT_EQ(out.size(), 1u);
            EXPECT_EQ(out[0].vAfter, run->balls[0].y) << "tick " << tick;
        }
    }
}

}  // namespace
}  // namespace mb
