#include "database/list_order.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace hv {

namespace {

// Plain comparison of character codes: upper-case letters before lower-case
// ones, bytes above 0x7F after both.
bool bytesBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

}  // namespace

bool sortsBefore(const Song& a, const Song& b, int order) {
    switch (order) {
        case kSortArtist:
            return bytesBefore(a.artist, b.artist);
        case kSortSong:
            return bytesBefore(a.song, b.song);
        case kSortRanking:
            return a.place < b.place;
        case kSortVotes:
            return a.votes > b.votes;
        default:
            return false;
    }
}

long long exchangeSortRows(SongTable& table, int order) {
    long long comparisons = 0;
    int n = std::min(table.count, kSongCapacity);
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = 0; i + 1 < n; ++i) {
            ++comparisons;
            if (sortsBefore(table.rows[i + 1], table.rows[i], order)) {
                std::swap(table.rows[i], table.rows[i + 1]);
                exchanged = true;
            }
        }
    }
    return comparisons;
}

void sortRows(SongTable& table, int order) {
    int n = std::min(table.count, kSongCapacity);
    if (n < 2) return;
    std::stable_sort(table.rows.begin(), table.rows.begin() + n,
                     [order](const Song& a, const Song& b) { return sortsBefore(a, b, order); });
}

bool inRankingOrder(const SongTable& table) {
    for (int r = 1; r < table.count; ++r)
        if (table.rows[r].place < table.rows[r - 1].place) return false;
    return true;
}

SongTable rankedCopy(const SongTable& table) {
    SongTable copy = table;
    if (!inRankingOrder(copy)) sortRows(copy, kSortRanking);
    copy.sortOrder = kSortRanking;
    return copy;
}

}  // namespace hv
