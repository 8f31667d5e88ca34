#include "console/sort_list.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "app.h"

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

const char* sortMessage(int order) {
    switch (order) {
        case kSortArtist:
            return "Sorting on Artist, one moment...";
        case kSortSong:
            return "Sorting on Song, one moment...";
        case kSortRanking:
            return "Sorting on Ranking, one moment...";
        case kSortVotes:
            return "Sorting on Votes, one moment...";
        default:
            return "";
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

void sortList(App& app) {
    Screen& s = app.screen;
    SavedRegion saved = openDialog(s, kMessageBox);
    moveCursor(s, 10, 24);
    putText(s, sortMessage(app.songs.sortOrder));
    // Show the notice even though the sort is over in a moment.
    pauseScreen(s, 0);
    sortRows(app.songs, app.songs.sortOrder);
    closeDialog(s, saved);
}

}  // namespace hv
