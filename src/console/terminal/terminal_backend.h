// The real terminal behind the console screen (ncursesw). The only part of
// the program that knows about the terminal library.
#pragma once

#include <memory>

#include "console/terminal/screen.h"

namespace hv {

// A backend on the process's standard input and output. open() fails with
// ConsoleFailure when they are not a terminal, or the terminal type is unknown
// or cannot place the cursor. While it is open, SIGTERM, SIGHUP and SIGINT make
// the next wait for input throw TerminalEnding (the program then ends with
// status 128 + the signal number), and every other signal that ends the
// program gives the terminal back first.
std::unique_ptr<ScreenBackend> makeTerminalBackend();

}  // namespace hv
