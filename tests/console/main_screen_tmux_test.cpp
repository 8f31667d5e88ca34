// The real program on a copy of the sample folder: the first start imports and plays its sound,
// the bar's colours reach the terminal, help calls the browser, and a deletion is saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/terminal/screen.h"
#include "sample_folder.h"

namespace hv {

using test::press;

TEST(MainScreenTmux, FirstStartHelpDeleteAndSave) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    const std::string original = sample.file("mysongs.txt");
    test::TmuxSession tmux(sample.path, {"x"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    EXPECT_EQ(tmux.line(3),
              "    1. Tones and I                   - Dance Monkey                  2019     0");
    EXPECT_EQ(std::pair(sample.file("sbplay.log"), sample.file("backup.txt")),
              std::pair(std::string("intro.wav /s\n"), original));
    std::vector<int> bar(80, kAttrHighlight);
    bar[0] = kAttrNormal;
    tmux.sendKeys("Down");
    EXPECT_TRUE(tmux.waitUntil([&] { return tmux.colours().at(4) == bar; })) << tmux.capture();
    ASSERT_TRUE(press(tmux, "F1", "Key Operations (1)"));
    for (const char* key : {"e", "q", "Up"}) tmux.sendKeys(key);
    ASSERT_TRUE(tmux.waitForGone("Key Operations")) << tmux.capture();
    EXPECT_EQ(sample.file("fake-browser.log"), sample.path + "/hit-vault.htm\n");

    ASSERT_TRUE(press(tmux, "DC", "Delete Song") && press(tmux, "y", "(1)"));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
    tmux.sendKeys("y");
    ASSERT_TRUE(tmux.waitForGone("(1)")) << tmux.capture();
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_EQ(sample.file("mysongs.001"), original);
}

}  // namespace hv
