// The tests that decide whether two songs are the same song: an exact double,
// a double apart from capitals, or a look-alike whose title and artist share
// words. The append and the double check both ask them; the prepared keys
// and the index make each song's copies once and find the few songs that can
// decide against a candidate without a scan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "database/song_table.h"

namespace hv {

// Words shorter than these, their ending blank counted, are not kept, so
// that "A", "OF" or "YOU" alone never make two titles alike.
constexpr std::size_t kTitleWordMinimum = 4;
constexpr std::size_t kArtistWordMinimum = 3;

// The words of an upper-cased name as the look-alike test cuts them: the
// kept words with their ending blank, "THE " never among them, then the
// final word (possibly empty, without a blank).
std::vector<std::string> nameWords(std::string_view upperName, std::size_t minimum);

// Word lists compared with the listed song's words first.
bool titlesAlike(const std::vector<std::string>& listed, const std::vector<std::string>& candidate);
bool artistsAlike(const std::vector<std::string>& listed,
                  const std::vector<std::string>& candidate);

// Double: an exact double or a double apart from capitals; both are left out
// without a question.
enum class PairVerdict { Different, Double, LookAlike };

// The three tests in their order on fresh upper-cased copies and word lists,
// made anew for the pair: the plain form, kept to check the prepared one.
PairVerdict comparePairLiteral(const Song& candidate, const Song& listed);

// A song's names as the tests need them, made once.
struct NameKeys {
    std::string artist;  // as held, 29 characters
    std::string song;
    std::string upperArtist;
    std::string upperSong;
    std::vector<std::string> titleWords;
    std::vector<std::string> artistWords;
};
NameKeys nameKeys(const Song& song);

// The same verdict as comparePairLiteral on the songs the keys were made of.
PairVerdict comparePair(const NameKeys& candidate, const NameKeys& listed);

// Songs by id (ascending ids follow the list's row order). A song can only
// decide against a candidate when it has the same upper-cased names, or when
// it shares a non-empty title word and a non-empty artist word: a look-alike
// needs a first match in both word lists, and the first match is never the
// empty word.
class DoubleIndex {
  public:
    void add(int id, const NameKeys& keys);
    // Room for about this many songs, taken at once.
    void reserve(std::size_t songs);
    // The ids above `after` that could decide against the candidate (never
    // fewer, sometimes more), ascending and each once.
    std::vector<int> possibleDeciders(const NameKeys& candidate, int after = -1) const;

    // The same ids one at a time, for a caller that stops at the first song
    // that decides; when most songs could decide, simply every id above
    // `after`, which is then quicker than merging. Valid until the next add.
    class Deciders {
      public:
        int next();  // -1 after the last

      private:
        friend class DoubleIndex;
        std::vector<std::pair<const int*, const int*>> lists_;
        int scanFrom_ = 0;
        int scanTo_ = 0;  // above scanFrom_ when every id is given
    };
    Deciders deciders(const NameKeys& candidate, int after = -1) const;

  private:
    // A song is filed under a hash of its upper-cased names and under one of
    // each pair of a title word and an artist word. Texts that share a hash
    // by chance only add a song to compare; the comparison decides.
    static std::vector<std::uint64_t> keysOf(const NameKeys& keys);

    std::unordered_map<std::uint64_t, std::vector<int>> byKey_;
    int lastId_ = -1;
};

}  // namespace hv
