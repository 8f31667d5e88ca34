#include "stats/new_songs.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <tuple>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/new_songs_screen.h"

namespace hv {

namespace {

Song entry(const std::string& artist, const std::string& title, int year, bool held = true,
           int place = 0) {
    return {place, held ? fitName(artist) : artist, held ? fitName(title) : title, year, 0, "", 0,
            ""};
}

std::vector<std::tuple<int, std::string, std::string, int>> listed(const std::vector<Song>& list) {
    std::vector<std::tuple<int, std::string, std::string, int>> out;
    for (const Song& s : list) out.emplace_back(s.place, s.artist, s.song, s.year);
    return out;
}

}  // namespace

TEST(NewSongsMatching, RulesAndTails) {
    const Song beatles = entry("The Beatles", "Let It Be", 1970);
    const Song bruce = entry("Bruce Springsteen", "Born to Run", 1975);
    const Song duet = entry("Queen & Bowie", "Under Pressure", 1981, false);
    struct Case {
        Song current, previous;
        int matchLength, rule;
    };
    const Case cases[] = {
        // Tails agree in another year: none.
        {beatles, entry("Beatles", "Let it be", 1969), 4, 0},
        // The first N + 1 characters, year or not.
        {bruce, entry("Bruce Springstein", "Born 2 Run", 1), 4, 2},
        {bruce, entry("Bruce Springstein", "Born 2 Run", 1), 5, 0},
        // Rules 4 and 5: texts not filled to the width.
        {duet, entry("Queen", "Big Pressure", 1981, false), 4, 4},
        {duet, entry("Queen", "Big Pressure", 1982, false), 4, 0},
        {entry("Queen & David Bowie", "Under Pressure", 1981, false),
         entry("D. Bowie", "Under", 1981, false), 4, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchingRule(c.current, c.previous, c.matchLength), c.rule)
            << c.previous.artist << "/" << c.previous.song << " N=" << c.matchLength;
}

TEST(NewSongsSearch, SameResultAsTheScan) {
    // Near misses: case changes, cut names, close years, now and then unfilled texts.
    static const char* const kBases[] = {"Beatles", "The Beatles", "Let it be", "Abba",
                                         "Angie",   "a b",         "ab",        ""};
    for (unsigned seed = 1; seed <= 8; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](size_t n) { return random() % n; };
        const bool held = seed % 4 != 0;
        auto name = [&] {
            std::string text = pick(3) ? std::string(kBases[pick(std::size(kBases))])
                                       : std::string(pick(2) ? 31 : pick(6), "abAB "[pick(5)]);
            for (char& c : text)
                if (pick(3) == 0) c = static_cast<char>(std::toupper(c));
            return held ? fitName(text) : text;
        };
        auto song = [&] {
            const int year = static_cast<int>(pick(3));
            return entry(name(), name(), year ? 1969 + year : 0, false, static_cast<int>(pick(99)));
        };
        SongTable table;
        for (; table.count < 100; ++table.count) table.rows[table.count] = song();
        std::vector<Song> previous;
        for (int i = 0; i < 100; ++i) {
            Song v = pick(2) ? table.rows[pick(100)] : song();
            if (pick(2)) v.artist = name();
            if (pick(3) == 0) v.year = 0;
            previous.push_back(v);
        }
        for (int n : {1, 2, 4, 6, 29, 40})
            ASSERT_EQ(listed(findDisappeared(previous, table, n)),
                      listed(findDisappearedByScan(previous, table, n)))
                << "seed " << seed << " N=" << n;
    }
}

TEST(NewSongsScreen, ScreenKeysAndPages) {
    test::TestApp t;
    // New songs (prevRank 0, not 9999), one without a year, names to escape.
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 1);
    t.addSong("The Beatles", "Let It Be", 1970, 0);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0);
    t.addSong("ABBA", "Dancing Queen", 1976, 9999);
    t.addSong("Jones", "Bernie", 1973, 5);
    t.addSong("Abba", "Allot", 1990, 7);
    t.addSong("Nameless", "No Year", 0, 0);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 0);
    t.app.songs.changeCount = 3;
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    // No list of last year: a message, a key, the main menu, the list intact.
    t.keys.text("x");
    EXPECT_TRUE(runCommandKey(t.app, 'S'));
    EXPECT_EQ(t.app.messageText, "previous year not present....");
    EXPECT_EQ(std::tuple(t.keys.pending(), t.app.songs.count, t.app.songs.changeCount),
              std::tuple(0u, 8, 3));
    // Last year: found by rule 1, rule 3, never, at N = 1, at N = 0, never (twice).
    t.writeFile("2025.txt", test::kHeader2007 +
                                test::genericLine(1, "Abba", "Dancing queen", 1976) +
                                test::genericLine(2, "Beatles", "Let it be", 1970) +
                                test::genericLine(3, "Beatles", "Yesterday", 1965) +
                                test::genericLine(4, "Stones", "Angie", 1973) +
                                test::genericLine(5, "Zappa", "Zoot", 1990) +
                                test::genericLine(6, "Lost & Found", "<Unknown>", 0) +
                                test::genericLine(7, "Mud & Co", "Tiger <Feet>", 1974) + "\n");
    t.keys.key('G').text("n").key('Q');
    runCommandKey(t.app, 'S');
    EXPECT_EQ(t.readFile("newsongs.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/newsongs.htm")).value());
    t.keys.key('D');
    EXPECT_THROW(runCommandKey(t.app, 'S'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/new_songs_screen.txt"));
}

}  // namespace hv
