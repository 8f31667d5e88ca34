// A fresh program state for a test: a scripted screen, a temporary working
// folder, and fakes that record the browser and command calls.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app.h"
#include "console/terminal/scripted_backend.h"

namespace hv::test {

struct TestApp {
    TestApp();
    ~TestApp();
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;

    App app;
    ScriptedBackend& keys;  // owned by app.screen
    std::string folder;     // the working folder, with a trailing "/"
    std::vector<std::pair<std::string, std::string>> browserCalls;  // program, path
    std::vector<std::string> commands;

    void writeFile(const std::string& name, const std::string& content) const;
    std::string readFile(const std::string& name) const;
    bool exists(const std::string& name) const;
    void removeFile(const std::string& name) const;

    // Appends a song to the table (place = its list position unless given).
    Song& addSong(const std::string& artist, const std::string& title, int year = 2000,
                  int prevRank = 9999, const std::string& duration = "03:30", int votes = 0,
                  int place = 0);

    std::string row(int r) const { return rowText(app.screen, r); }
    std::string screen() const { return screenText(app.screen); }
};

// The path of a file in the repository (test data, the example folder).
std::string sourcePath(const std::string& relative);

}  // namespace hv::test
