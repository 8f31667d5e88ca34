// Every page is the user's template with two things put in: a title line at
// the title marker and the page body at the body marker. The look of the site
// is the template's; the program only writes the body lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/text_format.h"

namespace hv {

struct App;

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

// The page made from the template text: a piece holding the title marker is
// replaced whole by the title line; then a piece (as it now stands) holding
// the body marker is replaced by the body; every other piece is copied.
std::string fillTemplate(std::string_view templateText, std::string_view titleLine,
                         const BodyWriter& body, MarkerScan scan = MarkerScan::wholeTemplate);

// Reads the template (a name of the working folder) and writes the page whole.
// A missing template is reported at (23, 2) and waits for a key; a page that
// cannot be written is reported in a message box. Either way nothing is
// written and the result is false, so the caller does not offer the page.
bool writeTemplatePage(App& app, const std::string& templateName, const std::string& pageName,
                       const std::string& titleLine, const BodyWriter& body,
                       MarkerScan scan = MarkerScan::wholeTemplate);

// Puts the message and the page path in place and offers the page for viewing.
void offerPage(App& app, const std::string& pagePath, const std::string& message);

// The usual road for a page of the working folder: writes it and, when that
// worked, offers it with the message "<page> generated...".
void publishPage(App& app, const std::string& templateName, const std::string& pageName,
                 const std::string& titleLine, const BodyWriter& body);

}  // namespace hv
