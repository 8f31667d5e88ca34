// The rules every statistics view shares: how many points a song earns by its
// place in the list, and which songs count as one artist.
#pragma once

#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The song at 1-based list position p of a list of n songs earns n + 1 - p
// points: the first song n, the last song 1.
inline int songPoints(int position, int songCount) {
    return songCount + 1 - position;
}

// The mean list position of a group from its integer average of points; the
// truncated average makes this the mean rounded up.
inline int averagePlace(int averagePoints, int songCount) {
    return songCount + 1 - averagePoints;
}

// The first row whose name occurs in the artist field (case-sensitive), or -1.
// With every artist held at the same padded width this finds equal fields.
int findArtistGroup(const std::vector<BandRow>& rows, std::string_view artist);

// Groups the list by artist in list order: a row per artist with its first
// song's artist field as name, the first 23 characters of that song's title,
// that song's place, the number of songs and the sum of their points.
std::vector<BandRow> groupByArtist(const SongTable& songs);

// Orders the rows by score, highest first, keeping rows of equal score in the
// order they had (their first appearance in the list), and drops every row
// from the first one whose score is 0.
void rankByScore(std::vector<BandRow>& rows);

}  // namespace hv
