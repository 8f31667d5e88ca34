#include "database/import_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "database/save_list_screen.h"
#include "song_list_fixtures.h"

namespace hv {
namespace {

using test::genericLine;

ImportResult runImport(test::TestApp& t, const std::string& name, const char* keys = "x") {
    t.app.settings.songDatabase = name;
    t.keys.text(keys);
    return importDatabase(t.app, ImportCaller::Menu);
}

TEST(ImportScreen, ReportsSongsAndBands) {
    test::TestApp t;
    t.writeFile("mysongs.txt", test::kHeader2007 + genericLine(5, "Queen", "Innuendo") +
                                   genericLine(9, "Abba", "Waterloo") +
                                   genericLine(2, "Queen", "Bicycle Race") + "\n");
    ASSERT_EQ(runImport(t, "mysongs.txt"), ImportResult::Imported);
    EXPECT_TRUE(test::showsGolden(t, "tests/database/data/import_screen.txt"));
}

TEST(ImportScreen, UnsavedChangesAndEscapeLeaveTheListAsItIs) {
    // N to the question, or Escape after a refused answer, leaves the list as it was.
    for (auto command : {importWithFilePrompt, importWithLimitPrompt}) {
        for (bool escape : {false, true}) {
            test::TestApp t;
            t.addSong("Edited", "Song");
            t.app.songs.changeCount = 1;
            if (escape)
                t.keys.text("y").line(std::string(60, 'n')).key(kKeyEscape);
            else
                t.keys.text("n");
            command(t.app);
            EXPECT_EQ(std::tuple(t.app.songs.count, t.app.settings.songDatabase, t.keys.pending()),
                      std::tuple(1, std::string("mysongs.txt"), size_t{0}));
        }
    }
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

    // A missing file abandons an import from the list.
    EXPECT_EQ(runImport(t, "gone.txt"), ImportResult::FileMissing);
    EXPECT_EQ(std::pair(t.app.songs.rows[0].artist, t.keys.pending()),
              std::pair(fitName("Kept Artist"), size_t{0}));
}

TEST(ImportScreen, AUtf8ListSaysWhatItCouldNotHoldAndSavesAsUtf8) {
    test::TestApp t;
    t.writeFile("utf.txt", test::kHeader2007 + genericLine(1, "Beyonc\xC3\xA9", "\xCE\xA9") + "\n");
    ASSERT_EQ(runImport(t, "utf.txt"), ImportResult::Imported);
    EXPECT_TRUE(shows(t, {{12, 10, "Replaced    1 Characters by ? (not in Windows-1252)"}}));
    ASSERT_TRUE(writeSongList(t.app));
    EXPECT_NE(t.readFile("utf.txt").find("\n1\tBeyonc\xC3\xA9 "), std::string::npos);
}

}  // namespace
}  // namespace hv
