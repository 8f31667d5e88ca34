// The four orders of the Song table: Artist, Song, Ranking, Votes. Rows move
// whole, so the place numbers stay with their songs and the Ranking order
// always brings the chart back.
#pragma once

#include "database/song_table.h"

namespace hv {

// True when row a belongs strictly before row b in the order (1 Artist and
// 2 Song as byte strings ascending, 3 place ascending, 4 votes descending).
// Rows with equal keys never belong before one another, and an unknown order
// has no keys at all.
bool sortsBefore(const Song& a, const Song& b, int order);

// The reference method: passes of neighbour exchanges until a pass exchanges
// nothing. Returns the number of comparisons it made. Slow (some 100 million
// comparisons for 10,000 songs in reverse order), kept to check sortRows.
long long exchangeSortRows(SongTable& table, int order);

// Sorts rows 0 to count - 1 stably into the order; gives the same order as
// exchangeSortRows. Sorts the row numbers, then moves each song once.
void sortRows(SongTable& table, int order);

// True when the places ascend row by row, as they do in ranking order.
bool inRankingOrder(const SongTable& table);

// The table as it would be after sorting on Ranking; the table itself stays
// in the order the user chose. Pages and copies are written from it.
SongTable rankedCopy(const SongTable& table);

}  // namespace hv
