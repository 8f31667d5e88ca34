#include "console/prompts.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app.h"

namespace hv {

std::string readLine(Screen& s, size_t maxChars) {
    std::string field;
    readLine(s, field, maxChars);
    return field;
}

void readLine(Screen& s, std::string& field, size_t maxChars) {
    field.clear();
    syncCursor(s);
    // The echo must fit on the screen: a line typed at the bottom row would
    // otherwise keep overwriting the last cell while more is stored.
    const size_t room =
        static_cast<size_t>((kScreenRows - s.cursorRow) * kScreenCols - s.cursorCol - 1);
    const size_t limit = std::min(maxChars, room);
    for (;;) {
        InputEvent e = nextInput(s);
        // A failed read is not an answer: half-typed text must not be taken
        // as one. The backend ends the program when input stays unreadable.
        if (e.failed) continue;
        if (e.ch == kKeyEnter || e.ch == '\n') return;
        if (e.ch == kKeyBackspace || e.ch == 127) {
            if (field.empty()) continue;
            field.pop_back();
            if (s.cursorCol > 0) {
                s.cursorCol--;
            } else if (s.cursorRow > 0) {
                s.cursorRow--;
                s.cursorCol = kScreenCols - 1;
            }
            int row = s.cursorRow, col = s.cursorCol;
            putText(s, " ");
            s.cursorRow = row;
            s.cursorCol = col;
            continue;
        }
        if (e.ch < 32 || e.ch == 127) continue;
        if (field.size() >= limit) continue;
        field.push_back(static_cast<char>(e.ch));
        putText(s, std::string(1, static_cast<char>(e.ch)));
        syncCursor(s);
    }
}

char readChoice(Screen& s, std::string_view keys, char onFailure) {
    for (;;) {
        int c = readChar(s);
        if (c < 0) return onFailure;
        char key = upperCase(static_cast<char>(c));
        if (keys.find(key) != std::string_view::npos) return key;
    }
}

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

std::string chooseBrowser(const char* browserVariable, const char* pathVariable) {
    // $BROWSER may list several programs separated by colons; the first is used.
    if (browserVariable && *browserVariable) {
        std::string_view list = browserVariable;
        std::string first(list.substr(0, list.find(':')));
        if (!first.empty()) return first;
    }
    std::string_view path = pathVariable ? pathVariable : "";
    for (;;) {
        size_t end = path.find(':');
        std::string_view dir = path.substr(0, end);
        std::string candidate = dir.empty() ? std::string(".") : std::string(dir);
        candidate += "/xdg-open";
        struct stat st;
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string_view::npos) break;
        path.remove_prefix(end + 1);
    }
    return "";
}

void findBrowser(App& app) {
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (buffer.size() > (1u << 20)) {
            buffer.assign(2, '\0');
            buffer[0] = '.';
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    std::string folder = buffer.data();
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    app.env.workingFolder = folder;
    app.browserProgram = chooseBrowser(std::getenv("BROWSER"), std::getenv("PATH"));
}

}  // namespace hv
