// A fresh program state for a test of a screen: a scripted screen, a
// temporary working folder, and fakes that record the browser and command
// calls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app.h"
#include "console/terminal/scripted_backend.h"
#include "support/song_lists.h"
#include "support/temp_folder.h"

namespace hv::test {

struct TestApp : TempFolder {
    TestApp();

    App app;
    ScriptedBackend& keys;                                          // owned by app.screen
    std::vector<std::pair<std::string, std::string>> browserCalls;  // program, path
    std::vector<std::string> commands;

    Song& addSong(const std::string& artist, const std::string& title, int year = 2000,
                  int prevRank = 9999, const std::string& duration = "03:30", int votes = 0,
                  int place = 0) {
        return test::addSong(app.songs, artist, title, year, prevRank, duration, votes, place);
    }

    std::string row(int r) const { return rowText(app.screen, r); }
    std::string screen() const { return screenText(app.screen); }
};

// A text expected on the screen from a row and column.
struct Shown {
    int row, col;
    std::string text;
};

// Every text stands where it says; a failure lists each one that does not.
testing::AssertionResult shows(const TestApp& t, const std::vector<Shown>& expected);

// The screen as it looks on the terminal (frames as box glyphs, trailing
// spaces dropped) equals the golden file, a repository path. With
// HITVAULT_UPDATE_GOLDEN set the file is written instead.
testing::AssertionResult showsGolden(const TestApp& t, const std::string& goldenPath);

}  // namespace hv::test
