#include "console/terminal/screen.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace hv {

namespace {

// Corner and side characters of the five frame styles, in the order top-left,
// top-right, bottom-left, bottom-right, vertical, horizontal (code page 437).
constexpr unsigned char kFrameStyles[5][6] = {
    {201, 187, 200, 188, 186, 205}, {218, 191, 192, 217, 179, 196}, {219, 219, 219, 219, 219, 219},
    {213, 184, 212, 190, 179, 205}, {214, 183, 211, 189, 186, 196},
};

bool inside(int row, int col) {
    return row >= 0 && row < kScreenRows && col >= 0 && col < kScreenCols;
}

void requireOpen(const Screen& s, const char* operation) {
    if (!s.opened || !s.backend)
        throw ConsoleFailure(std::string(operation) + ": console not open");
}

void putByte(Screen& s, unsigned char c) {
    if (c == '\n') {
        s.cursorRow++;
        s.cursorCol = 0;
        return;
    }
    if (c == '\r') {
        s.cursorCol = 0;
        return;
    }
    if (c == '\t') {
        // Counted before writing: the space in the last column moves the
        // cursor to the next row, where the tab stop would never be reached.
        int spaces = std::min((s.cursorCol / 8 + 1) * 8, kScreenCols) - s.cursorCol;
        for (int i = 0; i < spaces; ++i) putByte(s, ' ');
        return;
    }
    // Output below the last row is dropped rather than scrolling the screen:
    // every screen is drawn at fixed positions.
    if (inside(s.cursorRow, s.cursorCol)) {
        s.cells[s.cursorRow][s.cursorCol] = Cell{c, static_cast<unsigned char>(s.attribute), false};
    }
    if (++s.cursorCol >= kScreenCols) {
        s.cursorCol = 0;
        s.cursorRow++;
    }
}

void fillFromCursor(Screen& s, int cells) {
    int row = s.cursorRow, col = s.cursorCol;
    for (int i = 0; i < cells && row < kScreenRows; ++i) {
        if (inside(row, col))
            s.cells[row][col] = Cell{' ', static_cast<unsigned char>(s.attribute), false};
        if (++col >= kScreenCols) {
            col = 0;
            ++row;
        }
    }
}

}  // namespace

void openScreen(Screen& s) {
    if (s.opened) return;
    if (!s.backend) throw ConsoleFailure("openScreen: no console");
    s.backend->open();
    s.opened = true;
}

void closeScreen(Screen& s) {
    if (!s.opened) return;
    s.opened = false;
    s.backend->close();
}

void setAttribute(Screen& s, int attribute) {
    s.attribute = attribute & 0xFF;
}

void moveCursor(Screen& s, int row, int col) {
    if (!inside(row, col)) throw ConsoleFailure("moveCursor: position outside the screen");
    s.cursorRow = row;
    s.cursorCol = col;
}

void syncCursor(Screen& s) {
    if (s.cursorRow >= kScreenRows) {
        s.cursorRow = kScreenRows - 1;
        s.cursorCol = kScreenCols - 1;
    }
}

void eraseToEndOfLine(Screen& s) {
    syncCursor(s);
    fillFromCursor(s, kScreenCols - s.cursorCol);
}

void eraseToEndOfScreen(Screen& s) {
    syncCursor(s);
    fillFromCursor(s, (kScreenCols - s.cursorCol) + (kScreenRows - 1 - s.cursorRow) * kScreenCols);
}

void printText(Screen& s, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[512];
    int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (needed >= 0 && static_cast<size_t>(needed) < sizeof small) {
        putText(s, std::string_view(small, static_cast<size_t>(needed)));
    } else if (needed >= 0) {
        std::string text(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, copy);
        text.resize(static_cast<size_t>(needed));
        putText(s, text);
    }
    va_end(copy);
}

void putText(Screen& s, std::string_view text) {
    for (char c : text) putByte(s, static_cast<unsigned char>(c));
}

void putRowText(Screen& s, std::string_view text) {
    syncCursor(s);
    for (char c : text) {
        if (s.cursorCol >= kScreenCols) break;
        unsigned char byte = static_cast<unsigned char>(c);
        s.cells[s.cursorRow][s.cursorCol++] =
            Cell{byte < 32 ? static_cast<unsigned char>(' ') : byte,
                 static_cast<unsigned char>(s.attribute), false};
    }
    // The cursor stays after the text, as after any output: on the next row
    // once the row is full.
    if (s.cursorCol >= kScreenCols) {
        s.cursorCol = 0;
        s.cursorRow++;
    }
}

void putTextAt(Screen& s, int row, int col, std::string_view text) {
    moveCursor(s, row, col);
    putText(s, text);
}

