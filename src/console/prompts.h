// The small pieces of interaction that many screens share: the message box,
// the offer to view a page, and opening a page in the browser.
#pragma once

#include <string>

#include "console/terminal/line_input.h"
#include "console/terminal/screen.h"

namespace hv {

struct App;

// Field sizes, as the characters they can hold.
constexpr size_t kMessageTextMax = 299;
constexpr size_t kSongFieldMax = 79;

void showMessage(App& app);
// Puts the text in the message field and shows the message box.
void showMessage(App& app, const std::string& text);
void offerView(App& app);
void openInBrowser(App& app, const std::string& fileName);
void showInputTooLong(App& app);

}  // namespace hv
