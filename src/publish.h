// Writing every page without a screen, for a scheduled run after each week's
// votes: "hitvault --publish" in the working folder.
#pragma once

#include <cstdio>
#include <string>

namespace hv {

// One line on `out` per page written, one line on `err` per page that could
// not be; 0 when every page was written, 1 otherwise. The song list file is
// never changed.
int publishSite(const std::string& folder, int currentYear, std::FILE* out, std::FILE* err);

}  // namespace hv
