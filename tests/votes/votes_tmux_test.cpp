// The real program gathers vote mails (O), counts them (F11) and saves (F4).
#include <gtest/gtest.h>

#include "console/sample_folder.h"
#include "database/song_file.h"
#include "html/vote_form.h"

namespace hv {

using test::press;

TEST(VotesTmux, MailFolderCountedIntoTheSavedList) {
    HV_REQUIRE_TMUX();
    test::SampleFolder sample;
    const std::vector<Song> list =
        readSongFile(sample.path + "/mysongs.txt", "mysongs.txt", 2026, kSongCapacity).songs;
    // Each ballot ticks songs by their rows; Ann votes twice.
    const char* const ballots[][2] = {
        {"ann", "013"}, {"bob", "0124"}, {"ann", "35"}, {"cat", "025"}};
    int n = 0;
    std::filesystem::create_directory(sample.path + "/outlook");
    for (const auto& [sender, ticks] : ballots) {
        std::ofstream mail(sample.path + "/outlook/" + std::to_string(++n) + ".eml");
        mail << "From: " << sender << "@example.org\r\nSubject: HIT-VAULT\r\n"
             << "Content-Type: text/plain; charset=windows-1252\r\n\r\n";
        for (const char* k = ticks; *k; ++k)
            mail << "checkbox=" << voteValue(list[*k - '0']) << "\r\n";
    }

    test::TmuxSession tmux(sample.path, {"S"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "o", "(G)o  (Q)uit  (C)hange"));
    ASSERT_TRUE(press(tmux, "g", "4 emails found"));
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "F11", "Skip Double Emails  : ON"));
    ASSERT_TRUE(press(tmux, "g", "Press a Key..."));
    ASSERT_TRUE(press(tmux, "Space", "Update Statistics ?"));
    ASSERT_TRUE(press(tmux, "y", "(E)xplorer"));
    ASSERT_TRUE(press(tmux, "F4", "Save Changes to mysongs.txt ?"));
    tmux.sendKeys("y");
    ASSERT_TRUE(tmux.waitForGone("Save Changes")) << tmux.capture();

    // The double's votes are passed over; ties go to the first vote.
    std::string saved;
    for (const Song& s :
         readSongFile(sample.path + "/mysongs.txt", "mysongs.txt", 2026, kSongCapacity).songs)
        saved += s.artist.substr(0, 6) + " " + std::to_string(s.votes) + " " +
                 std::to_string(s.prevRank) + ";";
    EXPECT_EQ(saved, "Tones  3 1;Maroon 2 2;Billie 2 3;Mariah 1 4;Imagin 1 5;Lady G 1 6;");
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace hv
