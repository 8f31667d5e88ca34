#include "database/save_list.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "database/backups.h"
#include "support/song_lists.h"

namespace hv {
namespace {

namespace fs = std::filesystem;
constexpr TextEncoding kWindows1252 = TextEncoding::Windows1252;

SongTable threeSongs() {
    SongTable t;
    for (const char* artist : {"Queen", "ABBA", "Eagles"}) test::addSong(t, artist, "Song");
    return t;
}
const std::string kThreeSongsFile = formatSongList(threeSongs(), 2026);

TEST(SaveList, ReadOnlyFilesLinksAndAFolderNamedBandTxt) {
    test::TempFolder f;
    f.writeFile("locked.txt", "old\n");
    fs::permissions(f.folder + "locked.txt", fs::perms{0444});  // counts for the superuser too
    const fs::perms private_ = fs::perms::owner_read | fs::perms::owner_write;
    f.writeFile("real/list.txt", "old\n");
    fs::permissions(f.folder + "real/list.txt", private_);
    fs::create_symlink("real/list.txt", f.folder + "link.txt");
    for (auto [name, allowed] : {std::pair{"locked.txt", false}, {"link.txt", true}}) {
        EXPECT_EQ(writeSongList(f.folder, name, threeSongs(), 2026, kWindows1252).written, allowed)
            << name;
        EXPECT_EQ(f.readFile(name), allowed ? kThreeSongsFile : "old\n") << name;
    }
    EXPECT_TRUE(fs::is_symlink(f.folder + "link.txt"));
    EXPECT_EQ(fs::status(f.folder + "real/list.txt").permissions(), private_);
    // A band.txt that cannot be removed is no column file a start would load.
    fs::create_directory(f.folder + "band.txt");
    EXPECT_TRUE(writeSongList(f.folder, "new.txt", threeSongs(), 2026, kWindows1252).written);
}

TEST(SaveList, AFullDiskLeavesTheOldFileAndNoHalfWrittenOne) {
    test::TempFolder f;
    f.writeFile("mysongs.txt", "old list\n");
    SongTable t;
    for (int i = 0; i < 200; ++i) test::addSong(t, "Filler " + std::to_string(i), "Song");
    // The file size limit stands in for a full disk.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small{4096, old.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = writeSongList(f.folder, "mysongs.txt", t, 2026, kWindows1252).written;
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(f.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(f.folder), fs::directory_iterator()), 1);
}

TEST(SaveList, BandTxtGoesBeforeTheNewListTakesItsPlace) {
    // After each step, as a crash would leave it: no column files beside another list.
    test::TempFolder f;
    f.writeFile("mysongs.txt", "old\n");
    f.writeFile("band.txt", "columns\n");
    std::vector<test::Texts> seen;
    auto files = [&](SaveStep) {
        seen.push_back(test::filesOf(f, {"mysongs.txt", "mysongs.001", "band.txt"}));
    };
    ASSERT_TRUE(
        writeSongList(f.folder, "mysongs.txt", threeSongs(), 2026, kWindows1252, files).written);
    files({});
    EXPECT_EQ(seen, (std::vector<test::Texts>{{"old\n", "(none)", "columns\n"},
                                              {"old\n", "old\n", "columns\n"},
                                              {"old\n", "old\n", "(none)"},
                                              {kThreeSongsFile, "old\n", "(none)"}}));
}

TEST(Backups, GenerationsShiftButNeverOverwriteOne) {
    test::TempFolder f;
    for (const char* name : {"mysongs.txt", "mysongs.001", "mysongs.002", "mysongs.004",
                             "lists.2024/top.txt", "chart.002", "chart.001", "bad.txt", "bad.001"})
        f.writeFile(name, name);
    std::filesystem::create_directory(f.folder + "bad.002");
    ASSERT_TRUE(rotateBackups(f.folder, "mysongs.txt"));
    ASSERT_TRUE(rotateBackups(f.folder, "lists.2024/top.txt"));  // the stem ends at the name's dot
    EXPECT_FALSE(rotateBackups(f.folder, "chart.002"));          // named like its own generation
    EXPECT_FALSE(rotateBackups(f.folder, "bad.txt"));            // .002 cannot be replaced
    // .004 had no .003 to follow it, so it is left as it was.
    EXPECT_EQ(test::filesOf(f, {"mysongs.001", "mysongs.002", "mysongs.003", "mysongs.005",
                                "lists.2024/top.001", "chart.003", "bad.001"}),
              (test::Texts{"mysongs.txt", "mysongs.001", "mysongs.002", "mysongs.004",
                           "lists.2024/top.txt", "(none)", "bad.001"}));
}

}  // namespace
}  // namespace hv
