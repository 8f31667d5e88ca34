// Counting the votes: mailboxes, mail folders, the count, its files and page.
#include "votes/vote_count.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "html/vote_form.h"
#include "support/song_lists.h"
#include "votes/mail_folder.h"
#include "votes/mailbox.h"
#include "votes/vote_files.h"
#include "votes/vote_overview.h"

namespace hv {

SongTable previousList() {
    SongTable t;
    test::addSong(t, "ABBA", "Waterloo", 1974, 9999, "02:45");
    test::addSong(t, "Queen", "Bohemian Rhapsody", 1975, 9999, "05:55");
    test::addSong(t, "Shawn Mendes", "Se\xF1orita", 2019, 9999, "03:11");
    test::addSong(t, "Simon & Garfunkel", "Say \"Hello\" & <Goodbye>", 1970, 9999, "03:05");
    test::addSong(t, "Toto", "A Full Twenty-Nine Char Title", 1982, 9999, "04:51");
    return t;
}

std::string vote(const SongTable& list, int place) {
    return "checkbox=" + voteValue(list.rows[place - 1]);
}

// Each voted song as "artist/title votes year duration prevRank", in order.
std::string summary(const std::vector<Song>& songs) {
    auto trim = [](std::string t) { return t.erase(t.find_last_not_of(' ') + 1); };
    std::string out;
    for (const Song& s : songs)
        out += trim(s.artist) + "/" + trim(s.song) + " " + std::to_string(s.votes) + " " +
               std::to_string(s.year) + " " + s.duration + " " + std::to_string(s.prevRank) + ";";
    return out;
}

auto countersOf(const VoteCounters& c) {
    return std::vector<int>{c.emails,        c.doubleEmails, c.validVotes,
                            c.insertedSongs, c.newUserSongs, c.beyondCapacity};
}

// Everything a count gives, as one text.
std::string everything(const VoteCount& c) {
    std::string out = summary(c.songs) + "\n" + c.newSongsFile + formatVoteAudit(c.audit);
    for (const std::string& sender : c.senders) out += sender + "\n";
    for (int counter : countersOf(c.counters)) out += std::to_string(counter) + " ";
    return out;
}

TEST(VoteCount, DoubleMailsCountedAndAudited) {
    const SongTable list = previousList();
    // "From: C" stands in the sender list of an earlier import.
    VoteCount count =
        countVotes({"From: A", vote(list, 1), vote(list, 2), "From: B", vote(list, 2), "From: A",
                    vote(list, 3), vote(list, 4), "From: C", vote(list, 4)},
                   {list, {"From: C"}, false, 2026});
    EXPECT_EQ(countersOf(count.counters), (std::vector<int>{4, 2, 6, 4, 0, 0}));
    EXPECT_EQ(formatVoteAudit(count.audit),
              "From: A\tcounted\t2\t0\nFrom: B\tcounted\t1\t0\n"
              "From: A\tdouble, votes counted\t2\t0\nFrom: C\tdouble, votes counted\t1\t0\n");
}

TEST(VoteCount, LinesAndLimitsThePlainRulesLeaveOpen) {
    SongTable big;
    for (int i = 1; i <= 10001; ++i)
        test::addSong(big, "Band " + std::to_string(i), "Hit " + std::to_string(i), 1990);
    const std::string bandTen = vote(big, 10).substr(13);
    // A five-digit place, and numbers naming no row.
    VoteCount count = countVotes({"From: X", vote(big, 10001), "checkbox=00000" + bandTen,
                                  "checkbox=abcd" + bandTen, "checkbox=99999" + bandTen},
                                 {big, {}, true, 2026});
    EXPECT_EQ(summary(count.songs),
              "Band 10001/Hit 10001 1 1990 03:30 10001;Band 10/Hit 10 3 0 00:00 9999;");
    // Every sender is kept; a new song beyond the table is reported, not added.
    std::vector<std::string> mailbox;
    for (int i = 0; i <= kSongCapacity; ++i) {
        mailbox.push_back("From: voter " + std::to_string(i));
        mailbox.push_back("checkbox=0000. Artist " + std::to_string(i) + "\tx - Title");
    }
    count = countVotes(mailbox, {SongTable(), {}, false, 2026});
    EXPECT_EQ(count.senders.size(), size_t{kSongCapacity + 1});
    EXPECT_EQ(countersOf(count.counters),
              (std::vector<int>{kSongCapacity + 1, 0, kSongCapacity + 1, kSongCapacity, 0, 1}));
}

TEST(VoteCount, SmallMailboxGivesTheKnownFiles) {
    test::TempFolder f;
    f.writeFile("email.txt", "From: Bert <bert@example.org>\n");
    // A short statistics file: the missing totals read as 0.
    f.writeFile("hitvault.bin", std::string("\x0A\0\0\0\x07\0", 6));
    auto box = readMailbox(test::sourcePath("tests/votes/data/small.box"));
    ASSERT_TRUE(box.opened);
    VoteCount count = countVotes(box.lines, {previousList(), readSenderFile(f.folder), true, 2026});
    VoteTotals totals = addedTotals(readVoteTotals(f.folder), count.counters);
    ASSERT_EQ(writeVoteFiles(f.folder, count, totals), "");
    for (const char* name :
         {"newsongs.txt", "email.ini", "email.txt", "votes-audit.txt", "hitvault.bin"}) {
        const std::string golden =
            test::sourcePath(std::string("tests/votes/data/expected/") + name);
        if (std::getenv("HITVAULT_UPDATE_GOLDEN"))
            std::ofstream(golden, std::ios::binary) << f.readFile(name);
        EXPECT_EQ(f.readFile(name), readWholeFile(golden).value()) << name;
    }

    // A file that cannot be written leaves every file as it was.
    const std::vector<std::string> others = {"newsongs.txt", "email.ini", "votes-audit.txt",
                                             "hitvault.bin"};
    const test::Texts before = test::filesOf(f, others);
    f.removeFile("email.txt");
    f.writeFile("email.txt/x", "");
    EXPECT_EQ(writeVoteFiles(f.folder, countVotes({}, {previousList(), {}, true, 2026}), {}),
              "email.txt");
    EXPECT_EQ(test::filesOf(f, others), before);
}

TEST(VoteCount, HashedLookupsGiveTheScansResult) {
    const SongTable list = previousList();
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](size_t n) { return static_cast<int>(random() % n); };
        auto sender = [&] { return "From: voter" + std::to_string(pick(6)); };
        std::vector<std::string> mailbox, known = {sender()};
        for (int i = pick(120); i > 0; --i) {
            const int kind = pick(6);
            mailbox.push_back(kind == 0   ? sender()
                              : kind == 1 ? "Artist1=" + std::string(pick(2) ? "Band" : "")
                              : kind == 2 ? "checkbox=000" + std::to_string(pick(9)) + ". Made"
                                          : vote(list, 1 + pick(5)));
        }
        ScanningLookups scans;
        EXPECT_EQ(everything(countVotes(mailbox, {list, known, seed % 2 == 0, 2026})),
                  everything(countVotes(mailbox, {list, known, seed % 2 == 0, 2026}, scans)))
            << seed;
    }
}

