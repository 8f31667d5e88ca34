#include "stats/new_songs.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <utility>

#include "database/song_file.h"
#include "database/text_files.h"
#include "database/text_format.h"
#include "html/html_escape.h"

namespace hv {

namespace {

// The rules compare N + 1 characters.
size_t compareWidth(int matchLength) {
    return static_cast<size_t>(matchLength < 0 ? 0 : matchLength) + 1;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string_view leading(std::string_view text, size_t width) {
    return text.substr(0, width);
}

// An entry keeps only what the list shows of it.
Song listedPart(const Song& s) {
    Song out;
    out.place = s.place;
    out.artist = s.artist;
    out.song = s.song;
    out.year = s.year;
    return out;
}

// What the rules look at in a song or an entry, made once per search
// instead of once per pair.
struct Prepared {
    std::string artist;  // upper case
    std::string title;   // upper case
    std::string artistTail;
    std::string titleTail;
    int year = 0;
};

Prepared prepare(const Song& s, int matchLength) {
    Prepared p;
    p.artist = upperCase(s.artist);
    p.title = upperCase(s.song);
    p.artistTail = matchTail(p.artist, matchLength);
    p.titleTail = matchTail(p.title, matchLength);
    p.year = s.year;
    return p;
}

// The hash of a key made of texts and a year. Keys only lead to candidates:
// every candidate is checked by the rule itself, so two keys with one hash
// cost a comparison, never a wrong result.
class KeyHash {
  public:
    KeyHash& add(std::string_view piece) {
        for (unsigned char c : piece) step(c);
        step(piece.size());
        return *this;
    }
    KeyHash& add(int year) {
        step(static_cast<std::uint32_t>(year));
        return *this;
    }
    // The bits mixed once more, so the low bits that pick a slot vary too.
    std::uint64_t value() const {
        std::uint64_t z = h_ + 0x9e3779b97f4a7c15ULL;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

  private:
    void step(std::uint64_t v) {
        h_ ^= v;
        h_ *= 0x100000001b3ULL;
    }
    std::uint64_t h_ = 0xcbf29ce484222325ULL;
};

// A hash map from a key's hash to the songs with that key: open addressing
// in one flat array, the songs of one hash chained through next_.
class CandidateIndex {
  public:
    explicit CandidateIndex(size_t songCount)
        : slots_(std::bit_ceil(2 * songCount + 2)),
          mask_(slots_.size() - 1),
          next_(songCount, -1) {}

    // song: a number below the songCount given.
    void add(std::uint64_t hash, int song) {
        size_t i = hash & mask_;
        while (slots_[i].song >= 0 && slots_[i].hash != hash) i = (i + 1) & mask_;
        next_[song] = slots_[i].song;
        slots_[i] = {hash, song};
    }

    // Whether check holds for any song whose key has the hash.
    template <typename Check>
    bool any(std::uint64_t hash, Check&& check) const {
        for (size_t i = hash & mask_; slots_[i].song >= 0; i = (i + 1) & mask_) {
            if (slots_[i].hash != hash) continue;
            for (int song = slots_[i].song; song >= 0; song = next_[song])
                if (check(song)) return true;
            return false;
        }
        return false;
    }

  private:
    struct Slot {
        std::uint64_t hash = 0;
        int song = -1;
    };
    std::vector<Slot> slots_;
    size_t mask_;
    std::vector<int> next_;
};

// Rules 1, 4 and 5, the ones that test containment, on prepared texts.
bool matchesByContaining(const Prepared& current, const Prepared& previous) {
    bool artistIn = contains(current.artist, previous.artist);
    bool titleIn = contains(current.title, previous.title);
    if (artistIn && titleIn) return true;
    if (current.year != previous.year) return false;
    return (artistIn && current.titleTail == previous.titleTail) ||
           (titleIn && current.artistTail == previous.artistTail);
}

std::uint64_t tailsKey(const Prepared& p) {
    return KeyHash().add(p.artistTail).add(p.titleTail).add(p.year).value();
}

// The songs whose artist and title have one pair of lengths.
struct LengthGroup {
    size_t artistLength = 0;
    size_t titleLength = 0;
    std::vector<int> songs;
};

// Rules 2 and 3 compare fixed pieces, so they are lookups. Rules 1, 4 and 5
// ask whether a text contains another. Between texts of the same length
// that is being equal, and equal texts have equal first characters and
// equal tails: for songs of the entry's lengths rule 1 finds nothing that
// rule 2 misses, nor rules 4 and 5 anything that rule 3 misses. Only songs
// of other lengths need the containment rules; songs are held at the one
// name width, so normally there are none.
class SongIndex {
  public:
    SongIndex(const SongTable& table, int matchLength)
        : width_(compareWidth(matchLength)), leadings_(table.count), tails_(table.count) {
        songs_.reserve(table.count);
        for (int r = 0; r < table.count; ++r) {
            songs_.push_back(prepare(table.rows[r], matchLength));
            const Prepared& p = songs_.back();
            leadings_.add(leadingKey(p), r);
            tails_.add(tailsKey(p), r);
            groupFor(p.artist.size(), p.title.size()).songs.push_back(r);
        }
    }

    // Whether any song matches the entry by any of the five rules.
    bool finds(const Prepared& entry) const {
        auto sameLeading = [&](int r) {
            const Prepared& song = songs_[r];
            return leading(song.artist, width_) == leading(entry.artist, width_) &&
                   leading(song.title, width_) == leading(entry.title, width_);
        };
        auto sameTails = [&](int r) {
            const Prepared& song = songs_[r];
            return song.artistTail == entry.artistTail && song.titleTail == entry.titleTail &&
                   song.year == entry.year;
        };
        if (leadings_.any(leadingKey(entry), sameLeading)) return true;  // rule 2
        if (tails_.any(tailsKey(entry), sameTails)) return true;         // rule 3
        for (const LengthGroup& group : groups_) {
            const bool sameLengths = group.artistLength == entry.artist.size() &&
                                     group.titleLength == entry.title.size();
            // Only a text at least as long can contain the entry's.
            const bool mayContain = group.artistLength >= entry.artist.size() ||
                                    group.titleLength >= entry.title.size();
            if (sameLengths || !mayContain) continue;
            for (int r : group.songs)
                if (matchesByContaining(songs_[r], entry)) return true;  // rules 1, 4, 5
        }
        return false;
    }

  private:
    std::uint64_t leadingKey(const Prepared& p) const {
        return KeyHash().add(leading(p.artist, width_)).add(leading(p.title, width_)).value();
    }
    LengthGroup& groupFor(size_t artistLength, size_t titleLength) {
        auto [at, added] = groupOf_.try_emplace({artistLength, titleLength}, groups_.size());
        if (added) groups_.push_back(LengthGroup{artistLength, titleLength, {}});
        return groups_[at->second];
    }

    size_t width_;
    std::vector<Prepared> songs_;
    CandidateIndex leadings_;  // rule 2
    CandidateIndex tails_;     // rule 3
    std::vector<LengthGroup> groups_;
    std::map<std::pair<size_t, size_t>, size_t> groupOf_;
};

}  // namespace

const char* newSongsPageName(NewSongsMode mode) {
    return mode == NewSongsMode::newSongs ? "newsongs.htm" : "gone.htm";
}

std::string newSongsTitleLine(NewSongsMode mode, int chartYear) {
    return mode == NewSongsMode::newSongs
               ? formatText("<TITLE>New Songs %d</TITLE>\n", chartYear)
               : formatText("<TITLE>Disappeared Songs %d</TITLE>\n", chartYear);
}

std::string previousYearFileName(int chartYear) {
    return formatText("%4d.txt", chartYear - 1);
}

PreviousYearList readPreviousYear(const std::string& folder, int chartYear,
                                  const EntryRead& onEntry) {
    PreviousYearList list;
    const std::string name = previousYearFileName(chartYear);
    LineReader reader(folderPath(folder, name), LineEnds::CrLfOrLf, Decoding::FromUtf8);
    if (!reader.isOpen()) return list;
    list.opened = true;
    // The year lists of 2004 to 2006 have their own layouts; the first four
    // fields are the same in all of them.
    const SongLayout layout = songLayoutFor(name);
    std::string line;
    bool hadLineEnd = false;
    if (!reader.next(line, &hadLineEnd)) return list;  // the header line
    while (static_cast<int>(list.entries.size()) < kPreviousYearCapacity &&
           reader.next(line, &hadLineEnd)) {
        if (endsSongList(line, hadLineEnd)) break;
        list.entries.push_back(listedPart(parseSongLine(line, layout)));
        if (onEntry) onEntry(static_cast<int>(list.entries.size()) - 1, list.entries.back());
    }
    return list;
}

std::vector<Song> findNewSongs(const SongTable& songs) {
    std::vector<Song> result;
    for (int r = 0; r < songs.count; ++r)
        if (songs.rows[r].prevRank == kNewSong) result.push_back(listedPart(songs.rows[r]));
    return result;
}

std::string matchTail(std::string_view text, int matchLength) {
    const size_t width = compareWidth(matchLength);
    size_t end = text.find_last_not_of(' ');
    end = (end == std::string_view::npos) ? 0 : end + 1;
    const size_t start = end > width ? end - width : 0;
    std::string tail(width - (end - start), ' ');
    tail.append(text.substr(start, end - start));
    return tail;
}

int matchingRule(const Song& current, const Song& previous, int matchLength) {
    const std::string ac = upperCase(current.artist);
    const std::string tc = upperCase(current.song);
    const std::string ap = upperCase(previous.artist);
    const std::string tp = upperCase(previous.song);
    const size_t width = compareWidth(matchLength);
    const bool sameYear = current.year == previous.year;
    if (contains(ac, ap) && contains(tc, tp)) return 1;
    if (leading(ac, width) == leading(ap, width) && leading(tc, width) == leading(tp, width))
        return 2;
    if (matchTail(tp, matchLength) == matchTail(tc, matchLength) &&
        matchTail(ap, matchLength) == matchTail(ac, matchLength) && sameYear)
        return 3;
    if (contains(ac, ap) && matchTail(tp, matchLength) == matchTail(tc, matchLength) && sameYear)
        return 4;
    if (contains(tc, tp) && matchTail(ap, matchLength) == matchTail(ac, matchLength) && sameYear)
        return 5;
    return 0;
}

std::vector<Song> findDisappearedByScan(const std::vector<Song>& previous, const SongTable& songs,
                                        int matchLength) {
    std::vector<Song> result;
    for (const Song& entry : previous) {
        bool found = false;
        for (int r = 0; r < songs.count && !found; ++r)
            found = matchingRule(songs.rows[r], entry, matchLength) != 0;
        if (!found) result.push_back(listedPart(entry));
    }
    return result;
}

std::vector<Song> findDisappeared(const std::vector<Song>& previous, const SongTable& songs,
                                  int matchLength, const std::function<void(int)>& onEntry) {
    // Once N + 1 passes the longest text, every prefix is the whole text and
    // every tail the whole text without its trailing spaces: a larger N gives
    // the same result, so the index need not grow with it.
    size_t longest = 0;
    for (int r = 0; r < songs.count; ++r)
        longest = std::max({longest, songs.rows[r].artist.size(), songs.rows[r].song.size()});
    for (const Song& entry : previous)
        longest = std::max({longest, entry.artist.size(), entry.song.size()});
    if (static_cast<size_t>(std::max(matchLength, 0)) > longest)
        matchLength = static_cast<int>(longest);
    const SongIndex index(songs, matchLength);
    std::vector<Song> result;
    for (size_t i = 0; i < previous.size(); ++i) {
        if (onEntry) onEntry(static_cast<int>(i));
        if (!index.finds(prepare(previous[i], matchLength)))
            result.push_back(listedPart(previous[i]));
    }
    return result;
}

void appendNewSongsPageBody(std::string& out, NewSongsMode mode, const std::vector<Song>& result,
                            int chartYear) {
    const int count = static_cast<int>(result.size());
    if (mode == NewSongsMode::newSongs) {
        appendFormat(out, " Place %3d New Songs in %d  \n", count, chartYear);
        out += " ===== ===================== \n\n";
    } else {
        out += "<i>This list may or may not be 100% correct due to incompatible text\n";
        out += "    changes in artist or song names made by the RADIO 2 team.</i>\n\n";
        appendFormat(out, " Place %3d Disappeared Songs %d \n", count, chartYear);
        out += " ===== ========================== \n\n";
    }
    for (const Song& s : result) {
        // A song without a year is counted but not listed.
        if (s.year == 0) continue;
        appendFormat(out, "%4d   %s - %s  %4d\n", s.place, escapeHtmlText(s.artist).c_str(),
                     escapeHtmlText(s.song).c_str(), s.year);
    }
}

}  // namespace hv
