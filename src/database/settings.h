// The twelve settings kept in "hitvault.ini", one value a line.
#pragma once

#include <optional>
#include <string>

namespace hv {

// Switches hold 0 for ON and 1 for OFF.
constexpr int kSwitchOn = 0;
constexpr int kSwitchOff = 1;
constexpr const char* kSettingsFile = "hitvault.ini";
// Text settings are at most this many characters (a 200-byte field).
constexpr size_t kSettingTextMax = 199;

struct Settings {
    std::string songDatabase = "mysongs.txt";  // the database name
    int chartYear = 0;                         // "Chart No."
    std::string templateMain = "base.htm";
    int confirmationChecks = kSwitchOn;
    std::string templateRest = "base2.htm";
    std::string emailBox = "outlook.box";
    std::string voteForm = "formbase.htm";
    int doubleEmailCheck = kSwitchOn;
    std::string outlookFolder = "outlook";
    std::string subjectHeader = "HIT-VAULT";
    int songsPerPage = 100;
    int includeSmileys = kSwitchOn;
};

Settings defaultSettings(int currentYear);

// "ON " for 0, "OFF" otherwise.
const char* switchText(int value);

// The file's twelve lines, each ending with a line feed.
std::string formatSettings(const Settings& s);
// Parses the file's lines; false when the text has fewer than twelve lines.
bool parseSettings(const std::string& text, Settings& out);

// The settings of the working folder's file; nothing when it is missing or
// holds fewer than twelve lines.
std::optional<Settings> readSettings(const std::string& folder);
// Writes all twelve settings; false when the file cannot be written, in
// which case the old file is left as it was.
bool writeSettings(const std::string& folder, const Settings& settings);

}  // namespace hv
