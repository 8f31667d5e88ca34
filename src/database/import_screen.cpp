#include "database/import_screen.h"

#include "app.h"
#include "console/prompts.h"
#include "database/import.h"
#include "database/song_file.h"
#include "database/text_files.h"

namespace hv {

namespace {

constexpr Rect kFilePromptBox = kWideBox;
constexpr Rect kLimitPromptBox = kMessageBox;
constexpr const char* kDefaultImportFile = "2006.txt";

// The previous place and duration of the last song read, as the year lists
// of 2004 to 2006 show them while importing.
void showLastSongRead(Screen& s, const SongFileContents& list, SongLayout layout) {
    if (list.songs.empty() || !layoutShowsPreviousPlace(layout)) return;
    const Song& last = list.songs.back();
    moveCursor(s, 9, 10);
    eraseToEndOfLine(s);
    printText(s, "%d", last.prevRank);
    if (!layoutShowsDuration(layout)) return;
    moveCursor(s, 10, 10);
    eraseToEndOfLine(s);
    printText(s, "%s", last.duration.c_str());
}

// Asks until the answer, or the answer with ".txt", names a readable file.
std::string askFileToImport(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kFilePromptBox);
    std::string accepted;
    for (;;) {
        putTextAt(s, 8, 20, std::string(29, ' '));
        putTextAt(s, 8, 20, "File to Import ");
        std::string name = readLine(s, kSettingTextMax);
        if (name.empty()) name = kDefaultImportFile;
        if (canOpenForReading(app.path(name))) {
            accepted = name;
            break;
        }
        std::string withExtension = name + ".txt";
        // The database name is a 200-byte field.
        if (withExtension.size() <= kSettingTextMax && canOpenForReading(app.path(withExtension))) {
            accepted = withExtension;
            break;
        }
        putTextAt(s, 11, 20, std::string(42, ' '));
        moveCursor(s, 11, 20);
        printText(s, "File %s nor %s present... ", name.c_str(), withExtension.c_str());
    }
    closeDialog(s, saved);
    return accepted;
}

// Asks until the answer is empty (the default limit) or a number from 1 to
// the table's capacity.
int askImportLimit(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kLimitPromptBox);
    int limit = kDefaultImportLimit;
    for (;;) {
        putTextAt(s, 10, 22, "Type Max. No. Songs to Import ");
        std::string answer = readLine(s, kMessageTextMax);
        if (answer.empty()) break;
        int number = readNumber(answer);
        if (number >= 1 && number <= kSongCapacity) {
            limit = number;
            break;
        }
        clearDialog(s, kLimitPromptBox);
    }
    closeDialog(s, saved);
    return limit;
}

}  // namespace

bool importDatabase(App& app, ImportCaller caller) {
    Screen& s = app.screen;
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    putTextAt(s, 0, 10, "Import Songs");
    putTextAt(s, 1, 10, "============");

    const std::string name = app.settings.songDatabase;
    SongFileContents list =
        readSongFile(app.path(name), name, app.env.currentYear, app.importLimit);
    if (!list.opened) {
        moveCursor(s, 3, 10);
        printText(s, "Obliged file %s not present....", name.c_str());
        readChar(s);
        // Without its list the program cannot start; from the list the user
        // simply keeps the songs already loaded.
        if (caller == ImportCaller::StartUp) endProgram(0);
        return false;
    }

    showLastSongRead(s, list, songLayoutFor(name));
    if (list.reachedMaximum) {
        moveCursor(s, 20, 10);
        printText(s, "Maximum reached of %d Songs.", kSongCapacity);
        putTextAt(s, 21, 10, "Rest discarded.... Press a Key.");
        readChar(s);
    }

    // Nothing in memory changes until the column files and the settings are
    // safely written, so a failure leaves the list as it was.
    StoredList stored = storeImportedList(app.env.workingFolder, list, app.settings, app.songs);
    if (!stored.stored) {
        showMessage(app, "Could not write " + stored.failedFile + " ");
        return false;
    }

    moveCursor(s, 10, 10);
    printText(s, "Imported %4d Songs", app.songs.count);
    moveCursor(s, 11, 10);
    printText(s, "Imported %4d Bands", stored.bands);
    putTextAt(s, 13, 10, "Press a Key...");
    readChar(s);
    return true;
}

void importWithFilePrompt(App& app) {
    const std::string previous = app.settings.songDatabase;
    app.settings.songDatabase = askFileToImport(app);
    // A name whose import failed would have the next save write the old
    // list under it.
    if (!importDatabase(app, ImportCaller::Menu)) app.settings.songDatabase = previous;
}

void importWithLimitPrompt(App& app) {
    app.importLimit = askImportLimit(app);
    importDatabase(app, ImportCaller::Menu);
}

}  // namespace hv
