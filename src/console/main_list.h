// The main list: the header, twenty rows of the Song table with one row
// highlighted, the menu line, and the loop that runs a command per key.
#pragma once

#include <string>
#include <vector>

#include "database/song_table.h"

namespace hv {

struct App;

// The list shows this many lines, on screen rows 3 to 22.
constexpr int kMainListLines = 20;
constexpr int kMainListTopRow = 3;

// The six-character field behind the database name that shows the number of
// unsaved changes (it grows to seven or more for some counts).
std::string changeCountField(int changeCount);

// The header line written at (0, 1).
std::string mainHeaderLine(int chartYear, const std::string& databaseName, int changeCount);

struct MainListLine {
    int row;           // the Song table row shown
    std::string text;  // the line as printed from column 1
};

// The lines of the list from the first shown row: rows whose artist counts as
// empty are passed over without using a line, and nothing at or behind the
// song count is read. At most twenty lines.
std::vector<MainListLine> mainListLines(const SongTable& songs, int firstShownRow);

struct MainListPosition {
    int firstShownRow = 0;
    int highlightOffset = 0;
    bool operator==(const MainListPosition&) const = default;
};

bool isScrollKey(int key);
// The position after a scrolling key (Home, End, Page Up, Page Down, Cursor
// up, Cursor down); any other key leaves it as it is.
MainListPosition scrollMainList(MainListPosition position, int songCount, int key);

// Draws the main screen from scratch.
void drawMainScreen(App& app);

// The main loop: draws the screen, reads a key and runs its command, for ever.
// The program ends only through endProgram (the quit command or a fatal error),
// or when the terminal ends the run (TerminalEnding, a lost console): unsaved
// changes then go to the rescue copy first.
[[noreturn]] void runMainMenu(App& app);

}  // namespace hv
