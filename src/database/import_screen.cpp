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

// The answer is echoed from behind its question to the frame.
constexpr int kLimitAnswerWidth = kLimitPromptBox.right - 52;

// The previous place and duration of the last song read, as the year lists
// of 2004 to 2006 show them while importing.
void showLastSongRead(Screen& s, const SongFileContents& list) {
    if (list.songs.empty() || !layoutShowsPreviousPlace(list.layout)) return;
    const Song& last = list.songs.back();
    moveCursor(s, 9, 10);
    eraseToEndOfLine(s);
    printText(s, "%d", last.prevRank);
    if (!layoutShowsDuration(list.layout)) return;
    moveCursor(s, 10, 10);
    eraseToEndOfLine(s);
    printText(s, "%s", last.duration.c_str());
}

// An import replaces the whole list; unsaved changes go with it only when
// the user says so.
bool mayDropChanges(App& app) {
    if (app.songs.changeCount == 0) return true;
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kWideBox);
    putTextAt(s, 10, 17, "Changes not saved. Import anyway ? (Y)es (N)o ");
    char key = readChoice(s, "YN\x1b", 'N');
    closeDialog(s, saved);
    return key == 'Y';
}

// Asks until the answer, or the answer with ".txt", names a readable file.
// Nothing when the user leaves with Escape.
std::optional<std::string> askFileToImport(App& app) {
    SavedRegion saved = openDialog(app.screen, kFilePromptBox);
    std::optional<std::string> name = askForFile(
        app, "File to Import ", kFilePromptBox.right, kDefaultImportFile,
        [&](const std::string& candidate) {
            // The database name is a 200-byte field.
            return candidate.size() <= kSettingTextMax && canOpenForReading(app.path(candidate));
        });
    closeDialog(app.screen, saved);
    return name;
}

// Asks until the answer is empty (the default limit) or a number from 1 to
// the table's capacity. Nothing when the user leaves with Escape.
std::optional<int> askImportLimit(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kLimitPromptBox);
    std::optional<int> limit;
    for (;;) {
        putTextAt(s, 10, 22, "Type Max. No. Songs to Import ");
        std::optional<std::string> answer =
            readField(s, LineField{kMessageTextMax, kLimitAnswerWidth, true});
        if (!answer) break;
        if (answer->empty()) {
            limit = kDefaultImportLimit;
            break;
        }
        int number = readNumber(*answer);
        if (number >= 1 && number <= kSongCapacity) {
            limit = number;
            break;
        }
        clearDialog(s, kLimitPromptBox);
    }
    closeDialog(s, saved);
    return limit;
}

// A cut list is said with a key press before the totals.
void showSongsLeftOut(App& app, const SongFileContents& list) {
    Screen& s = app.screen;
    if (list.reachedMaximum) {
        moveCursor(s, 20, 10);
        printText(s, "Maximum reached of %d Songs.", kSongCapacity);
        putTextAt(s, 21, 10, "Rest discarded.... Press a Key.");
        readChar(s);
    } else if (list.leftOut > 0) {
        moveCursor(s, 20, 10);
        printText(s, "%d songs of the file were not imported (limit %d)", list.leftOut,
                  app.importLimit);
        putTextAt(s, 21, 10, "Press a Key...");
        readChar(s);
    }
}

}  // namespace

ImportResult importDatabase(App& app, ImportCaller caller) {
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
        return ImportResult::FileMissing;
    }

    showLastSongRead(s, list);
    showSongsLeftOut(app, list);

    const OnWriteFailure onFailure =
        caller == ImportCaller::StartUp ? OnWriteFailure::TakeNewList : OnWriteFailure::KeepOldList;
    StoredList stored =
        storeImportedList(app.env.workingFolder, list, app.settings, app.songs, onFailure);
    if (stored.tableReplaced) {
        app.listLoaded = true;
        app.listEncoding = list.encoding;
    }
    if (!stored.stored) {
        showMessage(app, "Could not write " + stored.failedFile + " ");
        return ImportResult::WriteFailed;
    }

    moveCursor(s, 10, 10);
    printText(s, "Imported %4d Songs", app.songs.count);
    moveCursor(s, 11, 10);
    printText(s, "Imported %4d Bands", stored.bands);
    if (list.replacedCharacters > 0) {
        moveCursor(s, 12, 10);
        printText(s, "Replaced %4d Characters by ? (not in Windows-1252)", list.replacedCharacters);
    }
    putTextAt(s, 13, 10, "Press a Key...");
    readChar(s);
    return ImportResult::Imported;
}

void importWithFilePrompt(App& app) {
    if (!mayDropChanges(app)) return;
    std::optional<std::string> name = askFileToImport(app);
    if (!name) return;
    const std::string previous = app.settings.songDatabase;
    app.settings.songDatabase = *name;
    // A name whose import failed would have the next save write the old
    // list under it.
    if (importDatabase(app, ImportCaller::Menu) != ImportResult::Imported)
        app.settings.songDatabase = previous;
}

void importWithLimitPrompt(App& app) {
    if (!mayDropChanges(app)) return;
    std::optional<int> limit = askImportLimit(app);
    if (!limit) return;
    app.importLimit = *limit;
    importDatabase(app, ImportCaller::Menu);
}

}  // namespace hv
