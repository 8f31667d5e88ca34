// "url.txt", "songurl.txt" and "country.txt", cut from one input at record
// separators: the tables stay within their fields, and the chart rows of
// songs named by their keys stay well-formed whatever the links hold.
#include <algorithm>

#include "database/side_files.h"
#include "fuzz/harnesses.h"
#include "html/chart_pages.h"
#include "support/song_lists.h"

namespace hv {

int fuzzSideFiles(const uint8_t* data, size_t size) {
    std::vector<std::string> parts = splitInput(data, size, 3);
    test::TempFolder f;
    f.writeFile("url.txt", parts[0]);
    f.writeFile("songurl.txt", parts[1]);
    f.writeFile("country.txt", parts[2]);

    LinkTables links = loadLinkTables(f.folder);
    for (const auto* table : {&links.artists, &links.songs}) {
        require(table->size() <= kLinkTableMax, "a link table beyond its entries");
        for (const LinkEntry& e : *table)
            require(e.key.size() <= kNameWidth && e.link.size() <= kLinkTextMax,
                    "a link entry beyond its field");
    }

    // Songs named as the keys, so that the links are used; static, as a new
    // table of 10,010 rows costs more than the run.
    static SongTable songs;
    songs.count = 0;
    size_t count = std::min<size_t>(8, std::max(links.artists.size(), links.songs.size()));
    for (size_t i = 0; i < count; ++i)
        test::addSong(songs, i < links.artists.size() ? links.artists[i].key : "Artist",
                      i < links.songs.size() ? links.songs[i].key : "Song", 0,
                      static_cast<int>(i) * 7 % 12, "");
    applyCountryFile(f.folder, songs);
    for (const Song& s : songs.rows)
        require(s.country.empty() || (s.country.size() >= 2 && s.country.size() <= 4),
                "a country code of other than 2 to 4 characters");

    Settings settings = defaultSettings(2026);
    ChartSource source{f.folder, songs, settings, links};
    std::string body;
    for (int r = 0; r < songs.count; ++r)
        appendSongRow(body, source, songs.rows[r], r + 1, SongRowKind::summaryPage);
    requireWellFormedBody(body);
    requireRowsShowNames(body, songs);
    return 0;
}

}  // namespace hv

HV_FUZZ_ENTRY(fuzzSideFiles)
