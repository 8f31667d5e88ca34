// The real outside world: the working folder, the browser, starting it and
// running a command.
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

// The current folder with a trailing "/".
std::string currentFolder();
// Sets the working folder (the current folder with a trailing "/") and the
// browser program.
void findBrowser(App& app);
// $BROWSER when set and not empty (the first of a colon-separated list), else
// xdg-open when it is on the PATH, else empty. The arguments are the two
// variables' values (null when unset).
std::string chooseBrowser(const char* browserVariable, const char* pathVariable);

}  // namespace hv
