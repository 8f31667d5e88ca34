// The real program on a real terminal and the sample folder: a statistics
// view opens from the main menu, writes its page to disk and returns. Each
// view's keys and screen are tested on the scripted screen.
#include <gtest/gtest.h>

#include "console/sample_folder.h"

namespace hv {

using test::press;

TEST(StatisticsViewsTmux, AViewWritesItsPageAndReturns) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    test::TmuxSession tmux(sample.path, {"S"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "a", "Top Artists"));
    ASSERT_TRUE(press(tmux, "g", "artist.htm generated..."));
    ASSERT_TRUE(press(tmux, "n", "Top Artists"));
    ASSERT_TRUE(press(tmux, "q", "(E)xplorer"));
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
    EXPECT_TRUE(tmux.terminalUsable()) << tmux.ttySettingsAfter();
    EXPECT_NE(sample.file("artist.htm"), "(none)");
}

}  // namespace hv
