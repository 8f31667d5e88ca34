#include "stats/band_overview.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "html/vote_form.h"
#include "stats/band_overview_screen.h"

namespace hv {

namespace {

// One song per name, titled "Song <its place>".
void addArtists(SongTable& songs, const std::vector<std::string>& artists) {
    for (const std::string& a : artists)
        test::addSong(songs, a, "Song " + std::to_string(songs.count + 1));
}

// The overview as "artist:number:count" items, artist names unpadded.
std::string describe(const SongTable& songs, const std::vector<OverviewLine>& lines) {
    std::string out;
    for (const OverviewLine& l : lines) {
        const std::string& a = songs.rows[l.row].artist;
        out += a.substr(0, a.find_last_not_of(' ') + 1) + ":" + std::to_string(l.number) + ":" +
               std::to_string(l.songCount) + " ";
    }
    return out;
}

// The names of the letter blocks' anchors in a vote form, in order.
std::string anchors(const SongTable& songs, const std::vector<OverviewLine>& lines, int mode) {
    std::string form, out;
    appendVoteFormBody(form, songs, lines, mode);
    for (size_t at = form.find("<A NAME=\""); at != std::string::npos;
         at = form.find("<A NAME=\"", at + 1))
        out += form.substr(at + 9, form.find('"', at + 9) - at - 9) + " ";
    return out;
}

}  // namespace

TEST(BandOverview, MinimumOrderAndLetterBlocks) {
    SongTable s;
    // The minimum itself is listed; most songs first, ties in list order.
    addArtists(s, {"X", "Y", "Z", "X", "Z", "W", "Y", "X", "Z"});
    EXPECT_EQ(describe(s, buildBandOverview(s, kBandModeNormal, 2)),
              "X:1:3 X:2:0 X:3:0 Z:1:3 Z:2:0 Z:3:0 Y:1:2 Y:2:0 ");
    // Alphabet blocks: a later digit opens none, lower case and each byte above 0x7F their own.
    SongTable a;
    addArtists(a, {"Beatles", "10cc", "abba", "2 Unlimited", "\326zil", "Abba", "\311dith"});
    auto lines = buildBandOverview(a, kBandModeAlphabet, 1);
    EXPECT_EQ(describe(a, lines),
              "10cc:1:1 2 Unlimited:1:1 Abba:1:1 Beatles:1:1 abba:1:1 \311dith:1:1 \326zil:1:1 ");
    EXPECT_EQ(anchors(a, lines, kBandModeAlphabet), "1 A B a \311 \326 ");
    EXPECT_EQ(anchors(a, lines, kBandModeNormal), "");
    addArtists(a = SongTable(), {"\"Weird\" Al"});
    EXPECT_EQ(anchors(a, buildBandOverview(a, kBandModeAlphabet, 1), kBandModeAlphabet), "&quot; ");
}

TEST(BandOverview, FastBuildEqualsTheLiteralScan) {
    std::mt19937 random(2026);
    const std::vector<std::string> names = {
        "Queen", "queen", "Queen ", " Queen",        "Queens",   "Abba",
        "ABBA",  "10cc",  "",       "Queen & Bowie", "\311dith", "Full Twenty-Nine Artist Name!"};
    for (int trial = 0; trial < 30; ++trial) {
        SongTable songs;
        for (int r = 1 + static_cast<int>(random() % 200); r > 0; --r) {
            const std::string& name = names[random() % names.size()];
            const bool padded = trial % 5 != 4 || random() % 4 != 0;
            test::addSong(songs, "", "Song").artist = padded ? fitName(name) : name;
        }
        for (int mode : {kBandModeNormal, kBandModeAlphabet})
            for (int minimum = 1; minimum <= 6; ++minimum)
                ASSERT_EQ(buildBandOverview(songs, mode, minimum),
                          buildBandOverviewLiteral(songs, mode, minimum))
                    << "trial " << trial << " mode " << mode << " minimum " << minimum;
    }
}

TEST(BandOverview, ScreenPagesAndKeys) {
    test::TestApp t;
    addArtists(t.app.songs, {"Queen", "10cc", "Simon & Garfunkel", "Queen", "abba",
                             "The \"Quoted\" Band", "10cc", "Simon & Garfunkel", "Queen",
                             "Solo Artist", "abba", "Alice Cooper", "Alice Cooper"});
    t.app.songs.rows[5].song = fitName("A<B>C & D");
    t.addSong("The \"Quoted\" Band", "A Full Twenty-Nine Char Title");
    t.writeFile("base2.htm", test::htmlData("template.htm"));
    t.writeFile("formbase.htm", test::htmlData("template.htm"));
    t.app.statisticsMode = 2;  // left by Top artists: entering resets it
    auto run = [&] { EXPECT_THROW(runCommandKey(t.app, 'B'), ScriptExhausted); };
    auto golden = [](const std::string& name) {
        return readWholeFile(test::sourcePath("tests/stats/data/" + name)).value();
    };
    // Minimum 2, G: "band1.htm"; M, S: the vote form in the alphabet mode.
    t.keys.key(kKeyMinus).key(kKeyMinus).key(kKeyMinus).key('G').text("n");
    t.keys.key('M').key('S').text("n");
    run();
    EXPECT_EQ(t.readFile("band1.htm"), golden("band1.htm"));
    EXPECT_EQ(t.readFile("vote.htm"), golden("vote.htm"));
    EXPECT_TRUE(test::shows(
        t, {{0, 0, "2026   Song Overview                Songs  Place  Song       Minimum = 2"},
            {3, 2, "  1. 10cc                             2     2   Song 2"},
            {5, 2, "  1. Alice Cooper"}}));
    // Entering again starts in the normal mode at 5; (-) stops at 1.
    t.keys.key('M').key('G').text("n").key('Q');
    runCommandKey(t.app, 'B');
    EXPECT_NE(t.readFile("band2.htm").find("Minimum = 5\n"), std::string::npos);
    t.removeFile("formbase.htm");
    for (int i = 0; i < 5; ++i) t.keys.key(kKeyMinus);
    t.keys.key('S');
    run();
    EXPECT_TRUE(test::shows(
        t, {{0, 61, "Minimum = 1 "}, {23, 2, "Obliged file formbase.htm not present...."}}));
}

}  // namespace hv
