// A song database file in the layout its first byte picks: what is read
// survives the column files of the next start, and a save of it reads back
// the same, in the generic layout and the encoding the save writes.
#include <algorithm>

#include "database/column_files.h"
#include "database/import.h"
#include "database/save_list.h"
#include "database/song_file.h"
#include "fuzz/harnesses.h"
#include "support/song_lists.h"

namespace hv {

namespace {

constexpr const char* kListNames[] = {"list.txt", "list2004.txt", "list2005.txt", "list2006.txt"};
constexpr int kYear = 2026;

bool sameSongs(const std::vector<Song>& a, const std::vector<Song>& b) {
    return std::ranges::equal(
        a, b, [](const Song& x, const Song& y) { return test::fieldsOf(x) == test::fieldsOf(y); });
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

    // Static, as new tables of 10,010 rows cost more than the run.
    static SongTable loaded, table;
    std::string failed;
    require(writeColumnFiles(f.folder, read.songs, failed), "column files not written");
    LinkTables links;
    require(loadTable(f.folder, loaded, links), "column files not loaded");
    // The column files number the songs by list position.
    std::vector<Song> numbered = read.songs;
    for (size_t i = 0; i < numbered.size(); ++i) numbered[i].place = static_cast<int>(i) + 1;
    require(sameSongs(numbered, {loaded.rows.begin(), loaded.rows.begin() + loaded.count}),
            "the column files load other songs than were read");

    std::vector<Song> songs = read.songs;
    replaceTable(table, songs);
    const std::string saved = formatSongList(table, read.chartYear, read.encoding);
    f.writeFile("saved.txt", saved);
    SongFileContents back = readSongFile(f.folder + "saved.txt", "saved.txt", kYear, kSongCapacity);
    // The one accepted change: a Windows-1252 list that no longer holds what
    // made it invalid UTF-8 reads back as UTF-8.
    const bool readsAsUtf8 = read.encoding == TextEncoding::Windows1252 &&
                             detectEncoding(saved) != TextEncoding::Windows1252;
    require(readsAsUtf8 || sameSongs(read.songs, back.songs),
            "a saved list reads back other songs");
    require(!read.hasHeader || back.chartYear == read.chartYear, "a saved list changes its year");
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzSongList)
