// The line layouts of the lists that can be appended: the song database's
// own layout, the chart files of earlier years, the "No Place" lists, the
// Belgie lists (artist - song between a leading field and a year) and Winamp
// playlists. Each reads one line, without its line end, into a candidate.
#pragma once

#include <optional>
#include <string_view>

#include "database/song_table.h"

namespace hv {

// Set by the texts the first line of the file holds anywhere.
struct AppendHeader {
    bool noPlace = false;  // tab-separated lines begin with the artist
    bool belgie = false;
    bool winamp = false;  // entries follow the line holding "Playlist files:"
};
AppendHeader appendHeaderFlags(std::string_view headerLine);

// The tab-separated layouts, chosen by the file name.
enum class AppendTabLayout {
    List1999,        // artist, song
    NoPlace,         // artist, song, year
    List2000To2003,  // artist, song, year
    List2004,        // artist, song, year, one field
    List2005,        // artist, song, year, six fields, duration
    List2006,        // artist, song, year, seven fields, duration to the line end
    Generic,         // artist, song, year, previous place, duration, ...
};
AppendTabLayout appendTabLayoutFor(std::string_view fileName, bool noPlace);

struct AppendLayout {
    AppendHeader header;
    AppendTabLayout tabs = AppendTabLayout::Generic;
};
AppendLayout appendLayoutFor(std::string_view headerLine, std::string_view fileName);

// Candidates carry artist and title at 29 characters, the year, prevRank 0
// for a generic line and 9999 otherwise, and the duration with h:mm:ss
// shortened to mm:ss; place, votes and country are left at 0 and empty.
// The place field, when there is one, is read past.
Song readTabLine(std::string_view line, AppendTabLayout layout, bool hasPlace);
// Nothing for a line without its "-", or whose artist would begin at or
// behind it.
std::optional<Song> readBelgieLine(std::string_view line);
// Nothing for a line missing its blank, "-", "(" or ")".
std::optional<Song> readWinampLine(std::string_view line);

// A song line of the file in its layout.
std::optional<Song> readAppendLine(std::string_view line, const AppendLayout& layout);

}  // namespace hv
