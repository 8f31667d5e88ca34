// The small pieces of interaction that many screens share: line input, the
// message box, the offer to view a page, and finding the browser.
#pragma once

#include <string>
#include <string_view>

#include "console/screen.h"

namespace hv {

struct App;

// Reads a typed line at the cursor, echoed in the current attribute, with
// Backspace editing; Enter ends it. At most maxChars characters are accepted
// (the receiving field's size); further characters are ignored.
std::string readLine(Screen& s, size_t maxChars);
void readLine(Screen& s, std::string& field, size_t maxChars);

// Field sizes, as the characters they can hold.
constexpr size_t kMessageTextMax = 299;
constexpr size_t kSongFieldMax = 79;

// Reads characters until one of `keys` (compared in upper case). A keyboard
// that cannot be read any more gives `onFailure`, the answer that changes
// nothing.
char readChoice(Screen& s, std::string_view keys, char onFailure);

void showMessage(App& app);
void offerView(App& app);
void openInBrowser(App& app, const std::string& fileName);
void showInputTooLong(App& app);

// Sets the working folder (the current folder with a trailing "/") and the
// browser program.
void findBrowser(App& app);
// $BROWSER when set and not empty (the first of a colon-separated list), else xdg-open when it is
// on the PATH, else empty. The arguments are the two variables' values (null when unset).
std::string chooseBrowser(const char* browserVariable, const char* pathVariable);

}  // namespace hv
