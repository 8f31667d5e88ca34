#include "maintenance/double_tests.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace hv {

namespace {

// A title match must be longer than this, its ending blank counted, to make
// two titles alike on its own: "LOVE " does, "YOU " does not.
constexpr std::size_t kSingleMatchLength = 4;

constexpr int kScanMinimum = 32;

struct Matches {
    int count = 0;
    std::size_t length = 0;  // of the last matching word
};

// Every word of the listed song against every word of the candidate, in
// order; a match counts when its word differs from the previous match's.
Matches countMatches(const std::vector<std::string>& listed,
                     const std::vector<std::string>& candidate) {
    Matches m;
    std::string_view previous;
    for (const std::string& l : listed) {
        for (const std::string& c : candidate) {
            if (l == c && l != previous) {
                ++m.count;
                m.length = l.size();
                previous = l;
            }
        }
    }
    return m;
}

// The substring test; at the common width it is an equality.
bool contains(std::string_view text, std::string_view part) {
    if (part.size() == text.size()) return part == text;
    return text.find(part) != std::string_view::npos;
}

bool namesDouble(std::string_view candidateArtist, std::string_view candidateSong,
                 std::string_view listedArtist, std::string_view listedSong) {
    return contains(listedArtist, candidateArtist) && contains(listedSong, candidateSong);
}

std::uint64_t textHash(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

// Order matters: a pair of names is not the same pair the other way round.
std::uint64_t mix(std::uint64_t first, std::uint64_t second) {
    return first * 0x9E3779B97F4A7C15u ^ (second + (second << 6) + (second >> 2));
}

}  // namespace

std::vector<std::string> nameWords(std::string_view upperName, std::size_t minimum) {
    std::vector<std::string> words;
    std::string current;
    // The last character never belongs to a word; a double blank ends the name.
    for (std::size_t i = 0; i + 1 < upperName.size(); ++i) {
        const char c = upperName[i];
        if (c == ' ' && upperName[i + 1] == ' ') break;
        current += c;
        if (c != ' ') continue;
        if (current.size() >= minimum && current != "THE ") words.push_back(current);
        current.clear();
    }
    words.push_back(current);
    return words;
}

bool titlesAlike(const std::vector<std::string>& listed,
                 const std::vector<std::string>& candidate) {
    const Matches m = countMatches(listed, candidate);
    return m.count >= 2 || (m.count == 1 && m.length > kSingleMatchLength);
}

bool artistsAlike(const std::vector<std::string>& listed,
                  const std::vector<std::string>& candidate) {
    return countMatches(listed, candidate).count >= 1;
}

PairVerdict comparePairLiteral(const Song& candidate, const Song& listed) {
    if (namesDouble(candidate.artist, candidate.song, listed.artist, listed.song))
        return PairVerdict::Double;
    // Here the listed song's names are looked for in the candidate's.
    if (namesDouble(upperCase(listed.artist), upperCase(listed.song), upperCase(candidate.artist),
                    upperCase(candidate.song)))
        return PairVerdict::Double;
    if (titlesAlike(nameWords(upperCase(listed.song), kTitleWordMinimum),
                    nameWords(upperCase(candidate.song), kTitleWordMinimum)) &&
        artistsAlike(nameWords(upperCase(listed.artist), kArtistWordMinimum),
                     nameWords(upperCase(candidate.artist), kArtistWordMinimum)))
        return PairVerdict::LookAlike;
    return PairVerdict::Different;
}

NameKeys nameKeys(const Song& song) {
    NameKeys k;
    k.artist = song.artist;
    k.song = song.song;
    k.upperArtist = upperCase(song.artist);
    k.upperSong = upperCase(song.song);
    k.titleWords = nameWords(k.upperSong, kTitleWordMinimum);
    k.artistWords = nameWords(k.upperArtist, kArtistWordMinimum);
    return k;
}

PairVerdict comparePair(const NameKeys& candidate, const NameKeys& listed) {
    if (namesDouble(candidate.artist, candidate.song, listed.artist, listed.song) ||
        namesDouble(listed.upperArtist, listed.upperSong, candidate.upperArtist,
                    candidate.upperSong))
        return PairVerdict::Double;
    if (titlesAlike(listed.titleWords, candidate.titleWords) &&
        artistsAlike(listed.artistWords, candidate.artistWords))
        return PairVerdict::LookAlike;
    return PairVerdict::Different;
}

std::vector<std::uint64_t> DoubleIndex::keysOf(const NameKeys& keys) {
    auto hashes = [](const std::vector<std::string>& words) {
        std::vector<std::uint64_t> out;
        for (const std::string& w : words) {
            if (!w.empty()) out.push_back(textHash(w));
        }
        return out;
    };
    std::vector<std::uint64_t> out{mix(textHash(keys.upperArtist), textHash(keys.upperSong))};
    const std::vector<std::uint64_t> artists = hashes(keys.artistWords);
    for (std::uint64_t title : hashes(keys.titleWords)) {
        for (std::uint64_t artist : artists) out.push_back(mix(title, artist) + 1);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

void DoubleIndex::reserve(std::size_t songs) {
    // A name key and a few word pairs a song.
    byKey_.reserve(songs * 8);
}

void DoubleIndex::add(int id, const NameKeys& keys) {
    for (std::uint64_t key : keysOf(keys)) byKey_[key].push_back(id);
    lastId_ = std::max(lastId_, id);
}

DoubleIndex::Deciders DoubleIndex::deciders(const NameKeys& candidate, int after) const {
    Deciders d;
    std::ptrdiff_t listed = 0;
    for (std::uint64_t key : keysOf(candidate)) {
        auto found = byKey_.find(key);
        if (found == byKey_.end()) continue;
        const std::vector<int>& ids = found->second;
        const int* end = ids.data() + ids.size();
        const int* start = std::upper_bound(ids.data(), end, after);
        if (start != end) d.lists_.emplace_back(start, end);
        listed += end - start;
    }
    // Lists that hold half the ids or more (titles of a list that nearly all
    // share a word) cost more to merge than the plain run over every id;
    // over a few ids either way costs nothing.
    const int range = lastId_ - after;
    if (range >= kScanMinimum && listed * 2 >= range) {
        d.lists_.clear();
        d.scanFrom_ = after + 1;
        d.scanTo_ = lastId_ + 1;
    }
    return d;
}

int DoubleIndex::Deciders::next() {
    if (scanFrom_ < scanTo_) return scanFrom_++;
    int lowest = INT_MAX;
    for (const auto& [at, end] : lists_) lowest = std::min(lowest, *at);
    if (lowest == INT_MAX) return -1;
    // Every list at that id moves on; a list that runs out leaves.
    for (std::size_t i = 0; i < lists_.size();) {
        auto& [at, end] = lists_[i];
        if (*at == lowest && ++at == end) {
            lists_[i] = lists_.back();
            lists_.pop_back();
        } else {
            ++i;
        }
    }
    return lowest;
}

std::vector<int> DoubleIndex::possibleDeciders(const NameKeys& candidate, int after) const {
    std::vector<int> ids;
    Deciders d = deciders(candidate, after);
    for (int id = d.next(); id >= 0; id = d.next()) ids.push_back(id);
    return ids;
}

}  // namespace hv
