// The headless runner: runs, plots, re-saves and summarises experiments without
// a screen, for checking physics, batch work and exporting trajectories.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace mb {

// Exit statuses of the runner.
enum SimExit : int { kSimOk = 0, kSimFailed = 1, kSimOverflow = 2 };

// The overflow message of a run, word for word as the program shows it.
inline constexpr const char* kOverflowMessage =
    "Found one of the moving object has overflow the area can be controled,and it will result in error.Please "
    "reduce the step time,and try the experiment again.";

// Runs one command line (without the program name); writes results to `out`
// and complaints to `err`; returns the exit status.
int RunSimCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace mb
