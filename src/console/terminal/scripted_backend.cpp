#include "console/terminal/scripted_backend.h"

#include "console/terminal/glyphs.h"

namespace hv {

int keyCodeOfChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    switch (c) {
        case '\n':
        case '\r':
            return kKeyEnter;
        case '\b':
        case 127:
            return kKeyBackspace;
        case 27:
            return kKeyEscape;
        case ' ':
            return kKeySpace;
        case '\t':
            return kKeyTab;
        case '+':
            return kKeyPlus;
        case '-':
            return kKeyMinus;
        default:
            return 0;
    }
}

ScriptedBackend& ScriptedBackend::key(int vk) {
    InputEvent e{vk, -1, false};
    if (vk >= 'A' && vk <= 'Z') e.ch = vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9') e.ch = vk;
    if (vk == kKeyEnter || vk == kKeyBackspace || vk == kKeyEscape || vk == kKeySpace) e.ch = vk;
    queue_.push_back({e});
    return *this;
}

ScriptedBackend& ScriptedBackend::text(std::string_view chars) {
    for (char c : chars) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c >= 'A' && c <= 'Z') queue_.push_back({InputEvent{kKeyShift, -1, false}});
        queue_.push_back(
            {InputEvent{keyCodeOfChar(u), c == '\n' ? static_cast<int>(kKeyEnter) : u, false}});
    }
    return *this;
}

ScriptedBackend& ScriptedBackend::typed(std::u32string_view chars) {
    for (char32_t c : chars) {
        if (c < 0x80)
            text(std::string(1, static_cast<char>(c)));
        else
            queue_.push_back({typedHighCharacter(c)});
    }
    return *this;
}

ScriptedBackend& ScriptedBackend::line(std::string_view chars) {
    text(chars);
    queue_.push_back({InputEvent{kKeyEnter, kKeyEnter, false}});
    return *this;
}

ScriptedBackend& ScriptedBackend::nonKeyEvent() {
    queue_.push_back({InputEvent{0, -1, false}});
    return *this;
}

ScriptedBackend& ScriptedBackend::failedRead() {
    queue_.push_back({InputEvent{0, -1, true}});
    return *this;
}

ScriptedBackend& ScriptedBackend::event(InputEvent e) {
    queue_.push_back({e});
    return *this;
}

ScriptedBackend& ScriptedBackend::ending(int signal) {
    queue_.push_back({InputEvent{}, signal});
    return *this;
}

void ScriptedBackend::pause(int milliseconds) {
    pauses.push_back(milliseconds);
    rowsAtPause.clear();
    for (const auto& row : shown_) {
        std::string text;
        for (const Cell& c : row) text.push_back(static_cast<char>(c.ch));
        rowsAtPause.push_back(text);
    }
}

InputEvent ScriptedBackend::nextInput() {
    if (queue_.empty()) throw ScriptExhausted();
    Scripted next = queue_.front();
    queue_.pop_front();
    if (next.endingSignal >= 0) throw TerminalEnding{next.endingSignal};
    return next.event;
}

}  // namespace hv
