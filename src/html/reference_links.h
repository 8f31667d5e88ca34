// The four small links of a song row (A, S, C and L): an encyclopedia article
// on the artist and on the song, a video search and the lyrics. Each function
// returns the opening anchor tag; the caller writes the letter and "</a>".
#pragma once

#include <string>
#include <string_view>
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
// when reading stops is the final word, so the result always has at least one
// (possibly empty) word.
std::vector<std::string> splitWords(std::string_view name);

// The link of the first table entry whose key contains the whole name and
// whose link begins with "http://" or "https://"; empty when there is none.
// The search stops at the end mark.
std::string findTableLink(std::string_view name, const std::vector<LinkEntry>& table);

// "<a href="address" TARGET=_new>", the address escaped for the attribute.
std::string anchorTag(std::string_view address);

std::string artistInfoLink(std::string_view artist, const std::vector<LinkEntry>& artistLinks);
// The Dutch encyclopedia is used when the country contains "NL".
std::string songInfoLink(std::string_view song, std::string_view country,
                         const std::vector<LinkEntry>& songLinks);
std::string videoLink(std::string_view artist, std::string_view song);
std::string lyricsLink(std::string_view artist, std::string_view song);

}  // namespace hv
