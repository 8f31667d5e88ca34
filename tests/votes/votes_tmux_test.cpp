// The vote road on the real program: the vote form it writes is filled in by
// headless Chromium for three voters, one of them twice; the posts become mails
// in the mail folder; O and F11 count them into the new list, which F4 saves.
#include <gtest/gtest.h>

#include "console/sample_folder.h"
#include "database/song_file.h"
#include "support/form_browser.h"

namespace hv {
namespace {

using test::press;

// Songs by the beginnings of their artists and titles (quotes, also
// Windows-1252's 0x92, and accented letters); each ballot ticks its songs'
// numbers and posts the form into a frame of its own, a hidden field telling
// the posts apart. The third ballot comes from a voter who voted before.
const int kBallots = 4;
const char* const kVotingScript = R"(<script>
var songs = [['Pharrell Williams', 'Happy - From "'], ['Andrea Bocelli', 'Con Te'],
  ['Beyonc', 'Halo'], ['Tones and I', 'Dance Monkey'], ['Yann Tiersen', 'Comptine d'],
  ['Charles Aznavour', 'She - Tous'], ['Maroon 5', 'Memories']];
var ballots = ['013', '0124', '356', '025'];
window.addEventListener('load', function () {
  var form = document.forms.vote, boxes = document.getElementsByName('checkbox');
  var tag = form.appendChild(document.createElement('input'));
  tag.type = 'hidden'; tag.name = 'ballot';
  ballots.forEach(function (ballot, n) {
    for (var i = 0; i < boxes.length; i++) {
      var v = boxes[i].value;
      boxes[i].checked = ballot.split('').some(function (k) {
        return v.substr(6).startsWith(songs[k][0]) && v.substr(38).startsWith(songs[k][1]); });
    }
    tag.value = n;
    var frame = document.createElement('iframe');
    form.target = frame.name = 'post' + n;
    document.body.appendChild(frame);
    form.submit();
  });
});</script>
)";

}  // namespace

TEST(VotesTmux, FormFilledInByABrowserCountedFromTheMailFolder) {
    HV_REQUIRE_TMUX();
    if (!test::chromiumInstalled()) GTEST_SKIP() << test::chromiumProgram() << " is not installed";
    test::SampleFolder sample;
    test::TmuxSession tmux(sample.path, {"S"}, sample.environment());
    ASSERT_TRUE(tmux.waitFor("Press a Key...")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "Space", "(E)xplorer"));
    // The form of every song: the band overview at minimum 1.
    ASSERT_TRUE(press(tmux, "b", "Minimum = 5"));
    for (int i = 0; i < 4; ++i) tmux.sendKeys("KP-");
    ASSERT_TRUE(tmux.waitFor("Minimum = 1")) << tmux.capture();
    ASSERT_TRUE(press(tmux, "s", "vote.htm generated..."));
    tmux.sendKeys("n");
    ASSERT_TRUE(press(tmux, "q", "(E)xplorer"));

    test::FormListener listener;
    std::string page = sample.file("vote.htm");
    const std::string mailto = "mailto:votes@example.org?subject=HIT-VAULT";
    ASSERT_NE(page.find(mailto), std::string::npos);
    page.replace(page.find(mailto), mailto.size(), listener.url());
    page.insert(page.rfind("</body>"), kVotingScript);
    test::TempFolder browserFolder;
    browserFolder.writeFile("vote.htm", page);
    pid_t browser = test::startChromium(browserFolder.folder, "vote.htm");
    ASSERT_GT(browser, 0);
    std::vector<std::string> bodies(kBallots);
    for (int posts = 0; posts < kBallots; ++posts) {
        std::string body = listener.awaitPost(browser);
        size_t tag = body.find("ballot=");
        if (tag == std::string::npos) break;
        bodies.at(std::stoul(body.substr(tag + 7))) = body;
    }
    std::string log = test::stopChromium(browser, browserFolder.folder);
    for (const std::string& body : bodies) ASSERT_FALSE(body.empty()) << "Chromium:\n" << log;

    // The form posts as text/plain: its lines are the name=value lines a mail
    // program sends, in the page's own Windows-1252.
    const char* const senders[] = {"Ann <ann@example.org>", "Bob <bob@example.org>",
                                   "Ann <ann@example.org>", "Cat <cat@example.org>"};
    std::filesystem::create_directory(sample.path + "/outlook");
    for (int i = 0; i < kBallots; ++i)
        std::ofstream(sample.path + "/outlook/" + std::to_string(i + 1) + ".eml")
            << "From: " << senders[i]
            << "\r\nTo: votes@example.org\r\nSubject: HIT-VAULT\r\nMIME-Version: 1.0\r\n"
               "Content-Type: text/plain; charset=windows-1252\r\n\r\n"
            << bodies[i];
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
    EXPECT_EQ(saved,
              "Pharre 3 79;Andrea 2 760;Beyonc 2 113;Tones  1 1;Yann T 1 1203;Charle 1 1046;");
    EXPECT_EQ(sample.file("email.ini").substr(0, 30), "Unique Voters          :     4");
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace hv
