// The stepping loop's bookkeeping, the order-dependent details and the guards
// that keep every ball's state finite.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine_test_support.h"

namespace mb {
namespace {

using test::AddBall;
using test::NewScene;
using test::RunSubSteps;
constexpr double kPi = std::numbers::pi;
// A sub-step too short to move any ball: every ball's force sum is then found
// with all the balls where they started, however the step orders them.
constexpr double kStandStill = 1e-12;

class RecordingDisplay : public TickDisplay {
public:
    int timeBoxes = 0, dataUpdates = 0;
    std::vector<int> moved;
    std::vector<double> tickEnds;  // RunTime at each tickEnded
    void drawTimeBox(const Scene&) override { ++timeBoxes; }
    void tickEnded(const Scene& s) override { tickEnds.push_back(s.RunTime); }
    void updateDataWindow(const Scene&, int) override { ++dataUpdates; }
    void moveBall(Scene&, int j, int, int) override { moved.push_back(j); }
};

bool StateFinite(const Ball& b) {
    for (double v : {b.x, b.y, b.vx, b.vy, b.ax, b.ay, b.Fx, b.Fy, b.mass})
        if (!std::isfinite(v)) return false;
    return true;
}

TEST(StepScene, DisplayWorkHappensOncePerTickAtTheLastSubStep) {
    struct Case {
        int N;
        int selected;
    };
    for (Case c : {Case{1, -1}, Case{100, -1}, Case{10, 1}}) {
        SCOPED_TRACE(c.N);
        auto s = NewScene();
        AddBall(*s, 0, 0, 1, 0);
        AddBall(*s, 1, 0, 0, 1);
        s->settings.StepsPerTick = c.N;
        s->SelectedBall = c.selected;
        StartRun(*s);
        RecordingDisplay d;
        for (int t = 0; t < 3; ++t) ASSERT_EQ(StepScene(*s, &d), kStepNormal);
        EXPECT_EQ(d.moved, (std::vector<int>{0, 1, 0, 1, 0, 1}));
        EXPECT_EQ(d.timeBoxes, c.selected == -1 ? 3 : 0) << "no time box while a ball is followed";
        EXPECT_EQ(d.dataUpdates, c.selected == -1 ? 0 : 6);
        EXPECT_NEAR(s->RunTime, 3 * c.N * 0.001, 1e-12);
        // The end of each tick is told once, with the time it ends at.
        ASSERT_EQ(d.tickEnds.size(), 3u);
        EXPECT_EQ(d.tickEnds.back(), s->RunTime);
    }
}

// A tick done in parts ends once, with its last part; an abandoned one never.
TEST(StepScene, TheEndOfATickIsToldOnceEvenInPartsAndNeverAfterAnOverflow) {
    for (bool accurate : {false, true}) {
        auto s = NewScene();
        AddBall(*s, 0, 0, 1, 0);
        s->settings.AccurateStep = accurate;
        StartRun(*s);
        RecordingDisplay d;
        TickProgress progress;
        for (int part = 0; part < 4; ++part) ASSERT_EQ(StepScenePart(*s, &d, progress, 30), kStepNormal);
        EXPECT_TRUE(progress.tickComplete());
        EXPECT_EQ(d.tickEnds, std::vector<double>{s->RunTime});
        s->balls[0].x = 1e12;  // beyond the controllable area
        EXPECT_EQ(StepScene(*s, &d), kStepOverflow);
        EXPECT_EQ(d.tickEnds.size(), 1u);
    }
}

TEST(StepScene, FirstTickMeanVelocitySpansNMinusOneSubSteps) {
    auto s = NewScene();
    AddBall(*s, 0, 0, 2, 0);
    StartRun(*s);
    RecordingDisplay d;
    ASSERT_EQ(StepScene(*s, &d), kStepNormal);
    const Ball& b = s->balls[0];
    EXPECT_NEAR(b.meanVx, 2.0 * 99 / 100, 1e-12);
    EXPECT_NEAR(b.meanAx, (b.meanVx - 2.0) / 0.1, 1e-9);
    ASSERT_EQ(StepScene(*s, &d), kStepNormal);
    EXPECT_NEAR(b.meanVx, 2.0, 1e-12);
    EXPECT_EQ(b.screenX, s->view.ballColumn(b.markX));
}

TEST(StepScene, SceneWithoutBallsOnlyAdvancesTheTime) {
    auto s = NewScene();
    s->settings.StepsPerTick = 7;
    StartRun(*s);
    RecordingDisplay d;
    ASSERT_EQ(StepScene(*s, &d), kStepNormal);
    EXPECT_NEAR(s->RunTime, 0.007, 1e-15);
    EXPECT_EQ(d.timeBoxes, 1);
}

TEST(StepScene, BallLeavingTheControllableAreaAbandonsTheTick) {
    auto s = NewScene();
    s->view = ViewScale{0, 0, 1.0};
    AddBall(*s, 35999.4, 0, 1000, 0);
    AddBall(*s, 0, 0, 1, 0);
    StartRun(*s);
    ASSERT_EQ(StepScene(*s, nullptr), kStepOverflow);
    // Ball 0 moved once (to 36000.4); in the next sub-step it failed the test
    // before ball 1 was advanced a second time or the time went on.
    EXPECT_NEAR(s->balls[0].x, 36000.4, 1e-9);
    EXPECT_NEAR(s->balls[1].x, 0.001, 1e-15);
    EXPECT_NEAR(s->RunTime, 0.001, 1e-15);
    StopRun(*s);
    EXPECT_EQ(s->balls[0].x, 35999.4);
    EXPECT_EQ(s->balls[1].vx, 1);
}

TEST(StepScene, LinkedBallsSeeEachOtherAsTheyAreAtThatMoment) {
    // The earlier ball feels the later one's position from before the sub-step;
    // the later ball feels the earlier one's already advanced position.
    auto s = NewScene();
    AddBall(*s, 0, 0, 5, 0);
    AddBall(*s, 2, 0, 0, 0);
    s->linkSprings[0] = {0, 1, 1.0, 100, kModeBoth};
    StartRun(*s);
    RunSubSteps(*s, 1, [](int) {});
    const double T = 0.001;
    const double v0 = 5 + (-100.0 * (2 - 1)) * -1 * T;  // pulled toward +x by a stretch of 1
    const double x0 = v0 * T;
    const double stretch1 = (2 - x0) - 1;
    const double v1 = -100 * stretch1 * T;
    EXPECT_NEAR(s->balls[0].vx, v0, 1e-12);
    EXPECT_NEAR(s->balls[1].vx, v1, 1e-12);
}

TEST(Tracks, CrossComponentReversesAtEverySubStepOfContact) {
    auto s = NewScene();
    // Already moving away from the floor but still within R of it.
    AddBall(*s, 0, 0.05, 1, 0.5, 1, 0.1);
    s->straightTracks[0] = MakeStraightTrack(-10, 0, 10, 0);
    StartRun(*s);
    RunSubSteps(*s, 1, [](int) {});
    EXPECT_NEAR(s->balls[0].vy, -0.5, 1e-12);
    EXPECT_NEAR(s->balls[0].vx, 1, 1e-12);
}

TEST(Tracks, VerticalTrackReversesVxAndStopsTheTrackWalk) {
    auto s = NewScene();
    AddBall(*s, 0.05, 0.05, 1, -1, 1, 0.1);
    s->straightTracks[0] = MakeStraightTrack(0, -5, 0, 5);
    s->straightTracks[1] = MakeStraightTrack(-5, 0, 5, 0);  // also touched
    StartRun(*s);
    RunSubSteps(*s, 1, [](int) {});
    EXPECT_EQ(s->balls[0].vx, -1);
    EXPECT_EQ(s->balls[0].vy, -1) << "the floor later in the table must not be examined";

    std::swap(s->straightTracks[0], s->straightTracks[1]);
    StartRun(*s);
    RunSubSteps(*s, 1, [](int) {});
    EXPECT_NEAR(s->balls[0].vx, -1, 1e-12);
    EXPECT_NEAR(s->balls[0].vy, 1, 1e-12) << "floor first, then the wall";
}

TEST(Tracks, BallsBeyondTheExtentPassBy) {
    for (double x : {-6.0, 6.0}) {
        auto s = NewScene();
        AddBall(*s, x, 0.05, 0, -1, 1, 0.1);
        s->straightTracks[0] = MakeStraightTrack(5, 0, -5, 0);
        StartRun(*s);
        RunSubSteps(*s, 1, [](int) {});
        EXPECT_EQ(s->balls[0].vy, -1);
    }
}

TEST(Tracks, CircularArcReflectsOnlyWhereItRuns) {
    // From -90 to 90 degrees: the right half only.
    for (double side : {1.0, -1.0}) {
        auto s = NewScene();
        AddBall(*s, side * 1.95, 0, side * 1, 0, 1, 0.1);
        s->circularTracks[0] = {0, 0, -kPi / 2, kPi / 2, 2, 0, 0};
        StartRun(*s);
        RunSubSteps(*s, 1, [](int) {});
        // Reflected on the right; on the left the ball passes on toward -x.
        EXPECT_NEAR(s->balls[0].vx, -1.0, 1e-12);
        EXPECT_NEAR(s->balls[0].x, side > 0 ? 1.949 : -1.951, 1e-12);
    }
}

TEST(Tracks, BallAtTheCentreOfACircularTrackIsIgnored) {
    auto s = NewScene();
    AddBall(*s, 3, 4, 0.5, 0.25, 1, 1.0);
    s->circularTracks[0] = {3, 4, 0, kPi, 0.5, 0, 0};
    StartRun(*s);
    RunSubSteps(*s, 1, [](int) {});
    EXPECT_EQ(s->balls[0].vx, 0.5);
    EXPECT_EQ(s->balls[0].vy, 0.25);
}

TEST(Bumps, TouchingBallsDoNotCollideOverlappingOnesAreSeparated) {
    auto s = NewScene();
    AddBall(*s, 0, 0, 0, 0, 1, 0.5);
    AddBall(*s, 1.0, 0, -0.0, 0, 1, 0.5);  // exactly touching: Rs^2 > d^2 fails
    s->settings.BumpOn = 1;
    StartRun(*s);
    ASSERT_EQ(RunSubSteps(*s, 1, [](int) {}), kStepNormal);
    EXPECT_EQ(s->balls[1].x, 1.0);

    s->balls[1].x = 0.6;
    s->balls[1].y = 0.3;
    s->balls[0].vx = 1;
    const double x0 = s->balls[0].x, y0 = s->balls[0].y;
    ASSERT_EQ(RunSubSteps(*s, 1, [](int) {}), kStepNormal);
    EXPECT_LT(s->balls[0].vx, 1) << "the bump took part of the velocity";
    // Where ball 0's sub-step put ball 1, before ball 1 took its own.
    const Ball& b1 = s->balls[1];
    const double T = s->settings.StepTime;
    const double d = std::hypot(b1.x - b1.vx * T - x0, b1.y - b1.vy * T - y0);
    EXPECT_NEAR(d, 1.0, 1e-12) << "the second ball is placed exactly Rs from the first";
}

TEST(Bumps, CoincidentCentresSeparateTowardTheSideBallKLiesOn) {
    // Centres closer than 1e-24 m: the line of centres points right, or left when
    // the second ball lies (however slightly) to the left of the first.
    struct Case {
        double dx, expectedX;
    };
    for (Case c : {Case{-1e-30, -1.0}, Case{1e-30, 1.0}, Case{0.0, 1.0}}) {
        SCOPED_TRACE(c.dx);
        auto s = NewScene();
        AddBall(*s, 0, 0, 0, 0, 1, 0.5);
        AddBall(*s, c.dx, 0, 0, 0, 1, 0.5);
        s->settings.BumpOn = 1;
        StartRun(*s);
        ASSERT_EQ(RunSubSteps(*s, 1, [](int) {}), kStepNormal);
        EXPECT_EQ(s->balls[1].x, c.expectedX);
        EXPECT_NEAR(s->balls[1].y, 0.0, 1e-15);
    }
}

TEST(Forces, RegionEdgesBelongToTheField) {
    struct Case {
        double x;
        bool feels;
    };
    for (Case c : {Case{-2, true}, Case{2, true}, Case{2 + 1e-9, false}, Case{-2 - 1e-9, false}}) {
        auto s = NewScene();
        AddBall(*s, c.x, 0, 0, 0, 1, 0.1, 1e-3);
        s->electricFields[0] = {-2, -1, 2, 1, 0, 1000};
        StartRun(*s);
        RunSubSteps(*s, 1, [](int) {});
        EXPECT_EQ(s->balls[0].vx != 0, c.feels) << c.x;
    }
}

TEST(Forces, DampingBrakesAlongTheMotionAndNotAtRest) {
    for (double K : {0.0, 1.0, 2.0}) {
        auto s = NewScene();
        AddBall(*s, 0, 0, 0, 0);
        AddBall(*s, 0, 0.5, -3, 4);
        s->dampingFields[0] = {-1, -1, 1, 1, 0.5, K, 0};
        StartRun(*s);
        RunSubSteps(*s, 1, [](int) {});
        EXPECT_EQ(s->balls[0].vx, 0);
        EXPECT_EQ(s->balls[0].vy, 0);
        const double F = 0.5 * std::pow(5.0, K);
        EXPECT_NEAR(s->balls[1].ax, F * 3 / 5, 1e-12);
        EXPECT_NEAR(s->balls[1].ay, -F * 4 / 5, 1e-12);
    }
}

TEST(Forces, ElementsAtTheBallsOwnPlaceExertNothing) {
    auto s = NewScene();
    AddBall(*s, 1, 1, 0, 0, 1, 0.1, 1e-3);
    AddBall(*s, 1, 1 + 1e-25, 0, 0, 1, 0.1, 1e-3);
    AddBall(*s, 3, 1, 0, 0, 1, 0.1, 1e-3);
    s->gravityMasses[0] = {1, 1, 1e12};
    s->pointCharges[0] = {1, 1, 1e-3};
    s->settings.MutualCoulombOn = 1;
    s->settings.MutualGravitationOn = 1;
    s->settings.StepTime = kStandStill;
    StartRun(*s);
    ASSERT_EQ(RunSubSteps(*s, 1, [](int) {}), kStepNormal);
    for (int j = 0; j < 2; ++j) {
        EXPECT_TRUE(std::isfinite(s->balls[j].Fx));
        // Only ball 2, two metres to the right, acts: Coulomb repulsion toward -x.
        EXPECT_LT(s->balls[j].Fx, 0);
        EXPECT_NEAR(s->balls[j].Fy, 0, 1e-20);
    }
}

TEST(Connectors, SpringModesDecideWhetherTheyPushOrPull) {
    struct Case {
        double mode, distance;
        bool acts;
    };
    const Case cases[] = {
        {kModeBoth, 1.5, true},      {kModeBoth, 0.5, true},     {kModePullOnly, 1.5, true},
        {kModePullOnly, 0.5, false}, {kModePushOnly, 0.5, true}, {kModePushOnly, 1.5, false},
        {kModeBoth, 1.0, false},  // at its natural length
        {kModeBoth, 0.05, false},  // within one radius of the anchor
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " distance " << c.distance);
        auto s = NewScene();
        AddBall(*s, c.distance, 0, 0, 0, 1, 0.1);
        s->hangingSprings[0] = {0, 0, 1.0, 10, c.mode, 0};
        StartRun(*s);
        ASSERT_EQ(RunSubSteps(*s, 1, [](int) {}), kStepNormal);
        EXPECT_EQ(s->balls[0].Fx != 0, c.acts);
        if (c.acts) {
            EXPECT_NEAR(s->balls[0].Fx, 10 * (1.0 - c.distance), 1e-12);
        }
    }
}

TEST(Connectors, CordIsSlackInsideItsLengthAndPoleHoldsBothWays) {
    auto s = NewScene();
    AddBall(*s, 0, -1, 0, 0.5, 1, 0.05);
    AddBall(*s, 3, -1, 0, 0.5, 1, 0.05);
    s->hangingCords[0] = {0, 0, 1, 1, kModePullOnly, 0};
    s->hangingPoles[0] = {3, 0, 1, 1, kModeBoth, 1};
    StartRun(*s);
    RunSubSteps(*s, 200, [](int) {});
    EXPECT_NEAR(s->balls[0].y, -1 + 0.2 * 0.5, 1e-9) << "moving toward the anchor the cord is slack";
    EXPECT_NEAR(s->balls[1].y, -1, 0.01) << "the pole keeps its ball at its distance";
}

TEST(Guards, ZeroLengthCordsAndPolesGetAFiniteStiffness) {
    // A cord whose ball starts at its anchor holds it one radius away.
    auto s = NewScene();
    AddBall(*s, 1, 1, 0, 0, 2, 0.25);
    s->hangingCords[0] = {1, 1, 1, 1, kModePullOnly, 0};
    s->settings.GravityOn = 1;
    StartRun(*s);
    EXPECT_EQ(s->hangingCords[0].L, 0.25);
    EXPECT_NEAR(s->hangingCords[0].K, 100000 * 2 / 0.25, 1e-6);
    double lowest = 1;
    ASSERT_EQ(RunSubSteps(*s, 2000, [&](int) { lowest = std::min(lowest, s->balls[0].y); }), kStepNormal);
    EXPECT_TRUE(StateFinite(s->balls[0]));
    // Dropped from the anchor, the ball is caught one radius below it and bounces.
    EXPECT_NEAR(lowest, 0.75, 0.01);
    EXPECT_LE(s->balls[0].y, 1.0 + 1e-9);

    // A pole between two balls that start at one point keeps length 0.
    auto t = NewScene();
    AddBall(*t, 1, 1, 0, 0, 2, 0.25);
    AddBall(*t, 1, 1, 0, 0, 3, 0.25);
    t->linkPoles[0] = {0, 1, 1, 1, kModeBoth};
    StartRun(*t);
    EXPECT_EQ(t->linkPoles[0].L, 0);
    EXPECT_NEAR(t->linkPoles[0].K, 100000 * 2 / 0.5, 1e-6);
    ASSERT_EQ(RunSubSteps(*t, 200, [](int) {}), kStepNormal);
    EXPECT_TRUE(StateFinite(t->balls[0]) && StateFinite(t->balls[1]));
    EXPECT_EQ(t->balls[1].x, 1);
}

TEST(Guards, RelativityAtAndBeyondTheSpeedOfLightStaysFinite) {
    for (double v : {1e8, 3e8, 5e8}) {
        Ball b{};
        b.M0 = 2;
        b.vx = v;
        ApplyRelativity(b);
        EXPECT_TRUE(std::isfinite(b.mass));
        EXPECT_GE(b.mass, 2);
        if (v == 1e8) {
            EXPECT_NEAR(b.mass, 2 / std::sqrt(1 - 1.0 / 9), 1e-12);
        }
    }
    auto s = NewScene();
    s->view.MetresPerPixel = 1e6;
    AddBall(*s, 0, 0, 2.9e8, 0, 1, 1, 1);
    s->electricFields[0] = {-1e12, -1e12, 1e12, 1e12, 0, 1e9};
    s->settings.RelativityOn = 1;
    StartRun(*s);
    ASSERT_EQ(RunSubSteps(*s, 100, [](int) {}), kStepNormal);
    EXPECT_TRUE(StateFinite(s->balls[0]));
    EXPECT_LT(s->balls[0].vx, 3.01e8);
}

TEST(Guards, AStepThatWouldNotBeFiniteHaltsTheRunWithTheBallUnchanged) {
    auto s = NewScene();
    AddBall(*s, 0, -1, 0, 0, 1e-300, 0.01);
    s->hangingSprings[0] = {0, 0, 0.5, 1e308, kModeBoth, 0};
    StartRun(*s);
    EXPECT_EQ(StepScene(*s, nullptr), kStepOverflow);
    EXPECT_TRUE(StateFinite(s->balls[0]));
    EXPECT_EQ(s->balls[0].y, -1);
}

TEST(Guards, DanglingBallReferencesAreSkipped) {
    auto s = NewScene();
    AddBall(*s, 0, 0, 1, 0);
    s->linkSprings[0] = {0, 1e300, 1, 10, kModeBoth};
    s->hangingCords[0] = {0, 0, 1, 1, kModePullOnly, -7};
    StartRun(*s);
    ASSERT_EQ(RunSubSteps(*s, 10, [](int) {}), kStepNormal);
    EXPECT_NEAR(s->balls[0].x, 0.01, 1e-12);
}

// The mutual forces are summed with 1/r computed once per pair; this is the
// plain transcription of the laws they must agree with.
void LiteralMutual(const Scene& s, int j, double& gx, double& gy, double& cx, double& cy, double& scale) {
    const Ball& b = s.balls[j];
    gx = gy = cx = cy = scale = 0;
    for (int k = 0; k < s.balls.count(); ++k) {
        const Ball& o = s.balls[k];
        const double dx = o.x - b.x, dy = o.y - b.y;
        const double r = std::sqrt(std::pow(dx, 2) + std::pow(dy, 2));
        if (r < 1e-24) continue;
        if (k != j) {
            const double F = kGravityG * b.mass * o.mass / std::pow(r, 2);
            gx += (dx / r) * F;
            gy += (dy / r) * F;
            scale += std::fabs(F);
        }
        const double F = kCoulombK * b.Q * o.Q / std::pow(r, 2) / kPermittivity;
        cx -= (dx / r) * F;
        cy -= (dy / r) * F;
        scale += std::fabs(F);
    }
}

TEST(Forces, FastMutualForcesAgreeWithTheLiteralLaws) {
    auto s = NewScene();
    for (int i = 0; i < kBallCapacity; ++i)
        AddBall(*s, std::sin(i * 1.7) * 10, std::cos(i * 2.3) * 10, 0, 0, 1e6 * (1 + i), 0.1,
                (i % 3 - 1) * 1e-6 * (i + 1));
    s->settings.MutualGravitationOn = 1;
    s->settings.MutualCoulombOn = 1;
    s->settings.StepTime = kStandStill;
    StartRun(*s);
    ASSERT_EQ(RunSubSteps(*s, 1, [](int) {}), kStepNormal);
    for (int j = 0; j < kBallCapacity; ++j) {
        double gx, gy, cx, cy, scale;
        LiteralMutual(*s, j, gx, gy, cx, cy, scale);
        EXPECT_NEAR(s->balls[j].Fx, gx + cx, 1e-12 * scale);
        EXPECT_NEAR(s->balls[j].Fy, gy + cy, 1e-12 * scale);
    }
}

TEST(RunControl, StartPreparesCordsAndStopReturnsBallsToTheirInitialState) {
    auto s = NewScene();
    AddBall(*s, 3, 4, 1, 1, 2);
    AddBall(*s, 0, 0, 0, 0, 5);
    s->hangingCords[0] = {0, 0, 1, 200000, kModePullOnly, 0};
    s->linkCords[0] = {0, 1, 1, 200000, kModePullOnly};
    s->settings.GravityOn = 1;
    StartRun(*s);
    EXPECT_EQ(s->Running, 1);
    EXPECT_EQ(s->presence.hangingCord, 1);
    EXPECT_EQ(s->presence.linkCord, 1);
    EXPECT_NEAR(s->hangingCords[0].L, 5, 1e-12);
    EXPECT_NEAR(s->hangingCords[0].K, 100000 * 2 / 5.0, 1e-9);
    EXPECT_NEAR(s->linkCords[0].K, 100000 * 2 / 5.0, 1e-9) << "the lighter ball decides";
    RunSubSteps(*s, 50, [](int) {});
    EXPECT_NE(s->balls[0].x, 3);
    StopRun(*s);
    EXPECT_EQ(s->Running, 0);
    EXPECT_EQ(s->balls[0].x, 3);
    EXPECT_EQ(s->balls[0].vy, 1);
    EXPECT_EQ(s->balls[0].mass, 2);
    EXPECT_EQ(s->balls[0].screenX, s->view.ballColumn(3));
}

}  // namespace
}  // namespace mb
