#include "database/backups.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(Backups, GenerationsShiftAndAGapStays) {
    // The stem ends at the file name's first dot, never at one of a folder.
    EXPECT_EQ(backupStem("my.songs.txt"), "my");
    EXPECT_EQ(backupStem("lists.2024/top"), std::nullopt);
    test::TempFolder f;
    using File = std::pair<const char*, const char*>;
    for (auto [name, text] :
         {File{"mysongs.txt", "list"}, File{"mysongs.001", "g1"}, File{"mysongs.002", "g2"},
          File{"mysongs.004", "g4"}, File{"lists.2024/top.txt", "top"}})
        f.writeFile(name, text);
    ASSERT_TRUE(rotateBackups(f.folder, "mysongs.txt"));
    ASSERT_TRUE(rotateBackups(f.folder, "lists.2024/top.txt"));
    // .004 had no .003 to follow it, so it is left as it was.
    EXPECT_EQ(test::filesOf(f, {"mysongs.txt", "mysongs.001", "mysongs.002", "mysongs.003",
                                "mysongs.004", "mysongs.005", "lists.2024/top.001", "lists.001"}),
              (test::Texts{"list", "list", "g1", "g2", "g4", "g4", "top", "(none)"}));
}

TEST(Backups, NoShiftThatWouldOverwriteAGeneration) {
    test::TempFolder f;
    f.writeFile("mylist", "plain");
    EXPECT_FALSE(rotateBackups(f.folder, "mylist"));
    // A list named like one of its own generations is not shifted over.
    f.writeFile("chart.002", "the list");
    f.writeFile("chart.001", "g1");
    EXPECT_FALSE(rotateBackups(f.folder, "chart.002"));
    // A file that equals its newest generation pushes no older one out.
    for (auto [name, text] : {std::pair{"same.txt", "x"}, {"same.001", "x"}, {"same.002", "g2"}})
        f.writeFile(name, text);
    EXPECT_TRUE(rotateBackups(f.folder, "same.txt"));
    // .002 cannot be replaced: the shift stops before .001 is overwritten.
    f.writeFile("mysongs.txt", "list");
    f.writeFile("mysongs.001", "g1");
    std::filesystem::create_directory(f.folder + "mysongs.002");
    EXPECT_FALSE(rotateBackups(f.folder, "mysongs.txt"));
    EXPECT_EQ(test::filesOf(f, {"chart.002", "chart.001", "chart.003", "mysongs.001", "same.002",
                                "same.003"}),
              (test::Texts{"the list", "g1", "(none)", "g1", "g2", "(none)"}));
}

}  // namespace
}  // namespace hv
