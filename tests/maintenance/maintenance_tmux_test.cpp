// The real program on a copy of the sample folder: F5 appends last year's
// list with look-alike questions answered, J checks the result for doubles,
// R renames an artist everywhere, and F4 saves it all.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "console/sample_folder.h"
#include "database/import.h"
#include "database/save_list.h"
#include "maintenance/append_songs.h"
#include "maintenance/double_check.h"
#include "maintenance/find_replace.h"

namespace hv {

namespace {

using test::press;

// The four numbers of an end screen (rows 13, 14, 16, 17), as shown
// behind their labels' colons.
std::string figures(test::TmuxSession& tmux) {
    std::string out;
    for (int row : {13, 14, 16, 17}) {
        const std::string line = tmux.line(row);
        out += line.substr(line.find(':') + 1, 5);
    }
    return out;
}
std::string figures(int a, int b, int c, int d) {
    char text[32];
    std::snprintf(text, sizeof text, "%5d%5d%5d%5d", a, b, c, d);
    return text;
}

TEST(MaintenanceTmux, AppendDoubleCheckReplaceAndSave) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    // The same work done by the core on the same files, with the same
    // answers: look-alikes accepted and skipped in turn, A at the first
    // pair of the double check, A at the first replacement.
    SongTable list;
    SongFileContents start =
        readSongFile(sample.path + "/mysongs.txt", "mysongs.txt", 2026, kDefaultImportLimit);
    replaceTable(list, start.songs);
    std::string answers;
    AppendResult appended = appendSongs(
        list, readAppendFile(sample.path + "/2025.txt", "2025.txt").lines,
        [&](const AppendLookAlike&) {
            answers += answers.size() % 2 ? 's' : 'a';
            return answers.back() == 's' ? LookAlikeAnswer::Skip : LookAlikeAnswer::Accept;
        });
    const std::string afterAppend =
        figures(appended.appended, appended.doubles, list.count, countBands(list));
    DoubleCheckResult checked = doubleCheck(
        list, {{}, [](const DoubleCheckPair&) { return DoubleCheckAnswer::Automatic; }});
    const ReplaceTexts texts{"Maroon 5", "Maroon Five"};
    int replaced = 0;
    for (int r = 0; r < list.count; ++r) {
        if (auto change = findReplacement(list.rows[r], texts, true)) {
            applyReplacement(list.rows[r], *change);
            ++replaced;
        }
    }
    ASSERT_GE(answers.size(), 2u);

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
    EXPECT_EQ(figures(tmux),
              figures(checked.checked, checked.doubles, list.count, countBands(list)));
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));

    ASSERT_TRUE(press(tmux, "r", "Find and Replace"));
    tmux.type("s" + texts.search + "\r" + "r" + texts.replacement);
    ASSERT_TRUE(press(tmux, "Enter", "Replace with    : Maroon Five"));
    ASSERT_TRUE(press(tmux, "g", "(C)hange (S)kip (A)ll (Q)uit"));
    ASSERT_TRUE(press(tmux, "a", std::to_string(replaced) + " replacements done, press a key..."));
    ASSERT_TRUE(press(tmux, "Space", "(G)o (Q)uit"));
    ASSERT_TRUE(press(tmux, "q", "(E)xplorer"));
    EXPECT_EQ(sample.file("replace.ini"), "Maroon 5\nMaroon Five\n");

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
