// The console screen: an 80 x 25 cell buffer with a cursor and a current
// attribute, drawn on a terminal by a backend. Nothing here knows of songs.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "console/terminal/key_codes.h"

namespace hv {

constexpr int kScreenRows = 25;
constexpr int kScreenCols = 80;

// Attributes: bits 0-3 foreground, 4-7 background, bit 3 and bit 7 bright.
constexpr int kAttrNormal = 7;
constexpr int kAttrHighlight = 112;
constexpr int kAttrTitle = 135;
// A space in black on black: the fill of every dialog before its frame.
constexpr int kBlankCell = 32;

struct Cell {
    unsigned char ch = ' ';
    unsigned char attr = kAttrNormal;
    // Frame cells are drawn as box-drawing glyphs; all other bytes are text.
    bool frame = false;
    bool operator==(const Cell&) const = default;
};

using CellGrid = std::array<std::array<Cell, kScreenCols>, kScreenRows>;

// One input event: a key press with its key code, the character it types, or
// both. vk 0 with ch -1 is an event that is not a key press (a mouse move, a
// key release); failed marks input that could not be read.
struct InputEvent {
    int vk = 0;
    int ch = -1;
    bool failed = false;
    // A typed character that Windows-1252 cannot hold: no key, no byte; line
    // input says so instead of dropping it unseen.
    bool notTypable = false;
};

// Where the screen is shown and the keys come from.
class ScreenBackend {
  public:
    virtual ~ScreenBackend() = default;
    virtual void open() = 0;
    virtual void close() = 0;
    // Shows the cells and the cursor; called before every wait for input.
    virtual void present(const CellGrid& cells, int cursorRow, int cursorCol) = 0;
    virtual InputEvent nextInput() = 0;
    virtual void pause(int milliseconds) = 0;
    // A line the terminal shows with its own notice (the one about the window
    // size) while that notice stands.
    virtual void showNote(std::string_view) {}
};

// A console call that failed; the program ends with status 1 naming it.
struct ConsoleFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The run ends from the terminal's side, noticed while waiting for input:
// Q on the window-size notice (signal 0), or SIGHUP, SIGTERM or SIGINT.
// Whoever holds unsaved work keeps it before the program ends with status().
struct TerminalEnding {
    int signal = 0;
    int status() const { return signal == 0 ? 0 : 128 + signal; }
};

struct Screen {
    std::unique_ptr<ScreenBackend> backend;
    CellGrid cells{};
    int cursorRow = 0;
    int cursorCol = 0;
    int attribute = kAttrNormal;
    bool opened = false;
};

// A rectangle of cells, saved row by row, that its owner restores later.
struct SavedRegion {
    int top = 0, left = 0, bottom = -1, right = -1;
    std::vector<Cell> cells;
};

struct Rect {
    int top, left, bottom, right;
};
constexpr Rect kMessageBox{5, 20, 17, 60};
constexpr Rect kDialogBox{5, 20, 19, 60};
constexpr Rect kWideBox{5, 15, 17, 65};
constexpr Rect kLargeWindow{2, 5, 22, 75};
constexpr Rect kConfigWindow{1, 5, 23, 75};

void openScreen(Screen& s);
void closeScreen(Screen& s);
void setAttribute(Screen& s, int attribute);
void moveCursor(Screen& s, int row, int col);
void syncCursor(Screen& s);
void eraseToEndOfLine(Screen& s);
void eraseToEndOfScreen(Screen& s);
void printText(Screen& s, const char* format, ...) __attribute__((format(printf, 2, 3)));
void putText(Screen& s, std::string_view text);
// Writes a text at the cursor that stays on the cursor's row: every byte is a
// character (control bytes, a NUL or a CR among them, show as blanks) and
// what does not fit before the right edge is cut.
void putRowText(Screen& s, std::string_view text);
// moveCursor then putText: most screen texts stand at a fixed place.
void putTextAt(Screen& s, int row, int col, std::string_view text);
int readCell(const Screen& s, int row, int col);
void writeCell(Screen& s, int row, int col, int cell);
void saveRegion(const Screen& s, SavedRegion& buffer, int top, int left, int bottom, int right);
void restoreRegion(Screen& s, const SavedRegion& buffer, int top, int left, int bottom, int right);
void fillRegion(Screen& s, int cell, int top, int left, int bottom, int right);
void drawBox(Screen& s, int style, int attribute, int top, int left, int bottom, int right);
int readChar(Screen& s);
int waitKey(Screen& s);
// True for the events waitKey returns: key presses other than Shift, Ctrl and
// Alt on their own.
bool isKeyPress(const InputEvent& e);
// The next raw input event (for line editing); shows the screen first.
InputEvent nextInput(Screen& s);
void pauseScreen(Screen& s, int milliseconds);
void showTerminalNote(Screen& s, std::string_view text);

// Every dialog is made the same way: save its rectangle, clear it to the
// blank cell and frame it in style 0; restoreRegion brings back what was under.
SavedRegion openDialog(Screen& s, Rect r);
void clearDialog(Screen& s, Rect r);
void closeDialog(Screen& s, const SavedRegion& saved);

// Reading the buffer back, for tests and the key diagnostic.
std::string rowText(const Screen& s, int row);
std::string screenText(const Screen& s);
int attributeAt(const Screen& s, int row, int col);

}  // namespace hv
