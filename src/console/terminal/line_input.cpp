#include "console/terminal/line_input.h"

#include <algorithm>

namespace hv {

namespace {

// Said for a second over whatever is on the screen; the line being typed and
// the cursor stay as they were.
void showNotTypable(Screen& s) {
    const int row = s.cursorRow, col = s.cursorCol, attribute = s.attribute;
    SavedRegion saved = openDialog(s, kDialogBox);
    setAttribute(s, kAttrNormal);
    putTextAt(s, 10, 24, "Character not in Windows-1252... ");
    pauseScreen(s, 1000);
    closeDialog(s, saved);
    setAttribute(s, attribute);
    moveCursor(s, row, col);
}

}  // namespace

std::string readLine(Screen& s, size_t maxChars) {
    std::string field;
    readLine(s, field, maxChars);
    return field;
}

void readLine(Screen& s, std::string& field, size_t maxChars) {
    field.clear();
    syncCursor(s);
    // The echo must fit on the screen: a line typed at the bottom row would
    // otherwise keep overwriting the last cell while more is stored.
    const size_t room =
        static_cast<size_t>((kScreenRows - s.cursorRow) * kScreenCols - s.cursorCol - 1);
    const size_t limit = std::min(maxChars, room);
    for (;;) {
        InputEvent e = nextInput(s);
        // A failed read is not an answer: half-typed text must not be taken
        // as one. The backend ends the program when input stays unreadable.
        if (e.failed) continue;
        if (e.notTypable) {
            showNotTypable(s);
            continue;
        }
        if (e.ch == kKeyEnter || e.ch == '\n') return;
        if (e.ch == kKeyBackspace || e.ch == 127) {
            if (field.empty()) continue;
            field.pop_back();
            if (s.cursorCol > 0) {
                s.cursorCol--;
            } else if (s.cursorRow > 0) {
                s.cursorRow--;
                s.cursorCol = kScreenCols - 1;
            }
            int row = s.cursorRow, col = s.cursorCol;
            putText(s, " ");
            s.cursorRow = row;
            s.cursorCol = col;
            continue;
        }
        if (e.ch < 32 || e.ch == 127) continue;
        if (field.size() >= limit) continue;
        field.push_back(static_cast<char>(e.ch));
        putText(s, std::string(1, static_cast<char>(e.ch)));
        syncCursor(s);
    }
}

std::optional<std::string> readField(Screen& s, const LineField& field) {
    syncCursor(s);
    const int row = s.cursorRow, col = s.cursorCol;
    const int width = std::max(1, std::min(field.width, kScreenCols - col));
    std::string text;
    auto show = [&] {
        // The last width - 1 characters, so the cursor stays inside the field.
        size_t shown = std::min(text.size(), static_cast<size_t>(width - 1));
        std::string cells = text.substr(text.size() - shown);
        cells.resize(static_cast<size_t>(width), ' ');
        putTextAt(s, row, col, cells);
        moveCursor(s, row, col + static_cast<int>(shown));
    };
    show();
    for (;;) {
        InputEvent e = nextInput(s);
        if (e.failed) continue;
        if (e.notTypable) {
            showNotTypable(s);
            continue;
        }
        if (e.ch == kKeyEnter || e.ch == '\n') return text;
        if (e.ch == kKeyEscape && field.escapeLeaves) return std::nullopt;
        if (e.ch == kKeyBackspace || e.ch == 127) {
            if (!text.empty()) text.pop_back();
        } else if (e.ch >= 32 && e.ch < 256 && e.ch != 127 && text.size() < field.maxChars) {
            text.push_back(static_cast<char>(e.ch));
        } else {
            continue;
        }
        show();
    }
}

char readChoice(Screen& s, std::string_view keys, char onFailure) {
    for (;;) {
        int c = readChar(s);
        if (c < 0) return onFailure;
        char key = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
        if (keys.find(key) != std::string_view::npos) return key;
    }
}

}  // namespace hv
