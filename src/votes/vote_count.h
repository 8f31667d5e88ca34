// Counting the votes of a mailbox into a new list ranked by votes, with the
// proposals, the sender list and an account of every mail. Pure: the screen
// reads the files and writes the results.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The sender list keeps at most this many entries in the file's own limits;
// more are kept too, never dropped.
constexpr int kSenderCapacity = 10007;

struct VoteCounters {
    int emails = 0;
    int doubleEmails = 0;
    int validVotes = 0;
    int insertedSongs = 0;
    int newUserSongs = 0;
    // Votes for songs beyond the table's capacity, not counted.
    int beyondCapacity = 0;
};

enum class MailVerdict { Counted, DoubleSkipped, DoubleCounted };

// One line of "votes-audit.txt": a mail from its sender line on. Votes or
// proposals before the first sender line make an entry with an empty sender.
struct MailAudit {
    std::string sender;
    MailVerdict verdict = MailVerdict::Counted;
    int votes = 0;      // added to the new list
    int proposals = 0;  // written to "newsongs.txt"
};

struct VoteCount {
    // The voted songs in the order of their first vote: votes, year and
    // duration of the previous list's row, prevRank its place, place = row + 1.
    std::vector<Song> songs;
    VoteCounters counters;
    std::vector<std::string> senders;  // the whole new sender list
    std::string newSongsFile;          // "newsongs.txt", header included
    std::vector<MailAudit> audit;
};

struct VoteInput {
    const SongTable& previous;         // the list the form was made from
    std::vector<std::string> senders;  // "email.txt" as read
    bool skipDoubleMails = true;       // "Double Email Check" ON
    int chartYear = 0;
};

// After every vote line, with the counters so far ("Inserted Songs" not yet
// holding a row that this vote adds).
using VoteProgress = std::function<void(const VoteCounters&)>;

// How the count finds a sender in the sender list and a song in the new
// list. Both lists only grow at their ends while a count runs. countVotes
// keeps hash indexes; a scan from the top gives the same answers, since both
// take the first equal entry.
class VoteLookups {
  public:
    virtual ~VoteLookups() = default;
    // Whether the line equals an entry of the list (exact bytes).
    virtual bool isKnownSender(const std::vector<std::string>& senders,
                               const std::string& line) = 0;
    // The first row with exactly this artist and title, or -1.
    virtual int findSong(const std::vector<Song>& songs, const std::string& artist,
                         const std::string& title) = 0;
};

// The scans from the top, in the order the entries were added: the count's
// literal form, kept to check and measure the indexed one against.
class ScanningLookups : public VoteLookups {
  public:
    bool isKnownSender(const std::vector<std::string>& senders, const std::string& line) override;
    int findSong(const std::vector<Song>& songs, const std::string& artist,
                 const std::string& title) override;
};

// The mailbox lines as readMailbox gives them. A double mail's vote lines
// are passed over up to the next sender line (with "Double Email Check" ON);
// its proposals still count. A vote number that names no row of the
// previous list gives year 0, duration "00:00" and prevRank 9999. Votes for
// new songs once the list holds kSongCapacity rows count in beyondCapacity
// (and in validVotes) but add nothing.
VoteCount countVotes(const std::vector<std::string>& mailboxLines, VoteInput input,
                     const VoteProgress& progress = {});
VoteCount countVotes(const std::vector<std::string>& mailboxLines, VoteInput input,
                     VoteLookups& lookups, const VoteProgress& progress = {});

}  // namespace hv
