// The side files read with the table: artist and song links ("url.txt",
// "songurl.txt") and the artists' country codes ("country.txt"). A UTF-8
// file is converted first, so its keys are counted in characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

struct LinkEntry {
    std::string key;   // the first 29 columns of the line
    std::string link;  // the rest of the line
};

// "url.txt" links artists, "songurl.txt" titles.
struct LinkTables {
    std::vector<LinkEntry> artists;
    std::vector<LinkEntry> songs;
};

// A link table holds at most this many entries; further lines are ignored.
constexpr size_t kLinkTableMax = 10009;
// The link column is a 300-byte field.
constexpr size_t kLinkTextMax = 299;
// Country lines name the artist in their first 29 columns but are matched
// on the first 27 only.
constexpr size_t kCountryMatchWidth = 27;

// Columns 1 to 29 are the key, the rest of the line the link.
LinkEntry parseLinkLine(std::string_view line);
// A missing file gives an empty table.
std::vector<LinkEntry> readLinkTable(const std::string& path);

struct CountryLine {
    std::string artistKey;  // the first 27 characters of the artist
    std::string code;
};
// The artist and code of a "country.txt" line; nothing for a line without a
// code of 2 to 4 characters behind column 29.
std::optional<CountryLine> parseCountryLine(std::string_view line);

// Both link tables of the working folder; a missing file gives an empty table.
LinkTables loadLinkTables(const std::string& folder);

// Empties every song's country and applies the folder's "country.txt".
void applyCountryFile(const std::string& folder, SongTable& table);

}  // namespace hv
