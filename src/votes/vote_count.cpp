#include "votes/vote_count.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "database/text_format.h"

namespace hv {

namespace {

constexpr std::string_view kSenderMark = "From: ";
constexpr std::string_view kProposalMark = "Artist1=";
constexpr std::string_view kVoteMark = "checkbox=";

// Where the fields of a vote line start when its place has four digits.
constexpr size_t kVoteNumberAt = 9;
constexpr size_t kVoteArtistAt = 15;
constexpr size_t kVoteSongAt = 47;

// Where a proposal line's value starts, by the line of the block.
constexpr size_t kProposalArtistAt = 8;
constexpr size_t kProposalTitleAt = 6;
constexpr size_t kProposalYearAt = 6;
constexpr size_t kProposalDurationAt = 10;
// A value counts as given from this many characters on.
constexpr size_t kGivenValue = 2;

bool contains(const std::string& line, std::string_view mark) {
    return line.find(mark) != std::string::npos;
}

std::string_view textFrom(std::string_view line, size_t at) {
    return at < line.size() ? line.substr(at) : std::string_view();
}

bool isGiven(std::string_view line, size_t at) {
    return line.size() >= at + kGivenValue;
}

std::string valueFrom(std::string_view line, size_t at) {
    return isGiven(line, at) ? std::string(line.substr(at)) : std::string();
}

struct VoteLine {
    int number = 0;
    std::string artist;
    std::string song;
};

// Fills a name field in place (the count reuses its buffers).
void assignName(std::string& name, std::string_view text) {
    name.assign(text.substr(0, kNameWidth));
    name.resize(kNameWidth, ' ');
}

// The fields stand at fixed places after a four-digit place; a longer place
// (lists over 9,999 songs) moves them by its extra digits, as its ". " shows.
void readVoteLine(std::string_view line, VoteLine& vote) {
    size_t digits = 0;
    while (kVoteNumberAt + digits < line.size() && line[kVoteNumberAt + digits] >= '0' &&
           line[kVoteNumberAt + digits] <= '9')
        ++digits;
    size_t shift = 0;
    if (digits > 4 && textFrom(line, kVoteNumberAt + digits).substr(0, 2) == ". ")
        shift = digits - 4;
    vote.number = readNumber(textFrom(line, kVoteNumberAt).substr(0, 4 + shift));
    assignName(vote.artist, textFrom(line, kVoteArtistAt + shift));
    assignName(vote.song, textFrom(line, kVoteSongAt + shift));
    // The form sends a title's last blank as "*", so that it is not lost.
    if (vote.song.back() == '*') vote.song.back() = ' ';
}

// The rows of the new list by artist and title: open addressing over the
// rows' own names, so a look-up builds no key and follows no chain of nodes.
class SongIndex {
  public:
    int find(const std::vector<Song>& songs, const std::string& artist,
             const std::string& title) const {
        if (slots_.empty()) return -1;
        const size_t hash = hashOf(artist, title);
        for (size_t at = hash & mask(); slots_[at].row >= 0; at = (at + 1) & mask()) {
            const Song& song = songs[slots_[at].row];
            if (slots_[at].hash == hash && song.artist == artist && song.song == title)
                return slots_[at].row;
        }
        return -1;
    }

    // Rows are added in list order; a row equal to an earlier one is not
    // indexed, so the first equal row is the one found.
    void add(const std::vector<Song>& songs, int row) {
        if (find(songs, songs[row].artist, songs[row].song) >= 0) return;
        if ((used_ + 1) * 2 > slots_.size()) grow();
        place(hashOf(songs[row].artist, songs[row].song), row);
        ++used_;
    }

  private:
    struct Slot {
        size_t hash = 0;
        int row = -1;
    };

    static size_t hashOf(const std::string& artist, const std::string& title) {
        size_t a = std::hash<std::string_view>{}(artist);
        size_t t = std::hash<std::string_view>{}(title);
        return a ^ (t + 0x9e3779b97f4a7c15ULL + (a << 6) + (a >> 2));
    }

    size_t mask() const { return slots_.size() - 1; }

    void place(size_t hash, int row) {
        size_t at = hash & mask();
        while (slots_[at].row >= 0) at = (at + 1) & mask();
        slots_[at] = {hash, row};
    }

    void grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{});
        for (const Slot& slot : old)
            if (slot.row >= 0) place(slot.hash, slot.row);
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};

class HashedLookups final : public VoteLookups {
  public:
    bool isKnownSender(const std::vector<std::string>& senders, const std::string& line) override {
        for (; indexedSenders_ < senders.size(); ++indexedSenders_)
            senders_.insert(senders[indexedSenders_]);
        return senders_.count(line) > 0;
    }

    int findSong(const std::vector<Song>& songs, const std::string& artist,
                 const std::string& title) override {
        for (; indexedSongs_ < songs.size(); ++indexedSongs_)
            songs_.add(songs, static_cast<int>(indexedSongs_));
        return songs_.find(songs, artist, title);
    }

  private:
    std::unordered_set<std::string> senders_;
    size_t indexedSenders_ = 0;
    SongIndex songs_;
    size_t indexedSongs_ = 0;
};

class Count {
  public:
    Count(const std::vector<std::string>& lines, VoteInput& input, VoteLookups& lookups,
          const VoteProgress& progress)
        : lines_(lines), input_(input), lookups_(lookups), progress_(progress) {
        result_.senders = std::move(input.senders);
        appendFormat(result_.newSongsFile,
                     "%4d  Artist                        Song                          Year %4d "
                     "Duration Votes\n",
                     input.chartYear, input.chartYear - 1);
    }

