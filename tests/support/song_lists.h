// Song lists for tests of the core: song database lines, tables filled
// directly, and files of a folder as one value to compare.
#pragma once

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "database/song_table.h"
#include "database/text_files.h"
#include "support/temp_folder.h"

namespace hv::test {

inline const std::string kHeader2007 =
    "2007  Artist                        Song                          Year 2006 Duration Votes\n";

// A song line in the generic layout, fields as given (not padded).
inline std::string genericLine(int place, const std::string& artist, const std::string& title,
                               int year = 1980, int prevRank = 9999,
                               const std::string& duration = "0:03:30", int votes = 0) {
    return std::to_string(place) + "\t" + artist + "\t" + title + "\t" + std::to_string(year) +
           "\t" + std::to_string(prevRank) + "\t" + duration + "\t" + std::to_string(votes) + "\n";
}

// A header and n songs "Artist k" / "Song k" (every artist distinct).
inline std::string numberedList(int n) {
    std::string text = kHeader2007;
    for (int i = 1; i <= n; ++i)
        text += genericLine(i, "Artist " + std::to_string(i), "Song " + std::to_string(i));
    return text + "\n";
}

// Appends a song as a load leaves it (place = its list position unless given).
inline Song& addSong(SongTable& t, const std::string& artist, const std::string& title,
                     int year = 2000, int prevRank = 9999, const std::string& duration = "03:30",
                     int votes = 0, int place = 0) {
    if (t.count >= kSongCapacity) throw std::runtime_error("test table full");
    Song& s = t.rows[t.count++];
    s = {place ? place : t.count,
         fitName(artist),
         fitName(title),
         year,
         prevRank,
         duration,
         votes,
         ""};
    return s;
}

// Every field of a song as one value that compares and prints.
inline auto fieldsOf(const Song& s) {
    return std::tie(s.place, s.artist, s.song, s.year, s.prevRank, s.duration, s.votes, s.country);
}

// The files of the folder, "(none)" for a missing one.
using Texts = std::vector<std::string>;
inline Texts filesOf(const TempFolder& f, const std::vector<std::string>& names) {
    Texts out;
    for (const std::string& name : names)
        out.push_back(f.exists(name) ? f.readFile(name) : "(none)");
    return out;
}

// A file of tests/html/data: a page exactly as it must be written.
inline std::string htmlData(const std::string& name) {
    return readWholeFile(sourcePath("tests/html/data/" + name)).value();
}

}  // namespace hv::test
