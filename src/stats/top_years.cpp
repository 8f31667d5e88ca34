#include "stats/top_years.h"

#include <algorithm>
#include <unordered_map>

#include "database/text_format.h"
#include "html/html_escape.h"
#include "stats/artist_grouping.h"

namespace hv {

namespace {

BandRow firstSongOfYear(const Song& song, int points) {
    BandRow row;
    row.groupValue = song.year;
    row.songCount = 1;
    row.points = points;
    row.bestPlace = song.place;
    row.bestSong = song.song;
    row.name = song.artist;
    return row;
}

void cutTo(std::string& text, size_t width) {
    if (text.size() > width) text.resize(width);
}

}  // namespace

bool ranksByAverage(int mode) {
    return mode != 0;
}

int nextYearsMode(int mode) {
    return mode == 0 ? 1 : 0;
}

void finishYearsRanking(std::vector<BandRow>& rows, int mode) {
    for (BandRow& row : rows) {
        if (row.songCount > 0) row.points /= row.songCount;
        row.score = ranksByAverage(mode) ? row.points : row.songCount;
    }
    rankByScore(rows);
    for (BandRow& row : rows) {
        cutTo(row.name, kYearsNameWidth);
        cutTo(row.bestSong, kYearsBestSongWidth);
    }
}

std::vector<BandRow> groupByYear(const SongTable& songs) {
    std::vector<BandRow> rows;
    // Year -> its row, so a list of many distinct years is not scanned once
    // per song.
    std::unordered_map<int, size_t> rowOfYear;
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        if (song.year == 0) continue;
        int points = songPoints(r + 1, songs.count);
        auto [found, added] = rowOfYear.try_emplace(song.year, rows.size());
        if (added) {
            rows.push_back(firstSongOfYear(song, points));
            continue;
        }
        BandRow& row = rows[found->second];
        row.songCount++;
        row.points += points;
    }
    return rows;
}

std::vector<BandRow> groupByYearScanning(const SongTable& songs) {
    std::vector<BandRow> rows;
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        if (song.year == 0) continue;
        int points = songPoints(r + 1, songs.count);
        auto found = std::find_if(rows.begin(), rows.end(),
                                  [&](const BandRow& row) { return row.groupValue == song.year; });
        if (found == rows.end()) {
            rows.push_back(firstSongOfYear(song, points));
            continue;
        }
        found->songCount++;
        found->points += points;
    }
    return rows;
}

std::vector<BandRow> rankYears(const SongTable& songs, int mode) {
    std::vector<BandRow> rows = groupByYear(songs);
    finishYearsRanking(rows, mode);
    return rows;
}

void appendTopYearsPageBody(std::string& out, const std::vector<BandRow>& ranking, int chartYear,
                            int listSize) {
    appendFormat(out,
                 "%4d   Top   Songs  Average Best Song of the Year                         Place\n",
                 chartYear);
    out += "      Years          Place                                                       \n\n";
    for (size_t r = 0; r < ranking.size(); ++r) {
        const BandRow& row = ranking[r];
        appendFormat(
            out, "%2d.    %4d   %4d   %4d   %s - %s  %4d\n", static_cast<int>(r + 1),
            row.groupValue, row.songCount, averagePlace(row.points, listSize, PlaceCount::oneLess),
            escapeHtmlText(row.name).c_str(), escapeHtmlText(row.bestSong).c_str(), row.bestPlace);
    }
}

}  // namespace hv
