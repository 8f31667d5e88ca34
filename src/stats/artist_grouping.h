// The rules every statistics view shares: how many points a song earns by its
// place in the list, which songs count as one artist, and how groups are
// ranked by their score.
#pragma once

#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The song at 1-based list position p of a list of listSize songs earns
// listSize + 1 - p points: the first song listSize, the last song 1.
inline int songPoints(int position, int listSize) {
    return listSize + 1 - position;
}

// How a view turns its average points into the place it shows.
enum class PlaceCount {
    meanRoundedUp,  // the artist views
    oneLess,        // the year and decade views: a single song at position 1 shows 0
};

// The mean list position of an artist from its integer average of points; the
// truncated average makes this the mean rounded up. The year and decade views
// show one less (PlaceCount::oneLess), as their pages always have.
inline int averagePlace(int averagePoints, int listSize,
                        PlaceCount count = PlaceCount::meanRoundedUp) {
    return listSize + (count == PlaceCount::meanRoundedUp ? 1 : 0) - averagePoints;
}

// A song belongs to a group when the group's name occurs in its artist field
// (case-sensitive). With every artist held at the same padded width this
// means equal fields; a shorter name would capture every artist holding it.
inline bool artistInGroup(std::string_view groupName, std::string_view artist) {
    return artist.find(groupName) != std::string_view::npos;
}

// The first row whose name the artist field belongs to, or -1.
int findArtistGroup(const std::vector<BandRow>& rows, std::string_view artist);

// Groups the list by artist in list order: a row per artist with its first
// song's artist field as name, that song's whole title and its place, the
// number of songs and the sum of their points. Each song scans every earlier
// row (quadratic); kept as the reference that groupSongsByArtist must match.
std::vector<BandRow> groupByArtist(const SongTable& songs);

// The same rows as groupByArtist, with the row of every song (groupOfSong[r]
// for list row r), found through an index of the names instead of a scan of
// every earlier row. Fields of unequal widths, where a name can occur inside
// a longer field, give the same rows as the scan.
struct ArtistGroups {
    std::vector<BandRow> rows;
    std::vector<int> groupOfSong;
};
ArtistGroups groupSongsByArtist(const SongTable& songs);

// Orders the rows by score, highest first, keeping rows of equal score in the
// order they had (their first appearance in the list), and drops every row
// from the first one whose score is 0.
void rankByScore(std::vector<BandRow>& rows);

}  // namespace hv
