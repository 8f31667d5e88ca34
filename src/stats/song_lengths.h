// Song lengths (key T): the songs by duration, longest or shortest first,
// with the playing time of the whole list; or per artist, the total and
// average playing time. Pages "time1.htm", "time2.htm" and "time3.htm".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

enum class LengthKind {
    shortest,  // S: one row per song, shortest first
    longest,   // L: one row per song, longest first
    band,      // B: one row per artist, most playing time first
    average,   // A: artists of three songs or more, longest average first
};

// An Average row needs this many songs to be listed.
constexpr int kAverageMinimumSongs = 3;

bool isSongKind(LengthKind kind);
// "time1.htm" for the song kinds, "time2.htm" for Band, "time3.htm" for Average.
const char* songLengthsPageName(LengthKind kind);

// The seconds of a duration "mm:ss" (two digits, a colon, two digits);
// nothing for any other text, whose digits would read as nonsense.
std::optional<int> minutesSecondsValue(std::string_view text);
// The seconds a song adds to the list's playing time: "mm:ss", or "hh:mm:ss"
// in the same way; any other text adds nothing.
int listDurationSeconds(std::string_view text);

// Seconds as "hh:mm:ss" after dropping whole days, leading zeros blanked: the
// first character when "0", then (only then) the second with its colon, then
// (only then) the fourth. 205 gives "    3:25", 5025 " 1:23:45", 0 "    0:00".
// As texts these order as their second counts do.
std::string formatDuration(int seconds);

// The rows of a kind. Song kinds: name, bestSong and lengthText are the
// artist, title and duration text of a song, ordered by the duration text
// (stable). Artist kinds: one row per artist by the shared artist rule, with
// its first song's title, songCount, points as the total seconds, lengthText
// and averageText formatted, ordered by lengthText descending (and for
// Average then by averageText descending); an Average row of fewer than three
// songs or no time at all holds songCount 0 and is not listed.
struct SongLengths {
    LengthKind kind = LengthKind::longest;
    std::vector<BandRow> rows;
    // "Total Music %2d days and %2d:%02d:%02d" and "Average Song Time %2d:%02d"
    // over every song of the list (the song kinds show them).
    std::string totalText;
    std::string averageText;
};
SongLengths buildSongLengths(const SongTable& songs, LengthKind kind);

// Whether a row is listed on screen and page (Average: three songs or more).
bool isListedLengthRow(const SongLengths& lengths, const BandRow& row);
// A length text as shown: its first character blank when it is "0".
std::string shownLengthText(std::string_view text);

// The table as the page shows it: two header lines, then one line per listed
// row, song rows with their video link.
void appendSongLengthsPageBody(std::string& out, const SongLengths& lengths, int chartYear);

}  // namespace hv
