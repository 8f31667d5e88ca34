#include "console/prompts.h"

#include "app.h"

namespace hv {

void showMessage(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    moveCursor(s, 10, 26);
    printText(s, "%s", app.messageText.c_str());
    moveCursor(s, 14, 30);
    putText(s, "Press any key");
    readChar(s);
    closeDialog(s, saved);
}

void showMessage(App& app, const std::string& text) {
    app.messageText = text;
    showMessage(app);
}

void offerView(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    moveCursor(s, 10, 26);
    printText(s, "%s", app.messageText.c_str());
    moveCursor(s, 12, 26);
    putText(s, "View with Explorer ");
    moveCursor(s, 14, 26);
    putText(s, "(Y)es (N)o  ");
    int c = readChar(s);
    if (c >= 0 && upperCase(static_cast<char>(c)) == 'Y') openInBrowser(app, app.pagePath);
    closeDialog(s, saved);
}

void openInBrowser(App& app, const std::string& fileName) {
    // An unavailable browser is silently ignored.
    if (app.browserProgram.empty() || !app.env.startBrowser) return;
    app.env.startBrowser(app.browserProgram, app.env.workingFolder + fileName);
}

void showInputTooLong(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kDialogBox);
    moveCursor(s, 10, 25);
    putText(s, "Input too long... ");
    pauseScreen(s, 1000);
    closeDialog(s, saved);
}

namespace {

// "File %s nor %s.txt present... ", the name cut from the front when the
// line would run past the frame.
std::string notPresentLine(const std::string& name, size_t width) {
    const size_t fixed = std::string("File  nor .txt present... ").size();
    const size_t room = (width - fixed) / 2;
    std::string shown = name.size() <= room ? name : "..." + name.substr(name.size() - room + 3);
    return "File " + shown + " nor " + shown + ".txt present... ";
}

}  // namespace

std::optional<std::string> askForFile(App& app, const char* question, int frameRight,
                                      const std::string& emptyAnswer,
                                      const std::function<bool(const std::string&)>& tryName) {
    Screen& s = app.screen;
    constexpr int kRow = 8, kCol = 20;
    // The answer is echoed from behind the question to the frame, and so is
    // the error line under it.
    const int answerWidth = frameRight - (kCol + 15);
    const size_t errorWidth = static_cast<size_t>(frameRight - kCol);
    for (;;) {
        putTextAt(s, kRow, kCol, std::string(29, ' '));
        putTextAt(s, kRow, kCol, question);
        std::optional<std::string> answer =
            readField(s, LineField{kSettingTextMax, answerWidth, true});
        if (!answer) return std::nullopt;
        const std::string name = answer->empty() ? emptyAnswer : *answer;
        if (name.empty()) return std::nullopt;
        if (tryName(name)) return name;
        if (tryName(name + ".txt")) return name + ".txt";
        // Cleared to the frame: an earlier, longer line must not show through.
        putTextAt(s, 11, kCol, std::string(errorWidth, ' '));
        putTextAt(s, 11, kCol, notPresentLine(name, errorWidth));
    }
}

}  // namespace hv
