// Edit, insert and delete in the real program, save with F4, and find the list at the next start.
#include <gtest/gtest.h>

#include <string>

#include "database/song_table.h"
#include "sample_folder.h"

namespace hv {

using test::press;
using test::SampleFolder;

TEST(EditingTmux, EditInsertDeleteSaveAndStartAgain) {
    HV_REQUIRE_TMUX();
    SampleFolder sample;
    const std::string original = sample.file("mysongs.txt");
    {
        test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
        ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
        ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));

        ASSERT_TRUE(press(tmux, "F2", "Edit song at Place 1"));
        ASSERT_TRUE(press(tmux, "s", "Song      : Dance Monkey"));
        tmux.type("Edited Title");
        ASSERT_TRUE(press(tmux, "Enter", "Song      :  Edited Title"));
        ASSERT_TRUE(press(tmux, "o", "(1)"));

        ASSERT_TRUE(press(tmux, "IC", "Insert new song at Place 1"));
        for (const char* value : {"New Artist", "New Song", "1999", "03:33", "5"}) {
            tmux.type(value);
            tmux.sendKeys("Enter");
        }
        ASSERT_TRUE(tmux.waitFor("(Y)es (N)o (Q)uit")) << tmux.capture();
        ASSERT_TRUE(press(tmux, "y", "(2)"));

        for (const char* key : {"Down", "Down"}) tmux.sendKeys(key);  // the sample's second
        ASSERT_TRUE(press(tmux, "DC", "Delete Song : 3"));
        ASSERT_TRUE(press(tmux, "y", "(3)"));

        ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
        tmux.sendKeys("y");
        ASSERT_TRUE(tmux.waitForGone("(3)")) << tmux.capture();
        tmux.sendKeys("q");
        ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
        EXPECT_EQ(tmux.exitStatus(), 0);
        EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
    }
    EXPECT_EQ(sample.file("mysongs.001"), original);
    EXPECT_FALSE(std::filesystem::exists(sample.path + "/band.txt"));
    size_t third = original.find('\n', original.find("\n2\t") + 1) + 1;
    EXPECT_EQ(sample.file("mysongs.txt"),
              original.substr(0, original.find('\n') + 1) + "1\t" + fitName("New Artist") + "\t" +
                  fitName("New Song") + "\t1999\t   0\t03:33\t5\n" + "2\t" +
                  fitName("Tones and I") + "\t" + fitName("Edited Title") +
                  "\t2019\t   0\t03:29\t0\n" + original.substr(third));

    test::TmuxSession tmux(sample.path, {"s"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    EXPECT_EQ(tmux.line(3).substr(0, 36), "    1. New Artist                   ");
    EXPECT_NE(tmux.line(4).find("Tones and I                   - Edited Title"), std::string::npos)
        << tmux.line(4);
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace hv
