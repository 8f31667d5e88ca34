#include "database/save_list_screen.h"

#include "app.h"
#include "console/prompts.h"
#include "console/sort_list.h"
#include "database/configuration_screen.h"
#include "database/save_list.h"
#include "database/text_files.h"

namespace hv {

namespace {

// The longest new file name accepted, without its ".txt".
constexpr size_t kNewNameMax = 8;
// The file name's answer runs from behind "Filename " to the dialog's frame.
constexpr int kNameFieldWidth = 29;
// The width the dialog clears for its texts below the file name.
constexpr size_t kDialogTextWidth = 27;
// Text fits in the message box from column 26 to the frame at column 60.
constexpr size_t kMessageLineMax = 33;

enum class SaveOutcome { Declined, Saved, NotSaved };

// Shown in the message box's look, on two lines, since a file name does not
// fit behind the words.
void showNotSaved(App& app, const std::string& reason) {
    Screen& s = app.screen;
    std::string name = app.settings.songDatabase;
    if (name.size() > kMessageLineMax)
        name = "..." + name.substr(name.size() - kMessageLineMax + 3);
    app.messageText = reason + " " + name;
    SavedRegion saved = openDialog(s, kMessageBox);
    moveCursor(s, 10, 26);
    putText(s, reason);
    moveCursor(s, 11, 26);
    putText(s, name);
    moveCursor(s, 14, 30);
    putText(s, "Press any key");
    readChar(s);
    closeDialog(s, saved);
}

void sortOnRanking(App& app) {
    if (app.songs.sortOrder == kSortRanking) return;
    app.songs.sortOrder = kSortRanking;
    sortList(app);
}

// Asks for a new file name until a valid one is given and, if it exists, may
// be overwritten; it becomes the database name at once. False when the
// keyboard can no longer be read.
bool askNewFileName(App& app) {
    Screen& s = app.screen;
    for (;;) {
        moveCursor(s, 11, 22);
        putText(s, "Filename                   ");
        for (int row : {13, 15, 17}) {
            moveCursor(s, row, 22);
            putText(s, std::string(kDialogTextWidth, ' '));
        }
        moveCursor(s, 11, 22);
        putText(s, "Filename ");
        std::string name =
            readField(s, LineField{kSettingTextMax, kNameFieldWidth, false}).value_or("");
        // A refusal stands only until the next answer.
        moveCursor(s, 14, 22);
        putText(s, std::string(kDialogTextWidth, ' '));
        if (name.empty()) name = "test";
        if (name.size() > kNewNameMax || name.find('.') != std::string::npos) {
            moveCursor(s, 14, 22);
            putText(s, "Invalid Name... ");
            continue;
        }
        name += ".txt";
        app.settings.songDatabase = name;
        if (!canOpenForReading(app.path(name))) return true;
        moveCursor(s, 13, 22);
        putText(s, "File already exists      ");
        moveCursor(s, 15, 22);
        putText(s, "Overwrite ? ");
        moveCursor(s, 17, 22);
        putText(s, "(Y)es  (N)o ");
        // An unreadable keyboard answers '\0': no name, nothing written.
        char key = readChoice(s, "YN", '\0');
        if (key == '\0') return false;
        if (key == 'Y') return true;
    }
}

// The dialog shared by F4 and Q, from the question to the cleared change
// count. The dialog's region stays saved in `saved` for the caller to restore.
SaveOutcome runSaveDialog(App& app, const char* choices, char leaveKey, SavedRegion& saved) {
    Screen& s = app.screen;
    const std::string oldName = app.settings.songDatabase;
    saved = openDialog(s, kDialogBox);
    moveCursor(s, 7, 22);
    printText(s, "Save Changes to %s ? ", app.settings.songDatabase.c_str());
    moveCursor(s, 9, 22);
    putText(s, choices);
    // Other keys ask again; a keyboard that cannot be read any more leaves as
    // the way out would, rather than ask for ever.
    const char keys[] = {'Y', 'N', leaveKey, '\0'};
    char key = readChoice(s, keys, leaveKey);
    if (key == leaveKey) return SaveOutcome::Declined;
    if (key == 'N' && !askNewFileName(app)) {
        app.settings.songDatabase = oldName;
        return SaveOutcome::Declined;
    }
    if (!writeSongList(app)) {
        // The list still belongs to the file it came from.
        app.settings.songDatabase = oldName;
        return SaveOutcome::NotSaved;
    }
    saveSettings(app);
    app.songs.changeCount = 0;
    return SaveOutcome::Saved;
}

}  // namespace

bool writeSongList(App& app) {
    // A table that does not hold the file's songs would replace them all.
    if (!app.listLoaded && fileExists(app.path(app.settings.songDatabase))) {
        showNotSaved(app, "List NOT saved: not read from");
        return false;
    }
    SaveResult result = writeSongList(app.env.workingFolder, app.settings.songDatabase, app.songs,
                                      app.settings.chartYear, app.listEncoding);
    if (result.backupMissing) showMessage(app, "Could not make Backup ");
    if (!result.written) {
        showNotSaved(app, "List NOT saved: cannot write");
        return false;
    }
    if (result.inPlace) showMessage(app, "Saved in place, not atomically ");
    app.listLoaded = true;
    return true;
}

void saveList(App& app) {
    sortOnRanking(app);
    SavedRegion saved;
    runSaveDialog(app, "(Y)es  (N)ew File  (Q)uit ", 'Q', saved);
    closeDialog(app.screen, saved);
}

void quitProgram(App& app) {
    Screen& s = app.screen;
    if (app.songs.changeCount != 0) {
        sortOnRanking(app);
        SavedRegion saved;
        SaveOutcome outcome = runSaveDialog(app, "(Y)es  (N)ew File  (E)xit ", 'E', saved);
        closeDialog(s, saved);
        // Ending now would lose every change: back to the list instead, where
        // F4 can try again under another name.
        if (outcome == SaveOutcome::NotSaved) return;
    }
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    endProgram(0);
}

}  // namespace hv
