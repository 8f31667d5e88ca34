// The real program appends last year's list (F5), checks doubles (J) and
// saves (F4): the same list the core makes of the same files.
#include <gtest/gtest.h>

#include "console/sample_folder.h"
#include "database/import.h"
#include "database/save_list.h"
#include "maintenance/append_songs.h"
#include "maintenance/double_check.h"

namespace hv {

using test::press;

TEST(MaintenanceTmux, AppendDoubleCheckAndSave) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    // Look-alikes accepted and skipped in turn, then the double check on A.
    SongTable list;
    std::vector<Song> start =
        readSongFile(sample.path + "/mysongs.txt", "mysongs.txt", 2026, kDefaultImportLimit).songs;
    replaceTable(list, start);
    std::string answers;
    appendSongs(list, readAppendFile(sample.path + "/2025.txt", "2025.txt").lines,
                [&](const AppendLookAlike&) {
                    answers += answers.size() % 2 ? 's' : 'a';
                    return answers.size() % 2 ? LookAlikeAnswer::Accept : LookAlikeAnswer::Skip;
                });
    ASSERT_GE(answers.size(), 2u);
    doubleCheck(list, {{}, [](const DoubleCheckPair&) { return DoubleCheckAnswer::Automatic; }});

    test::TmuxSession tmux(sample.path, {"S"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    // "2025" opens as "2025.txt"; the answers are typed ahead.
    ASSERT_TRUE(press(tmux, "F5", "File to Append"));
    tmux.type("2025\r" + answers);
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "j", "(R)emove song (K)eep song (A)utomatic (Q)uit"));
    ASSERT_TRUE(press(tmux, "a", "Press a Key..."));
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
    tmux.sendKeys("y");
    ASSERT_TRUE(tmux.waitForGone("Save Changes")) << tmux.capture();
    EXPECT_EQ(sample.file("mysongs.txt"), formatSongList(list, 2026));
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace hv
