#include "database/startup_screen.h"

#include "app.h"
#include "console/main_list.h"
#include "console/prompts.h"
#include "console/system_environment.h"
#include "database/column_files.h"
#include "database/configuration_screen.h"
#include "database/import_screen.h"
#include "database/settings.h"
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
    if (std::optional<Settings> settings = readSettings(folder)) {
        app.settings = *settings;
        return !complete;
    }
    app.settings = defaultSettings(app.env.currentYear);
    saveSettings(app);
    return true;
}

[[noreturn]] void startProgram(App& app, const std::vector<std::string>& args) {
    openScreen(app.screen);
    const std::string startOption = args.empty() ? std::string() : upperCase(args[0]);
    // Tests give the working folder and the browser themselves.
    if (app.env.workingFolder.empty()) findBrowser(app);
    if (startOption.empty() || startOption[0] != 'S') showTitleScreen(app);

    bool reload = loadTableAndSettings(app);
    // A failed import has already said why (a file it could not write);
    // importing again would only repeat that for ever.
    while (reload && importDatabase(app, ImportCaller::StartUp)) reload = loadTableAndSettings(app);

    // The list as it was when the program started; no copy when it is missing.
    std::string database = app.path(app.settings.songDatabase);
    if (canOpenForReading(database) && !copyFileBytes(database, app.path(kStartCopy))) {
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
