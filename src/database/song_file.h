// The song database text file: a header line whose leading number is the
// chart year, then one tab-separated song a line. Older chart lists use
// their own field order, recognised by the file's name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"
#include "database/text_encoding.h"

namespace hv {

// Which fields a song line holds, in order:
//   Generic  place, artist, song, year, prevRank, duration, votes (to the line end)
//   List2004 place, artist, song, year, prevRank (no duration: "00:00")
//   List2005 place, artist, song, year, prevRank, 5 ignored, duration
//   List2006 place, artist, song, year, 6 ignored, prevRank, duration (to the line end)
enum class SongLayout { Generic, List2004, List2005, List2006 };

// Chosen by the name as given (path included, case-sensitive): "2005.txt"
// before "2004.txt" before "2006.txt"; anything else is the generic layout.
SongLayout songLayoutFor(std::string_view databaseName);

// The year lists of 2004 to 2006 are the ones whose import shows each song's
// previous place (and, except 2004, its duration) while reading.
bool layoutShowsPreviousPlace(SongLayout layout);
bool layoutShowsDuration(SongLayout layout);

// The chart year a header line gives: its leading number when strictly
// between 1900 and 2100; otherwise the current year, replaced by each of
// "1999" to "2010" that the database name contains (the last one wins).
int chartYearFromHeader(std::string_view header, std::string_view databaseName, int currentYear);

// A field of 7 or more characters keeps its characters 3 to 7, which turns
// h:mm:ss into mm:ss; a shorter one stays as it is.
std::string shortenDuration(std::string_view field);

// One song line read in a layout. Artist and title are held at 29
// characters; a missing field reads as empty (prevRank 0, a new song), except
// that a song without any duration field gets "00:00". A generic line that
// the save wrote for a duration holding tabs reads back with those tabs.
Song parseSongLine(std::string_view line, SongLayout layout);

// A line of fewer than 3 characters, its line end counted, ends a song list.
bool endsSongList(const std::string& line, bool hadLineEnd);

// The generic layout as the save writes it, each with its line feed.
std::string formatSongFileHeader(int chartYear);
std::string formatSongLine(const Song& song);

// The layout a list is read in. A list this program saved reads back as it
// was saved whatever its name: its song lines hold the generic layout's seven
// fields (more only where a duration holds a tab), which no year layout has.
// Any other list is read in the layout its name chooses.
SongLayout layoutOfList(const std::vector<std::string_view>& songLines,
                        std::string_view databaseName);

// A whole song database file as read for an import.
struct SongFileContents {
    bool opened = false;
    bool hasHeader = false;  // false for an empty file
    int chartYear = 0;       // set when hasHeader
    SongLayout layout = SongLayout::Generic;
    std::vector<Song> songs;
    // The list was cut because it reached kImportMaximum songs.
    bool reachedMaximum = false;
    // Songs of the list that were not taken (beyond the limit or the maximum).
    int leftOut = 0;
    // A UTF-8 file is converted before anything else reads it, so the
    // 29-character rule counts the converted characters.
    TextEncoding encoding = TextEncoding::Windows1252;
    // Its characters that Windows-1252 cannot hold, each read as "?".
    int replacedCharacters = 0;
};

// Reads the header and the songs up to the end of the list, at most `limit`
// songs and never more than kImportMaximum. Lines are read whole, however
// long, and CR LF reads as LF.
SongFileContents readSongFile(const std::string& path, std::string_view databaseName,
                              int currentYear, int limit);

}  // namespace hv
