#include "database/side_files.h"

#include <gtest/gtest.h>

#include "database/column_files.h"
#include "database/import.h"
#include "database/import_screen.h"
#include "song_list_fixtures.h"

namespace hv {
namespace {

TEST(SideFiles, CountryLinesByArtistLaterLineWins) {
    test::TestApp t;
    t.addSong("Queen", "Innuendo");
    t.addSong("Abba", "Waterloo").country = "SE";
    t.addSong("Queen", "Bicycle Race");
    t.addSong("Golden Earring", "Radar Love");
    t.addSong("The Extraordinarily Long Band A", "One");
    t.writeFile("country.txt", fitName("Queen") + "UK\n" + fitName("Queen") + "NL\r\n" +
                                   fitName("Abba") + "\n" +                 // exactly 29: no code
                                   fitName("Golden Earring") + "X\n" +      // 1 character
                                   fitName("Golden Earring") + "ABCDE\n" +  // 5 characters
                                   "The Extraordinarily Long BaXYUSA\n");   // agrees in 27
    applyCountryFile(t.folder, t.app.songs);
    const auto& rows = t.app.songs.rows;
    EXPECT_EQ(rows[0].country + rows[2].country, "NLNL");
    EXPECT_EQ(rows[1].country, "");  // emptied first
    EXPECT_EQ(rows[3].country, "");
    EXPECT_EQ(rows[4].country, "USA");
}

TEST(SideFiles, LinkTablesKeyAndRestOfLineAtMostTenThousandNine) {
    test::TestApp t;
    std::string urls = fitName("Queen") + "http://example.org/queen\r\n" + fitName("Abba") + "\n";
    for (int i = 0; i < 10010; ++i) urls += fitName("Filler") + std::to_string(i) + "\n";
    t.writeFile("url.txt", urls);
    LinkTables links = loadLinkTables(t.folder);
    ASSERT_EQ(links.artists.size(), kLinkTableMax);
    EXPECT_EQ(links.artists[0].key, fitName("Queen"));
    EXPECT_EQ(links.artists[0].link, "http://example.org/queen");
    EXPECT_EQ(links.artists[1].link, "");
    EXPECT_TRUE(links.songs.empty());  // no "songurl.txt"
}

TEST(SideFiles, BandsCountDistinctArtistsInOrder) {
    test::TestApp t;
    t.addSong("Queen", "A");
    t.addSong("Abba", "B");
    t.addSong("Queen", "C");
    EXPECT_EQ(countBands(t.app.songs), 2);
    // A field containing an earlier artist's field counts as seen; that only
    // shows with names not held at the common width.
    t.app.songs.rows[1].artist = "Queen";
    t.app.songs.rows[2].artist = "Queen + Paul Rodgers";
    EXPECT_EQ(countBands(t.app.songs), 2);
}

TEST(SideFiles, TableLoadNeedsAllSevenColumnFiles) {
    test::TestApp t;
    t.writeFile("mysongs.txt",
                test::kHeader2007 +
                    test::genericLine(3, "Queen", "Innuendo", 1991, 12, "0:06:31", 3) +
                    test::genericLine(9, "Abba", "Waterloo") + "\n");
    t.writeFile("country.txt", fitName("Abba") + "SE\n");
    t.writeFile("songurl.txt", fitName("Waterloo") + "http://x\n");
    t.app.settings.songDatabase = "mysongs.txt";
    t.keys.text("x");
    ASSERT_TRUE(importDatabase(t.app, ImportCaller::Menu));
    EXPECT_EQ(t.app.songs.rows[1].country, "SE");

    t.app.songs = SongTable{};
    t.writeFile("time.txt", "06:31\r\n03:30\r\n");  // made on Windows
    ASSERT_TRUE(loadTable(t.folder, t.app.songs, t.app.links));
    const auto& rows = t.app.songs.rows;
    ASSERT_EQ(t.app.songs.count, 2);
    EXPECT_EQ(rows[0].place, 1);  // the list position
    EXPECT_EQ(rows[0].prevRank, 12);
    EXPECT_EQ(rows[0].votes, 3);
    EXPECT_EQ(rows[1].duration, "03:30");
    EXPECT_EQ(rows[1].country, "SE");
    EXPECT_EQ(t.app.links.songs.size(), 1u);

    t.removeFile("votes.txt");
    EXPECT_FALSE(loadTable(t.folder, t.app.songs, t.app.links));
    EXPECT_EQ(t.app.songs.count, 0);
}

}  // namespace
}  // namespace hv
