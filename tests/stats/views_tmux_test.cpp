// The real program on a real terminal and the sample folder: every statistics
// view of the main menu opens, writes its page and returns with Q.
#include <gtest/gtest.h>

#include <string>

#include "console/sample_folder.h"

namespace hv {

using test::press;
using test::SampleFolder;

TEST(StatisticsViewsTmux, EachViewOpensWritesItsPageAndReturns) {
    HV_REQUIRE_TMUX();
    SampleFolder sample;
    test::TmuxSession tmux(sample.path, {"S"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));

    struct View {
        const char* key;
        const char* heading;
        const char* pageKey;
        const char* page;
    };
    const View views[] = {
        {"a", "Top Artists", "g", "artist.htm"},
        {"y", "Best Song of the Year", "g", "topyears.htm"},
        {"d", "Best Song of the Decade", "g", "decade.htm"},
        {"t", "Song Length Overview", "h", "time1.htm"},
        {"b", "Song Overview", "g", "band1.htm"},
        {"b", "Song Overview", "s", "vote.htm"},
        {"s", "New Songs in 2026", "g", "newsongs.htm"},
    };
    for (const View& v : views) {
        SCOPED_TRACE(v.page);
        ASSERT_TRUE(press(tmux, v.key, v.heading));
        ASSERT_TRUE(press(tmux, v.pageKey, std::string(v.page) + " generated..."));
        ASSERT_TRUE(press(tmux, "n", v.heading));
        ASSERT_TRUE(press(tmux, "q", "(E)xplorer"));
        EXPECT_NE(sample.file(v.page), "(none)");
    }

    // Countries first reports the codes it could not place, a key each.
    tmux.sendKeys("c");
    ASSERT_TRUE(tmux.waitFor("To Do")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "x", "Country"));
    ASSERT_TRUE(press(tmux, "g", "country1.htm generated..."));
    tmux.sendKeys("n");
    ASSERT_TRUE(press(tmux, "q", "(E)xplorer"));
    EXPECT_NE(sample.file("country1.htm"), "(none)");

    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
}

}  // namespace hv
