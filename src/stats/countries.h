// Countries (key C): for each of the 29 known countries, how many artists of
// "country.txt" come from it, how many songs of the list they have, and its
// best-placed songs, with the pages "country1.htm" and "country2.htm".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

constexpr const char* kCountryFile = "country.txt";
constexpr int kCountryCount = 29;
constexpr int kCountryNameWidth = 15;
// Best songs per country: 1 when the screen opens, at most 20.
constexpr int kCountryStartMaximum = 1;
constexpr int kCountryMaximumLimit = 20;
// The place of a best-song entry that holds no song.
constexpr int kNoBestPlace = 99999;

// The statistics modes as this view names them; S steps through them.
constexpr int kCountrySortSongs = 0;
constexpr int kCountrySortArtists = 1;
constexpr int kCountrySortAlphabet = 2;
const char* countrySortName(int mode);
int nextCountrySort(int mode);
// "country1.htm" for one best song per country, "country2.htm" for more.
const char* countryPageName(int maximum);

struct BestSong {
    int place = kNoBestPlace;
    std::string artist;
    std::string title;
    bool isEmpty() const { return place == kNoBestPlace; }
    bool operator==(const BestSong&) const = default;
};

struct CountryRow {
    std::string name;  // kCountryNameWidth characters, padded with spaces
    int songs = 0;     // songs of the list by the country's artists
    int artists = 0;   // lines of "country.txt" with the country's code
    // maximum entries, lowest place first; empty entries come last.
    std::vector<BestSong> best;
    bool operator==(const CountryRow&) const = default;
};

struct CountryOverview {
    int maximum = kCountryStartMaximum;
    std::vector<CountryRow> countries;  // all of them, in the sort mode's order
    int unknown = 0;                    // lines with a code no country has
    int toDo = 0;                       // lines naming an artist without a code
    // What the user is told, in order: each unknown code, then the counts
    // when either is not 0.
    std::vector<std::string> messages;
    bool operator==(const CountryOverview&) const = default;
};

// How the songs of a "country.txt" artist are found.
enum class ArtistSearch {
    indexed,      // through an index of the artist fields, built once
    literalScan,  // every line scans the whole list: the oracle for the index
};

// The overview from the text of "country.txt". A line names the artist in its
// first 29 columns and may carry a code of 2, 3 or 4 characters after it; a
// line of any other length (an empty one, a one-character code, a code longer
// than four) counts nowhere. A last line without its line end is read like
// the others. The artist's songs are those whose artist field contains the
// 29 columns, case-sensitive.
CountryOverview buildCountryOverview(const SongTable& songs, std::string_view countryText,
                                     int maximum, int sortMode,
                                     ArtistSearch search = ArtistSearch::indexed);

// The display lines: each country in order takes maximum lines, line i of
// its block showing its best song i.
int countryLineCount(const CountryOverview& overview);

// The columns of display line `line`, as screen and page show them. The rank
// ("%2d.") is shown when asked, three spaces otherwise; name, songs and
// artists are blank below a block's first line; a count of 0 and the place
// of an empty entry are blank.
struct CountryLineTexts {
    std::string rank;
    std::string name;
    std::string songs;
    std::string artists;
    std::string place;
    const BestSong* entry = nullptr;
};
CountryLineTexts countryLineTexts(const CountryOverview& overview, int line, bool showRank);
// The country rank of a display line, from 1.
int countryLineRank(const CountryOverview& overview, int line);

// The table as the page shows it: two header lines, then every display line
// that holds a song, the blocks separated by a blank line when there is more
// than one best song per country.
void appendCountryPageBody(std::string& out, const CountryOverview& overview, int chartYear,
                           int sortMode);

}  // namespace hv
