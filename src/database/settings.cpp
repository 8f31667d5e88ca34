#include "database/settings.h"

#include <vector>

#include "database/song_table.h"
#include "database/text_files.h"

namespace hv {

Settings defaultSettings(int currentYear) {
    Settings s;
    s.chartYear = currentYear;
    return s;
}

const char* switchText(int value) {
    return value == kSwitchOn ? "ON " : "OFF";
}

std::string formatSettings(const Settings& s) {
    std::string out;
    auto text = [&](const std::string& v) { out += v + "\n"; };
    auto number = [&](int v) { out += std::to_string(v) + "\n"; };
    text(s.songDatabase);
    number(s.chartYear);
    text(s.templateMain);
    number(s.confirmationChecks);
    text(s.templateRest);
    text(s.emailBox);
    text(s.voteForm);
    number(s.doubleEmailCheck);
    text(s.outlookFolder);
    text(s.subjectHeader);
    number(s.songsPerPage);
    number(s.includeSmileys);
    return out;
}

bool parseSettings(const std::string& text, Settings& out) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size() && lines.size() < 12) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        // A file that went through two CR LF conversions ends its lines
        // with CR CR LF; every CR there belongs to the line end.
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (lines.size() < 12) return false;
    auto cut = [](const std::string& v) { return v.substr(0, kSettingTextMax); };
    Settings s;
    s.songDatabase = cut(lines[0]);
    s.chartYear = readNumber(lines[1]);
    s.templateMain = cut(lines[2]);
    s.confirmationChecks = readNumber(lines[3]);
    s.templateRest = cut(lines[4]);
    s.emailBox = cut(lines[5]);
    s.voteForm = cut(lines[6]);
    s.doubleEmailCheck = readNumber(lines[7]);
    s.outlookFolder = cut(lines[8]);
    s.subjectHeader = cut(lines[9]);
    s.songsPerPage = readNumber(lines[10]);
    s.includeSmileys = readNumber(lines[11]);
    out = s;
    return true;
}

std::optional<Settings> readSettings(const std::string& folder) {
    auto text = readWholeFile(folderPath(folder, kSettingsFile));
    Settings settings;
    if (text && parseSettings(*text, settings)) return settings;
    return std::nullopt;
}

bool writeSettings(const std::string& folder, const Settings& settings) {
    return writeFileAtomically(folderPath(folder, kSettingsFile), formatSettings(settings));
}

}  // namespace hv
