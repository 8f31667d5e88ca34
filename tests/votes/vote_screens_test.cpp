// The vote screens on scripted keys: F11 counts, O gathers mail, F12 shows votes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "console/main_commands.h"
#include "database/list_order.h"
#include "database/save_list.h"
#include "database/song_list_fixtures.h"
#include "html/vote_form.h"
#include "votes/vote_files.h"

namespace hv {

TEST(VoteImportScreen, CountsTheMailboxIntoANewListOnlyWhenItsFilesAreWritten) {
    test::TestApp t;
    for (const char* title : {"One", "Two", "Three", "Four"}) t.addSong("Band", title, 1990);
    t.app.songs.changeCount = 2;
    t.app.firstShownRow = 1;
    const std::string before = formatSongList(t.app.songs, 2026);
    // A mail as the vote form sends it: the ticked rows, then a proposal.
    auto mail = [&](const char* sender, std::vector<int> rows, const char* proposal = "") {
        std::string text = "From: " + std::string(sender) + "\nSubject: HIT-VAULT\n\n";
        for (int r : rows) text += "checkbox=" + voteValue(t.app.songs.rows[r]) + "\n";
        return text + "Artist1=" + proposal + "\nSong1=" + proposal +
               "\nYear1=\nDuration1=\nArtist2=\n\n";
    };
    t.writeFile("outlook.box", mail("Ann <a@x.org>", {2, 1}) +
                                   mail("Bob <b@x.org>", {2}, "New Band") +
                                   mail("Ann <a@x.org>", {0}));  // a double: passed over
    t.writeFile("email.txt/blocked", "");  // a folder where the sender list belongs
    t.keys.text("g y");
    EXPECT_THROW(runCommandKey(t.app, kKeyF11), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{10, 10, "Votes NOT counted: email.txt could not be written"}}));
    EXPECT_EQ(
        std::tuple(formatSongList(t.app.songs, 2026), t.app.songs.changeCount, t.app.firstShownRow),
        std::tuple(before, 2, 1));

    std::filesystem::remove_all(t.folder + "email.txt");
    t.keys.text("g");
    EXPECT_THROW(runCommandKey(t.app, kKeyF11), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/votes/data/vote_import_screen.txt"));
    t.keys.text("g y");
    runCommandKey(t.app, kKeyF11);
    const Song& first = t.app.songs.rows[0];
    EXPECT_EQ(std::tuple(t.app.songs.count, first.song, first.votes, first.prevRank,
                         t.app.songs.changeCount, t.app.songs.sortOrder, t.app.firstShownRow),
              std::tuple(2, fitName("Three"), 2, 3, 3, kSortRanking, 0));
    EXPECT_EQ(readVoteTotals(t.folder).emails, 3);
    t.keys.text("g n");  // N keeps the totals; every sender is known now
    runCommandKey(t.app, kKeyF11);
    EXPECT_EQ(std::tuple(readVoteTotals(t.folder).emails, t.app.songs.count), std::tuple(3, 0));
}

TEST(MailFolderScreen, ReportsAMailboxItCannotWrite) {
    test::TestApp t;
    t.writeFile("outlook/1.eml", "From: A\nSubject: HIT-VAULT\n\ncheckbox=x\n");
    t.app.settings.emailBox = "missing/outlook.box";
    t.keys.text("g");
    EXPECT_THROW(runCommandKey(t.app, 'O'), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{15, 10, "Could not write missing/outlook.box "}}));
}

TEST(VoteOverviewScreen, ShowsClearsAndPublishesInVoteOrder) {
    test::TestApp t;
    for (int i = 1; i <= 45; ++i)
        t.addSong("Artist " + std::to_string(i), "Song", 2000, 9999, "03:30", i % 7);
    t.app.songs.sortOrder = kSortArtist;
    t.keys.key(kKeyEnd);
    EXPECT_THROW(runCommandKey(t.app, kKeyF12), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/votes/data/vote_overview_screen.txt"));
    // C clears at once and counts one change; G writes the page and leaves.
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    t.keys.key('C').key('G').text("y");
    runCommandKey(t.app, kKeyF12);
    EXPECT_EQ(
        std::tuple(t.app.songs.changeCount, inRankingOrder(t.app.songs), t.browserCalls.size()),
        std::tuple(1, true, 1u));
    EXPECT_TRUE(std::none_of(t.app.songs.rows.begin(), t.app.songs.rows.end(),
                             [](const Song& s) { return s.votes; }));
    EXPECT_NE(t.readFile("votes.htm").find("<TITLE>Vote Overview 2026</TITLE>"), std::string::npos);
}

}  // namespace hv
