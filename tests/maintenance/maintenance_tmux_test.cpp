// The real program on a copy of the sample folder: F5 appends last year's
// list with look-alike questions answered, J checks the result for doubles,
// R renames an artist everywhere, and F4 saves it all. The core does the same
// work on the same files beside it, for the figures and the saved list.
#include <gtest/gtest.h>

#include "console/sample_folder.h"
#include "database/import.h"
#include "database/save_list.h"
#include "database/text_format.h"
#include "maintenance/append_songs.h"
#include "maintenance/double_check.h"
#include "maintenance/find_replace.h"

namespace hv {
namespace {

using test::press;

// The four numbers of an end screen, behind their labels' colons.
std::string figures(test::TmuxSession& tmux) {
    std::string out;
    for (int row : {13, 14, 16, 17}) out += tmux.line(row).substr(tmux.line(row).find(':') + 1, 5);
    return out;
}
std::string figures(int a, int b, const SongTable& list) {
    return formatText("%5d%5d%5d%5d", a, b, list.count, countBands(list));
}

TEST(MaintenanceTmux, AppendDoubleCheckReplaceAndSave) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    // Look-alikes accepted and skipped in turn, A at the first pair of the
    // double check, A at the first replacement.
    SongTable list;
    std::vector<Song> start =
        readSongFile(sample.path + "/mysongs.txt", "mysongs.txt", 2026, kDefaultImportLimit).songs;
    replaceTable(list, start);
    std::string answers;
    AppendResult appended =
        appendSongs(list, readAppendFile(sample.path + "/2025.txt", "2025.txt").lines,
                    [&](const AppendLookAlike&) {
                        answers += answers.size() % 2 ? 's' : 'a';
                        return answers.size() % 2 ? LookAlikeAnswer::Accept : LookAlikeAnswer::Skip;
                    });
    ASSERT_GE(answers.size(), 2u);
    const std::string afterAppend = figures(appended.appended, appended.doubles, list);
    DoubleCheckResult checked = doubleCheck(
        list, {{}, [](const DoubleCheckPair&) { return DoubleCheckAnswer::Automatic; }});
    int replaced = 0;
    for (int r = 0; r < list.count; ++r)
        if (auto change = findReplacement(list.rows[r], {"Maroon 5", "Maroon Five"}, true))
            applyReplacement(list.rows[r], *change), ++replaced;

    test::TmuxSession tmux(sample.path, {"S"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    // "2025" opens as "2025.txt"; the answers are typed ahead.
    ASSERT_TRUE(press(tmux, "F5", "File to Append"));
    tmux.type("2025\r" + answers);
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    EXPECT_EQ(figures(tmux), afterAppend);
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "j", "(R)emove song (K)eep song (A)utomatic (Q)uit"));
    ASSERT_TRUE(press(tmux, "a", "Press a Key..."));
    EXPECT_EQ(figures(tmux), figures(checked.checked, checked.doubles, list));
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "r", "Find and Replace"));
    tmux.type("sMaroon 5\rrMaroon Five\r");
    ASSERT_TRUE(tmux.waitFor("Replace with    : Maroon Five")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "g", "(C)hange (S)kip (A)ll (Q)uit"));
    ASSERT_TRUE(press(tmux, "a", std::to_string(replaced) + " replacements done"));
    ASSERT_TRUE(press(tmux, "Space", "(G)o (Q)uit"));
    ASSERT_TRUE(press(tmux, "q", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
    tmux.sendKeys("y");
    ASSERT_TRUE(tmux.waitForGone("Save Changes")) << tmux.capture();
    EXPECT_EQ(sample.file("mysongs.txt"), formatSongList(list, 2026));
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace
}  // namespace hv
