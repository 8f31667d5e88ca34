// The status of a song in the chart pages: up, down or new, worked out from
// its place and its previous place whenever a page is written.
#pragma once

#include <string>
#include <string_view>

namespace hv {

constexpr int kStatusMarkWidth = 5;

// How many marks a move earns: the thresholds of the row of the key place
// that the move reaches. The key place is the better of the two places.
int marksForMove(int keyPlace, long long move);

// Five characters: up to five "+" for a rise of at least 2 places, up to five
// "-" for a fall of at least 2, "*" stars (or "new") for a new song, else spaces.
std::string statusMark(int prevRank, int place);

// The mark with its "+", "-" and "*" as images; other characters stay.
std::string statusMarkImages(std::string_view mark);
void appendStatusMarkImages(std::string& out, std::string_view mark);

}  // namespace hv
