#include "votes/vote_count.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "database/import.h"
#include "database/list_order.h"
#include "html/vote_form.h"
#include "support/song_lists.h"
#include "votes/mailbox.h"
#include "votes/vote_files.h"

namespace hv {

namespace {

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

}  // namespace

TEST(VoteCount, DoubleMailsOnAndOffAndTies) {
    const SongTable list = previousList();
    // "From: C" stands in the sender list of an earlier import.
    const std::vector<std::string> mailbox = {
        "From: A",         vote(list, 1), vote(list, 2),         "From: B",     vote(list, 2),
        "From: A",         vote(list, 3), "Artist1=Double Band", "Song1=Again", "Year1=2001",
        "Duration1=04:00", "Artist2=",    vote(list, 4),         "From: C",     vote(list, 4)};
    struct Case {
        bool skip;
        std::vector<int> counters;
        std::string byVotes;
        std::string audit;
    } cases[] = {
        {true,
         {4, 2, 3, 2, 1, 0},
         "Queen/Bohemian Rhapsody 2 1975 05:55 2;ABBA/Waterloo 1 1974 02:45 1;",
         "From: A\tcounted\t2\t0\nFrom: B\tcounted\t1\t0\n"
         "From: A\tdouble, votes skipped\t0\t1\nFrom: C\tdouble, votes skipped\t0\t0\n"},
        // Ties keep the order of the first votes.
        {false,
         {4, 2, 6, 4, 1, 0},
         "Queen/Bohemian Rhapsody 2 1975 05:55 2;Simon & Garfunkel/Say \"Hello\" & <Goodbye> 2 "
         "1970 03:05 4;ABBA/Waterloo 1 1974 02:45 1;Shawn Mendes/Se\xF1orita 1 2019 03:11 3;",
         "From: A\tcounted\t2\t0\nFrom: B\tcounted\t1\t0\n"
         "From: A\tdouble, votes counted\t2\t1\nFrom: C\tdouble, votes counted\t1\t0\n"},
    };
    for (const Case& c : cases) {
        VoteCount count = countVotes(mailbox, {list, {"From: C"}, c.skip, 2026});
        EXPECT_EQ(countersOf(count.counters), c.counters) << c.skip;
        EXPECT_EQ(count.senders, (std::vector<std::string>{"From: C", "From: A", "From: B"}));
        EXPECT_EQ(formatVoteAudit(count.audit), c.audit);
        SongTable table;
        replaceTable(table, count.songs);
        sortRows(table, kSortVotes);
        EXPECT_EQ(summary({table.rows.begin(), table.rows.begin() + table.count}), c.byVotes);
    }
}

TEST(VoteCount, LinesAndLimitsThePlainRulesLeaveOpen) {
    SongTable big;
    for (int i = 1; i <= 10001; ++i)
        test::addSong(big, "Band " + std::to_string(i), "Hit " + std::to_string(i), 1990);
    const std::string bandTen = vote(big, 10);
    struct Case {
        std::vector<std::string> mailbox;
        std::string songs;
        std::string proposals;
    } cases[] = {
        // A five-digit place, and numbers naming no row.
        {{vote(big, 10001), "checkbox=00000" + bandTen.substr(13),
          "checkbox=abcd" + bandTen.substr(13), "checkbox=99999" + bandTen.substr(13)},
         "Band 10001/Hit 10001 1 1990 03:30 10001;Band 10/Hit 10 3 0 00:00 9999;",
         ""},
        // A first block without an artist, then a block cut by the end.
        {{"From: X", "Artist1=", "Song1=Title One", "Year1=1999", "Duration1=03:00",
          "Artist2=Second Band", "Song2=Second Song", "Year2=2000", "Duration2=04:00",
          "Artist1=Late Band", "Song1=Late Song"},
         "",
         "9999\tSecond Band                  \tSecond Song                  "
         "\t2000\t9999\t04:00\t1\n"
         "9999\tLate Band                    \tLate Song                    \t\t9999\t\t1\n"},
    };
    for (const Case& c : cases) {
        VoteCount count = countVotes(c.mailbox, {big, {}, true, 2026});
        EXPECT_EQ(summary(count.songs), c.songs);
        EXPECT_EQ(count.newSongsFile.substr(count.newSongsFile.find('\n') + 1), c.proposals);
    }
    // Every sender is kept; a new song beyond the table is reported, not added.
    std::vector<std::string> mailbox;
    for (int i = 0; i <= kSongCapacity; ++i) {
        mailbox.push_back("From: voter " + std::to_string(i));
        mailbox.push_back("checkbox=0000. Artist " + std::to_string(i) + "\tx - Title");
    }
    mailbox.push_back("From: voter 10009");
    mailbox.push_back("checkbox=0000. Artist 0\tx - Title");
    VoteCount count = countVotes(mailbox, {SongTable(), {}, false, 2026});
    EXPECT_EQ(count.senders.size(), size_t{kSongCapacity + 1});
    EXPECT_EQ(countersOf(count.counters),
              (std::vector<int>{kSongCapacity + 2, 1, kSongCapacity + 2, kSongCapacity, 0, 1}));
    EXPECT_EQ(count.songs.front().votes, 2);
}

TEST(VoteCount, SmallMailboxGivesTheKnownFiles) {
    test::TempFolder f;
    f.writeFile("email.txt", "From: Bert <bert@example.org>\n");
    // A short statistics file: its missing totals read as 0.
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
    auto everything = [](const VoteCount& c) {
        std::string out = summary(c.songs) + "\n" + c.newSongsFile + formatVoteAudit(c.audit);
        for (const std::string& sender : c.senders) out += sender + "\n";
        for (int counter : countersOf(c.counters)) out += std::to_string(counter) + " ";
        return out;
    };
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

}  // namespace hv
