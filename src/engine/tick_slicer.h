// A tick spread over timer events when it would take too long for one. However
// many sub-steps a tick asks for, the caller gets control back about every 15 ms,
// so Stop, pause, the menus and closing the window keep answering; the tick goes
// on at the next timer event, and what it draws (at its last sub-step) is the same.
// Runs and curve computations each keep one.
#pragma once

#include <vector>

#include "engine/curve.h"
#include "engine/engine.h"

namespace mb {

class TickSlicer {
public:
    // Longest stretch of stepping before the event loop gets a turn.
    static constexpr long long kSliceNanoseconds = 15'000'000;

    // Goes on with the run's tick under way, or begins the next, until it is
    // complete, the slice is used up or `budget` sub-steps are taken (any number
    // when negative). Returns as StepScene does.
    int step(Scene& scene, TickDisplay* display, long long budget = -1);
    // The same for a curve computation; returns as CurveTick does.
    int stepCurve(Scene& scene, std::vector<CurveSegment>& out);
    // The last call finished its tick (or abandoned it).
    bool tickComplete() const { return progress_.tickComplete(); }
    // How far the tick under way is.
    const TickProgress& progress() const { return progress_; }
    // Drops a tick under way: a run or a curve that stops, starts or restarts
    // begins its next tick afresh, and the pace is asked for it.
    void reset() { progress_ = TickProgress{}; }

private:
    template <class Part>
    int slice(Part&& part, int goesOn, long long budget);

    TickProgress progress_;
    // Sub-steps between looks at the clock, tuned to take about a millisecond.
    long long chunk_ = 1024;
};

}  // namespace mb
