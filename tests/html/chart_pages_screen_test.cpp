#include "html/chart_pages_screen.h"

#include <gtest/gtest.h>

#include <tuple>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"

namespace hv {

namespace {

// Five songs whose rows show every kind of mark, a table link and text that must be escaped.
void addSampleList(test::TestApp& t) {
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 3, "05:55", 12);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0, "05:08", 7);
    t.addSong("Queen", "Don't Stop Me Now", 1979, 1, "03:29", 5);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 30, "04:00", 3).country = "NL";
    t.addSong("Queen", "Radio Ga Ga", 0, 9999, "05:48", 0);
    t.app.links.artists.push_back({fitName("Queen"), "http://www.queenonline.com/"});
    t.writeFile("base.htm", test::htmlData("template.htm"));
    t.writeFile("base2.htm", test::htmlData("template.htm"));
}

}  // namespace

TEST(ChartPagesScreen, ExactPagesAndTheOffer) {
    test::TestApp t;
    addSampleList(t);
    t.writeFile("email.ini", test::htmlData("email.ini"));
    // Pages are in ranking order while the list stays sorted on Artist.
    ASSERT_TRUE(runCommandKey(t.app, kKeyF6));
    t.keys.text("y");
    ASSERT_TRUE(runCommandKey(t.app, 'H'));
    EXPECT_EQ(t.readFile("htm/top00000.htm"), test::htmlData("top00000.htm"));
    EXPECT_EQ(t.browserCalls,
              (decltype(t.browserCalls){{"/usr/bin/fake-browser", t.folder + "htm/top00000.htm"}}));

    t.keys.text("n");
    ASSERT_TRUE(runCommandKey(t.app, 'V'));
    EXPECT_EQ(t.readFile("hitvault.htm"), test::htmlData("hitvault.htm"));
    EXPECT_EQ(std::tie(t.app.songs.changeCount, t.app.songs.rows[1].place), std::tuple(0, 3));
}

TEST(ChartPagesScreen, AnUnwritablePageKeepsTheList) {
    test::TestApp t;
    addSampleList(t);
    t.app.songs.changeCount = 3;
    t.writeFile("htm", "a file where the folder should be");
    t.keys.text("x");
    writeChartPages(t.app);
    EXPECT_EQ(t.app.messageText, "Could not write htm/top00000.htm ");
    EXPECT_EQ(std::tuple(t.keys.pending(), t.app.songs.count, t.app.songs.changeCount),
              std::tuple(0u, 5, 3));
    EXPECT_TRUE(t.browserCalls.empty());
}

}  // namespace hv
