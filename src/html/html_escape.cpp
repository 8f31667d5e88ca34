#include "html/html_escape.h"

namespace hv {

namespace {

std::string escape(std::string_view text, bool quotes) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            // A NUL would cut the text where it is formatted and a CR breaks
            // the page's lines: both show as a blank.
            case '\0':
            case '\r':
                out.push_back(' ');
                break;
            case '"':
                if (quotes) {
                    out += "&quot;";
                    break;
                }
                [[fallthrough]];
            default:
                out.push_back(c);
        }
    }
    return out;
}

}  // namespace

std::string escapeHtmlText(std::string_view text) {
    return escape(text, false);
}

std::string escapeHtmlAttribute(std::string_view text) {
    return escape(text, true);
}

}  // namespace hv
