#include "html/page_template.h"

#include <algorithm>

#include "database/text_encoding.h"
#include "database/text_files.h"

namespace hv {

std::vector<std::string_view> templatePieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    while (start < text.size()) {
        size_t i = start;
        size_t counted = 0;
        while (i < text.size()) {
            if (text[i] == '\n') {
                ++i;
                break;
            }
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                i += 2;
                break;
            }
            ++i;
            if (++counted == kTemplatePieceLength) {
                // A line end right behind a full piece would have been its
                // 280th character: it starts the next piece.
                break;
            }
        }
        pieces.push_back(text.substr(start, i - start));
        start = i;
    }
    return pieces;
}

namespace {

char lowerCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where `word` (lower case) next stands in the text, in any case, from `from`.
size_t findNoCase(std::string_view text, std::string_view word, size_t from = 0) {
    for (size_t i = from; i + word.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < word.size() && lowerCase(text[i + k]) == word[k]) ++k;
        if (k == word.size()) return i;
    }
    return std::string_view::npos;
}

bool startsWithNoCase(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && findNoCase(text.substr(0, word.size()), word) == 0;
}

}  // namespace

bool declaresUtf8Charset(std::string_view html) {
    for (size_t at = findNoCase(html, "<meta"); at != std::string_view::npos;
         at = findNoCase(html, "<meta", at + 1)) {
        std::string_view element = html.substr(at);
        element = element.substr(0, element.find('>'));
        size_t name = findNoCase(element, "charset");
        if (name == std::string_view::npos) continue;
        std::string_view value = element.substr(name + 7);
        value.remove_prefix(std::min(value.find_first_not_of(" \t\r\n"), value.size()));
        if (value.empty() || value[0] != '=') continue;
        value.remove_prefix(1);
        value.remove_prefix(std::min(value.find_first_not_of(" \t\r\n\"'"), value.size()));
        for (std::string_view utf8 : {"utf-8", "utf8"}) {
            if (!startsWithNoCase(value, utf8)) continue;
            std::string_view rest = value.substr(utf8.size());
            if (rest.empty() ||
                std::string_view(" \t\r\n\"';/").find(rest[0]) != std::string_view::npos)
                return true;
        }
        return false;
    }
    return false;
}

std::string fillTemplate(std::string_view templateText, std::string_view titleLine,
                         const BodyWriter& body, MarkerScan scan) {
    const bool utf8 = declaresUtf8Charset(templateText);
    std::string page;
    page.reserve(templateText.size() + 4096);
    bool copyRest = false;
    for (std::string_view piece : templatePieces(templateText)) {
        if (copyRest) {
            page += piece;
            continue;
        }
        const bool isTitle = piece.find(kTitleMarker) != std::string_view::npos;
        if (isTitle) piece = titleLine;
        if (piece.find(kBodyMarker) != std::string_view::npos) {
            if (body && utf8) {
                std::string text;
                body(text);
                page += windows1252ToUtf8(text);
            } else if (body) {
                body(page);
            }
            if (scan == MarkerScan::untilBody) copyRest = true;
            continue;
        }
        if (isTitle && utf8)
            page += windows1252ToUtf8(piece);
        else
            page += piece;
    }
    return page;
}

PageStatus writeTemplatePage(const std::string& folder, const std::string& templateName,
                             const std::string& pageName, const std::string& titleLine,
                             const BodyWriter& body, MarkerScan scan) {
    std::optional<std::string> templateText = readWholeFile(folderPath(folder, templateName));
    if (!templateText) return PageStatus::templateMissing;
    std::string page = fillTemplate(*templateText, titleLine, body, scan);
    // A page can be written again at any time: no flush to the disk for it.
    if (!writeFileWhole(folderPath(folder, pageName), page)) return PageStatus::pageNotWritten;
    return PageStatus::written;
}

}  // namespace hv
