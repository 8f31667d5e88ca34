// The import screens: the whole-list import at start-up and from the list,
// with the file prompt (I) and the limit prompt (L).
#pragma once

#include <string>

namespace hv {

struct App;

// Who started the import: a missing database file ends the program at
// start-up, but only abandons the import when it was asked for from the list.
enum class ImportCaller { StartUp, Menu };

// Imports the file named by the setting "Song Database". True when the file
// was read (even if it held no songs).
bool importDatabase(App& app, ImportCaller caller);
// Key I: asks for a file name, then imports it.
void importWithFilePrompt(App& app);
// Key L: asks for the import limit, then imports the current file.
void importWithLimitPrompt(App& app);

}  // namespace hv
