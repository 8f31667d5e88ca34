// The closing figures the append and the double check share.
#pragma once

#include <string>

namespace hv {

struct App;

// Clears the window's rows 5 to 20, shows the run's two counts under their
// labels, the songs and bands the list holds now and, when given, a note;
// then waits for a key.
void showRunTotals(App& app, const char* firstLabel, int first, const char* secondLabel, int second,
                   const std::string& note = "");

}  // namespace hv
