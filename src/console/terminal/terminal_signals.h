// Signals while the real terminal is in full-screen mode. The ending signals
// (SIGTERM, SIGHUP, SIGINT) only note themselves, for the backend's next wait
// for input; every other signal that ends the program, a crash among them,
// first gives the terminal back. Handlers never call the terminal library.
#pragma once

#include <termios.h>

#include <string_view>

namespace hv {

// Before the terminal library installs its own handlers: what the caller set
// for the ending signals (one the caller ignored, as nohup does, stays so).
void rememberCallerSignals();

// From now on a signal gives the terminal back by writing leaveSequence (the
// escape sequences that leave full-screen mode) and the tty settings.
void installSignalHandlers(const termios& shellMode, std::string_view leaveSequence);

// Puts back the actions found before; a signal no longer touches the terminal.
void removeSignalHandlers();

// The first ending signal since the handlers were installed; 0 if none.
int pendingEndingSignal();

}  // namespace hv
