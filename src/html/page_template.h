// Every page is the user's template with two things put in: a title line at
// the title marker and the page body at the body marker. The look of the site
// is the template's; the program only writes the body lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "database/text_format.h"

namespace hv {

// Both found anywhere in a piece, case-sensitively.
constexpr std::string_view kTitleMarker = "<TITLE>..";
constexpr std::string_view kBodyMarker = "TEXT HERE";
// Template lines are handled in pieces of at most this many characters, the
// line end counted as one; a longer line becomes several pieces, each handled
// on its own, so a marker split between two pieces is not seen.
constexpr size_t kTemplatePieceLength = 279;

// Appends the page body; called once for every body marker.
using BodyWriter = std::function<void(std::string& out)>;

enum class MarkerScan {
    // Every piece is looked at: two body markers give the body twice.
    wholeTemplate,
    // After the first body the rest of the template is copied as it stands
    // (the chart pages, whose body ends with the navigation line).
    untilBody,
};

// The template cut into pieces, each keeping its bytes (a CR LF line end
// stays CR LF and counts as one character).
std::vector<std::string_view> templatePieces(std::string_view text);

// Whether the template declares charset=utf-8 (or utf8) in its first meta
// element that names a charset, in any case, quoted or not.
bool declaresUtf8Charset(std::string_view html);

// The page made from the template text: a piece holding the title marker is
// replaced whole by the title line; then a piece (as it now stands) holding
// the body marker is replaced by the body; every other piece is copied. The
// title line and the body are the program's Windows-1252 text; a template
// that declares UTF-8 gets them converted, its own bytes staying as they are.
std::string fillTemplate(std::string_view templateText, std::string_view titleLine,
                         const BodyWriter& body, MarkerScan scan = MarkerScan::wholeTemplate);

enum class PageStatus { written, templateMissing, pageNotWritten };

// Reads the template (a name of the working folder) and writes the page whole,
// replacing an older one only once the new one is complete (not flushed to
// the disk: a page can be written again). Nothing is
// written when the template is missing or the page cannot be written.
PageStatus writeTemplatePage(const std::string& folder, const std::string& templateName,
                             const std::string& pageName, const std::string& titleLine,
                             const BodyWriter& body, MarkerScan scan = MarkerScan::wholeTemplate);

}  // namespace hv
