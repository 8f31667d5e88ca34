// A temporary working folder, removed with all it holds when the test ends.
#pragma once

#include <string>

namespace hv::test {

struct TempFolder {
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string folder;  // with a trailing "/", as the program expects

    // Names are relative to the folder; writeFile makes missing subfolders.
    void writeFile(const std::string& name, const std::string& content) const;
    std::string readFile(const std::string& name) const;
    bool exists(const std::string& name) const;
    void removeFile(const std::string& name) const;
};

// The path of a file in the repository (test data, the example folder).
std::string sourcePath(const std::string& relative);

}  // namespace hv::test
