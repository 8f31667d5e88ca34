// The import screens: the whole-list import at start-up and from the list,
// with the file prompt (I) and the limit prompt (L).
#pragma once

#include <string>

namespace hv {

struct App;

// Who started the import: a missing database file ends the program at
// start-up, but only abandons the import when it was asked for from the list.
// A file that cannot be written leaves the list as it was from the list; at
// start-up the songs read are taken all the same.
enum class ImportCaller { StartUp, Menu };

enum class ImportResult {
    Imported,     // the table holds the file's songs and its files are written
    WriteFailed,  // said on the screen; the table holds what the caller's rule says
    FileMissing,  // said on the screen; nothing changed
};

// Imports the file named by the setting "Song Database".
ImportResult importDatabase(App& app, ImportCaller caller);
// Key I: asks for a file name, then imports it.
void importWithFilePrompt(App& app);
// Key L: asks for the import limit, then imports the current file.
void importWithLimitPrompt(App& app);

}  // namespace hv
