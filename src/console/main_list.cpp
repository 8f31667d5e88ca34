#include "console/main_list.h"

#include <algorithm>

#include "app.h"
#include "console/main_commands.h"
#include "console/terminal/screen.h"
#include "database/rescue_copy.h"
#include "database/text_format.h"

namespace hv {

namespace {

constexpr const char* kMenuLine =
    "(I)mport (Q)uit (C)ountry (A)rtist (Y)ear (D)ecade (B)and (H)TML (E)xplorer ";
// The width that the database name's padding fills.
constexpr size_t kDatabaseNameWidth = 12;

}  // namespace

std::string changeCountField(int changeCount) {
    if (changeCount > 1000) return formatText("(%d)", changeCount);
    if (changeCount > 100) return formatText(" (%d)", changeCount);
    if (changeCount > 10) return formatText("  (%d)", changeCount);
    if (changeCount > 0) return formatText("   (%d)", changeCount);
    return "      ";
}

std::string mainHeaderLine(int chartYear, const std::string& databaseName, int changeCount) {
    // The name's field is as wide as its padding fills: a longer name is cut
    // so that "Year" keeps its place.
    const std::string name = databaseName.substr(0, kDatabaseNameWidth);
    return formatText("%4d  HITVAULT Statistics      (%s)%s     %s            Year  %4d", chartYear,
                      name.c_str(), databaseNamePadding(name).c_str(),
                      changeCountField(changeCount).c_str(), chartYear - 1);
}

std::vector<MainListLine> mainListLines(const SongTable& songs, int firstShownRow) {
    std::vector<MainListLine> lines;
    // A number jump may show rows behind the last song; they stay empty.
    int end = std::min(songs.count, kSongCapacity);
    for (int r = std::max(firstShownRow, 0); r < firstShownRow + kMainListLines && r < end; ++r) {
        const Song& song = songs.rows[r];
        if (isEmptyText(song.artist)) continue;
        std::string previous =
            song.prevRank == kNoPreviousPlace ? std::string() : formatText("%4d", song.prevRank);
        // The names are joined as they are: a NUL inside one must not end it.
        lines.push_back({r, formatText("%4d. ", r + 1) + song.artist + " - " + song.song +
                                formatText(" %4d  %s", song.year, previous.c_str())});
    }
    return lines;
}

bool isScrollKey(int key) {
    switch (key) {
        case kKeyHome:
        case kKeyEnd:
        case kKeyPageUp:
        case kKeyPageDown:
        case kKeyUp:
        case kKeyDown:
            return true;
        default:
            return false;
    }
}

MainListPosition scrollMainList(MainListPosition p, int songCount, int key) {
    const int bottom = std::max(songCount - kMainListLines, 0);
    switch (key) {
        case kKeyHome:
            p.firstShownRow = 0;
            break;
        case kKeyEnd:
            p.firstShownRow = bottom;
            break;
        case kKeyPageUp:
            p.firstShownRow = std::max(p.firstShownRow - kMainListLines, 0);
            break;
        case kKeyPageDown:
            p.firstShownRow = std::min(p.firstShownRow + kMainListLines, bottom);
            break;
        case kKeyUp:
            if (p.highlightOffset > 0) {
                p.highlightOffset--;
            } else {
                p.highlightOffset = 0;
                p.firstShownRow = std::max(p.firstShownRow - 1, 0);
            }
            break;
        case kKeyDown:
            if (p.highlightOffset < kMainListLines - 1) {
                p.highlightOffset++;
            } else {
                p.highlightOffset = kMainListLines - 1;
                p.firstShownRow = std::min(p.firstShownRow + 1, bottom);
            }
            break;
        default:
            break;
    }
    return p;
}

void drawMainScreen(App& app) {
    Screen& s = app.screen;
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    moveCursor(s, 0, 1);
    putRowText(s, mainHeaderLine(app.settings.chartYear, app.settings.songDatabase,
                                 app.songs.changeCount));
    moveCursor(s, 1, 7);
    printText(s, "===================                                           ==== %s", " ====");
    int j = 0;
    for (const MainListLine& line : mainListLines(app.songs, app.firstShownRow)) {
        setAttribute(s, j == app.highlightOffset ? kAttrHighlight : kAttrNormal);
        moveCursor(s, j + kMainListTopRow, 1);
        // Erasing in the current attribute makes the highlight a bar to the
        // right edge.
        eraseToEndOfLine(s);
        // A place of 10,000 or more, or a long year, is cut at the edge
        // rather than wrapped into the next line.
        putRowText(s, line.text);
        syncCursor(s);
        ++j;
    }
    setAttribute(s, kAttrNormal);
    moveCursor(s, 24, 0);
    putText(s, kMenuLine);
    syncCursor(s);
}

namespace {

// The run ends from the terminal's side with changes not saved: they go to
// the rescue copy. Q on the size notice says where; true when they are kept.
bool keepUnsavedChanges(App& app, bool tell) {
    if (app.songs.changeCount == 0) return true;
    const std::string& database = app.settings.songDatabase;
    bool kept = writeRescueCopy(app.env.workingFolder, database, app.songs, app.settings.chartYear,
                                app.listEncoding);
    if (tell) {
        const std::string name = rescueCopyName(database);
        showTerminalNote(app.screen,
                         kept ? "Unsaved changes kept in " + name
                              : "Could not write " + name + ": enlarge the window, then save");
        pauseScreen(app.screen, kept ? 1500 : 0);
    }
    return kept;
}

void runOnePass(App& app) {
    drawMainScreen(app);
    int key = waitKey(app.screen);
    if (isScrollKey(key)) {
        MainListPosition p =
            scrollMainList({app.firstShownRow, app.highlightOffset}, app.songs.count, key);
        app.firstShownRow = p.firstShownRow;
        app.highlightOffset = p.highlightOffset;
        return;
    }
    runCommandKey(app, key);
}

}  // namespace

void runMainMenu(App& app) {
    for (;;) {
        try {
            runOnePass(app);
        } catch (const TerminalEnding& e) {
            // Q on the notice does not end the run when the changes could
            // not be kept; a signal does.
            if (!keepUnsavedChanges(app, e.signal == 0) && e.signal == 0) continue;
            endProgram(e.status());
        } catch (const ConsoleFailure&) {
            keepUnsavedChanges(app, false);
            throw;
        }
    }
}

}  // namespace hv
