// The small pieces of interaction that many screens share: the message box,
// the offer to view a page, and opening a page in the browser.
#pragma once

#include <functional>
#include <optional>
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

// Asks for a file at row 8 of a window whose frame stands at `frameRight`
// until `tryName` takes the answer or the answer with ".txt"; a refused one
// gets "File %s nor %s.txt present... " under it. An empty answer stands for
// `emptyAnswer`, or gives nothing when that is empty; Escape gives nothing.
std::optional<std::string> askForFile(App& app, const char* question, int frameRight,
                                      const std::string& emptyAnswer,
                                      const std::function<bool(const std::string&)>& tryName);

}  // namespace hv
