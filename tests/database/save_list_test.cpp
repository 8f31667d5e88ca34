#include "database/save_list.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <random>

#include "database/import.h"
#include "support/song_lists.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

const std::string kHeader2026 =
    "2026  Artist                        Song                          Year 2025 Duration Votes\n";
const std::string kThreeSongsFile =
    kHeader2026 +
    "1\tQueen                        \tBohemian Rhapsody            \t1975\t   3\t05:55\t10\n"
    "2\tABBA                         \tDancing Queen                \t1976\t9999\t03:51\t30\n"
    "3\tEagles                       \tHotel California             \t1977\t   0\t06:30\t20\n\n";

SongTable threeSongs() {
    SongTable t;
    test::addSong(t, "Queen", "Bohemian Rhapsody", 1975, 3, "05:55", 10);
    test::addSong(t, "ABBA", "Dancing Queen", 1976, 9999, "03:51", 30);
    test::addSong(t, "Eagles", "Hotel California", 1977, 0, "06:30", 20);
    return t;
}

TEST(SaveList, AReadOnlyFileIsNotReplaced) {
    EXPECT_EQ(formatSongList(SongTable{}, 2026), kHeader2026 + "\n");  // an empty list
    // The read-only mark counts for the superuser too.
    test::TempFolder f;
    f.writeFile("free.txt", "old\n");
    f.writeFile("locked.txt", "old\n");
    fs::permissions(f.folder + "locked.txt",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    for (auto [name, allowed] :
         {std::pair{"free.txt", true}, {"locked.txt", false}, {"new.txt", true}}) {
        EXPECT_EQ(mayReplaceFile(f.folder + name), allowed) << name;
        EXPECT_EQ(writeSongList(f.folder, name, threeSongs(), 2026).written, allowed) << name;
        EXPECT_EQ(f.readFile(name), allowed ? kThreeSongsFile : "old\n") << name;
    }
}

TEST(SaveList, ALinkIsFollowedAndThePermissionsKept) {
    test::TempFolder f;
    const fs::perms private_ = fs::perms::owner_read | fs::perms::owner_write;
    f.writeFile("real/list.txt", "old list\n");
    fs::permissions(f.folder + "real/list.txt", private_);
    fs::create_symlink("real/list.txt", f.folder + "link.txt");
    ASSERT_TRUE(writeSongList(f.folder, "link.txt", threeSongs(), 2026).written);
    EXPECT_TRUE(fs::is_symlink(f.folder + "link.txt"));
    EXPECT_EQ(f.readFile("real/list.txt"), kThreeSongsFile);
    EXPECT_EQ(fs::status(f.folder + "real/list.txt").permissions(), private_);
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
    bool written = writeSongList(f.folder, "mysongs.txt", t, 2026).written;
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(f.readFile("mysongs.txt"), "old list\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(f.folder), fs::directory_iterator()), 1);
}

TEST(SaveList, BandTxtGoesBeforeTheNewListTakesItsPlace) {
    // What a crash after each step would leave: never column files beside a
    // list they do not belong to.
    test::TempFolder f;
    f.writeFile("mysongs.txt", "old\n");
    f.writeFile("band.txt", "columns\n");
    std::vector<test::Texts> seen;
    auto files = [&](SaveStep) {
        seen.push_back(test::filesOf(f, {"mysongs.txt", "mysongs.001", "band.txt"}));
    };
    ASSERT_TRUE(writeSongList(f.folder, "mysongs.txt", threeSongs(), 2026, files).written);
    files({});
    EXPECT_EQ(seen, (std::vector<test::Texts>{{"old\n", "(none)", "columns\n"},
                                              {"old\n", "old\n", "columns\n"},
                                              {"old\n", "old\n", "(none)"},
                                              {kThreeSongsFile, "old\n", "(none)"}}));
}

TEST(SaveList, ReadSaveReadKeepsEveryField) {
    std::mt19937 random(1975);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto name = [&]() {
        const std::string kinds[] = {"", "Queen", std::string(29, 'W'), std::string(35, 'y')};
        std::string text = kinds[pick(4)];
        // Any byte but the field and line separators, those above 0x80 too.
        for (int i = pick(12); i > 0; --i) {
            char c = static_cast<char>(32 + pick(224));
            if (c != 127) text.push_back(c);
        }
        return text;
    };
    const std::string durations[] = {"", "03:45", "0:04:12", "12:04:12", "7"};
    for (int round = 0; round < 10; ++round) {
        test::TempFolder f;
        std::string file = kHeader2026;
        for (int i = pick(120); i > 0; --i) {
            int prevRank = pick(3) == 0 ? 0 : (pick(2) ? 9999 : 1 + pick(10009));
            file += std::to_string(1 + pick(10000)) + "\t" + name() + "\t" + name() + "\t" +
                    std::to_string(pick(2101)) + "\t" + std::to_string(prevRank) + "\t" +
                    durations[pick(5)] + "\t" + std::to_string(pick(1000)) + "\n";
        }
        f.writeFile("mysongs.txt", file + "\n");
        auto read = [&] {
            SongTable table;
            SongFileContents list =
                readSongFile(f.folder + "mysongs.txt", "mysongs.txt", 2026, 10007);
            replaceTable(table, list.songs);
            return table;
        };
        const SongTable first = read();
        ASSERT_TRUE(writeSongList(f.folder, "mysongs.txt", first, 2026).written);
        const SongTable second = read();
        ASSERT_EQ(second.count, first.count) << round;
        for (int r = 0; r < first.count; ++r)
            EXPECT_EQ(test::fieldsOf(second.rows[r]), test::fieldsOf(first.rows[r])) << round;
        EXPECT_EQ(formatSongList(second, 2026), f.readFile("mysongs.txt")) << round;
    }
}

}  // namespace
}  // namespace hv
