#include "maintenance/double_check_screen.h"

#include <string>
#include <utility>

#include "app.h"
#include "console/terminal/line_input.h"
#include "maintenance/double_check.h"
#include "maintenance/run_totals_screen.h"

namespace hv {

namespace {

// A song of the pair: its artist and row behind the label, then its title
// and year under it.
void showSong(Screen& s, int row, const char* label, const Song& song, int tableRow) {
    moveCursor(s, row, 10);
    putRowText(s, label + song.artist + " (" + std::to_string(tableRow) + ")");
    moveCursor(s, row + 1, 10);
    putRowText(s, "           " + song.song);
    moveCursor(s, row + 2, 10);
    printText(s, "           %d", song.year);
}

DoubleCheckAnswer askAboutPair(Screen& s, const DoubleCheckPair& pair) {
    putTextAt(s, 5, 10, "This song looks as a double........");
    for (int row = 7; row <= 20; ++row) putTextAt(s, row, 10, std::string(53, ' '));
    showSong(s, 7, "Song (1) - ", pair.earlier, pair.earlierRow);
    showSong(s, 11, "Song (2) - ", pair.later, pair.laterRow);
    if (pair.automatic) return DoubleCheckAnswer::Automatic;
    putTextAt(s, 15, 10, "(R)emove song (K)eep song (A)utomatic (Q)uit ");
    // A keyboard that fails ends the check without removing anything more.
    switch (readChoice(s, "RKAQ", 'Q')) {
        case 'R':
            return DoubleCheckAnswer::Remove;
        case 'K':
            return DoubleCheckAnswer::Keep;
        case 'A':
            return DoubleCheckAnswer::Automatic;
        default:
            return DoubleCheckAnswer::Quit;
    }
}

}  // namespace

void checkForDoubles(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kLargeWindow);
    DoubleCheckEvents events;
    events.checking = [&s](int earlierRow, int songCount) {
        moveCursor(s, 3, 10);
        printText(s, "Checking %d (%d)                               ", earlierRow, songCount);
    };
    events.lookAlike = [&s](const DoubleCheckPair& pair) { return askAboutPair(s, pair); };
    // The check takes its removals out of the table only when it ends; a run
    // that the terminal ends at a question must leave the list whole, as it
    // was, for the copy kept of unsaved work.
    SongTable checkedList = app.songs;
    DoubleCheckResult result = doubleCheck(checkedList, events);
    app.songs = std::move(checkedList);
    showRunTotals(app, "Songs (checked) ", result.checked, "Songs (double)  ", result.doubles);
    closeDialog(s, saved);
    app.firstShownRow = 0;
    app.highlightOffset = 0;
}

}  // namespace hv
