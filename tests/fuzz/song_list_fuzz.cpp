// A song database file in the layout its first byte picks: what is read
// survives the column files of the next start, and a save of it reads back
// the same, in the generic layout the save writes.
#include "database/column_files.h"
#include "database/import.h"
#include "database/save_list.h"
#include "database/song_file.h"
#include "fuzz/harnesses.h"
#include "support/temp_folder.h"

namespace hv {

namespace {

constexpr const char* kListNames[] = {"list.txt", "list2004.txt", "list2005.txt", "list2006.txt"};
constexpr int kYear = 2026;

// The place too, unless the songs came back through the column files, which
// number them by list position.
void requireSameSongs(const std::vector<Song>& read, const std::vector<Song>& back, bool positions,
                      const char* what) {
    require(read.size() == back.size(), what);
    for (size_t i = 0; i < read.size(); ++i) {
        const Song &a = read[i], &b = back[i];
        int place = positions ? static_cast<int>(i) + 1 : a.place;
        require(place == b.place && a.artist == b.artist && a.song == b.song && a.year == b.year &&
                    a.prevRank == b.prevRank && a.duration == b.duration && a.votes == b.votes,
                what);
    }
}

}  // namespace

int fuzzSongList(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    test::TempFolder f;
    const std::string name = kListNames[data[0] % 4];
    f.writeFile(name, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    SongFileContents read = readSongFile(f.folder + name, name, kYear, kSongCapacity);
    require(read.songs.size() <= kImportMaximum, "more songs than an import may take");
    for (const Song& s : read.songs)
        require(s.artist.size() == kNameWidth && s.song.size() == kNameWidth,
                "a name not held at 29 characters");

    // Tables of 10,010 rows are kept from input to input: made anew, they
    // would cost more than the rest of the run.
    static SongTable loaded, table;
    std::string failed;
    require(writeColumnFiles(f.folder, read.songs, failed), "column files not written");
    LinkTables links;
    require(loadTable(f.folder, loaded, links), "column files not loaded");
    requireSameSongs(read.songs, {loaded.rows.begin(), loaded.rows.begin() + loaded.count}, true,
                     "the column files load other songs than were read");

    std::vector<Song> songs = read.songs;
    replaceTable(table, songs);
    f.writeFile("saved.txt", formatSongList(table, read.chartYear));
    SongFileContents back = readSongFile(f.folder + "saved.txt", "saved.txt", kYear, kSongCapacity);
    requireSameSongs(read.songs, back.songs, false, "a saved list reads back other songs");
    require(!read.hasHeader || back.chartYear == read.chartYear, "a saved list changes its year");
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzSongList)
