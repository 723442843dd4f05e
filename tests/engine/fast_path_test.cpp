// The fast stepping loop against the plain transcription of the laws, its two
// vector builds against each other, a fixed scene's state after many ticks, and
// ticks done in parts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/engine_scenes.h"
#include "cli/example_scenes.h"
#include "engine/curve.h"
#include "engine/step_context.h"
#include "engine/literal_physics.h"

namespace mb {
namespace {

struct NamedScene {
    std::string name;
    std::unique_ptr<Scene> scene;
};

// The examples and the benchmark scenes, under the classic step (the one the
// transcription spells out) whatever step they choose.
std::vector<NamedScene> AllScenes() {
    std::vector<NamedScene> all;
    for (ExampleScene& e : BuildExampleScenes()) all.push_back({e.file, std::move(e.scene)});
    all.push_back({"bench mutual", bench::MutualScene()});
    all.push_back({"bench largest", bench::LargestScene()});
    all.push_back({"bench one ball", bench::SingleBallScene()});
    all.push_back({"bench hanging row", bench::HangingRowScene()});
    for (NamedScene& n : all) n.scene->settings.AccurateStep = 0;
    return all;
}

// Agreement of every ball's position and velocity to `rel` of the quantity plus
// the scene's scale of it: the largest position (or velocity) of any ball, with
// what one sub-step's motion (or acceleration) adds to it.
void ExpectAgree(const Scene& fast, const Scene& ref, double rel, const std::string& where) {
    const int n = ref.balls.count();
    ASSERT_EQ(fast.balls.count(), n) << where;
    const double T = ref.settings.StepTime;
    double vScale = 0, xScale = 0;
    for (int j = 0; j < n; ++j) {
        const Ball& b = ref.balls[j];
        vScale = std::max({vScale, std::fabs(b.vx), std::fabs(b.vy), (std::fabs(b.ax) + std::fabs(b.ay)) * T});
        xScale = std::max({xScale, std::fabs(b.x), std::fabs(b.y)});
    }
    xScale += vScale * T;
    for (int j = 0; j < n; ++j) {
        const Ball& a = fast.balls[j];
        const Ball& b = ref.balls[j];
        EXPECT_NEAR(a.x, b.x, rel * (std::fabs(b.x) + xScale)) << where << " ball " << j;
        EXPECT_NEAR(a.y, b.y, rel * (std::fabs(b.y) + xScale)) << where << " ball " << j;
        EXPECT_NEAR(a.vx, b.vx, rel * (std::fabs(b.vx) + vScale)) << where << " ball " << j;
        EXPECT_NEAR(a.vy, b.vy, rel * (std::fabs(b.vy) + vScale)) << where << " ball " << j;
        EXPECT_NEAR(a.mass, b.mass, rel * b.mass) << where << " ball " << j;
    }
}

TEST(FastPath, EverySubStepAgreesWithTheLiteralLaws) {
    for (NamedScene& named : AllScenes()) {
        Scene& fast = *named.scene;
        StartRun(fast);
        fast.settings.StepsPerTick = 1;
        auto ref = std::make_unique<Scene>();
        for (int step = 0; step < 300; ++step) {
            *ref = fast;
            const int a = StepScene(fast, nullptr), b = literal::StepScene(*ref);
            ASSERT_EQ(a, b) << named.name << " sub-step " << step;
            if (a != kStepNormal) break;
            ExpectAgree(fast, *ref, 1e-12, named.name + " sub-step " + std::to_string(step));
            if (HasFailure()) return;
        }
    }
}

// The examples whose motion does not hang on a contact decided by a hair: tracks
// and bumps are left out, where rounding may shift a reflection by a sub-step.
TEST(FastPath, HundredTicksOfTheSmoothExamplesAgreeWithTheLiteralLaws) {
    int checked = 0;
    for (NamedScene& named : AllScenes()) {
        Scene& fast = *named.scene;
        if (fast.settings.BumpOn || fast.straightTracks[0].inUse() || fast.circularTracks[0].inUse()) continue;
        StartRun(fast);
        auto ref = std::make_unique<Scene>(fast);
        for (int tick = 0; tick < 100; ++tick) {
            const int a = StepScene(fast, nullptr), b = literal::StepScene(*ref);
            ASSERT_EQ(a, b) << named.name << " tick " << tick;
        }
        ExpectAgree(fast, *ref, 1e-9, named.name + " after 100 ticks");
        ++checked;
    }
    EXPECT_GE(checked, 8);
}

std::uint64_t StateHash(const Scene& s) {
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a over the bits of the state
    auto mix = [&](double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            h ^= (bits >> (8 * i)) & 0xff;
            h *= 1099511628211ull;
        }
    };
    for (int j = 0; j < s.balls.count(); ++j) {
        const Ball& b = s.balls[j];
        for (double v : {b.x, b.y, b.vx, b.vy, b.ax, b.ay, b.mass}) mix(v);
    }
    mix(s.RunTime);
    return h;
}

// Every force law at work but none that asks the mathematics library for an
// angle, so the state is the same wherever the program is built.
std::unique_ptr<Scene> HashScene() {
    auto s = std::make_unique<Scene>();
    s->view = ViewScale{600, 450, 0.05};
    for (int i = 0; i < 12; ++i)
        AddBall(*s, {(i % 4) * 4.0 - 6, (i / 4) * 4.0 - 4, 0.3 * (i % 3), -0.2 * (i % 5), 1 + 0.25 * i, 0.3,
                     (1 + i % 3) * 2e-6});
    ExperimentSettings& set = s->settings;
    set.GravityOn = set.MutualGravitationOn = set.MutualCoulombOn = set.RelativityOn = 1;
    s->dampingFields[0] = {-10, -10, 0, 10, 0.05, 1, 0};
    s->dampingFields[1] = {-2, -10, 10, 10, 0.02, 1, 1};
    s->gravityMasses[0] = {0, 40, 1e12};
    s->gravityMasses[1] = {-30, -10, 5e11};
    s->pointCharges[0] = {20, 0, 1e-4};
    s->electricFields[0] = {-20, -20, 20, 0, 0, 500};
    s->magneticFields[0] = {-20, 0, 20, 20, 1, 0.5};
    s->hangingSprings[0] = {0, 20, 5, 30, kModeBoth, 0};
    s->linkSprings[0] = {1, 2, 4, 20, kModeBoth};
    s->hangingCords[0] = {-6, 10, 1, 1, kModePullOnly, 3};
    s->linkCords[0] = {4, 5, 1, 1, kModePullOnly};
    s->hangingPoles[0] = {6, 10, 1, 1, kModeBoth, 6};
    s->linkPoles[0] = {7, 8, 1, 1, kModeBoth};
    s->settings.StepsPerTick = 50;
    s->settings.StepTime = 2e-4;
    return s;
}

TEST(FastPath, FixedSceneReachesTheSameStateAfterManyTicksWithEitherVectorBuild) {
    // Each changes only when its step's physics or order of operations changes on purpose.
    const std::uint64_t expected[2] = {0xe4a9b7e207e4298eull, 0xf6c820e3378e8c64ull};
    for (std::uint8_t accurate : {0, 1}) {
        std::uint64_t hashes[2] = {};
        for (int build = 0; build < 2; ++build) {
            detail::AllowWideVectors(build == 0);
            auto s = HashScene();
            s->settings.AccurateStep = accurate;
            StartRun(*s);
            for (int tick = 0; tick < 400; ++tick) ASSERT_EQ(StepScene(*s, nullptr), kStepNormal) << tick;
            hashes[build] = StateHash(*s);
        }
        detail::AllowWideVectors(true);
        EXPECT_EQ(hashes[0], hashes[1]) << int(accurate);
        EXPECT_EQ(hashes[1], expected[accurate]) << std::hex << hashes[1];
    }
}

TEST(FastPath, BothVectorBuildsGiveTheSameBitsOnTheBenchmarkScenes) {
    if (!detail::UsingWideVectors()) GTEST_SKIP() << "this processor has no AVX2";
    for (auto make : {bench::MutualScene, bench::LargestScene, bench::HangingRowScene})
        for (std::uint8_t accurate : {0, 1}) {
            std::uint64_t hashes[2];
            for (int build = 0; build < 2; ++build) {
                detail::AllowWideVectors(build == 0);
                auto s = make();
                s->settings.AccurateStep = accurate;
                StartRun(*s);
                for (int tick = 0; tick < 30; ++tick) StepScene(*s, nullptr);
                hashes[build] = StateHash(*s);
            }
            detail::AllowWideVectors(true);
            EXPECT_EQ(hashes[0], hashes[1]);
        }
}

// Records the display calls with the sub-step they came in.
class CountingDisplay : public TickDisplay {
public:
    void drawTimeBox(const Scene& s) override { events.push_back("box " + std::to_string(s.RunTime)); }
    void moveBall(Scene& s, int j, int sx, int sy) override {
        events.push_back("ball " + std::to_string(j) + " " + std::to_string(sx) + "," + std::to_string(sy) + " at " +
                         std::to_string(s.RunTime));
    }
    std::vector<std::string> events;
};

TEST(TickParts, ATickInPartsEqualsTheWholeTickAndDrawsOnceAtItsEnd) {
    for (std::uint8_t accurate : {0, 1})
        for (long long budget : {1LL, 7LL, 1000LL}) {
            auto whole = HashScene();
            whole->settings.AccurateStep = accurate;
            whole->settings.StepsPerTick = 23;
            StartRun(*whole);
            auto parts = std::make_unique<Scene>(*whole);
            CountingDisplay wholeDisplay, partDisplay;
            TickProgress progress;
            for (int tick = 0; tick < 5; ++tick) {
                ASSERT_EQ(StepScene(*whole, &wholeDisplay), kStepNormal);
                int calls = 0;
                do {
                    ASSERT_EQ(StepScenePart(*parts, &partDisplay, progress, budget), kStepNormal);
                    ++calls;
                } while (!progress.tickComplete());
                EXPECT_EQ(calls, (23 + budget - 1) / budget);
            }
            EXPECT_EQ(StateHash(*whole), StateHash(*parts)) << budget;
            EXPECT_EQ(wholeDisplay.events, partDisplay.events) << budget;
        }
}

TEST(TickParts, ARunStartOrANewStepsPerTickBeginsANewTick) {
    auto s = HashScene();
    s->settings.StepsPerTick = 10;
    StartRun(*s);
    TickProgress progress;
    CountingDisplay display;
    StepScenePart(*s, &display, progress, 4);
    EXPECT_FALSE(progress.tickComplete());
    EXPECT_TRUE(progress.resumes(*s));
    StartRun(*s);  // RunTime back to 0: the half-done tick is dropped
    EXPECT_FALSE(progress.resumes(*s));
    StepScenePart(*s, &display, progress, 4);
    EXPECT_EQ(progress.subStep, 4);
    s->settings.StepsPerTick = 12;
    EXPECT_FALSE(progress.resumes(*s));
    EXPECT_EQ(std::count_if(display.events.begin(), display.events.end(),
                            [](const std::string& e) { return e.rfind("box", 0) == 0; }),
              2);
}

TEST(TickParts, AnOverflowInAPartEndsTheTick) {
    auto s = std::make_unique<Scene>();
    s->view = ViewScale{600, 450, 1.0};
    AddBall(*s, {35000, 0, 1e6, 0});
    s->settings.StepsPerTick = 1000;
    StartRun(*s);
    TickProgress progress;
    int result = kStepNormal;
    for (int part = 0; part < 100 && result == kStepNormal; ++part) result = StepScenePart(*s, nullptr, progress, 3);
    EXPECT_EQ(result, kStepOverflow);
    EXPECT_TRUE(progress.tickComplete());
}

TEST(TickParts, ACurveTickInPartsGivesTheSameSegments) {
    for (std::uint8_t accurate : {0, 1})
        for (long long budget : {1LL, 5LL}) {
            auto whole = HashScene();
            whole->settings.AccurateStep = accurate;
            whole->settings.StepsPerTick = 12;
            whole->curve.endTime = 0.05;
            for (int j = 0; j < whole->balls.count(); ++j) whole->balls[j].curveFlag = 1;
            whole->curve.verticalVariable = kQuantityY;
            ResetForCurve(*whole);
            auto parts = std::make_unique<Scene>(*whole);
            std::vector<CurveSegment> a, b;
            int ra = kCurveGoesOn, rb = kCurveGoesOn;
            while (ra == kCurveGoesOn) ra = CurveTick(*whole, a);
            TickProgress progress;
            while (rb == kCurveGoesOn) rb = CurveTickPart(*parts, b, progress, budget);
            ASSERT_EQ(a.size(), b.size());
            EXPECT_FALSE(a.empty());
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_EQ(a[i].hAfter, b[i].hAfter);
                EXPECT_EQ(a[i].vAfter, b[i].vAfter);
            }
            EXPECT_EQ(StateHash(*whole), StateHash(*parts));
        }
}

}  // namespace
}  // namespace mb
