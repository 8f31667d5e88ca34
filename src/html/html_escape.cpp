#include "html/html_escape.h"

namespace hv {

namespace {

// What a character is written as, or nullptr for a character that stays.
const char* replacement(char c, bool quotes) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        // A NUL would cut the text where it is formatted and a CR breaks the
        // page's lines: both show as a blank.
        case '\0':
        case '\r':
            return " ";
        case '"':
            return quotes ? "&quot;" : nullptr;
        default:
            return nullptr;
    }
}

// Runs of plain characters are appended whole: names rarely hold anything
// to replace, and a page holds tens of thousands of them.
void appendEscaped(std::string& out, std::string_view text, bool quotes) {
    size_t plainFrom = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char* with = replacement(text[i], quotes);
        if (!with) continue;
        out.append(text, plainFrom, i - plainFrom);
        out += with;
        plainFrom = i + 1;
    }
    out.append(text, plainFrom);
}

}  // namespace

std::string escapeHtmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text, false);
    return out;
}

std::string escapeHtmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text, true);
    return out;
}

void appendEscapedText(std::string& out, std::string_view text) {
    appendEscaped(out, text, false);
}

void appendEscapedAttribute(std::string& out, std::string_view text) {
    appendEscaped(out, text, true);
}

}  // namespace hv
