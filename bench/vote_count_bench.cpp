// The e-mail vote count at full size: 50,000 mails of 20 ticked songs each
// (and the form's eight proposal lines, one proposal in ten mails) against a
// list of 10,010 songs; one mail in twenty comes from a sender seen before.
// Reading the mailbox text into lines is timed apart. The literal count (the
// sender list and the new list scanned from the top) would take minutes at
// that size, so both forms are also timed on the first 2,000 mails.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "database/list_order.h"
#include "database/text_files.h"
#include "full_size_lists.h"
#include "html/vote_form.h"
#include "votes/mail_folder.h"
#include "votes/mailbox.h"
#include "votes/vote_count.h"
#include "votes/vote_overview.h"

namespace {

constexpr int kMails = 50000;
constexpr int kVotesPerMail = 20;

constexpr int kLiteralMails = 2000;

std::string mailboxText(const hv::SongTable& list, int mails) {
    std::mt19937 random(2011);
    std::string text;
    for (int m = 0; m < mails; ++m) {
        int voter = random() % 20 == 0 ? static_cast<int>(random() % (m + 1)) : m;
        text += "From: Voter " + std::to_string(voter) + " <voter" + std::to_string(voter) +
                "@example.org>\nSubject: HIT-VAULT\n\n";
        for (int v = 0; v < kVotesPerMail; ++v)
            text += "checkbox=" + hv::voteValue(list.rows[random() % list.count]) + "\n";
        const bool proposes = random() % 10 == 0;
        text += proposes ? "Artist1=New Band\nSong1=New Song\nYear1=2026\nDuration1=03:30\n"
                         : "Artist1=\nSong1=\nYear1=\nDuration1=\n";
        text += "Artist2=\nSong2=\nYear2=\nDuration2=\n\n\n";
    }
    return text;
}

struct Mailbox {
    hv::SongTable list = hv::bench::fullSizeList();
    std::string text = mailboxText(list, kMails);
    std::vector<std::string> lines = hv::mailboxLines(text);
    std::vector<std::string> firstLines = hv::mailboxLines(mailboxText(list, kLiteralMails));
};

const Mailbox& mailbox() {
    static const Mailbox box;
    return box;
}

void BM_CountVotes(benchmark::State& state) {
    const Mailbox& box = mailbox();
    for (auto _ : state) {
        hv::VoteCount count = hv::countVotes(box.lines, {box.list, {}, true, 2026});
        benchmark::DoNotOptimize(count.songs.data());
    }
    state.counters["mails"] = kMails;
}
BENCHMARK(BM_CountVotes)->Unit(benchmark::kMillisecond);

void BM_CountVotesFirstMails(benchmark::State& state) {
    const Mailbox& box = mailbox();
    for (auto _ : state) {
        hv::VoteCount count = hv::countVotes(box.firstLines, {box.list, {}, true, 2026});
        benchmark::DoNotOptimize(count.songs.data());
    }
    state.counters["mails"] = kLiteralMails;
}
BENCHMARK(BM_CountVotesFirstMails)->Unit(benchmark::kMillisecond);

void BM_CountVotesFirstMailsLiteralScan(benchmark::State& state) {
    const Mailbox& box = mailbox();
    for (auto _ : state) {
        hv::ScanningLookups scans;
        hv::VoteCount count = hv::countVotes(box.firstLines, {box.list, {}, true, 2026}, scans);
        benchmark::DoNotOptimize(count.songs.data());
    }
    state.counters["mails"] = kLiteralMails;
}
BENCHMARK(BM_CountVotesFirstMailsLiteralScan)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReadMailboxLines(benchmark::State& state) {
    const Mailbox& box = mailbox();
    for (auto _ : state) {
        std::vector<std::string> lines = hv::mailboxLines(box.text);
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["MB"] = static_cast<double>(box.text.size()) / 1e6;
}
BENCHMARK(BM_ReadMailboxLines)->Unit(benchmark::kMillisecond);

// O: a mail folder of 10,010 saved messages, one in ten without the marker,
// gathered into the mailbox. Mostly reading and writing files.
void BM_ConvertMailFolder(benchmark::State& state) {
    char pattern[] = "/tmp/hv_mail_benchXXXXXX";
    const std::string folder = std::string(::mkdtemp(pattern)) + "/";
    std::filesystem::create_directory(folder + "mails");
    const Mailbox& box = mailbox();
    for (int m = 0; m < hv::bench::kFullSize; ++m) {
        std::string message = "From: Voter " + std::to_string(m) +
                              "\nSubject: " + (m % 10 ? "HIT-VAULT" : "Holiday") + "\n\n";
        for (int v = 0; v < kVotesPerMail; ++v)
            message +=
                "checkbox=" + hv::voteValue(box.list.rows[(m * 7 + v) % box.list.count]) + "\n";
        hv::writeFileWhole(folder + "mails/" + std::to_string(100000 + m) + ".eml", message);
    }
    int copied = 0;
    for (auto _ : state)
        copied = hv::convertMailFolder(folder + "mails", folder + "box", "HIT-VAULT").value_or(-1);
    state.counters["copied"] = copied;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ConvertMailFolder)->Unit(benchmark::kMillisecond);

// F12's G: the page of 10,010 songs in vote order.
void BM_VoteOverviewPage(benchmark::State& state) {
    hv::SongTable list = mailbox().list;
    hv::sortRows(list, hv::kSortVotes);
    for (auto _ : state) {
        std::string page;
        hv::appendVoteOverviewBody(page, list, 2026);
        benchmark::DoNotOptimize(page.data());
    }
}
BENCHMARK(BM_VoteOverviewPage)->Unit(benchmark::kMillisecond);

}  // namespace
