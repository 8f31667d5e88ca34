// A statistics view on the real terminal writes its page and returns.
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
