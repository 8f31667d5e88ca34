#include "console/terminal/key_diagnostic.h"

#include <deque>

namespace hv {

namespace {

constexpr int kTextCol = 24;
constexpr int kTextWidth = 35;
constexpr size_t kHistoryLength = 8;

void writeLine(Screen& s, int row, const std::string& text) {
    moveCursor(s, row, kTextCol);
    printText(s, "%-*.*s", kTextWidth, kTextWidth, text.c_str());
}

void drawFrame(Screen& s) {
    setAttribute(s, kAttrNormal);
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    putText(s, "HITVAULT Statistics - key codes");
    clearDialog(s, kMessageBox);
    writeLine(s, 7, "Press keys to see their codes.");
    writeLine(s, 8, "(Q) ends.");
    writeLine(s, 10, "Key code:");
    writeLine(s, 11, "Character:");
    writeLine(s, 13, "Last keys:");
}

void showEvent(Screen& s, const InputEvent& e, std::deque<int>& history) {
    if (isKeyPress(e)) {
        std::string name = keyName(e.vk);
        writeLine(s, 10, "Key code: " + std::to_string(e.vk) + (name.empty() ? "" : "  " + name));
        history.push_front(e.vk);
        if (history.size() > kHistoryLength) history.pop_back();
    } else {
        writeLine(s, 10, "Key code: none (waitKey skips it)");
    }
    if (e.ch >= 32 && e.ch != 127) {
        std::string text = "Character: ";
        text.push_back(static_cast<char>(e.ch));
        writeLine(s, 11, text + "  " + std::to_string(e.ch));
    } else if (e.ch >= 0) {
        writeLine(s, 11, "Character: " + std::to_string(e.ch));
    } else {
        writeLine(s, 11, "Character: none");
    }
    std::string codes;
    for (int code : history) codes += std::to_string(code) + " ";
    writeLine(s, 14, codes);
}

}  // namespace

std::string keyName(int vk) {
    if (vk >= kKeyF1 && vk <= kKeyF12) return "F" + std::to_string(vk - kKeyF1 + 1);
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, char(vk));
    switch (vk) {
        case kKeyBackspace:
            return "Backspace";
        case kKeyTab:
            return "Tab";
        case kKeyEnter:
            return "Enter";
        case kKeyEscape:
            return "Escape";
        case kKeySpace:
            return "Space";
        case kKeyPageUp:
            return "Page Up";
        case kKeyPageDown:
            return "Page Down";
        case kKeyEnd:
            return "End";
        case kKeyHome:
            return "Home";
        case kKeyLeft:
            return "Left";
        case kKeyUp:
            return "Up";
        case kKeyRight:
            return "Right";
        case kKeyDown:
            return "Down";
        case kKeyInsert:
            return "Insert";
        case kKeyDelete:
            return "Delete";
        case kKeyPlus:
            return "Plus";
        case kKeyMinus:
            return "Minus";
        default:
            return "";
    }
}

int runKeyDiagnostic(Screen& s) {
    openScreen(s);
    drawFrame(s);
    moveCursor(s, 10, kTextCol + 10);
    std::deque<int> history;
    for (;;) {
        InputEvent e = nextInput(s);
        if (e.failed) continue;
        if (isKeyPress(e) && e.vk == 'Q') break;
        if (!isKeyPress(e) && e.ch < 0) continue;
        showEvent(s, e, history);
        moveCursor(s, 10, kTextCol + 10);
    }
    setAttribute(s, kAttrNormal);
    moveCursor(s, 0, 0);
    eraseToEndOfScreen(s);
    closeScreen(s);
    return 0;
}

}  // namespace hv
