// The files around a vote count: the sender list "email.txt", the running
// totals "hitvault.bin", the summary "email.ini", the proposals
// "newsongs.txt" and the account "votes-audit.txt".
#pragma once

#include <string>
#include <vector>

#include "votes/vote_count.h"

namespace hv {

constexpr const char* kSenderFile = "email.txt";
constexpr const char* kVoteTotalsFile = "hitvault.bin";
constexpr const char* kVoteSummaryFile = "email.ini";
constexpr const char* kProposalFile = "newsongs.txt";
constexpr const char* kVoteAuditFile = "votes-audit.txt";

struct VoteTotals {
    int emails = 0;
    int validVotes = 0;
    int insertedSongs = 0;
    int newUserSongs = 0;
};

// Empty when the file is missing.
std::vector<std::string> readSenderFile(const std::string& folder);
// Zeros when missing; a short file reads its missing totals as 0.
VoteTotals readVoteTotals(const std::string& folder);
VoteTotals addedTotals(const VoteTotals& totals, const VoteCounters& counters);

// The 16 bytes of "hitvault.bin": four little-endian 32-bit totals.
std::string formatVoteTotals(const VoteTotals& totals);
std::string formatEmailIni(const VoteCounters& counters, const VoteTotals& totals);
// One line per mail in mailbox order, four fields separated by tabs: the
// sender line (empty for lines before the first one), "counted", "double,
// votes skipped" or "double, votes counted", the votes added to the list and
// the proposals written. A sender line may hold tabs itself, so the last
// three fields are the ones to split off.
std::string formatVoteAudit(const std::vector<MailAudit>& audit);

// Writes "newsongs.txt", "hitvault.bin", "email.ini", "email.txt" and
// "votes-audit.txt". All five are written beside their targets first and
// take their places only when every one was written, so a folder that takes
// no new file leaves every file as it was. Empty on success, else the name
// of the first file that could not be written (or, rarely, not renamed; the
// files before it are in place then).
std::string writeVoteFiles(const std::string& folder, const VoteCount& count,
                           const VoteTotals& totals);

}  // namespace hv
