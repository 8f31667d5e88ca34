// The find and replace screen (key R): a piece of text is changed in the
// artists, or failing that the titles, of the whole list.
#pragma once

namespace hv {

struct App;

// Shows the texts and switches and runs the replacement until Q.
void findAndReplace(App& app);

}  // namespace hv
