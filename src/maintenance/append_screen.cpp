#include "maintenance/append_screen.h"

#include <optional>
#include <string>

#include "app.h"
#include "console/prompts.h"
#include "database/side_files.h"
#include "database/text_format.h"
#include "maintenance/append_songs.h"
#include "maintenance/run_totals_screen.h"

namespace hv {

namespace {

// Asks until the answer, or the answer with ".txt", names a file that can be
// read (a directory cannot); the layout follows the name that opened.
// Nothing on an empty answer or Escape.
std::optional<AppendFile> askFileToAppend(App& app) {
    AppendFile file;
    const bool opened =
        askForFile(app, "File to Append ", kLargeWindow.right, "", [&](const std::string& name) {
            file = readAppendFile(app.path(name), name);
            return file.opened;
        }).has_value();
    return opened ? std::optional<AppendFile>(std::move(file)) : std::nullopt;
}

// A song's artist behind its label, then its title and year under it.
void showSong(Screen& s, int row, const char* label, const Song& song) {
    moveCursor(s, row, 10);
    putRowText(s, label + song.artist);
    moveCursor(s, row + 1, 10);
    putRowText(s, "          " + song.song);
    moveCursor(s, row + 2, 10);
    printText(s, "          %d", song.year);
}

LookAlikeAnswer askAboutLookAlike(Screen& s, const AppendLookAlike& pair) {
    moveCursor(s, 5, 10);
    printText(s, "This song (%d) looks as a double........", pair.linesRead);
    for (int row = 7; row <= 20; ++row) putTextAt(s, row, 10, std::string(53, ' '));
    showSong(s, 7, "Orginal - ", pair.listed);
    showSong(s, 11, "Append  - ", pair.candidate);
    putTextAt(s, 15, 10, "(A)ccept Song  (S)kip Song  (Q)uit Double Check ");
    if (!pair.asked) return LookAlikeAnswer::Skip;
    // A keyboard that fails stops the questions; every look-alike is left out.
    switch (readChoice(s, "ASQ", 'Q')) {
        case 'A':
            return LookAlikeAnswer::Accept;
        case 'S':
            return LookAlikeAnswer::Skip;
        default:
            return LookAlikeAnswer::Quit;
    }
}

}  // namespace

void appendFromFile(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kLargeWindow);
    std::optional<AppendFile> file = askFileToAppend(app);
    if (file) {
        AppendResult result = appendSongs(app.songs, file->lines, [&](const AppendLookAlike& p) {
            return askAboutLookAlike(s, p);
        });
        if (result.reachedMaximum) {
            moveCursor(s, 20, 10);
            printText(s, "Maximum reached of %d Songs.", kSongCapacity);
            putTextAt(s, 21, 10, "Rest discarded.... Press a Key.");
            readChar(s);
        }
        // Countries come from "country.txt" for every song, as at a load.
        if (result.appended > 0) applyCountryFile(app.env.workingFolder, app.songs);
        const std::string note =
            file->replacedCharacters > 0
                ? formatText("Replaced %4d Characters by ? (not in Windows-1252)",
                             file->replacedCharacters)
                : "";
        showRunTotals(app, "Imported Songs  ", result.appended, "Double Songs    ", result.doubles,
                      note);
    }
    closeDialog(s, saved);
}

}  // namespace hv
