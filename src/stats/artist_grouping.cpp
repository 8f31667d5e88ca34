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
    // No two groups share a name (a field equal to a name joins that group),
    // so a name finds its group directly.
    std::unordered_map<std::string_view, int> rowOfName;
    rowOfName.reserve(songs.count);
    std::vector<size_t> nameLengths;  // every length a name has, ascending
    for (int r = 0; r < songs.count; ++r) {
        const Song& song = songs.rows[r];
        std::string_view artist = song.artist;
        // A name is held in the field when one stretch of the field of its
        // length equals it: look up every such stretch and keep the earliest
        // group, the one a scan in list order meets first. With every field at
        // the common width that is the whole field alone.
        int group = -1;
        for (size_t length : nameLengths) {
            if (length > artist.size()) break;
            size_t starts = length == 0 ? 1 : artist.size() - length + 1;
            for (size_t start = 0; start < starts; ++start) {
                auto found = rowOfName.find(artist.substr(start, length));
                if (found != rowOfName.end() && (group < 0 || found->second < group))
                    group = found->second;
            }
        }
        int points = songPoints(r + 1, songs.count);
        if (group >= 0) {
            groups.rows[group].songCount++;
            groups.rows[group].points += points;
        } else {
            group = static_cast<int>(groups.rows.size());
            groups.rows.push_back(firstSongOfGroup(song, points));
            rowOfName.emplace(artist, group);
            auto at = std::lower_bound(nameLengths.begin(), nameLengths.end(), artist.size());
            if (at == nameLengths.end() || *at != artist.size())
                nameLengths.insert(at, artist.size());
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
