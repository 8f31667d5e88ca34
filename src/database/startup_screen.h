// Start-up: from the program's entry to the main loop.
#pragma once

#include <string>
#include <vector>

namespace hv {

struct App;

// Runs the whole program on an opened-or-not screen and returns the exit
// status. The screen's backend and the environment must be set; the console
// is closed on every way out.
int runProgram(App& app, const std::vector<std::string>& args);

}  // namespace hv
