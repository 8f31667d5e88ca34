// The commands behind the main list's keys.
#pragma once

namespace hv {

struct App;

// Runs the command of a key of the main list. False when the key has no
// command (the list then simply redraws).
bool runCommandKey(App& app, int key);

}  // namespace hv
