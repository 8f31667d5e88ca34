#include "maintenance/run_totals_screen.h"

#include "app.h"
#include "database/import.h"

namespace hv {

void showRunTotals(App& app, const char* firstLabel, int first, const char* secondLabel, int second,
                   const std::string& note) {
    Screen& s = app.screen;
    for (int row = 5; row <= 20; ++row) putTextAt(s, row, 10, std::string(62, ' '));
    const int bands = countBands(app.songs);
    moveCursor(s, 13, 10);
    printText(s, "%s: %4d", firstLabel, first);
    moveCursor(s, 14, 10);
    printText(s, "%s: %4d", secondLabel, second);
    moveCursor(s, 16, 10);
    printText(s, "Total Songs now : %4d", app.songs.count);
    moveCursor(s, 17, 10);
    printText(s, "Total Bands now : %4d", bands);
    if (!note.empty()) putTextAt(s, 18, 10, note);
    putTextAt(s, 19, 10, "Press a Key...");
    readChar(s);
}

}  // namespace hv
