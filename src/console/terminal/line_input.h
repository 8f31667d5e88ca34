// Typed answers read at the cursor: a line with Backspace editing, or one
// key out of a given set.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "console/terminal/screen.h"

namespace hv {

// Reads a typed line at the cursor, echoed in the current attribute, with
// Backspace editing; Enter ends it. At most maxChars characters are accepted
// (the receiving field's size); further characters are ignored. A character
// that Windows-1252 cannot hold is refused with a short notice.
std::string readLine(Screen& s, size_t maxChars);
void readLine(Screen& s, std::string& field, size_t maxChars);

// A typed line in a field of the screen that is narrower than what it may
// hold: the echo never runs past `width` cells (the field is cleared to that
// width first, and a longer answer shows its last characters).
struct LineField {
    size_t maxChars = 0;
    int width = 0;
    // Escape leaves the prompt instead of being ignored.
    bool escapeLeaves = false;
};
// Nothing when Escape left.
std::optional<std::string> readField(Screen& s, const LineField& field);

// Reads characters until one of `keys` (compared in upper case). A keyboard
// that cannot be read any more gives `onFailure`, the answer that changes
// nothing.
char readChoice(Screen& s, std::string_view keys, char onFailure);

}  // namespace hv
