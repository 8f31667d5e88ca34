#include "database/list_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

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

namespace {

// Whole fields compared at once; memcmp orders bytes as unsigned, like
// bytesBefore, and a field that is the start of another sorts first.
int compareBytes(std::string_view a, std::string_view b) {
    int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The row numbers 0 to n - 1 in the order's sequence; equal keys keep their
// row order.
std::vector<int> sortedRowNumbers(const SongTable& table, int n, int order) {
    std::vector<int> rows(n);
    if (order == kSortArtist || order == kSortSong) {
        // The fields side by side, so that comparing does not chase each row.
        std::vector<std::string_view> keys(n);
        for (int r = 0; r < n; ++r)
            keys[r] = order == kSortArtist ? table.rows[r].artist : table.rows[r].song;
        for (int r = 0; r < n; ++r) rows[r] = r;
        std::sort(rows.begin(), rows.end(), [&keys](int a, int b) {
            int c = compareBytes(keys[a], keys[b]);
            return c != 0 ? c < 0 : a < b;
        });
        return rows;
    }
    // A number key and the row number packed into one value: sorting the
    // values sorts by key, then by row. Votes go from most to fewest.
    std::vector<uint64_t> packed(n);
    for (int r = 0; r < n; ++r) {
        int key = order == kSortRanking ? table.rows[r].place : table.rows[r].votes;
        uint32_t biased = static_cast<uint32_t>(key) ^ 0x80000000u;
        if (order == kSortVotes) biased = ~biased;
        packed[r] = (static_cast<uint64_t>(biased) << 32) | static_cast<uint32_t>(r);
    }
    std::sort(packed.begin(), packed.end());
    for (int r = 0; r < n; ++r) rows[r] = static_cast<int>(packed[r] & 0xFFFFFFFFu);
    return rows;
}

}  // namespace

void sortRows(SongTable& table, int order) {
    int n = std::min(table.count, kSongCapacity);
    if (n < 2 || order < kSortArtist || order > kSortVotes) return;
    std::vector<int> from = sortedRowNumbers(table, n, order);
    // Row r takes the song of row from[r]: follow each cycle of the
    // permutation once, moving the songs (their strings are not copied).
    std::vector<bool> placed(n, false);
    for (int start = 0; start < n; ++start) {
        if (placed[start] || from[start] == start) continue;
        Song first = std::move(table.rows[start]);
        int r = start;
        while (from[r] != start) {
            table.rows[r] = std::move(table.rows[from[r]]);
            placed[r] = true;
            r = from[r];
        }
        table.rows[r] = std::move(first);
        placed[r] = true;
    }
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
