// The real program on a copy of the sample folder: a list cut by the import
// limit and saved keeps the whole list in its backup, and I with unsaved
// changes asks before throwing them away.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sample_folder.h"

namespace hv {

using test::press;
using test::SampleFolder;

namespace {

long songLines(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n') - 2;  // header, closing empty line
}

}  // namespace

TEST(ChartSafetyTmux, LimitedImportSavedKeepsTheWholeListAndIDoesNotDropEdits) {
    HV_REQUIRE_TMUX();
    SampleFolder sample;
    const std::string original = sample.file("mysongs.txt");
    test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));

    ASSERT_TRUE(press(tmux, "l", "Type Max. No. Songs to Import"));
    tmux.type("100");
    ASSERT_TRUE(press(tmux, "Enter", "were not imported (limit 100)"));
    ASSERT_TRUE(press(tmux, "Space", "Press a Key..."));
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
    tmux.sendKeys("y");
    ASSERT_TRUE(tmux.waitForGone("Save Changes")) << tmux.capture();
    EXPECT_EQ(songLines(sample.file("mysongs.txt")), 100);
    EXPECT_EQ(sample.file("mysongs.001"), original);

    ASSERT_TRUE(press(tmux, "F2", "Edit song at Place 1"));
    ASSERT_TRUE(press(tmux, "s", "Song      :"));
    tmux.type("Kept Title");
    ASSERT_TRUE(press(tmux, "Enter", "Song      :  Kept Title"));
    ASSERT_TRUE(press(tmux, "o", "(1)"));
    ASSERT_TRUE(press(tmux, "i", "Changes not saved. Import anyway ? (Y)es (N)o"));
    ASSERT_TRUE(press(tmux, "n", "Kept Title"));
    EXPECT_NE(tmux.capture().find("(1)"), std::string::npos) << tmux.capture();
    ASSERT_TRUE(press(tmux, "i", "Changes not saved. Import anyway ? (Y)es (N)o"));
    ASSERT_TRUE(press(tmux, "y", "File to Import"));
    ASSERT_TRUE(press(tmux, "Escape", "Kept Title"));

    tmux.sendKeys("q");
    tmux.sendKeys("e");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(songLines(sample.file("mysongs.txt")), 100);
    EXPECT_EQ(sample.file("mysongs.001"), original);
}

}  // namespace hv
