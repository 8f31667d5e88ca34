// The real program on a real 80 x 25 terminal, on a copy of the sample folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/terminal/screen.h"
#include "sample_folder.h"

namespace hv {

using test::press;
using test::SampleFolder;

TEST(MainScreenTmux, FirstStartListBarPagingHelpAndQuit) {
    HV_REQUIRE_TMUX();
    SampleFolder sample;
    test::TmuxSession tmux(sample.path, {"x"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();  // the first start imports
    EXPECT_NE(tmux.capture().find("Import Songs"), std::string::npos);
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    const std::pair<int, const char*> rows[] = {
        {0, " 2026  HITVAULT Statistics      (mysongs.txt)                        Year  2025"},
        {3, "    1. Tones and I                   - Dance Monkey                  2019     0"},
        {22, "   20. Foster The People             - Pumped Up Kicks               2011    11"},
        {24, "(I)mport (Q)uit (C)ountry (A)rtist (Y)ear (D)ecade (B)and (H)TML (E)xplorer"}};
    for (auto [row, text] : rows) EXPECT_EQ(tmux.line(row), text) << row;
    EXPECT_EQ(sample.file("sbplay.log"), "intro.wav /s\n");
    EXPECT_EQ(sample.file("backup.txt"), sample.file("mysongs.txt"));

    // The bar's colours reach the terminal from column 1 to the edge; Down and Up move it.
    std::vector<int> normal(80, kAttrNormal), bar(80, kAttrHighlight);
    bar[0] = kAttrNormal;
    auto barRow = [&] {
        std::vector<std::vector<int>> seen = tmux.colours();
        std::string found = seen.size() == 25 ? "none" : "a pane of " + std::to_string(seen.size());
        for (int row = 0; row < static_cast<int>(seen.size()); ++row) {
            if (seen[row] == bar)
                found = found == "none" ? std::to_string(row) : "several";
            else if (seen[row] != normal)
                return "row " + std::to_string(row) + " is mixed";
        }
        return found;
    };
    for (auto [key, row] : {std::pair{"", "3"}, {"Down", "4"}, {"Down", "5"}, {"Up", "4"}}) {
        if (*key) tmux.sendKeys(key);
        EXPECT_TRUE(tmux.waitUntil([&] { return barRow() == row; }))
            << key << ": " << barRow() << "\n"
            << tmux.capture();
    }
    const std::string row21 =
        "   21. Ed Sheeran                    - Thinking out Loud             2014    36";
    ASSERT_TRUE(press(tmux, "NPage", row21));
    EXPECT_EQ(tmux.line(3), row21);

    ASSERT_TRUE(press(tmux, "F1", "Key Operations (1)"));
    tmux.sendKeys("e");
    ASSERT_TRUE(press(tmux, "m", "Key Operations (2)"));
    EXPECT_EQ(sample.file("fake-browser.log"), sample.path + "/hit-vault.htm\n");
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForGone("Key Operations")) << tmux.capture();
    EXPECT_EQ(tmux.line(3), row21);

    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
}

}  // namespace hv
