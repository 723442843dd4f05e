#include "engine/tick_slicer.h"

#include <algorithm>
#include <chrono>

namespace mb {

template <class Part>
int TickSlicer::slice(Part&& part, int goesOn, long long budget) {
    using Clock = std::chrono::steady_clock;
    constexpr long long kChunkAim = 1'000'000;  // ns
    const auto start = Clock::now();
    for (;;) {
        const long long n = budget < 0 ? chunk_ : std::min(chunk_, budget);
        const auto before = Clock::now();
        const int result = part(n);
        if (result != goesOn || progress_.tickComplete()) return result;
        if (budget > 0 && (budget -= n) == 0) return result;
        const auto now = Clock::now();
        const long long took = std::chrono::duration_cast<std::chrono::nanoseconds>(now - before).count();
        // A chunk much quicker than aimed for grows, a slower one shrinks.
        if (took < kChunkAim / 2)
            chunk_ = std::min<long long>(chunk_ * 2, 1LL << 40);
        else if (took > 2 * kChunkAim)
            chunk_ = std::max<long long>(chunk_ / 2, 1);
        if (std::chrono::duration_cast<std::chrono::nanoseconds>(now - start).count() >= kSliceNanoseconds)
            return result;
    }
}

int TickSlicer::step(Scene& scene, TickDisplay* display, long long budget) {
    return slice([&](long long n) { return StepScenePart(scene, display, progress_, n); }, kStepNormal, budget);
}

int TickSlicer::stepCurve(Scene& scene, std::vector<CurveSegment>& out) {
    return slice([&](long long n) { return CurveTickPart(scene, out, progress_, n); }, kCurveGoesOn, -1);
}

}  // namespace mb
