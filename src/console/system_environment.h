// The real outside world: starting the browser and running a command.
#pragma once

#include "app.h"

namespace hv {

// Starts program with one argument, without a shell and without waiting;
// its output is discarded and it is not left behind as a zombie.
void startDetached(const std::string& program, const std::string& argument);
// Runs a command line through /bin/sh and waits for it; its output is
// discarded so nothing spills onto the screen.
void runQuietCommand(const std::string& command);

Environment systemEnvironment();

}  // namespace hv
