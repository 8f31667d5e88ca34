#include "html/chart_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/song_lists.h"

namespace hv {

namespace {

// What the chart pages are made of, in a temporary working folder.
struct Chart {
    test::TempFolder f;
    SongTable songs;
    Settings settings = defaultSettings(2026);
    LinkTables links;
    ChartSource source() const { return {f.folder, songs, settings, links}; }
};

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

    using V = std::vector<int>;
    const std::tuple<int, int, V> buttons[] = {
        {49, 49, {0, 46, 48, 49, 49, 49}}, {47, 49, {0, 44, 46, 48, 49, 49}},
        {45, 49, {0, 42, 44, 46, 48, 49}}, {2, 49, {0, 0, 1, 3, 5, 49}},
        {0, 49, {0, 0, 0, 1, 3, 49}},      {0, 0, {0, 0, 0, 0, 0, 0}}};
    for (const auto& [page, last, targets] : buttons) {
        ChartButtons b = chartButtons(page, last);
        EXPECT_EQ((V{b.home, b.back3, b.back, b.forward, b.forward3, b.end}), targets) << page;
    }
    EXPECT_EQ(chartPageName(7), "htm/top00007.htm");
}

TEST(ChartPages, ASeriesOfPages) {
    Chart c;
    for (int i = 0; i < 5003; ++i) test::addSong(c.songs, "Artist " + std::to_string(i % 40), "S");
    c.f.writeFile("base.htm", "<TITLE>..\nTEXT HERE\n</pre>\n");
    c.f.writeFile("htm/top00099.htm", "older run");
    std::vector<int> told;
    auto progress = [&](int page, int last) { told.push_back(last == 50 ? page : -1); };
    ASSERT_EQ(writeChartPages(c.source(), progress).status, PageStatus::written);
    ASSERT_EQ(told.size(), 51u);
    for (int page = 0; page <= 50; ++page) {
        EXPECT_EQ(told[page], page);
        std::string text = c.f.readFile(chartPageName(page));
        SCOPED_TRACE(page);
        EXPECT_EQ(countOf(text, "L</a>   "), page == 50 ? 3 : 100);
        EXPECT_EQ(countOf(text, "<TITLE>Hitvault 2026</TITLE>\n"), 1);
        EXPECT_EQ(text.substr(text.size() - 17), "\n</center></pre>\n");
    }
    EXPECT_FALSE(c.f.exists("htm/top00051.htm"));
    EXPECT_EQ(c.f.readFile("htm/top00099.htm"), "older run");
    std::string page47 = c.f.readFile("htm/top00047.htm");
    EXPECT_NE(page47.find("<a href=top00050.htm><img border=0 src=but/forward3.jpg"),
              std::string::npos);
    EXPECT_NE(page47.find("<a href=top00044.htm><img border=0 src=but/back3.jpg"),
              std::string::npos);
    EXPECT_NE(page47.find("\n4701.  Artist 20 "), std::string::npos);
}

TEST(ChartPages, SmileysSwitchOnlyTouchesTheSummaryPage) {
    Chart c;
    test::addSong(c.songs, "Queen", "Bohemian Rhapsody", 1975, 3);
    test::addSong(c.songs, "Abba", "Waterloo", 1974, 0);
    c.settings.includeSmileys = kSwitchOff;
    std::string summary, chart;
    appendSummaryPageBody(summary, c.source());
    appendChartPageBody(chart, c.source(), 0);
    EXPECT_EQ(countOf(summary, "SRC="), 0);
    EXPECT_EQ(countOf(summary, "L</a>   \n"), 2);
    EXPECT_EQ(summary.find("Statistic This Week"), std::string::npos);  // no email.ini
    // The legend's two, one rise and five stars.
    EXPECT_EQ(countOf(chart, "SRC=smile.gif") + countOf(chart, "SRC=biggrin.gif"), 2 + 1 + 5);
}

TEST(ChartPages, NulAndCrInNamesShowAsBlanks) {
    Chart c;
    test::addSong(c.songs, std::string("Que\0en", 6), "Bo\rhemian");
    std::string page;
    appendSummaryPageBody(page, c.source());
    EXPECT_EQ(page.find_first_of(std::string("\0\r", 2)), std::string::npos);
    EXPECT_NE(page.find(fitName("Que en") + " - Bo hemian"), std::string::npos);
}

TEST(ChartPages, PageSizeBelowOneAndWhatEndsTheSeries) {
    Chart c;
    test::addSong(c.songs, "A", "One");
    ChartPagesResult missing = writeChartPages(c.source());
    EXPECT_EQ(std::tie(missing.status, missing.pageName),
              std::make_tuple(PageStatus::templateMissing, "htm/top00000.htm"));
    EXPECT_FALSE(c.f.exists("htm"));  // no empty folder left behind

    c.f.writeFile("base.htm", "TEXT HERE\n");
    test::addSong(c.songs, "B", "Two");
    c.settings.songsPerPage = 0;  // counts as 1
    ASSERT_EQ(writeChartPages(c.source()).status, PageStatus::written);
    EXPECT_FALSE(c.f.exists("htm/top00002.htm"));
    EXPECT_EQ(countOf(c.f.readFile("htm/top00001.htm"), "L</a>   "), 1);

    std::filesystem::remove_all(c.f.folder + "htm");
    c.f.writeFile("htm", "a file where the folder should be");
    EXPECT_EQ(writeChartPages(c.source()).status, PageStatus::pageNotWritten);
    EXPECT_EQ(c.f.readFile("htm"), "a file where the folder should be");
}

}  // namespace hv
