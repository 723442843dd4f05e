// The diagnostic "motionbench --measure-run FILE [--seconds S]": how many ticks
// a second a project's run reaches on the real timer and event loop, against
// the pace of the same timer driving an empty scene.
#pragma once

#include <QString>

namespace mb {

// Runs the project for `seconds` in a shown main window at the fastest pace,
// then an empty scene with the same settings, and prints both rates and their
// ratio on standard output. Returns the process exit status: 0, or 1 when the
// project cannot be opened.
int MeasureRun(const QString& file, double seconds);

}  // namespace mb
