// A mailbox, decoded and counted against a small list: the lines stay within
// their pieces, and the new list holds exactly the votes it says it counted.
#include "fuzz/harnesses.h"
#include "support/song_lists.h"
#include "votes/mailbox.h"
#include "votes/vote_count.h"

namespace hv {

int fuzzMailVotes(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = mailboxLines(text);
    for (const std::string& line : lines)
        require(line.find('\n') == std::string::npos, "a line end inside a mailbox line");

    static SongTable previous;  // static: a new table costs more than the run
    previous.count = 0;
    for (const char* title : {"One", "Two", "Three"})
        test::addSong(previous, "Artist", title, 1991 + previous.count, 9999, "03:00");
    VoteCount count = countVotes(lines, VoteInput{previous, {"From: known"}, size % 2 == 0, 2026});
    int votes = 0;
    for (size_t r = 0; r < count.songs.size(); ++r) {
        const Song& s = count.songs[r];
        require(s.place == static_cast<int>(r) + 1, "a place other than the row's position");
        require(s.artist.size() == kNameWidth && s.song.size() == kNameWidth,
                "a voted name beyond its field");
        require(s.votes >= 1, "a voted song without a vote");
        votes += s.votes;
    }
    const VoteCounters& c = count.counters;
    require(votes == c.validVotes - c.beyondCapacity, "votes lost or invented");
    require(c.insertedSongs == static_cast<int>(count.songs.size()), "inserted songs miscounted");
    require(c.doubleEmails <= c.emails, "more double mails than mails");
    require(count.senders.size() >= 1 && count.senders[0] == "From: known",
            "the sender list lost an entry");
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzMailVotes)
