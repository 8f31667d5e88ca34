#include "database/startup_screen.h"

#include "app.h"
#include "console/main_list.h"
#include "console/prompts.h"
#include "console/system_environment.h"
#include "database/column_files.h"
#include "database/configuration_screen.h"
#include "database/import_screen.h"
#include "database/list_encoding.h"
#include "database/rescue_copy.h"
#include "database/settings.h"
#include "database/song_file.h"
#include "database/startup_files.h"
#include "database/text_files.h"

namespace hv {

namespace {

constexpr const char* kStartSound = "sbplay intro.wav /s";
constexpr const char* kStartCopy = "backup.txt";

// Each line is exactly 40 characters, so the box looks the same whatever the
// terminal drew before.
constexpr const char* kTitleLines[] = {
    "         HITVAULT Statistics            ",
    "            version 1.1                 ",
    "     Your yearly song chart in order    ",
    "      Loading the list, one moment...   ",
};

void showTitleScreen(App& app) {
    Screen& s = app.screen;
    setAttribute(s, kAttrTitle);
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    setAttribute(s, kAttrNormal);
    fillRegion(s, kBlankCell, kWideBox.top, kWideBox.left, kWideBox.bottom, kWideBox.right);
    drawBox(s, 0, kAttrNormal, kWideBox.top, kWideBox.left, kWideBox.bottom, kWideBox.right);
    int row = 7;
    for (const char* line : kTitleLines) {
        moveCursor(s, row, 21);
        putText(s, line);
        row += 2;
    }
    // Show the title now: nothing else is drawn until the list is loaded.
    pauseScreen(s, 0);
    if (app.env.runCommand) app.env.runCommand(kStartSound);
}

// True when the song database file must be imported: a column file or the
// settings file is missing. Missing settings are replaced by the defaults.
bool loadTableAndSettings(App& app) {
    const std::string& folder = app.env.workingFolder;
    bool complete = loadTable(folder, app.songs, app.links);
    app.listLoaded = complete;
    if (std::optional<Settings> settings = readSettings(folder)) {
        app.settings = *settings;
        app.listEncoding = readListEncoding(folder, app.settings.songDatabase);
        return !complete;
    }
    app.settings = defaultSettings(app.env.currentYear);
    saveSettings(app);
    return true;
}

// Column files are rebuilt from the list and written without a flush to the
// disk, so a power cut can leave all seven empty: an empty table beside a
// list that holds songs is imported again rather than shown (and saved) empty.
bool columnFilesLostTheSongs(const App& app) {
    if (app.songs.count != 0) return false;
    const std::string& name = app.settings.songDatabase;
    return !readSongFile(app.path(name), name, app.env.currentYear, 1).songs.empty();
}

// Said once at the start that finds it, in the message box's look; the
// sentence does not fit on one of its lines.
void mentionRescueCopy(App& app) {
    const std::string name = rescueCopyName(app.settings.songDatabase);
    if (!rescueCopyIsNewer(app.env.workingFolder, app.settings.songDatabase)) return;
    app.messageText = "Unsaved changes of an earlier run were kept in " + name;
    constexpr size_t kLineMax = kMessageBox.right - 26 - 1;
    std::string shown =
        name.size() <= kLineMax ? name : "..." + name.substr(name.size() - kLineMax + 3);
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    putTextAt(s, 9, 26, "Unsaved changes of an earlier");
    putTextAt(s, 10, 26, "run were kept in");
    putTextAt(s, 11, 26, shown);
    putTextAt(s, 14, 30, "Press any key");
    readChar(s);
    closeDialog(s, saved);
}

[[noreturn]] void startProgram(App& app, const std::vector<std::string>& args) {
    openScreen(app.screen);
    const std::string startOption = args.empty() ? std::string() : upperCase(args[0]);
    // Tests give the working folder and the browser themselves.
    if (app.env.workingFolder.empty()) findBrowser(app);
    if (startOption.empty() || startOption[0] != 'S') showTitleScreen(app);
    removeLeftoverTempFiles(app.env.workingFolder);

    bool reload = loadTableAndSettings(app) || columnFilesLostTheSongs(app);
    // An import that could not write its files has said so and left the
    // songs it read in the table; importing again would only repeat that.
    while (reload && importDatabase(app, ImportCaller::StartUp) == ImportResult::Imported)
        reload = loadTableAndSettings(app);
    mentionRescueCopy(app);

    // The list as it was when the program started; no copy when it is missing.
    std::string database = app.path(app.settings.songDatabase);
    if (canOpenForReading(database) &&
        !copyFileBytes(database, app.path(kStartCopy), Durability::Rebuildable)) {
        showMessage(app, std::string("Could not write ") + kStartCopy + " ");
    }
    runMainMenu(app);
}

}  // namespace

int runProgram(App& app, const std::vector<std::string>& args) {
    Screen& s = app.screen;
    try {
        startProgram(app, args);
    } catch (const ProgramExit& e) {
        closeScreen(s);
        return e.status;
    } catch (...) {
        closeScreen(s);
        throw;
    }
}

}  // namespace hv
