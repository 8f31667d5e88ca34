// The real program on a real 80 x 25 terminal, on a copy of the sample
// folder: first start, the main list, paging, help, and quitting.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_app.h"
#include "support/tmux_session.h"

namespace hv {

namespace {

namespace fs = std::filesystem;

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The list file holds Windows-1252, the terminal shows UTF-8 (the sample
// rows checked here use only the Latin-1 part of the code page).
std::string toUtf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::vector<std::string> songLines(const std::string& database) {
    std::vector<std::string> lines;
    std::istringstream in(database);
    std::string line;
    std::getline(in, line);  // the header
    while (std::getline(in, line) && line.size() >= 2) lines.push_back(line);
    return lines;
}

// The list line of a song of the sample list as the main list shows it
// ("%4d. %s - %s %4d  %s" from column 1, without the trailing spaces tmux
// trims).
std::string expectedLine(const std::string& database, int position) {
    std::vector<std::string> f;
    std::istringstream fields(songLines(database).at(position - 1));
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    int previous = std::atoi(f.at(4).c_str());
    char previousText[16] = "";
    if (previous != 9999) std::snprintf(previousText, sizeof previousText, "%4d", previous);
    char text[200];
    std::snprintf(text, sizeof text, " %4d. %s - %s %4d  %s", position, f.at(1).c_str(),
                  f.at(2).c_str(), std::atoi(f.at(3).c_str()), previousText);
    std::string shown = toUtf8(text);
    return shown.substr(0, shown.find_last_not_of(' ') + 1);
}

// A copy of example/ with a sound player and a browser that only note how
// they were called.
struct SampleFolder {
    std::string path;
    std::string bin;
    SampleFolder() {
        path = fs::temp_directory_path() / ("hitvault-sample-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::copy(test::sourcePath("example"), path, fs::copy_options::recursive);
        bin = path + "/.bin";
        fs::create_directory(bin);
        writeScript("sbplay", "echo \"$@\" >> sound.log\n");
        writeScript("fake-browser", "echo \"$@\" >> browser.log\n");
    }
    ~SampleFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    void writeScript(const std::string& name, const std::string& body) const {
        std::ofstream(bin + "/" + name) << "#!/bin/sh\n" << body;
        ::chmod((bin + "/" + name).c_str(), 0755);
    }
    std::vector<std::string> environment() const {
        const char* searchPath = std::getenv("PATH");
        return {"PATH=" + bin + ":" + (searchPath ? searchPath : "/usr/bin:/bin"),
                "BROWSER=" + bin + "/fake-browser"};
    }
    std::string file(const std::string& name) const { return readText(path + "/" + name); }
};

}  // namespace

TEST(MainScreenTmux, FirstStartListPagingHelpAndQuit) {
    HV_REQUIRE_TMUX();
    SampleFolder sample;
    const std::string database = sample.file("mysongs.txt");
    ASSERT_FALSE(database.empty());

    test::TmuxSession tmux(sample.path, {"x"}, sample.environment());
    // The first start imports the sample list.
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    EXPECT_NE(tmux.capture().find("Import Songs"), std::string::npos);
    tmux.sendKeys("Space");

    ASSERT_TRUE(tmux.waitFor("(E)xplorer")) << tmux.capture();
    EXPECT_EQ(tmux.line(0),
              " 2026  HITVAULT Statistics      (mysongs.txt)                        Year  2025");
    EXPECT_EQ(tmux.line(1),
              "       ===================                                           ====  ====");
    EXPECT_EQ(tmux.line(3), expectedLine(database, 1));
    EXPECT_EQ(tmux.line(4), expectedLine(database, 2));
    EXPECT_EQ(tmux.line(22), expectedLine(database, 20));
    EXPECT_EQ(tmux.line(24),
              "(I)mport (Q)uit (C)ountry (A)rtist (Y)ear (D)ecade (B)and (H)TML (E)xplorer");
    EXPECT_EQ(sample.file("sound.log"), "intro.wav /s\n");
    EXPECT_EQ(sample.file("backup.txt"), database);

    tmux.sendKeys("NPage");
    ASSERT_TRUE(tmux.waitFor(expectedLine(database, 21))) << tmux.capture();
    EXPECT_EQ(tmux.line(3), expectedLine(database, 21));

    tmux.sendKeys("F1");
    ASSERT_TRUE(tmux.waitFor("Key Operations (1)")) << tmux.capture();
    EXPECT_NE(tmux.capture().find("F12      - Quick Vote Overview"), std::string::npos);
    tmux.sendKeys("e");
    tmux.sendKeys("m");
    ASSERT_TRUE(tmux.waitFor("Key Operations (2)")) << tmux.capture();
    EXPECT_EQ(sample.file("browser.log"), sample.path + "/hit-vault.htm\n");
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForGone("Key Operations")) << tmux.capture();
    EXPECT_EQ(tmux.line(3), expectedLine(database, 21));

    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
}

}  // namespace hv
