// Time per tick of the stepping loop (StepsPerTick = 100) for three scenes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench/engine_scenes.h"
#include "engine/engine.h"

namespace {

using mb::Scene;
using mb::bench::LargestScene;
using mb::bench::MutualScene;
using mb::bench::SingleBallScene;

void RunTicks(benchmark::State& state, std::unique_ptr<Scene> scene) {
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

void BM_MutualForces30(benchmark::State& state) { RunTicks(state, MutualScene()); }
void BM_LargestScene(benchmark::State& state) { RunTicks(state, LargestScene()); }
void BM_OneBallGravity(benchmark::State& state) { RunTicks(state, SingleBallScene()); }

BENCHMARK(BM_MutualForces30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestScene)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneBallGravity)->Unit(benchmark::kMicrosecond);

}  // namespace
