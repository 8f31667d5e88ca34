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

}  // namespace hv
