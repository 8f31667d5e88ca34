// A screen that shows the key code waitKey delivers for each key pressed, to
// check a terminal's keyboard set-up (started with "hitvault --keys").
#pragma once

#include <string>

#include "console/terminal/screen.h"

namespace hv {

// The name of a key code, e.g. "F1", "Page Down", "A"; empty when unnamed.
std::string keyName(int vk);

// Opens the screen, shows each key press until Q, closes the screen and
// returns the exit status 0.
int runKeyDiagnostic(Screen& s);

}  // namespace hv
