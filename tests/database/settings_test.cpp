#include "database/settings.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace hv {
namespace {

TEST(Settings, TwelveLinesOrNoSettings) {
    const std::string eleven =
        "other.txt\r\n1999\r\nb.htm\r\n1\r\nr.htm\r\nbox\r\nf.htm\r\n1\r\nfold\r\nsubj\r\n0\r\n";
    test::TempFolder f;
    f.writeFile("hitvault.ini", eleven);
    EXPECT_FALSE(readSettings(f.folder));
    ASSERT_TRUE(writeSettings(f.folder, defaultSettings(2026)));
    EXPECT_EQ(f.readFile("hitvault.ini"),
              "mysongs.txt\n2026\nbase.htm\n0\nbase2.htm\noutlook.box\nformbase."
              "htm\n0\noutlook\nHIT-VAULT\n100\n0\n");

    f.writeFile("hitvault.ini", eleven + "1\r\n");  // twelve CR LF lines read without their CR
    std::optional<Settings> read = readSettings(f.folder);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->songDatabase, "other.txt");
    EXPECT_EQ(read->chartYear, 1999);
    EXPECT_EQ(read->includeSmileys, kSwitchOff);
}

}  // namespace
}  // namespace hv
