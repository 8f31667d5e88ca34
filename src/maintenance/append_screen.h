// The append screen (key F5): the songs of another list file are added to
// the end of the list, the user deciding about each look-alike.
#pragma once

namespace hv {

struct App;

// Asks for the file, appends its songs and shows the totals.
void appendFromFile(App& app);

}  // namespace hv
