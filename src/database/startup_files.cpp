#include "database/startup_files.h"

#include <filesystem>
#include <string_view>

#include "database/rescue_copy.h"
#include "database/text_files.h"

namespace hv {

namespace {

namespace fs = std::filesystem;

// The ending the atomic writer gives its temporary files, before the six
// characters that make the name unique.
constexpr std::string_view kTempMark = ".hvtmp";
constexpr size_t kTempUniqueChars = 6;

bool isLeftoverTempName(std::string_view name) {
    const size_t tail = kTempMark.size() + kTempUniqueChars;
    if (name.size() <= tail) return false;
    std::string_view ending = name.substr(name.size() - tail);
    if (ending.substr(0, kTempMark.size()) != kTempMark) return false;
    for (char c : ending.substr(kTempMark.size())) {
        bool alphanumeric =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alphanumeric) return false;
    }
    return true;
}

}  // namespace

void removeLeftoverTempFiles(const std::string& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error);
         !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && isLeftoverTempName(it->path().filename().string()))
            fs::remove(it->path(), ignored);
    }
}

bool rescueCopyIsNewer(const std::string& folder, const std::string& databaseName) {
    std::error_code error;
    fs::file_time_type rescued =
        fs::last_write_time(folderPath(folder, rescueCopyName(databaseName)), error);
    if (error) return false;
    fs::file_time_type listed = fs::last_write_time(folderPath(folder, databaseName), error);
    return error || rescued > listed;
}

}  // namespace hv
