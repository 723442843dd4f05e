// A run's tick spread over timer events when it would take too long for one.
// However many sub-steps a tick asks for, the program hands control back to
// the event loop about every 15 ms, so Stop, pause, the menus and closing the
// window keep answering; the tick goes on at the next timer event, and what it
// draws (at its last sub-step) is the same.
#pragma once

#include <QElapsedTimer>

#include "engine/engine.h"

namespace mb {

class TickSlicer {
public:
    // Longest stretch of stepping before the event loop gets a turn.
    static constexpr qint64 kSliceNanoseconds = 15'000'000;

    // Goes on with the tick under way, or begins the next, until it is complete
    // or the slice is used up. Returns as StepScene does.
    int step(Scene& scene, TickDisplay* display);
    // The last step finished its tick (or abandoned it).
    bool tickComplete() const { return progress_.tickComplete(); }

private:
    TickProgress progress_;
    // Sub-steps between looks at the clock, tuned to take about a millisecond.
    long long chunk_ = 1024;
};

}  // namespace mb
