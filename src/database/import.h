// The song database file, its import into the Song table, the seven column
// files and the side files read with them.
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

// Fills the Song table from the column files and the side files. False when
// any of the seven column files is missing (the reload request is then
// raised as well).
bool loadTable(App& app);

// Fills app.bands with the distinct artists of the list, in order of first
// appearance, and returns their number.
int countBands(App& app);
// Empties every song's country and applies "country.txt".
void applyCountryFile(App& app);
// Loads "url.txt" and "songurl.txt" into the link tables.
void loadLinkTables(App& app);

}  // namespace hv