    VoteCount run() {
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            // Too short for any mark.
            if (line.size() + 1 < 3) continue;
            if (contains(line, kSenderMark) && !readSender(line)) continue;
            if (contains(line, kProposalMark)) {
                readProposals(line);
            } else if (contains(line, kVoteMark) && !skippingVotes_) {
                readVote(line);
            }
        }
        result_.counters.insertedSongs = static_cast<int>(result_.songs.size());
        return std::move(result_);
    }

  private:
    // False when the line's mail is a double: the line is then done with.
    bool readSender(const std::string& line) {
        VoteCounters& counters = result_.counters;
        counters.emails++;
        skippingVotes_ = false;
        result_.audit.push_back({line, MailVerdict::Counted, 0, 0});
        if (!lookups_.isKnownSender(result_.senders, line)) {
            result_.senders.push_back(line);
            return true;
        }
        counters.doubleEmails++;
        skippingVotes_ = input_.skipDoubleMails;
        result_.audit.back().verdict =
            skippingVotes_ ? MailVerdict::DoubleSkipped : MailVerdict::DoubleCounted;
        return false;
    }

    // The mail that lines belong to; lines before the first sender line
    // belong to a mail without one.
    MailAudit& currentMail() {
        if (result_.audit.empty()) result_.audit.push_back({"", MailVerdict::Counted, 0, 0});
        return result_.audit.back();
    }

    // The next line of a block; an empty one past the end of the mailbox.
    std::string_view takeLine() {
        if (next_ >= lines_.size()) return {};
        return lines_[next_++];
    }

    void writeProposal(std::string_view artistLine) {
        std::string_view titleLine = takeLine();
        std::string_view yearLine = takeLine();
        std::string_view durationLine = takeLine();
        std::string& out = result_.newSongsFile;
        out += "9999\t";
        out += fitName(valueFrom(artistLine, kProposalArtistAt));
        out += '\t';
        out += fitName(valueFrom(titleLine, kProposalTitleAt));
        out += '\t';
        out += valueFrom(yearLine, kProposalYearAt);
        out += "\t9999\t";
        out += valueFrom(durationLine, kProposalDurationAt);
        out += "\t1\n";
        result_.counters.newUserSongs++;
        currentMail().proposals++;
    }

    void readProposals(std::string_view firstArtist) {
        if (isGiven(firstArtist, kProposalArtistAt)) {
            writeProposal(firstArtist);
        } else {
            // Its title, year and duration lines are not a second block.
            for (int i = 0; i < 3; ++i) takeLine();
        }
        if (next_ >= lines_.size()) return;
        std::string_view secondArtist = takeLine();
        if (isGiven(secondArtist, kProposalArtistAt)) writeProposal(secondArtist);
    }

    void readVote(const std::string& line) {
        VoteCounters& counters = result_.counters;
        counters.validVotes++;
        readVoteLine(line, vote_);
        if (progress_) progress_(counters);
        std::vector<Song>& songs = result_.songs;
        int row = lookups_.findSong(songs, vote_.artist, vote_.song);
        if (row >= 0) {
            songs[row].votes++;
        } else if (songs.size() >= static_cast<size_t>(kSongCapacity)) {
            counters.beyondCapacity++;
            return;
        } else {
            songs.push_back(newRow(vote_));
            counters.insertedSongs = static_cast<int>(songs.size());
        }
        currentMail().votes++;
    }

    Song newRow(const VoteLine& vote) const {
        Song song;
        song.place = static_cast<int>(result_.songs.size()) + 1;
        song.artist = vote.artist;
        song.song = vote.song;
        song.votes = 1;
        const SongTable& previous = input_.previous;
        if (vote.number >= 1 && vote.number <= previous.count) {
            const Song& source = previous.rows[vote.number - 1];
            song.year = source.year;
            song.duration = source.duration;
            song.prevRank = source.place;
        } else {
            song.year = 0;
            song.duration = "00:00";
            song.prevRank = kNoPreviousPlace;
        }
        return song;
    }

    const std::vector<std::string>& lines_;
    VoteInput& input_;
    VoteLookups& lookups_;
    const VoteProgress& progress_;
    VoteCount result_;
    size_t next_ = 0;
    VoteLine vote_;  // the vote line being read
    // A double mail's votes are passed over up to the next sender line.
    bool skippingVotes_ = false;
};

}  // namespace

VoteCount countVotes(const std::vector<std::string>& mailboxLines, VoteInput input,
                     VoteLookups& lookups, const VoteProgress& progress) {
    return Count(mailboxLines, input, lookups, progress).run();
}

VoteCount countVotes(const std::vector<std::string>& mailboxLines, VoteInput input,
                     const VoteProgress& progress) {
    HashedLookups lookups;
    return countVotes(mailboxLines, std::move(input), lookups, progress);
}

bool ScanningLookups::isKnownSender(const std::vector<std::string>& senders,
                                    const std::string& line) {
    return std::find(senders.begin(), senders.end(), line) != senders.end();
}

int ScanningLookups::findSong(const std::vector<Song>& songs, const std::string& artist,
                              const std::string& title) {
    for (size_t r = 0; r < songs.size(); ++r)
        if (songs[r].artist == artist && songs[r].song == title) return static_cast<int>(r);
    return -1;
}

}  // namespace hv
