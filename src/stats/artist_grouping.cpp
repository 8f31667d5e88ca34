#include "stats/artist_grouping.h"

#include <algorithm>
#include <unordered_map>

namespace hv {

namespace {

// A group as its first song in list order opens it.
BandRow firstSongOfGroup(const Song& song, int points) {
    BandRow row;
    row.name = song.artist;
    row.bestSong = song.song;
    row.songCount = 1;
    row.points = points;
    row.bestPlace = song.place;
    return row;
}

}  // namespace

int findArtistGroup(const std::vector<BandRow>& rows, std::string_view artist) {
    for (size_t r = 0; r < rows.size(); ++r)
        if (artistInGroup(rows[r].name, artist)) return static_cast<int>(r);
    return -1;
}

std::vector<BandRow> groupByArtist(const SongTable& songs) {
    std::vector<BandRow> rows;
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        int points = songPoints(r + 1, songs.count);
        int group = findArtistGroup(rows, song.artist);
        if (group >= 0) {
            rows[group].songCount++;
            rows[group].points += points;
            continue;
        }
        rows.push_back(firstSongOfGroup(song, points));
    }
    return rows;
}

ArtistGroups groupSongsByArtist(const SongTable& songs) {
    ArtistGroups groups;
    groups.groupOfSong.resize(songs.count);
    bool sameWidth = true;
    for (int r = 1; r < songs.count && sameWidth; ++r)
        sameWidth = songs.rows[r].artist.size() == songs.rows[0].artist.size();
    std::unordered_map<std::string_view, int> rowOfName;
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        int group = -1;
        if (sameWidth) {
            auto found = rowOfName.find(song.artist);
            if (found != rowOfName.end()) group = found->second;
        } else {
            group = findArtistGroup(groups.rows, song.artist);
        }
        int points = songPoints(r + 1, songs.count);
        if (group >= 0) {
            groups.rows[group].songCount++;
            groups.rows[group].points += points;
        } else {
            group = static_cast<int>(groups.rows.size());
            groups.rows.push_back(firstSongOfGroup(song, points));
            if (sameWidth) rowOfName.emplace(song.artist, group);
        }
        groups.groupOfSong[r] = group;
    }
    return groups;
}

void rankByScore(std::vector<BandRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const BandRow& a, const BandRow& b) { return a.score > b.score; });
    auto firstZero =
        std::find_if(rows.begin(), rows.end(), [](const BandRow& row) { return row.score == 0; });
    rows.erase(firstZero, rows.end());
}

}  // namespace hv
