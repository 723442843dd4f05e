#include "app/tick_slicer.h"

#include <algorithm>

namespace mb {

int TickSlicer::step(Scene& scene, TickDisplay* display) {
    constexpr qint64 kChunkAim = 1'000'000;  // ns
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qint64 before = clock.nsecsElapsed();
        const int result = StepScenePart(scene, display, progress_, chunk_);
        if (result != kStepNormal || progress_.tickComplete()) return result;
        const qint64 now = clock.nsecsElapsed(), took = now - before;
        // A chunk much quicker than aimed for grows, a slower one shrinks.
        if (took < kChunkAim / 2)
            chunk_ = std::min<long long>(chunk_ * 2, 1LL << 40);
        else if (took > 2 * kChunkAim)
            chunk_ = std::max<long long>(chunk_ / 2, 1);
        if (now >= kSliceNanoseconds) return result;
    }
}

}  // namespace mb