int readCell(const Screen& s, int row, int col) {
    if (!inside(row, col)) throw ConsoleFailure("readCell: position outside the screen");
    const Cell& c = s.cells[row][col];
    return c.attr * 256 + c.ch;
}

void writeCell(Screen& s, int row, int col, int cell) {
    if (!inside(row, col)) throw ConsoleFailure("writeCell: position outside the screen");
    s.cells[row][col] = Cell{static_cast<unsigned char>(cell & 0xFF),
                             static_cast<unsigned char>((cell >> 8) & 0xFF), false};
}

void saveRegion(const Screen& s, SavedRegion& buffer, int top, int left, int bottom, int right) {
    buffer.top = top;
    buffer.left = left;
    buffer.bottom = bottom;
    buffer.right = right;
    buffer.cells.clear();
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) {
            if (!inside(r, c)) throw ConsoleFailure("saveRegion: rectangle outside the screen");
            buffer.cells.push_back(s.cells[r][c]);
        }
}

void restoreRegion(Screen& s, const SavedRegion& buffer, int top, int left, int bottom, int right) {
    size_t i = 0;
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) {
            if (!inside(r, c)) throw ConsoleFailure("restoreRegion: rectangle outside the screen");
            if (i < buffer.cells.size()) s.cells[r][c] = buffer.cells[i++];
        }
}

void fillRegion(Screen& s, int cell, int top, int left, int bottom, int right) {
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) writeCell(s, r, c, cell);
}

void drawBox(Screen& s, int style, int attribute, int top, int left, int bottom, int right) {
    if (style < 0 || style > 4) style = 0;
    const unsigned char* ch = kFrameStyles[style];
    auto frame = [&](int r, int c, unsigned char code) {
        if (!inside(r, c)) throw ConsoleFailure("drawBox: rectangle outside the screen");
        s.cells[r][c] = Cell{code, static_cast<unsigned char>(attribute), true};
    };
    frame(top, left, ch[0]);
    frame(top, right, ch[1]);
    frame(bottom, left, ch[2]);
    frame(bottom, right, ch[3]);
    for (int c = left + 1; c < right; ++c) {
        frame(top, c, ch[5]);
        frame(bottom, c, ch[5]);
    }
    for (int r = top + 1; r < bottom; ++r) {
        frame(r, left, ch[4]);
        frame(r, right, ch[4]);
    }
}

InputEvent nextInput(Screen& s) {
    requireOpen(s, "nextInput");
    syncCursor(s);
    s.backend->present(s.cells, s.cursorRow, s.cursorCol);
    return s.backend->nextInput();
}

int readChar(Screen& s) {
    for (;;) {
        InputEvent e = nextInput(s);
        if (e.failed) return -1;
        if (e.ch >= 0) return e.ch & 0xFF;
    }
}

bool isKeyPress(const InputEvent& e) {
    return !e.failed && e.vk != 0 && e.vk != kKeyShift && e.vk != kKeyCtrl && e.vk != kKeyAlt;
}

int waitKey(Screen& s) {
    for (;;) {
        InputEvent e = nextInput(s);
        if (e.failed) return kKeyNone;
        if (isKeyPress(e)) return e.vk;
    }
}

void pauseScreen(Screen& s, int milliseconds) {
    requireOpen(s, "pause");
    s.backend->present(s.cells, s.cursorRow, s.cursorCol);
    s.backend->pause(milliseconds);
}

void showTerminalNote(Screen& s, std::string_view text) {
    requireOpen(s, "showTerminalNote");
    s.backend->showNote(text);
}

SavedRegion openDialog(Screen& s, Rect r) {
    SavedRegion saved;
    saveRegion(s, saved, r.top, r.left, r.bottom, r.right);
    clearDialog(s, r);
    return saved;
}

void clearDialog(Screen& s, Rect r) {
    fillRegion(s, kBlankCell, r.top, r.left, r.bottom, r.right);
    drawBox(s, 0, kAttrNormal, r.top, r.left, r.bottom, r.right);
}

void closeDialog(Screen& s, const SavedRegion& saved) {
    restoreRegion(s, saved, saved.top, saved.left, saved.bottom, saved.right);
}

std::string rowText(const Screen& s, int row) {
    std::string text;
    for (const Cell& c : s.cells.at(row)) text.push_back(static_cast<char>(c.ch));
    return text;
}

std::string screenText(const Screen& s) {
    std::string text;
    for (int r = 0; r < kScreenRows; ++r) {
        text += rowText(s, r);
        text.push_back('\n');
    }
    return text;
}

int attributeAt(const Screen& s, int row, int col) {
    return s.cells.at(row).at(col).attr;
}

}  // namespace hv
