// The e-mail vote import (F11): the mailbox counted into a new list ranked
// by votes, with the sender list, the totals and the proposals written.
#pragma once

#include <functional>
#include <string_view>

namespace hv {

struct App;
struct Screen;

// The first prompt of the vote screens: draws the screen, then reads
// (G)o, (Q)uit or (C)hange; C runs the configuration screen and draws
// again on a cleared large window. True for G.
bool askGoQuitChange(App& app, const std::function<void()>& draw);

// A text in the large window, cut before its right frame: a long file name
// from the settings must not run over the frame or into the next row.
void putWindowText(Screen& s, int row, int col, std::string_view text);

void importEmailVotes(App& app);

}  // namespace hv
