#include "database/import_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "song_list_fixtures.h"

namespace hv {
namespace {

using test::genericLine;

ImportResult runImport(test::TestApp& t, const std::string& name, const char* keys = "x") {
    t.app.settings.songDatabase = name;
    t.keys.text(keys);
    return importDatabase(t.app, ImportCaller::Menu);
}

TEST(ImportScreen, ReportsSongsAndBandsAndLeavesTheRestAlone) {
    test::TestApp t;
    t.app.songs.changeCount = 4;
    t.app.songs.sortOrder = kSortVotes;
    t.app.links.artists = {LinkEntry{"key", "link"}};
    t.writeFile("mysongs.txt", test::kHeader2007 + genericLine(5, "Queen", "Innuendo") +
                                   genericLine(9, "Abba", "Waterloo") +
                                   genericLine(2, "Queen", "Bicycle Race") + "\n");
    ASSERT_EQ(runImport(t, "mysongs.txt"), ImportResult::Imported);
    EXPECT_TRUE(test::showsGolden(t, "tests/database/data/import_screen.txt"));
    EXPECT_EQ(std::tie(t.app.songs.count, t.app.songs.changeCount, t.app.songs.sortOrder),
              std::make_tuple(3, 4, kSortVotes));
    EXPECT_EQ(t.app.links.artists.size(), 1u);

    t.app.importLimit = kSongCapacity;
    t.writeFile("full.txt", test::numberedList(10009));
    ASSERT_EQ(runImport(t, "full.txt", "xx"), ImportResult::Imported);
    EXPECT_TRUE(shows(t, {{20, 10, "Maximum reached of 10010 Songs."},
                          {21, 10, "Rest discarded.... Press a Key."}}));
}

TEST(ImportScreen, FileAndLimitPrompts) {
    test::TestApp t;
    t.writeFile("list2005.txt", "Artist Song\n1\tA\tB\t1990\t17\t6\t7\t8\t9\t10\t0:03:09\n");
    t.keys.line("nosuch").line("list2005").text("x");  // ".txt" is tried too
    importWithFilePrompt(t.app);
    EXPECT_EQ(std::tie(t.app.settings.songDatabase, t.app.settings.chartYear),
              std::make_tuple("list2005.txt", 2005));

    // The songs a limit leaves out are said, with a key, before the totals.
    t.writeFile("2006.txt", test::numberedList(500));  // an empty answer means "2006.txt"
    t.keys.line("0").line("abc").line("10011").line("100").text("x");
    importWithLimitPrompt(t.app);
    t.keys.line("").text("xx");
    importWithFilePrompt(t.app);
    EXPECT_EQ(std::tie(t.app.settings.songDatabase, t.app.importLimit, t.app.songs.count),
              std::make_tuple("2006.txt", 100, 100));
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_TRUE(shows(t, {{20, 10, "400 songs of the file were not imported (limit 100)"},
                          {21, 10, "Press a Key..."}}));
    t.keys.line("").text("x");
    importWithLimitPrompt(t.app);
    EXPECT_EQ(std::tie(t.app.importLimit, t.app.songs.count),
              std::make_tuple(kDefaultImportLimit, 500));
}

TEST(ImportScreen, UnsavedChangesAndEscapeLeaveTheListAsItIs) {
    // N to the question, or Escape after an answer that is refused, leaves
    // list, name, limit and screen as they were.
    const std::string longAnswer(60, 'n');
    for (auto command : {importWithFilePrompt, importWithLimitPrompt}) {
        for (bool escape : {false, true}) {
            test::TestApp t;
            t.addSong("Edited", "Song");
            t.app.songs.changeCount = 1;
            const std::string before = t.screen();
            if (escape)
                t.keys.text("y").line(longAnswer).key(kKeyEscape);
            else
                t.keys.text("n");
            command(t.app);
            EXPECT_EQ(std::tie(t.app.songs.count, t.app.settings.songDatabase, t.app.importLimit),
                      std::make_tuple(1, "mysongs.txt", kDefaultImportLimit));
            EXPECT_EQ(std::pair(t.screen(), t.keys.pending()), std::pair(before, size_t{0}));
        }
    }
    // The question; long answers and the error line stay inside their frames.
    test::TestApp t;
    t.app.songs.changeCount = 1;
    EXPECT_THROW(importWithFilePrompt(t.app), ScriptExhausted);
    EXPECT_TRUE(shows(t, {{10, 17, "Changes not saved. Import anyway ? (Y)es (N)o "}}));
    t.app.songs.changeCount = 0;
    t.keys.line(longAnswer).text(longAnswer);
    EXPECT_THROW(importWithFilePrompt(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(8).substr(20, 46),
              "File to Import " + longAnswer.substr(31) + " " + t.row(6)[65]);
    EXPECT_EQ(t.row(11).substr(20, 46),
              "File ...nnnnnn nor ...nnnnnn.txt present...  " + std::string(1, t.row(6)[65]));
    t.keys.text(longAnswer);
    EXPECT_THROW(importWithLimitPrompt(t.app), ScriptExhausted);
    EXPECT_EQ(t.row(10).substr(22, 39),
              "Type Max. No. Songs to Import nnnnnnn " + std::string(1, t.row(6)[60]));
}

TEST(ImportScreen, FailuresAndMissingFilesKeepTheList) {
    test::TestApp t;
    t.addSong("Kept Artist", "Kept Song");
    t.writeFile("mysongs.txt", test::numberedList(2));
    std::filesystem::create_directory(t.folder + "band.txt");
    // A failed import chosen with I keeps the old database name.
    t.app.settings.songDatabase = "old.txt";
    t.keys.line("mysongs").text("x");
    importWithFilePrompt(t.app);
    EXPECT_EQ(std::pair(t.app.messageText, t.app.settings.songDatabase),
              std::pair(std::string("Could not write band.txt "), std::string("old.txt")));

    // A missing file abandons an import from the list but ends a start-up.
    EXPECT_EQ(runImport(t, "gone.txt"), ImportResult::FileMissing);
    EXPECT_TRUE(shows(t, {{3, 10, "Obliged file gone.txt not present...."}}));
    EXPECT_EQ(std::pair(t.app.songs.rows[0].artist, t.keys.pending()),
              std::pair(fitName("Kept Artist"), size_t{0}));
    t.keys.text("x");
    try {
        importDatabase(t.app, ImportCaller::StartUp);
        ADD_FAILURE() << "a start-up import of a missing file must end the program";
    } catch (const ProgramExit& e) {
        EXPECT_EQ(e.status, 0);
    }
}

}  // namespace
}  // namespace hv
