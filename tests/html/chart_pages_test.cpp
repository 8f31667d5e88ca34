#include "html/chart_pages.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/song_lists.h"

namespace hv {

namespace {

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(ChartPages, Buttons) {
    EXPECT_EQ(lastChartPage(5, 0), 4);  // a page size below 1 counts as 1
    using V = std::vector<int>;
    const std::tuple<int, int, V> buttons[] = {{49, 49, {0, 46, 48, 49, 49, 49}},
                                               {2, 49, {0, 0, 1, 3, 5, 49}}};
    for (const auto& [page, last, targets] : buttons) {
        ChartButtons b = chartButtons(page, last);
        EXPECT_EQ((V{b.home, b.back3, b.back, b.forward, b.forward3, b.end}), targets) << page;
    }
}

TEST(ChartPages, ASeriesOfPages) {
    test::TempFolder f;
    SongTable songs;
    Settings settings = defaultSettings(2026);
    LinkTables links;
    const ChartSource source{f.folder, songs, settings, links};
    for (int i = 0; i < 5003; ++i) test::addSong(songs, "Artist " + std::to_string(i % 40), "S");
    EXPECT_EQ(writeChartPages(source).status, PageStatus::templateMissing);
    EXPECT_FALSE(f.exists("htm"));  // no empty folder left behind

    f.writeFile("base.htm", "<TITLE>..\nTEXT HERE\n</pre>\n");
    f.writeFile("htm/top00099.htm", "older run");
    ASSERT_EQ(writeChartPages(source).status, PageStatus::written);
    for (int page = 0; page <= 50; ++page)
        EXPECT_EQ(countOf(f.readFile(chartPageName(page)), "L</a>   "), page == 50 ? 3 : 100);
    EXPECT_FALSE(f.exists("htm/top00051.htm"));
    EXPECT_EQ(f.readFile("htm/top00099.htm"), "older run");
    EXPECT_NE(f.readFile("htm/top00047.htm").find("\n4701.  Artist 20 "), std::string::npos);
}

}  // namespace hv
