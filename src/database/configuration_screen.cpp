#include "database/configuration_screen.h"

#include <cstdio>

#include "app.h"
#include "console/prompts.h"

namespace hv {

namespace {

enum class Kind { Text, Number, Switch };

// One setting as the screen lists it; exactly one of the two members is set.
struct SettingLine {
    char key;
    const char* format;
    Kind kind;
    std::string Settings::*text = nullptr;
    int Settings::*number = nullptr;
};

// In file order: the line of a setting on the screen is 6 + its index.
const SettingLine kLines[] = {
    {'0', "0.. Song Database        : %s", Kind::Text, &Settings::songDatabase},
    {'1', "1.. Chart No.            : %d", Kind::Number, nullptr, &Settings::chartYear},
    {'2', "2.. HTML Template (main) : %s", Kind::Text, &Settings::templateMain},
    {'3', "3.. Confirmation Checks  : %s", Kind::Switch, nullptr, &Settings::confirmationChecks},
    {'4', "4.. HTML Template (rest) : %s", Kind::Text, &Settings::templateRest},
    {'5', "5.. Email Box            : %s", Kind::Text, &Settings::emailBox},
    {'6', "6.. HTML Form (vote)     : %s", Kind::Text, &Settings::voteForm},
    {'7', "7.. Double Email Check   : %s", Kind::Switch, nullptr, &Settings::doubleEmailCheck},
    {'8', "8.. Outlook Folder       : %s", Kind::Text, &Settings::outlookFolder},
    {'9', "9.. Subject Header       : %s", Kind::Text, &Settings::subjectHeader},
    {'A', "A.. Songs Per Page       : %d", Kind::Number, nullptr, &Settings::songsPerPage},
    {'B', "B.. Include Smileys      : %s", Kind::Switch, nullptr, &Settings::includeSmileys},
};
constexpr int kFirstLineRow = 6;
constexpr int kTextColumn = 10;
constexpr int kAnswerColumn = 37;
// The answer uses the row up to the frame, so that no end of a long old
// value stays beside it.
constexpr int kAnswerWidth = kConfigWindow.right - kAnswerColumn;
constexpr int kCurrentValueRow = 20;
// Texts stop inside the frame (column 75), so a long value cannot spill
// over cells that the saved region does not cover.
constexpr size_t kVisibleWidth = kConfigWindow.right - kTextColumn;

std::string format(const char* pattern, const std::string& value) {
    std::vector<char> buffer(value.size() + 64);
    std::snprintf(buffer.data(), buffer.size(), pattern, value.c_str());
    return buffer.data();
}

std::string format(const char* pattern, int value) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string lineText(const SettingLine& line, const Settings& s) {
    switch (line.kind) {
        case Kind::Text:
            return format(line.format, s.*line.text);
        case Kind::Number:
            return format(line.format, s.*line.number);
        case Kind::Switch:
            return format(line.format, std::string(switchText(s.*line.number)));
    }
    return "";
}

void printClipped(Screen& screen, int row, const std::string& text) {
    moveCursor(screen, row, kTextColumn);
    putText(screen, std::string_view(text).substr(0, kVisibleWidth));
}

void draw(Screen& screen, const Settings& working) {
    clearDialog(screen, kConfigWindow);
    printClipped(screen, 3, "Configuration");
    printClipped(screen, 4, "=============");
    std::vector<std::string> lines = configurationLines(working);
    for (size_t i = 0; i < lines.size(); ++i) {
        printClipped(screen, kFirstLineRow + static_cast<int>(i), lines[i]);
    }
}

// Shows the value and reads the new one in the setting's own row; an empty
// answer keeps the value.
void editSetting(Screen& screen, const SettingLine& line, int index, Settings& working) {
    std::string shown =
        line.kind == Kind::Text ? working.*line.text : std::to_string(working.*line.number);
    printClipped(screen, kCurrentValueRow, shown);
    int row = kFirstLineRow + index;
    moveCursor(screen, row, kAnswerColumn);
    putText(screen, std::string(kAnswerWidth, ' '));
    moveCursor(screen, row, kAnswerColumn);
    // A long answer scrolls inside the cleared cells instead of running over
    // the frame into the next row.
    std::string answer = readField(screen, {kSettingTextMax, kAnswerWidth}).value_or("");
    if (line.kind == Kind::Text) {
        if (!answer.empty()) working.*line.text = answer;
        return;
    }
    if (!answer.empty()) working.*line.number = readNumber(answer);
    // The chart pages need at least one song a page; a 0 from a hand-edited
    // file is put right too, even when the answer keeps the value.
    if (line.number == &Settings::songsPerPage && working.songsPerPage == 0) {
        working.songsPerPage = 1;
    }
}

}  // namespace

std::vector<std::string> configurationLines(const Settings& settings) {
    std::vector<std::string> lines;
    for (const SettingLine& line : kLines) lines.push_back(lineText(line, settings));
    return lines;
}

bool saveSettings(App& app) {
    if (writeSettings(app.env.workingFolder, app.settings)) return true;
    showMessage(app, std::string("Could not write ") + kSettingsFile + " ");
    return false;
}

void configurationScreen(App& app) {
    Screen& screen = app.screen;
    Settings working = app.settings;
    SavedRegion saved;
    saveRegion(screen, saved, kConfigWindow.top, kConfigWindow.left, kConfigWindow.bottom,
               kConfigWindow.right);
    draw(screen, working);
    for (;;) {
        moveCursor(screen, 22, kTextColumn);
        putText(screen, "(0-9) (A-B) (S)ave (Q)uit  ");
        int c = readChar(screen);
        // A console that cannot be read any more leaves as Q does.
        char key = c < 0 ? 'Q' : upperCase(static_cast<char>(c));
        if (key == 'S') {
            app.settings = working;
            saveSettings(app);
            break;
        }
        if (key == 'Q') break;
        int index = 0;
        while (index < 12 && kLines[index].key != key) ++index;
        if (index == 12) continue;
        const SettingLine& line = kLines[index];
        if (line.kind == Kind::Switch) {
            working.*line.number = working.*line.number == kSwitchOn ? kSwitchOff : kSwitchOn;
        } else {
            editSetting(screen, line, index, working);
        }
        draw(screen, working);
    }
    restoreRegion(screen, saved, kConfigWindow.top, kConfigWindow.left, kConfigWindow.bottom,
                  kConfigWindow.right);
}

}  // namespace hv
