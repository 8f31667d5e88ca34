// Keeping the chart by hand in the real program: edit, insert and delete on
// a copy of the sample folder, save with F4, and find the list again at the
// next start.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/song_table.h"
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

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A copy of example/ with a silent sound player and browser.
struct SampleCopy {
    std::string path;
    std::string bin;
    SampleCopy() {
        path = fs::temp_directory_path() / ("hitvault-editing-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::copy(test::sourcePath("example"), path, fs::copy_options::recursive);
        bin = path + "/.bin";
        fs::create_directory(bin);
        for (const char* name : {"sbplay", "fake-browser"}) {
            std::ofstream(bin + "/" + name) << "#!/bin/sh\nexit 0\n";
            ::chmod((bin + "/" + name).c_str(), 0755);
        }
    }
    ~SampleCopy() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::vector<std::string> environment() const {
        const char* p = std::getenv("PATH");
        return {"PATH=" + bin + ":" + (p ? p : "/usr/bin:/bin"),
                "BROWSER=" + bin + "/fake-browser"};
    }
    std::string file(const std::string& name) const { return readText(path + "/" + name); }
};

}  // namespace

TEST(EditingTmux, EditInsertDeleteSaveAndStartAgain) {
    HV_REQUIRE_TMUX();
    SampleCopy sample;
    const std::string original = sample.file("mysongs.txt");
    const std::vector<std::string> lines = linesOf(original);
    ASSERT_GT(lines.size(), 10u);
    ASSERT_EQ(lines[1].substr(0, 14), "1\tTones and I ");

    {
        test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
        ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
        tmux.sendKeys("Space");
        ASSERT_TRUE(tmux.waitFor("(E)xplorer")) << tmux.capture();

        // F2 on the first song: a new title.
        tmux.sendKeys("F2");
        ASSERT_TRUE(tmux.waitFor("Edit song at Place 1")) << tmux.capture();
        tmux.sendKeys("s");
        ASSERT_TRUE(tmux.waitFor("Song      : Dance Monkey")) << tmux.capture();
        tmux.type("Edited Title");
        tmux.sendKeys("Enter");
        ASSERT_TRUE(tmux.waitFor("Song      :  Edited Title")) << tmux.capture();
        tmux.sendKeys("o");
        ASSERT_TRUE(tmux.waitFor("(1)")) << tmux.capture();

        // Insert before it, confirmed.
        tmux.sendKeys("IC");
        ASSERT_TRUE(tmux.waitFor("Insert new song at Place 1")) << tmux.capture();
        for (const char* value : {"New Artist", "New Song", "1999", "03:33", "5"}) {
            tmux.type(value);
            tmux.sendKeys("Enter");
        }
        ASSERT_TRUE(tmux.waitFor("(Y)es (N)o (Q)uit")) << tmux.capture();
        tmux.sendKeys("y");
        ASSERT_TRUE(tmux.waitFor("(2)")) << tmux.capture();

        // Delete the third song (the sample's second).
        tmux.sendKeys("Down");
        tmux.sendKeys("Down");
        tmux.sendKeys("DC");
        ASSERT_TRUE(tmux.waitFor("Delete Song : 3")) << tmux.capture();
        tmux.sendKeys("y");
        ASSERT_TRUE(tmux.waitFor("(3)")) << tmux.capture();

        tmux.sendKeys("F4");
        ASSERT_TRUE(tmux.waitFor("Save Changes to mysongs.txt ?")) << tmux.capture();
        tmux.sendKeys("y");
        ASSERT_TRUE(tmux.waitForGone("(3)")) << tmux.capture();
        tmux.sendKeys("q");
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 0);
        EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
    }

    EXPECT_EQ(sample.file("mysongs.001"), original);
    EXPECT_FALSE(fs::exists(sample.path + "/band.txt"));
    std::string expected = lines[0] + "\n";
    expected +=
        "1\t" + fitName("New Artist") + "\t" + fitName("New Song") + "\t1999\t   0\t03:33\t5\n";
    expected += "2\t" + fitName("Tones and I") + "\t" + fitName("Edited Title") +
                "\t2019\t   0\t03:29\t0\n";
    // The sample's second song is gone; the rest keep their places.
    for (size_t i = 3; i < lines.size(); ++i) expected += lines[i] + "\n";
    EXPECT_EQ(sample.file("mysongs.txt"), expected);

    // The next start imports the saved list.
    test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    tmux.sendKeys("Space");
    ASSERT_TRUE(tmux.waitFor("(E)xplorer")) << tmux.capture();
    EXPECT_EQ(tmux.line(3).substr(0, 36), "    1. New Artist                   ");
    EXPECT_NE(tmux.line(4).find("Tones and I                   - Edited Title"), std::string::npos)
        << tmux.line(4);
    EXPECT_NE(tmux.line(5).find("Billie Eilish"), std::string::npos) << tmux.line(5);
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace hv
