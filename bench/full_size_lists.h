// Lists of the size users keep, for the benchmarks: 10,010 songs whose
// artists repeat as in real charts (a few with many songs, most with one or
// two), or a worst case where every song has its own artist; link tables
// filled to their 10,009 entries.
#pragma once

#include <cstdio>
#include <random>
#include <string>

#include "database/side_files.h"
#include "database/song_table.h"

namespace hv::bench {

constexpr int kFullSize = kSongCapacity;
constexpr int kRealisticArtists = 3001;

// Names of varied length, some of them padded to the full 29 characters.
inline std::string artistName(int n) {
    static const char* const words[] = {"The",    "Blue",  "Midnight", "Royal",     "Electric",
                                        "Silver", "Young", "Band",     "Orchestra", "Brothers"};
    std::string name =
        std::string(words[n % 10]) + " " + words[(n / 10) % 10] + " " + std::to_string(n);
    if (n % 7 == 0) name += " and the Long Named Friends";
    return fitName(name);
}

// distinctArtists: kRealisticArtists for a chart-like list, kFullSize for
// every song its own artist. Places run 1..count in ranking order.
inline SongTable fullSizeList(int distinctArtists = kRealisticArtists, int count = kFullSize) {
    SongTable table;
    std::mt19937 random(2026);
    // Squaring a uniform draw gives the low artist numbers many songs.
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    table.count = count;
    for (int r = 0; r < count; ++r) {
        Song& s = table.rows[r];
        double u = uniform(random);
        int artist = distinctArtists >= count ? r : static_cast<int>(u * u * distinctArtists);
        s.place = r + 1;
        s.artist = artistName(artist);
        s.song = fitName("Song " + std::to_string(random() % 100000) + " of the year");
        s.year = 1950 + static_cast<int>(random() % 76);
        s.prevRank = static_cast<int>(random() % 12000);
        char duration[8];
        std::snprintf(duration, sizeof duration, "%02d:%02d", static_cast<int>(random() % 12),
                      static_cast<int>(random() % 60));
        s.duration = duration;
        s.votes = static_cast<int>(random() % 500);
    }
    return table;
}

// Link tables filled to kLinkTableMax entries: one per distinct artist and
// title of the list first, then names the list does not hold.
inline LinkTables fullLinkTables(const SongTable& table) {
    LinkTables links;
    for (int r = 0; r < table.count && links.artists.size() < kLinkTableMax; ++r)
        links.artists.push_back(
            {table.rows[r].artist, "http://example.org/artist/" + std::to_string(r)});
    for (int r = 0; r < table.count && links.songs.size() < kLinkTableMax; ++r)
        links.songs.push_back(
            {table.rows[r].song, "https://example.org/song/" + std::to_string(r)});
    for (int n = 0; links.artists.size() < kLinkTableMax; ++n)
        links.artists.push_back({fitName("Unknown " + std::to_string(n)), "http://example.org/u"});
    for (int n = 0; links.songs.size() < kLinkTableMax; ++n)
        links.songs.push_back({fitName("Unknown " + std::to_string(n)), "http://example.org/u"});
    return links;
}

}  // namespace hv::bench
