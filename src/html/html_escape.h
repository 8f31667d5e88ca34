// Text put into a page must not break its markup, whatever the names hold.
#pragma once

#include <string>
#include <string_view>

namespace hv {

// & < > as &amp; &lt; &gt;, a NUL or CR as a blank; everything else, spaces
// included, stays.
std::string escapeHtmlText(std::string_view text);
// As escapeHtmlText, and " as &quot;, for a value between double quotes.
std::string escapeHtmlAttribute(std::string_view text);

// The same appended to a page being built, without a text of its own.
void appendEscapedText(std::string& out, std::string_view text);
void appendEscapedAttribute(std::string& out, std::string_view text);

}  // namespace hv
