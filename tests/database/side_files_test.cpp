#include "database/side_files.h"

#include <gtest/gtest.h>

#include "support/song_lists.h"

namespace hv {
namespace {

TEST(SideFiles, CountryLinesByArtistLaterLineWins) {
    test::TempFolder f;
    SongTable t;
    for (const char* artist : {"Queen", "Abba", "Queen", "Golden Earring"})
        test::addSong(t, artist, "Song");
    test::addSong(t, "The Extraordinarily Long Band A", "One");
    t.rows[1].country = "SE";
    f.writeFile("country.txt", fitName("Queen") + "UK\n" + fitName("Queen") + "NL\r\n" +
                                   fitName("Abba") + "\n" +                 // exactly 29: no code
                                   fitName("Golden Earring") + "X\n" +      // 1 character
                                   fitName("Golden Earring") + "ABCDE\n" +  // 5 characters
                                   "The Extraordinarily Long BaXYUSA\n");   // agrees in 27
    applyCountryFile(f.folder, t);
    EXPECT_EQ(t.rows[0].country + t.rows[2].country, "NLNL");
    EXPECT_EQ(t.rows[1].country, "");  // emptied first
    EXPECT_EQ(t.rows[3].country, "");
    EXPECT_EQ(t.rows[4].country, "USA");
}

TEST(SideFiles, LinkTablesKeyAndRestOfLineAtMostTenThousandNine) {
    test::TempFolder f;
    std::string urls = fitName("Queen") + "http://example.org/queen\r\n" + fitName("Abba") + "\n";
    for (int i = 0; i < 10010; ++i) urls += fitName("Filler") + std::to_string(i) + "\n";
    f.writeFile("url.txt", urls);
    LinkTables links = loadLinkTables(f.folder);
    ASSERT_EQ(links.artists.size(), kLinkTableMax);
    EXPECT_EQ(links.artists[0].key, fitName("Queen"));
    EXPECT_EQ(links.artists[0].link, "http://example.org/queen");
    EXPECT_EQ(links.artists[1].link, "");
    EXPECT_TRUE(links.songs.empty());  // no "songurl.txt"
}

}  // namespace
}  // namespace hv
