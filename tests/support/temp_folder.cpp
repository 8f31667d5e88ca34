#include "support/temp_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "database/text_files.h"

namespace hv::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    folder = (fs::temp_directory_path() / "hitvault-test-XXXXXX").string();
    if (!::mkdtemp(folder.data())) throw std::runtime_error("cannot create a temporary folder");
    folder += "/";
}

TempFolder::~TempFolder() {
    // A test may have taken the folder's permissions away.
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
}

void TempFolder::writeFile(const std::string& name, const std::string& content) const {
    fs::path p(folder + name);
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

std::string TempFolder::readFile(const std::string& name) const {
    std::optional<std::string> text = readWholeFile(folder + name);
    if (!text) throw std::runtime_error("test file missing: " + name);
    return *text;
}

bool TempFolder::exists(const std::string& name) const {
    return fs::exists(folder + name);
}

void TempFolder::removeFile(const std::string& name) const {
    fs::remove(folder + name);
}

std::string sourcePath(const std::string& relative) {
    return std::string(HITVAULT_SOURCE_DIR) + "/" + relative;
}

}  // namespace hv::test
