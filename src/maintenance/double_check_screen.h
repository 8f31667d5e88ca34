// The double check screen (key J): the whole list is searched for songs that
// occur twice, the user deciding about each look-alike pair.
#pragma once

namespace hv {

struct App;

// Runs the check, shows the totals and leaves the main list at its top.
void checkForDoubles(App& app);

}  // namespace hv
