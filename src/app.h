// The run's state: every command receives it by reference. A test builds a
// fresh one with a scripted screen and a temporary working folder.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/terminal/screen.h"
#include "database/settings.h"
#include "database/side_files.h"
#include "database/song_table.h"
#include "database/text_encoding.h"
#include "database/text_files.h"
#include "maintenance/find_replace.h"

namespace hv {

// Everything outside the process that the program reaches for.
struct Environment {
    // The working folder with a trailing "/"; every file name is resolved
    // against it.
    std::string workingFolder;
    int currentYear = 2026;
    // Starts the browser program on a file path without waiting.
    std::function<void(const std::string& browser, const std::string& path)> startBrowser;
    // Runs a command through /bin/sh and waits for it (the start-up sound).
    std::function<void(const std::string& command)> runCommand;
};

// Find and replace keeps its texts and switches for the whole run; both
// switches are ON at every start.
struct FindReplaceState {
    ReplaceTexts texts;
    bool confirmChanges = true;
    bool ignoreCase = true;
};

// Leaving the program from deep inside a command: start-up catches it, gives
// the terminal back and ends with the status.
struct ProgramExit {
    int status = 0;
};

struct App {
    Screen screen;
    Environment env;

    SongTable songs;
    Settings settings;
    int importLimit = kDefaultImportLimit;
    LinkTables links;  // "url.txt" and "songurl.txt"
    // False while the table does not hold the database file's songs (a
    // start-up whose import failed): such a table is never saved over a file.
    bool listLoaded = true;
    // The encoding of the song database file the list came from; a save
    // writes it back in the same one.
    TextEncoding listEncoding = TextEncoding::Windows1252;

    // Shared prompt fields.
    std::string messageText;
    std::string pagePath;
    std::string browserProgram;

    // Main list positions.
    int firstShownRow = 0;
    int highlightOffset = 0;
    int searchPosition = 0;
    std::string searchText;

    int statisticsMode = 0;
    FindReplaceState findReplace;

    int selectedRow() const { return firstShownRow + highlightOffset; }
    // A file name of the working folder (absolute names are kept).
    std::string path(const std::string& name) const { return folderPath(env.workingFolder, name); }
};

// Ends the program with a status (closing the console on the way out).
[[noreturn]] inline void endProgram(int status) {
    throw ProgramExit{status};
}

}  // namespace hv
