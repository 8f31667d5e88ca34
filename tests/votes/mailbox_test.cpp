#include "votes/mailbox.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "html/vote_form.h"
#include "support/song_lists.h"
#include "votes/mail_folder.h"
#include "votes/vote_count.h"
#include "votes/vote_files.h"
#include "votes/vote_overview.h"

namespace hv {

TEST(Mailbox, PlainMessagesReadAsTheirLines) {
    const std::string longLine = "checkbox=" + std::string(600, 'x');
    // Headers without an encoding, and "=3D" that quoted-printable would change.
    const std::string text = "From: A\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n" +
                             longLine + "\nArtist1=3D\xE9\r\r\n\nlast";
    EXPECT_EQ(mailboxLines(text),
              (std::vector<std::string>{"From: A", "Content-Type: text/plain; charset=us-ascii", "",
                                        longLine.substr(0, 279), longLine.substr(279, 279),
                                        longLine.substr(558), "Artist1=3D\xE9\r", "", "last"}));
    // UTF-8 without a declared charset is converted; a declared Windows-1252
    // is taken at its word even where its bytes would pass as UTF-8.
    EXPECT_EQ(mailboxLines("From: B\n\nSe\xC3\xB1orita \xE2\x84\xA6\n\n"
                           "From: C\nContent-Type: text/plain; charset=windows-1252\n\n\xC3\xB1\n"),
              (std::vector<std::string>{"From: B", "", "Se\xF1orita ?", "", "From: C",
                                        "Content-Type: text/plain; charset=windows-1252", "",
                                        "\xC3\xB1"}));
}

TEST(Mailbox, RealMailCountsLikeThePlainForm) {
    SongTable list;
    test::addSong(list, "Shawn Mendes", "Se\xF1orita", 2019, 9999, "03:11");
    test::addSong(list, "Simon & Garfunkel", "Say \"Hello\" = <Goodbye>", 1970, 9999, "03:05");
    test::addSong(list, "Toto", "A Full Twenty-Nine Char Title", 1982, 9999, "04:51");
    auto vote = [&](int r) { return "checkbox=" + voteValue(list.rows[r]) + "\r\n"; };
    // A mail in each form the script writes; the first with a proposal.
    const std::pair<const char*, std::string> mails[] = {
        {"qp",
         vote(0) + vote(1) +
             "Artist1=Caf\xE9 Tacvba\r\nSong1=Ojal\xE1 que llueva\r\n"
             "Year1=1994\r\nDuration1=04:10\r\nArtist2=\r\nSong2=\r\nYear2=\r\nDuration2=\r\n"},
        {"base64", vote(1) + vote(2)},
        {"alternative", vote(2) + vote(0)},
        {"latin1", vote(0)}};
    test::TempFolder f;
    std::string plain,
        command = "python3 " + test::sourcePath("tests/votes/data/write_mails.py") + " " + f.folder;
    for (int n = 1; n <= 4; ++n) {
        const std::string body = f.folder + "body" + std::to_string(n);
        f.writeFile("body" + std::to_string(n), mails[n - 1].second);
        command += std::string(" ") + mails[n - 1].first + ":" + body;
        plain += "From: Voter " + std::to_string(n) + " <voter" + std::to_string(n) +
                 "@example.org>\n\n" + mails[n - 1].second + "\n\n";
    }
    ASSERT_EQ(std::system(command.c_str()), 0) << "python3 must be installed: " << command;
    ASSERT_EQ(convertMailFolder(f.folder + "mails", f.folder + "outlook.box", "HIT-VAULT"), 4);

    auto counted = [&](const std::vector<std::string>& lines) {
        VoteCount c = countVotes(lines, {list, {}, true, 2026});
        std::string out = c.newSongsFile;
        for (const Song& s : c.songs) out += s.artist + s.song + std::to_string(s.votes) + "\n";
        for (const std::string& sender : c.senders) out += sender + "\n";
        return out + formatEmailIni(c.counters, {}) + formatVoteAudit(c.audit);
    };
    const std::string expected = counted(mailboxLines(plain));
    EXPECT_NE(expected.find("Caf\xE9 Tacvba"), std::string::npos);
    EXPECT_EQ(counted(readMailbox(f.folder + "outlook.box").lines), expected);
    EXPECT_EQ(counted(readMailbox(f.folder + "votes.mbox").lines), expected);
}

TEST(MailFolder, CopiesVoteMessagesByNameAndMarker) {
    test::TempFolder f;
    struct File {
        std::string name, text;
        bool copied;
    } files[] = {
        {"b.eml", "From: B\nSubject: HIT-VAULT\n\nvote\n", true},
        // The marker in the body; CR LF kept; no line end at the end.
        {"a.eml", "From: A\r\nSubject: votes\r\n\r\nSubject: HIT-VAULT-2026", true},
        {"c.eml", "Subject: hit-vault\n", false},
        {"d.eml", "Subject: Re: HIT-VAULT\n", false},
        {".e.eml", "Subject: HIT-VAULT\n", false},
        {"f.eml/x", "Subject: HIT-VAULT\n", false},
        // A mailbox kept in the folder is not a message of it.
        {"outlook.box", "Subject: HIT-VAULT\n", false},
    };
    std::string expected;
    for (const File& file : files) {
        f.writeFile("mail/" + file.name, file.text);
        if (file.copied) expected = file.text + "\n\n" + expected;
    }
    EXPECT_EQ(convertMailFolder(f.folder + "mail", f.folder + "mail/outlook.box", "HIT-VAULT"), 2);
    EXPECT_EQ(f.readFile("mail/outlook.box"), expected);
    EXPECT_EQ(convertMailFolder(f.folder + "none", f.folder + "outlook.box", "HIT-VAULT"), 0);
    EXPECT_EQ(f.readFile("outlook.box"), "");
    EXPECT_EQ(convertMailFolder(f.folder + "mail", f.folder + "mail/f.eml", "X"), std::nullopt);
}

TEST(VoteOverview, PageInVoteOrder) {
    SongTable songs;
    test::addSong(songs, "Tom & Jerry", "<Cat>", 2000, 9999, "03:00", 7).country = "US";
    test::addSong(songs, "", "Gone").artist = "";
    test::addSong(songs, "ABBA", "Waterloo", 1974, 9999, "02:45", 3);
    std::string out;
    appendVoteOverviewBody(out, songs, 2026);
    EXPECT_EQ(
        out,
        " 2026  Vote Overview                                                  Votes \n"
        "       =============                                                  ===== \n\n"
        "    1. Tom &amp; Jerry                   - &lt;Cat&gt;                             7  US\n"
        "    3. ABBA                          - Waterloo                          3  \n");
}

}  // namespace hv