TEST(VoteCount, RealMailCountsLikeThePlainForm) {
    const SongTable list = previousList();
    auto votes = [&](int a, int b) { return vote(list, a) + "\r\n" + vote(list, b) + "\r\n"; };
    // A mail in each form the script writes; the first with a proposal.
    const std::pair<const char*, std::string> mails[] = {
        {"qp", votes(3, 4) + "Artist1=Caf\xE9 Tacvba\r\nSong1=Ojal\xE1 que llueva\r\nYear1=1994\r\n"
                             "Duration1=04:10\r\n"},
        {"base64", votes(4, 5)},
        {"alternative", votes(5, 3)},
        {"latin1", vote(list, 3)}};
    test::TempFolder f;
    std::string plain,
        command = "python3 " + test::sourcePath("tests/votes/data/write_mails.py") + " " + f.folder;
    int n = 0;
    for (const auto& [form, body] : mails) {
        const std::string name = "body" + std::to_string(++n);
        f.writeFile(name, body);
        command += std::string(" ") + form + ":" + f.folder + name;
        plain += "From: Voter " + std::to_string(n) + " <voter" + std::to_string(n) +
                 "@example.org>\n\n" + body + "\n\n";
    }
    ASSERT_EQ(std::system(command.c_str()), 0) << "python3 must be installed: " << command;
    ASSERT_EQ(convertMailFolder(f.folder + "mails", f.folder + "outlook.box", "HIT-VAULT"), 4);
    auto counted = [&](const std::vector<std::string>& lines) {
        return everything(countVotes(lines, {list, {}, true, 2026}));
    };
    const std::string expected = counted(mailboxLines(plain));
    EXPECT_NE(expected.find("Caf\xE9 Tacvba"), std::string::npos);
    EXPECT_EQ(counted(readMailbox(f.folder + "outlook.box").lines), expected);
    EXPECT_EQ(counted(readMailbox(f.folder + "votes.mbox").lines), expected);
}

TEST(Mailbox, PlainMessagesReadAsTheirLines) {
    const std::string longLine = "checkbox=" + std::string(600, 'x');
    // "=3D" that quoted-printable would change; undeclared UTF-8 is converted,
    // a declared Windows-1252 taken at its word though it would pass as UTF-8.
    EXPECT_EQ(mailboxLines("From: A\r\n\r\n" + longLine + "\nArtist1=3D\xE9\r\r\n\n" +
                           "From: B\n\nSe\xC3\xB1orita \xE2\x84\xA6\n\nFrom: C\n"
                           "Content-Type: text/plain; charset=windows-1252\n\n\xC3\xB1\n"),
              (std::vector<std::string>{
                  "From: A", "", longLine.substr(0, 279), longLine.substr(279, 279),
                  longLine.substr(558), "Artist1=3D\xE9\r", "", "From: B", "", "Se\xF1orita ?", "",
                  "From: C", "Content-Type: text/plain; charset=windows-1252", "", "\xC3\xB1"}));
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
}

TEST(VoteOverview, PageInVoteOrder) {
    SongTable songs;
    test::addSong(songs, "Tom & Jerry", "<Cat>", 2000, 9999, "03:00", 7).country = "US";
    test::addSong(songs, "", "Gone").artist = "";
    test::addSong(songs, "ABBA", "Waterloo", 1974, 9999, "02:45", 3);
    std::string out;
    appendVoteOverviewBody(out, songs, 2026);
    EXPECT_EQ(out, readWholeFile(test::sourcePath("tests/votes/data/vote_overview_page.txt")));
}

}  // namespace hv
