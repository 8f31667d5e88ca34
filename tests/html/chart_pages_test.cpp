#include <gtest/gtest.h>

#include <tuple>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "html/chart_pages_screen.h"

namespace hv {

namespace {

// Five songs whose rows show every kind of mark, a table link and text that
// must be escaped.
void addSampleList(test::TestApp& t) {
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 3, "05:55", 12);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0, "05:08", 7);
    t.addSong("Queen", "Don't Stop Me Now", 1979, 1, "03:29", 5);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 30, "04:00", 3).country = "NL";
    t.addSong("Queen", "Radio Ga Ga", 0, 9999, "05:48", 0);
    t.app.links.artists.push_back({fitName("Queen"), "http://www.queenonline.com/"});
    t.app.links.artists.push_back({"xxxxxxx", "xxxxxxx"});
    t.app.links.songs.push_back({"xxxxxxx", "xxxxxxx"});
    t.writeFile("base.htm", test::htmlData("template.htm"));
    t.writeFile("base2.htm", test::htmlData("template.htm"));
}

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(ChartPages, PageNumbersAndButtons) {
    // A page size below 1 counts as 1.
    const std::tuple<int, int, int> lastPages[] = {{5000, 100, 49}, {5003, 100, 50}, {0, 100, 0},
                                                   {100, 100, 0},   {5, 0, 4},       {5, -3, 4}};
    for (auto [songs, perPage, last] : lastPages)
        EXPECT_EQ(lastChartPage(songs, perPage), last) << songs << " songs, " << perPage;

    auto targets = [](int page, int last) {
        ChartButtons b = chartButtons(page, last);
        return std::vector<int>{b.home, b.back3, b.back, b.forward, b.forward3, b.end};
    };
    using V = std::vector<int>;
    EXPECT_EQ(targets(49, 49), (V{0, 46, 48, 49, 49, 49}));
    EXPECT_EQ(targets(47, 49), (V{0, 44, 46, 48, 49, 49}));
    EXPECT_EQ(targets(45, 49), (V{0, 42, 44, 46, 48, 49}));
    EXPECT_EQ(targets(2, 49), (V{0, 0, 1, 3, 5, 49}));
    EXPECT_EQ(targets(0, 49), (V{0, 0, 0, 1, 3, 49}));
    EXPECT_EQ(targets(0, 0), (V{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(chartPageName(7), "htm/top00007.htm");
}

TEST(ChartPages, ExactPageBytes) {
    test::TestApp t;
    addSampleList(t);
    t.writeFile("email.ini", test::htmlData("email.ini"));
    t.keys.text("n");
    ASSERT_TRUE(runCommandKey(t.app, 'H'));
    EXPECT_EQ(t.readFile("htm/top00000.htm"), test::htmlData("top00000.htm"));
    EXPECT_FALSE(t.exists("htm/top00001.htm"));
    t.keys.text("n");
    ASSERT_TRUE(runCommandKey(t.app, 'V'));
    EXPECT_EQ(t.readFile("hitvault.htm"), test::htmlData("hitvault.htm"));
    EXPECT_EQ(std::tie(t.app.messageText, t.app.pagePath),
              std::make_tuple("hitvault.htm generated...", "hitvault.htm"));
    EXPECT_TRUE(t.browserCalls.empty());
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.app.songs.changeCount, 0);
}

TEST(ChartPages, SeriesOfPagesIsWrittenAndOffered) {
    test::TestApp t;
    for (int i = 0; i < 5003; ++i) t.addSong("Artist " + std::to_string(i % 40), "Song", 1990);
    t.writeFile("base.htm", "<TITLE>..\nTEXT HERE\n</pre>\n");
    t.writeFile("htm/top00099.htm", "older run");
    t.keys.text("y");
    writeChartPages(t.app);
    for (int page = 0; page <= 50; ++page) {
        std::string text = t.readFile(chartPageName(page));
        SCOPED_TRACE(page);
        EXPECT_EQ(countOf(text, "L</a>   "), page == 50 ? 3 : 100);
        EXPECT_EQ(countOf(text, "<TITLE>Hitvault 2026</TITLE>\n"), 1);
        EXPECT_EQ(text.substr(text.size() - 17), "\n</center></pre>\n");
    }
    EXPECT_FALSE(t.exists("htm/top00051.htm"));
    EXPECT_EQ(t.readFile("htm/top00099.htm"), "older run");
    std::string page47 = t.readFile("htm/top00047.htm");
    EXPECT_NE(page47.find("<a href=top00050.htm><img border=0 src=but/forward3.jpg"),
              std::string::npos);
    EXPECT_NE(page47.find("<a href=top00044.htm><img border=0 src=but/back3.jpg"),
              std::string::npos);
    EXPECT_NE(page47.find("\n4701.  Artist 20 "), std::string::npos);
    EXPECT_EQ(t.app.messageText, "top00000.htm generated...");
    EXPECT_EQ(t.app.pagePath, "htm/top00000.htm");
    ASSERT_EQ(t.browserCalls.size(), 1u);
    EXPECT_EQ(t.browserCalls[0].second, t.folder + "htm/top00000.htm");
}

TEST(ChartPages, NoSongsAndPageSizeBelowOne) {
    test::TestApp t;
    t.writeFile("base.htm", "TEXT HERE\n");
    t.keys.text("n");
    writeChartPages(t.app);
    std::string empty = t.readFile("htm/top00000.htm");
    EXPECT_EQ(countOf(empty, "href=top00000.htm"), 6);
    EXPECT_NE(empty.find("Status\n       ====="), std::string::npos);

    t.addSong("A", "One");
    t.addSong("B", "Two");
    t.app.settings.songsPerPage = 0;
    t.keys.text("n");
    writeChartPages(t.app);
    EXPECT_TRUE(t.exists("htm/top00001.htm"));
    EXPECT_FALSE(t.exists("htm/top00002.htm"));
    EXPECT_EQ(countOf(t.readFile("htm/top00001.htm"), "L</a>   "), 1);
}

TEST(ChartPages, SmileysSwitchOnlyTouchesTheSummaryPage) {
    test::TestApp t;
    addSampleList(t);
    t.app.settings.includeSmileys = kSwitchOff;
    t.keys.text("nn");
    writeSummaryPage(t.app);
    writeChartPages(t.app);
    std::string summary = t.readFile("hitvault.htm");
    EXPECT_EQ(countOf(summary, "SRC=smile.gif"), 0);
    EXPECT_EQ(countOf(summary, "L</a>   \n"), 5);
    EXPECT_EQ(summary.find("Statistic This Week"), std::string::npos);
    EXPECT_EQ(countOf(t.readFile("htm/top00000.htm"), "SRC=smile.gif"), 1 + 1 + 5);
}

TEST(ChartPages, MissingTemplateOrUnwritablePageKeepsTheList) {
    test::TestApp t;
    addSampleList(t);
    t.app.songs.changeCount = 3;
    t.removeFile("base.htm");
    t.removeFile("base2.htm");
    t.keys.text("x");
    EXPECT_TRUE(runCommandKey(t.app, 'H'));
    EXPECT_EQ(t.row(23).substr(2, 37), "Obliged file base.htm not present....");
    t.keys.text("x");
    EXPECT_TRUE(runCommandKey(t.app, 'V'));
    EXPECT_EQ(t.row(23).substr(2, 38), "Obliged file base2.htm not present....");
    EXPECT_EQ(t.keys.pending(), 0u);  // no offer followed
    EXPECT_FALSE(t.exists("htm"));    // no empty folder left behind
    EXPECT_FALSE(t.exists("hitvault.htm"));
    EXPECT_EQ(t.app.songs.count, 5);
    EXPECT_EQ(t.app.songs.changeCount, 3);
    EXPECT_EQ(t.app.songs.rows[3].song, fitName("A<B>C & D"));

    t.writeFile("base.htm", test::htmlData("template.htm"));
    t.writeFile("htm", "a file where the folder should be");
    t.keys.text("x");
    writeChartPages(t.app);
    EXPECT_EQ(t.app.messageText, "Could not write htm/top00000.htm ");
    EXPECT_EQ(t.keys.pending(), 0u);
    EXPECT_EQ(t.readFile("htm"), "a file where the folder should be");
    EXPECT_TRUE(t.browserCalls.empty());
}

}  // namespace hv
