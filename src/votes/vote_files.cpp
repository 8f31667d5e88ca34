#include "votes/vote_files.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>

#include "database/text_files.h"
#include "database/text_format.h"

namespace hv {

namespace {

constexpr size_t kTotalBytes = 4;

// Little-endian, whatever the machine's order.
int32_t totalAt(const std::string& bytes, size_t index) {
    uint32_t value = 0;
    for (size_t b = 0; b < kTotalBytes; ++b)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[index * kTotalBytes + b]))
                 << (8 * b);
    return static_cast<int32_t>(value);
}

void appendTotal(std::string& out, int32_t total) {
    const uint32_t value = static_cast<uint32_t>(total);
    for (size_t b = 0; b < kTotalBytes; ++b) out += static_cast<char>((value >> (8 * b)) & 0xFF);
}

// Totals over many imports stay at the largest figure instead of wrapping.
int sum(int total, int added) {
    long long value = static_cast<long long>(total) + added;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

const char* verdictText(MailVerdict verdict) {
    switch (verdict) {
        case MailVerdict::DoubleSkipped:
            return "double, votes skipped";
        case MailVerdict::DoubleCounted:
            return "double, votes counted";
        case MailVerdict::Counted:
            break;
    }
    return "counted";
}

}  // namespace

std::vector<std::string> readSenderFile(const std::string& folder) {
    std::vector<std::string> senders;
    LineReader reader(folderPath(folder, kSenderFile));
    std::string line;
    while (reader.next(line)) senders.push_back(line);
    return senders;
}

VoteTotals readVoteTotals(const std::string& folder) {
    std::string bytes = readWholeFile(folderPath(folder, kVoteTotalsFile)).value_or("");
    auto total = [&](size_t index) {
        return bytes.size() >= (index + 1) * kTotalBytes ? totalAt(bytes, index) : 0;
    };
    return {total(0), total(1), total(2), total(3)};
}

VoteTotals addedTotals(const VoteTotals& totals, const VoteCounters& counters) {
    return {sum(totals.emails, counters.emails), sum(totals.validVotes, counters.validVotes),
            sum(totals.insertedSongs, counters.insertedSongs),
            sum(totals.newUserSongs, counters.newUserSongs)};
}

std::string formatVoteTotals(const VoteTotals& totals) {
    std::string out;
    for (int total : {totals.emails, totals.validVotes, totals.insertedSongs, totals.newUserSongs})
        appendTotal(out, total);
    return out;
}

std::string formatEmailIni(const VoteCounters& counters, const VoteTotals& totals) {
    std::string out;
    appendFormat(out, "Unique Voters          : %5d                       %6d\n", counters.emails,
                 totals.emails);
    appendFormat(out, "Valid Votes            : %5d                       %6d\n",
                 counters.validVotes, totals.validVotes);
    appendFormat(out, "Voted Songs            : %5d                       %6d\n",
                 counters.insertedSongs, totals.insertedSongs);
    appendFormat(out, "New Contributed Songs  : %5d                       %6d\n\n",
                 counters.newUserSongs, totals.newUserSongs);
    return out;
}

std::string formatVoteAudit(const std::vector<MailAudit>& audit) {
    std::string out;
    for (const MailAudit& mail : audit) {
        out += mail.sender;
        appendFormat(out, "\t%s\t%d\t%d\n", verdictText(mail.verdict), mail.votes, mail.proposals);
    }
    return out;
}

std::string writeVoteFiles(const std::string& folder, const VoteCount& count,
                           const VoteTotals& totals) {
    std::string senders;
    for (const std::string& sender : count.senders) {
        senders += sender;
        senders += '\n';
    }
    // The sender list and the totals hold the history of every import and
    // cannot be made again; the others can.
    const struct {
        const char* name;
        std::string content;
        Durability durability;
    } files[] = {
        {kProposalFile, count.newSongsFile, Durability::Rebuildable},
        {kVoteTotalsFile, formatVoteTotals(totals), Durability::Flushed},
        {kVoteSummaryFile, formatEmailIni(count.counters, totals), Durability::Rebuildable},
        {kSenderFile, senders, Durability::Flushed},
        {kVoteAuditFile, formatVoteAudit(count.audit), Durability::Rebuildable},
    };
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const auto& file : files) {
        staged.push_back(std::make_unique<StagedFile>(folderPath(folder, file.name), file.content,
                                                      file.durability));
        if (!staged.back()->ready()) return file.name;
    }
    for (size_t i = 0; i < staged.size(); ++i)
        if (!staged[i]->replaceTarget(false)) return files[i].name;
    return "";
}

}  // namespace hv
