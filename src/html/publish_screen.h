// Publishing a page from a screen: writing it from its template, telling the
// user what went wrong, and offering the page for viewing.
#pragma once

#include <string>

#include "html/page_template.h"

namespace hv {

struct App;

// Tells the user why a page was not written: a missing template at (23, 2),
// waiting for a key; a page that cannot be written in a message box. True
// when it was written.
bool reportPageStatus(App& app, PageStatus status, const std::string& templateName,
                      const std::string& pageName);

// Writes the page and reports a failure; false when nothing was written, so
// the caller does not offer the page. The user's work stays either way: the
// page is abandoned, not the program.
bool writePage(App& app, const std::string& templateName, const std::string& pageName,
               const std::string& titleLine, const BodyWriter& body,
               MarkerScan scan = MarkerScan::wholeTemplate);

// Puts the message and the page path in place and offers the page for viewing.
void offerPage(App& app, const std::string& pagePath, const std::string& message);

// The usual road for a page of the working folder: writes it and, when that
// worked, offers it with the message "<page> generated...".
void publishPage(App& app, const std::string& templateName, const std::string& pageName,
                 const std::string& titleLine, const BodyWriter& body);

}  // namespace hv
