#include "stats/countries.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/countries_screen.h"

namespace hv {

namespace {

// "country.txt" lines: the artist in 29 columns, then the code.
std::string countryLines(std::initializer_list<std::pair<const char*, const char*>> lines) {
    std::string out;
    for (auto [artist, code] : lines) out += fitName(artist) + code + "\n";
    return out;
}

// Listed countries as "name songs/artists places", then the messages.
std::string summary(const CountryOverview& o) {
    std::string out;
    for (const CountryRow& c : o.countries) {
        if (c.songs == 0 && c.artists == 0) continue;
        out += c.name.substr(0, c.name.find_last_not_of(' ') + 1) + " " + std::to_string(c.songs) +
               "/" + std::to_string(c.artists);
        for (const BestSong& b : c.best)
            if (!b.isEmpty()) out += " " + std::to_string(b.place);
        out += ", ";
    }
    for (const std::string& m : o.messages) out += m + "; ";
    return out;
}

}  // namespace

TEST(Countries, LinesSongsAndSortModes) {
    SongTable songs;
    for (auto [artist, place] :
         {std::pair{"Queen", 40}, {"Muse", 7}, {"Queen", 12}, {"B", 0}, {"B", 0}, {"D", 0}})
        test::addSong(songs, artist, "Song", 2000, 9999, "", 0, place);
    const std::string sortLines = countryLines({{"B", "JAM"}, {"D", "CAN"}, {"X", "CAN"}});
    const std::tuple<std::string, int, const char*> cases[] = {
        // A band listed twice counts its songs twice; Toto: a band without songs.
        {countryLines({{"Queen", "UK"}, {"Muse", "UK"}, {"Queen", "UK"}, {"Toto", "USA"}}),
         kCountrySortSongs, "United Kingdom 5/3 7 12 12, USA 0/1, "},
        {sortLines, kCountrySortArtists, "Canada 1/2 6, Jamaica 2/1 4 5, "},
        // Windows line ends; lower case is unknown; lines of odd length count nowhere.
        {fitName("Toto") + "UK\r\n" + countryLines({{"Toto", "usa"}, {"Queen", "USAXY"}}),
         kCountrySortAlphabet, "United Kingdom 0/1, Unkown country usa; Unknown 1    To Do 0; "},
    };
    for (const auto& [text, mode, expected] : cases)
        EXPECT_EQ(summary(buildCountryOverview(songs, text, 3, mode)), expected) << text;
}

TEST(Countries, IndexedSearchMatchesTheScan) {
    std::mt19937 random(2024);
    auto name = [&] { return (random() % 5 ? "Band " : "band ") + std::to_string(random() % 50); };
    const char* codes[] = {"NL", "UK", "USA", "usa", "XX", "", "JAPAN"};
    for (int round = 0; round < 20; ++round) {
        SongTable songs;
        for (int r = 0; r < 300; ++r) {
            std::string artist = name();
            test::addSong(songs, artist, "Song " + std::to_string(r), 2000, 9999, "", 0,
                          static_cast<int>(random() % 500) + 1);
            if (round % 4 == 0 && random() % 10 == 0) songs.rows[r].artist = artist;
        }
        std::string text;
        for (int line = 0; line < 60; ++line) text += fitName(name()) + codes[random() % 7] + "\n";
        int maximum = static_cast<int>(random() % 4) + 1, mode = static_cast<int>(random() % 3);
        EXPECT_EQ(buildCountryOverview(songs, text, maximum, mode, ArtistSearch::indexed),
                  buildCountryOverview(songs, text, maximum, mode, ArtistSearch::literalScan))
            << round;
    }
}

TEST(Countries, ScreenAndAVanishedFile) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody");
    t.addSong("Eagles", "Hotel California");
    t.addSong("ABBA", "Dancing Queen");
    t.addSong("Queen", "Don't Stop Me Now");
    t.addSong("Simon & Garfunkel", "The Boxer <live>");
    t.addSong("Golden Earring", "Radar Love");
    t.addSong("Unlisted Band", "Somewhere");
    t.writeFile(kCountryFile,
                countryLines({{"Queen", "UK"}, {"Eagles", "USA"}, {"ABBA", "SWE"}}) +
                    countryLines({{"Simon & Garfunkel", "USA"}, {"Golden Earring", "NL"}}) +
                    countryLines({{"Nirvana", "USA"}, {"Somebody", ""}, {"Rammstein", "ger"}}));
    t.app.songs.changeCount = 3;
    // Each build shows two messages; (+)(+)(-) give two best songs.
    t.keys.text("  ").key(kKeyPlus).text("  ").key(kKeyPlus).text("  ").key(kKeyMinus);
    t.keys.text("  ").key(kKeyDown);
    EXPECT_THROW(runCommandKey(t.app, 'C'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/countries_screen.txt"));

    // The file gone at a rebuild: a message, the list intact.
    t.app.env.startBrowser = [&](auto&, auto&) { t.removeFile(kCountryFile); };
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    t.keys.text("  ").key('G').text("y").key('S').text("  ");
    EXPECT_TRUE(runCommandKey(t.app, 'C'));
    EXPECT_EQ(t.app.messageText, "COUNTRY.TXT not present....");
    EXPECT_EQ(std::tie(t.app.songs.count, t.app.songs.changeCount), std::make_tuple(7, 3));
}

}  // namespace hv
