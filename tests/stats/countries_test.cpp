#include "stats/countries.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/countries_screen.h"

namespace hv {

namespace {

// A "country.txt" line: the artist in 29 columns, then the code and a line end.
std::string countryLine(const std::string& artist, const std::string& code,
                        const std::string& end = "\n") {
    return fitName(artist) + code + end;
}

std::string countryLines(std::initializer_list<std::pair<const char*, const char*>> lines) {
    std::string out;
    for (auto [artist, code] : lines) out += countryLine(artist, code);
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

// Runs the screen until the keys run out; each build shows two messages.
void run(test::TestApp& t, const std::vector<int>& keys = {}) {
    t.keys.text("  ");
    for (int key : keys) {
        t.keys.key(key);
        if (key == kKeyPlus || key == kKeyMinus || key == 'S') t.keys.text("  ");
    }
    EXPECT_THROW(runCommandKey(t.app, 'C'), ScriptExhausted);
}

}  // namespace

TEST(Countries, LinesSongsAndSortModes) {
    SongTable songs;
    const std::pair<const char*, int> list[] = {
        {"Queen", 40}, {"Muse", 7}, {"Queen", 12}, {"Queen", 3}, {"queen", 1}, {"A", 0},
        {"B", 0},      {"B", 0},    {"C", 0},      {"C", 0},     {"D", 0},
    };
    for (auto [artist, place] : list)
        test::addSong(songs, artist, "Song", 2000, 9999, "", 0, place);
    std::string sortLines =
        countryLines({{"A", "NZ"}, {"B", "JAM"}, {"C", "ITA"}, {"D", "CAN"}, {"X", "CAN"}});
    const std::tuple<std::string, int, const char*> cases[] = {
        // A band listed twice counts its songs twice; Toto: a band without songs.
        {countryLines({{"Queen", "UK"}, {"Muse", "UK"}, {"Queen", "UK"}, {"Toto", "USA"}}),
         kCountrySortSongs, "United Kingdom 7/3 3 3 7, USA 0/1, "},
        // Equal counts keep the table's order.
        {sortLines, kCountrySortSongs,
         "Italy 2/1 9 10, Jamaica 2/1 7 8, Canada 1/2 11, New Zealand 1/1 6, "},
        {sortLines, kCountrySortArtists,
         "Canada 1/2 11, Italy 2/1 9 10, New Zealand 1/1 6, Jamaica 2/1 7 8, "},
        // Byte order; Windows line ends; a last line without its line end.
        {countryLine("Toto", "UK", "\r\n") + countryLine("Toto", "", "\r\n") +
             countryLine("Toto", "USA", ""),
         kCountrySortAlphabet, "USA 0/1, United Kingdom 0/1, Unknown 0    To Do 1; "},
        // Four letters or lower case: unknown; lines of odd length count nowhere.
        {countryLines({{"Toto", "USAX"}, {"Toto", "usa"}, {"Queen", "U"}, {"Queen", "USAXY"}}) +
             "Queen\n\n" + countryLine("Queen", "U", ""),
         kCountrySortSongs, "Unkown country USAX; Unkown country usa; Unknown 2    To Do 0; "},
    };
    for (const auto& [text, mode, expected] : cases)
        EXPECT_EQ(summary(buildCountryOverview(songs, text, 3, mode)), expected) << text;
    EXPECT_EQ(nextCountrySort(kCountrySortAlphabet), kCountrySortSongs);
}

TEST(Countries, IndexedSearchMatchesTheScan) {
    std::mt19937 random(2024);
    auto name = [&] { return (random() % 5 ? "Band " : "band ") + std::to_string(random() % 50); };
    const char* codes[] = {"NL", "UK", "USA", "SWE", "usa", "XX", "", "U", "JAPAN"};
    for (int round = 0; round < 40; ++round) {
        SongTable songs;
        for (int r = 0; r < 300; ++r) {
            std::string artist = name();
            test::addSong(songs, artist, "Song " + std::to_string(r), 2000, 9999, "", 0,
                          static_cast<int>(random() % 500) + 1);
            if (round % 4 == 0 && random() % 10 == 0) songs.rows[r].artist = artist;
        }
        std::string text;
        for (int line = 0; line < 60; ++line) text += countryLine(name(), codes[random() % 9]);
        int maximum = static_cast<int>(random() % 4) + 1, mode = static_cast<int>(random() % 3);
        EXPECT_EQ(buildCountryOverview(songs, text, maximum, mode, ArtistSearch::indexed),
                  buildCountryOverview(songs, text, maximum, mode, ArtistSearch::literalScan))
            << round;
    }
}

TEST(Countries, ScreenKeysAndPages) {
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
    t.app.statisticsMode = 2;
    t.app.songs.changeCount = 3;

    // G without the template: back at the first line. S steps the sort mode.
    run(t, {kKeyPageDown, 'G', 'X'});
    EXPECT_FALSE(t.exists("country1.htm"));
    EXPECT_EQ(t.row(3).substr(0, 20), "  1. United Kingdom ");
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    run(t, {'S', 'G', 'N'});
    EXPECT_TRUE(t.exists("country1.htm"));
    EXPECT_EQ(t.app.statisticsMode, kCountrySortArtists);

    // The sort mode starts at songs again; (+)(+)(-) give two best songs; the maximum stops at 20.
    run(t, {kKeyPlus, kKeyPlus, kKeyMinus, kKeyDown});
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/countries_screen.txt"));
    run(t, {kKeyPlus, 'G', 'N'});
    EXPECT_EQ(t.readFile("country2.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/country2.htm")).value());
    run(t, std::vector<int>(20, kKeyPlus));
    EXPECT_NE(t.row(0).find("Maximum : 20"), std::string::npos);

    // The file gone at a rebuild, then at the start: a message, the list intact.
    t.app.env.startBrowser = [&](auto&, auto&) { t.removeFile(kCountryFile); };
    t.keys.text("  ").key('G').text("y").key('S').text("  ");
    EXPECT_TRUE(runCommandKey(t.app, 'C'));
    EXPECT_TRUE(runCommandKey(t.app, 'C'));
    EXPECT_EQ(t.app.messageText, "COUNTRY.TXT not present....");
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(std::tie(t.app.songs.count, t.app.songs.changeCount), std::make_tuple(7, 3));
}

}  // namespace hv
