// The quick vote overview (F12): the list in vote order, twenty songs at a
// time, with a key that sets every vote back to 0.
#pragma once

namespace hv {

struct App;

void showVoteOverview(App& app);

}  // namespace hv
