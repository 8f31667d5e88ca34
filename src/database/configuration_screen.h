// The configuration screen (F10): edits working copies of the settings.
#pragma once

#include <string>
#include <vector>

namespace hv {

struct App;
struct Settings;

void configurationScreen(App& app);

// Writes app.settings; false, after a message box, when the file cannot be
// written (the old file is then left as it was).
bool saveSettings(App& app);

// The twelve lines the screen lists, one per setting in file order, from
// "0.. Song Database        : mysongs.txt" to "B.. Include Smileys      : ON ".
std::vector<std::string> configurationLines(const Settings& settings);

}  // namespace hv
