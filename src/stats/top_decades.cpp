#include "stats/top_decades.h"

#include <iterator>

#include "database/text_format.h"
#include "html/html_escape.h"
#include "stats/artist_grouping.h"
#include "stats/top_years.h"

namespace hv {

namespace {

// Labels of the slots from 190 (the years 1900 to 1909) on.
constexpr int kFirstLabelledSlot = 190;
constexpr const char* kDecadeLabels[] = {
    "190x", "191x", "20's", "30's", "40's", "50's", "60's", "70's", "80's", "90's", "200x",
    "201x", "202x", "203x", "204x", "205x", "206x", "207x", "208x", "209x", "210x",
};
constexpr int kLabelCount = static_cast<int>(std::size(kDecadeLabels));

}  // namespace

int decadeSlot(int year) {
    // Tested on the year, not the slot: years -1 to -9 would give slot 0.
    return (year >= 0 && year <= kLastDecadeYear) ? year / 10 : -1;
}

const char* decadeLabel(int slot) {
    int label = slot - kFirstLabelledSlot;
    return (label >= 0 && label < kLabelCount) ? kDecadeLabels[label] : "xxxx";
}

std::vector<BandRow> rankDecades(const SongTable& songs, int mode) {
    std::vector<BandRow> slots(kDecadeSlots);
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        int slot = decadeSlot(song.year);
        if (slot < 0) continue;
        int points = songPoints(r + 1, songs.count);
        BandRow& row = slots[slot];
        if (row.songCount > 0) {
            row.songCount++;
            row.points += points;
            continue;
        }
        row.groupValue = slot;
        row.songCount = 1;
        row.points = points;
        row.bestPlace = song.place;
        row.bestSong = song.song;
        row.name = song.artist;
    }
    // Empty slots score 0 and are cut off with the ranking's tail.
    finishYearsRanking(slots, mode);
    return slots;
}

void appendTopDecadesPageBody(std::string& out, const std::vector<BandRow>& ranking, int chartYear,
                              int listSize) {
    appendFormat(out,
                 "%4d   Top   Songs  Average Best Song of the Decade                       Place\n",
                 chartYear);
    out += "      Decade         Place                                                      \n\n";
    for (size_t r = 0; r < ranking.size(); ++r) {
        const BandRow& row = ranking[r];
        if (!isListedDecade(row)) continue;
        appendFormat(out, "%2d.    %s   %4d   %4d   %s - %s  %4d\n", static_cast<int>(r + 1),
                     decadeLabel(row.groupValue), row.songCount,
                     averagePlace(row.points, listSize, PlaceCount::oneLess),
                     escapeHtmlText(row.name).c_str(), escapeHtmlText(row.bestSong).c_str(),
                     row.bestPlace);
    }
}

}  // namespace hv
