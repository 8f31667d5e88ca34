// The four small links of a song row (A, S, C and L): an encyclopedia article
// on the artist and on the song, a video search and the lyrics. Each function
// gives the opening anchor tag; the caller writes the letter and "</a>".
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/side_files.h"

namespace hv {

constexpr std::string_view kEncyclopediaPrefix = "http://en.wikipedia.org/wiki/";
constexpr std::string_view kDutchEncyclopediaPrefix = "http://nl.wikipedia.org/wiki/";
constexpr std::string_view kVideoSearchPrefix = "http://www.youtube.com/results?search_query=";
constexpr std::string_view kLyricsPrefix = "http://www.lyricsfreak.com/Lyrics/";

// At most this many entries of a link table are searched.
constexpr int kLinkTableSearchLimit = 10007;
// A key holding this text marks the end of a link table.
constexpr std::string_view kLinkTableEndMark = "xxxxx";

// The words of a name (artist or title with its padding): read from the start,
// at most 30 positions, up to the first two spaces in a row (the end of the
// name counting as a space). A single space ends a word; the word being read
// when reading stops is the final word, so there is always at least one
// (possibly empty) word. The words are parts of the name.
struct NameWords {
    // 30 positions hold at most 15 single spaces, so 16 words.
    std::array<std::string_view, 16> words;
    size_t count = 0;
};
NameWords nameWords(std::string_view name);
std::vector<std::string> splitWords(std::string_view name);

// The link of the first table entry whose key contains the whole name and
// whose link begins with "http://" or "https://"; empty when there is none.
// The search stops at the end mark. A scan of the table, entry by entry.
std::string_view findTableLink(std::string_view name, const std::vector<LinkEntry>& table);

enum class LinkLookup { indexed, scan };

// One link table made ready for the rows of a page series: find gives what
// findTableLink gives, through the keys when the name is at least as long as
// every key (then containing means being equal), else by the scan. With
// LinkLookup::scan it always scans. The table must outlive the index.
class LinkIndex {
  public:
    explicit LinkIndex(const std::vector<LinkEntry>& table,
                       LinkLookup lookup = LinkLookup::indexed);
    std::string_view find(std::string_view name) const;

  private:
    const std::vector<LinkEntry>& table_;
    LinkLookup lookup_;
    size_t longestKey_ = 0;
    std::unordered_map<std::string_view, std::string_view> firstLink_;
};

// Both link tables, indexed.
struct LinkIndexes {
    explicit LinkIndexes(const LinkTables& tables, LinkLookup lookup = LinkLookup::indexed)
        : artists(tables.artists, lookup), songs(tables.songs, lookup) {}
    LinkIndex artists;
    LinkIndex songs;
};

// "<a href="address" TARGET=_new>", the address escaped for the attribute.
std::string anchorTag(std::string_view address);

// The anchor tags appended to a page being built.
void appendArtistInfoLink(std::string& out, std::string_view artist, const LinkIndex& artistLinks);
// The Dutch encyclopedia is used when the country contains "NL".
void appendSongInfoLink(std::string& out, std::string_view song, std::string_view country,
                        const LinkIndex& songLinks);
void appendVideoLink(std::string& out, std::string_view artist, std::string_view song);
void appendLyricsLink(std::string& out, std::string_view artist, std::string_view song);

// The same as texts of their own, the tables scanned.
std::string artistInfoLink(std::string_view artist, const std::vector<LinkEntry>& artistLinks);
std::string songInfoLink(std::string_view song, std::string_view country,
                         const std::vector<LinkEntry>& songLinks);
std::string videoLink(std::string_view artist, std::string_view song);
std::string lyricsLink(std::string_view artist, std::string_view song);

}  // namespace hv
