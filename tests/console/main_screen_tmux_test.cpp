// The real program on a copy of the sample folder: a list cut by the import limit and saved keeps
// the whole list in its backup; I keeps unsaved edits; a saved edit is found at the next start.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/terminal/screen.h"
#include "sample_folder.h"

namespace hv {

using test::press;

TEST(MainScreenTmux, FirstStartHelpLimitedImportEditAndSave) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    const std::string original = sample.file("mysongs.txt");
    auto songLines = [&] {
        std::string text = sample.file("mysongs.txt");
        return std::count(text.begin(), text.end(), '\n') - 2;  // header, closing empty line
    };
    {
        test::TmuxSession tmux(sample.path, {"x"}, sample.environment());
        ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();  // the first start imports
        ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
        EXPECT_EQ(
            tmux.line(3),
            "    1. Tones and I                   - Dance Monkey                  2019     0");
        EXPECT_EQ(sample.file("sbplay.log"), "intro.wav /s\n");
        EXPECT_EQ(sample.file("backup.txt"), original);
        // The bar's colours reach the terminal from column 1 to the edge, and Down moves it.
        std::vector<int> bar(80, kAttrHighlight);
        bar[0] = kAttrNormal;
        tmux.sendKeys("Down");
        EXPECT_TRUE(tmux.waitUntil([&] { return tmux.colours().at(4) == bar; })) << tmux.capture();
        ASSERT_TRUE(press(tmux, "F1", "Key Operations (1)"));
        for (const char* key : {"e", "q", "Up"}) tmux.sendKeys(key);
        ASSERT_TRUE(tmux.waitForGone("Key Operations")) << tmux.capture();
        EXPECT_EQ(sample.file("fake-browser.log"), sample.path + "/hit-vault.htm\n");

        ASSERT_TRUE(press(tmux, "l", "Type Max. No. Songs to Import"));
        tmux.type("100");
        ASSERT_TRUE(press(tmux, "Enter", "were not imported (limit 100)"));
        ASSERT_TRUE(press(tmux, "Space", "Press a Key..."));
        ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
        ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
        tmux.sendKeys("y");
        ASSERT_TRUE(tmux.waitForGone("Save Changes")) << tmux.capture();
        EXPECT_EQ(songLines(), 100);
        EXPECT_EQ(sample.file("mysongs.001"), original);

        ASSERT_TRUE(press(tmux, "F2", "Edit song at Place 1"));
        ASSERT_TRUE(press(tmux, "s", "Song      : Dance Monkey"));
        tmux.type("Edited Title");
        ASSERT_TRUE(press(tmux, "Enter", "Song      :  Edited Title"));
        ASSERT_TRUE(press(tmux, "o", "(1)"));
        ASSERT_TRUE(press(tmux, "i", "Changes not saved. Import anyway ? (Y)es (N)o"));
        ASSERT_TRUE(press(tmux, "n", "(1)"));
        ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
        tmux.sendKeys("y");
        ASSERT_TRUE(tmux.waitForGone("(1)")) << tmux.capture();
        tmux.sendKeys("q");
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 0);
    }
    EXPECT_EQ(songLines(), 100);
    test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
    ASSERT_TRUE(press(tmux, "Space", "Tones and I                   - Edited Title"));
}

}  // namespace hv
