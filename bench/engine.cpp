// Time per tick of the stepping loop (StepsPerTick = 100) for four scenes, under
// the classic and under the accurate step.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench/engine_scenes.h"
#include "engine/engine.h"

namespace {

using mb::Scene;

void RunTicks(benchmark::State& state, std::unique_ptr<Scene> (*make)(), int accurate) {
    std::unique_ptr<Scene> scene = make();
    scene->settings.AccurateStep = static_cast<std::uint8_t>(accurate);
    mb::StartRun(*scene);
    auto initial = std::make_unique<Scene>(*scene);
    int ticks = 0;
    for (auto _ : state) {
        if (mb::StepScene(*scene, nullptr) != mb::kStepNormal || ++ticks == 2000) {
            state.PauseTiming();
            *scene = *initial;  // start over before the balls fly apart
            ticks = 0;
            state.ResumeTiming();
        }
    }
    state.SetLabel("per tick of 100 sub-steps");
}

using mb::bench::HangingRowScene;
using mb::bench::LargestScene;
using mb::bench::MutualScene;
using mb::bench::SingleBallScene;

BENCHMARK_CAPTURE(RunTicks, MutualForces30_classic, MutualScene, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, MutualForces30_accurate, MutualScene, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, HangingRow30_classic, HangingRowScene, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, HangingRow30_accurate, HangingRowScene, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, LargestScene_classic, LargestScene, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, LargestScene_accurate, LargestScene, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, OneBallGravity_classic, SingleBallScene, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunTicks, OneBallGravity_accurate, SingleBallScene, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
