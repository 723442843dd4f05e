// The diagnostic "motionbench --measure-run FILE [--seconds S]": how many ticks
// a second a project's run reaches on the real timer and event loop, against
// the pace of the same timer driving an empty scene. With --live-graph the live
// graph is open with six series during the project's run, as a user would have it;
// with --overlay the arrows and names are painted over the surface.
#pragma once

#include <QString>

namespace mb {

// Runs the project for `seconds` in a shown main window at the fastest pace,
// then an empty scene with the same settings, and prints both rates and their
// ratio on standard output. Returns the process exit status: 0, or 1 when the
// project cannot be opened.
struct MeasureOptions {
    double seconds = 5.0;
    bool liveGraph = false;  // the live graph open with six series
    bool overlay = false;    // velocity and acceleration arrows and names on the surface
};
int MeasureRun(const QString& file, const MeasureOptions& options);

}  // namespace mb
