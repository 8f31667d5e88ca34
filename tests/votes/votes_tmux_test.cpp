// The vote road on the real program: the vote form it writes is filled in by
// headless Chromium for three voters, one of them twice; the posts become mails
// in the mail folder; O and F11 count them into the new list, which F4 saves.
#include <gtest/gtest.h>

#include <algorithm>

#include "console/sample_folder.h"
#include "database/song_file.h"
#include "support/form_browser.h"

namespace hv {

namespace {

using test::press;
// A song of the sample list by the beginnings of its artist and its title.
using SongKey = std::pair<std::string, std::string>;

std::vector<Song> songsOf(const test::SampleFolder& sample) {
    return readSongFile(sample.path + "/mysongs.txt", "mysongs.txt", 2026, kSongCapacity).songs;
}

// Each ballot ticks its songs and posts the form into a frame of its own; a
// hidden field tells the posts apart.
std::string votingScript(const std::vector<std::vector<SongKey>>& ballots) {
    std::string list;
    for (const auto& ballot : ballots) {
        list += "[";
        for (const auto& [artist, title] : ballot) list += "['" + artist + "','" + title + "'],";
        list += "],";
    }
    return "<script>var ballots = [" + list + "];" + R"(
window.addEventListener('load', function () {
  var form = document.forms.vote, boxes = document.getElementsByName('checkbox');
  var tag = form.appendChild(document.createElement('input'));
  tag.type = 'hidden'; tag.name = 'ballot';
  ballots.forEach(function (ballot, n) {
    for (var i = 0; i < boxes.length; i++) {
      var v = boxes[i].value;
      boxes[i].checked = ballot.some(function (k) {
        return v.substr(6).startsWith(k[0]) && v.substr(38).startsWith(k[1]); });
    }
    tag.value = n;
    var frame = document.createElement('iframe');
    form.target = frame.name = 'post' + n;
    document.body.appendChild(frame);
    form.submit();
  });
});</script>
)";
}

}  // namespace

TEST(VotesTmux, FormFilledInByABrowserCountedFromTheMailFolder) {
    HV_REQUIRE_TMUX();
    if (!test::chromiumInstalled()) GTEST_SKIP() << test::chromiumProgram() << " is not installed";
    test::SampleFolder sample;
    const std::vector<Song> before = songsOf(sample);
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

    // Titles with quotes (also Windows-1252's 0x92) and accented letters.
    const SongKey happy{"Pharrell Williams", "Happy - From \""},
        partiro{"Andrea Bocelli", "Con Te"}, halo{"Beyonc", "Halo"},
        monkey{"Tones and I", "Dance Monkey"}, comptine{"Yann Tiersen", "Comptine d"},
        she{"Charles Aznavour", "She - Tous"}, memories{"Maroon 5", "Memories"};
    const std::vector<std::string> senders = {"Ann <ann@example.org>", "Bob <bob@example.org>",
                                              "Ann <ann@example.org>", "Cat <cat@example.org>"};
    const std::vector<std::vector<SongKey>> ballots = {{happy, partiro, monkey},
                                                       {happy, partiro, halo, comptine},
                                                       {monkey, memories, she},  // a double
                                                       {happy, halo, she}};
    test::FormListener listener;
    std::string page = sample.file("vote.htm");
    const std::string mailto = "mailto:votes@example.org?subject=HIT-VAULT";
    ASSERT_NE(page.find(mailto), std::string::npos);
    page.replace(page.find(mailto), mailto.size(), listener.url());
    page.insert(page.rfind("</body>"), votingScript(ballots));
    test::TempFolder browserFolder;
    browserFolder.writeFile("vote.htm", page);
    pid_t browser = test::startChromium(browserFolder.folder, "vote.htm");
    ASSERT_GT(browser, 0);
    std::vector<std::string> bodies(ballots.size());
    for (size_t posts = 0; posts < ballots.size(); ++posts) {
        std::string body = listener.awaitPost(browser);
        size_t tag = body.find("ballot=");
        if (tag == std::string::npos) break;
        bodies.at(std::stoul(body.substr(tag + 7))) = body;
    }
    std::string log = test::stopChromium(browser, browserFolder.folder);
    for (const std::string& body : bodies) ASSERT_FALSE(body.empty()) << "Chromium:\n" << log;

    // The form posts as text/plain: its lines are the name=value lines a mail
    // program sends, in the page's own Windows-1252.
    std::filesystem::create_directory(sample.path + "/outlook");
    for (size_t i = 0; i < ballots.size(); ++i)
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

    // Ties go to the song whose first vote came first.
    std::vector<Song> expected;
    for (const auto& [key, votes] : std::vector<std::pair<SongKey, int>>{
             {happy, 3}, {partiro, 2}, {halo, 2}, {monkey, 1}, {comptine, 1}, {she, 1}}) {
        Song s = *std::find_if(before.begin(), before.end(), [&](const Song& b) {
            return b.artist.starts_with(key.first) && b.song.starts_with(key.second);
        });
        expected.push_back(s);
        expected.back().prevRank = s.place;
        expected.back().place = static_cast<int>(expected.size());
        expected.back().votes = votes;
    }
    std::vector<Song> saved = songsOf(sample);
    ASSERT_EQ(saved.size(), expected.size());
    for (size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(test::fieldsOf(saved[i]), test::fieldsOf(expected[i]));
    EXPECT_EQ(sample.file("email.ini").substr(0, 30), "Unique Voters          :     4");
    tmux.sendKeys("q");
    ASSERT_TRUE(tmux.waitForExit()) << tmux.capture();
    EXPECT_EQ(tmux.exitStatus(), 0);
}

}  // namespace hv
