#include "html/page_template.h"

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

std::string fillTemplate(std::string_view templateText, std::string_view titleLine,
                         const BodyWriter& body, MarkerScan scan) {
    std::string page;
    page.reserve(templateText.size() + 4096);
    bool copyRest = false;
    for (std::string_view piece : templatePieces(templateText)) {
        if (copyRest) {
            page += piece;
            continue;
        }
        if (piece.find(kTitleMarker) != std::string_view::npos) piece = titleLine;
        if (piece.find(kBodyMarker) != std::string_view::npos) {
            if (body) body(page);
            if (scan == MarkerScan::untilBody) copyRest = true;
            continue;
        }
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
