// The vote form in headless Chromium: every box ticked and sent comes back as written.
#include <gtest/gtest.h>

#include "html/page_template.h"
#include "html/vote_form.h"
#include "support/form_browser.h"
#include "support/song_lists.h"

namespace hv {

TEST(VoteFormBrowser, TickedValuesComeBackByteForByte) {
    test::TempFolder f;
    SongTable songs;
    test::addSong(songs, "Simon & Garfunkel", "Say \"Hello\" & <Goodbye>");
    test::addSong(songs, "Caf\xE9 Society", "Caf\xE9 \x96 Bar \x80uro");  // é, en dash, euro
    test::addSong(songs, "The \"Quoted\" Band", "A Full Twenty-Nine Char Title");

    test::FormListener listener;
    std::string form = readWholeFile(test::sourcePath("example/formbase.htm")).value();
    const std::string mailto = "mailto:votes@example.org?subject=HIT-VAULT";
    size_t action = form.find(mailto);
    form.replace(action, mailto.size(), listener.url());
    f.writeFile("formbase.htm", form);

    std::vector<OverviewLine> lines = buildBandOverview(songs, kBandModeAlphabet, 1);
    ASSERT_EQ(writeTemplatePage(f.folder, "formbase.htm", "vote.htm", kVoteFormTitle,
                                [&](std::string& out) {
                                    appendVoteFormBody(out, songs, lines, kBandModeAlphabet);
                                }),
              PageStatus::written);
    // The voter's part: tick every box (through its own onclick) and send.
    std::string page = f.readFile("vote.htm");
    page.insert(page.rfind("</body>"),
                "<script>window.addEventListener('load', function () {\n"
                "  var boxes = document.getElementsByName('checkbox');\n"
                "  for (var i = 0; i < boxes.length; i++) boxes[i].click();\n"
                "  document.forms.vote.submit();\n});</script>\n");
    f.writeFile("vote.htm", page);

    pid_t browser = test::startChromium(f.folder, "vote.htm");
    ASSERT_GT(browser, 0) << "cannot start a process for chromium";
    std::string body = listener.awaitPost(browser);
    std::string log = test::stopChromium(browser, f.folder);
    ASSERT_FALSE(body.empty()) << "Chromium did not send the vote form:\n" << log;

    std::string expected;
    for (const OverviewLine& line : lines)
        expected += "checkbox=" + voteValue(songs.rows[line.row]) + "\r\n";
    EXPECT_NE(body.find(expected), std::string::npos) << body;
}

}  // namespace hv
