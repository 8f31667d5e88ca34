#include "database/side_files.h"

#include <unordered_map>
#include <unordered_set>

#include "app.h"
#include "database/import.h"
#include "database/text_files.h"

namespace hv {

namespace {
constexpr const char* kArtistLinkFile = "url.txt";
constexpr const char* kSongLinkFile = "songurl.txt";
constexpr const char* kCountryFile = "country.txt";
}  // namespace

LinkEntry parseLinkLine(std::string_view line) {
    LinkEntry entry;
    entry.key = std::string(line.substr(0, kNameWidth));
    if (line.size() > kNameWidth) entry.link = std::string(line.substr(kNameWidth, kLinkTextMax));
    return entry;
}

std::vector<LinkEntry> readLinkTable(const std::string& path) {
    std::vector<LinkEntry> table;
    LineReader reader(path);
    std::string line;
    while (table.size() < kLinkTableMax && reader.next(line)) table.push_back(parseLinkLine(line));
    return table;
}

void loadLinkTables(App& app) {
    app.artistLinks = readLinkTable(app.path(kArtistLinkFile));
    app.songLinks = readLinkTable(app.path(kSongLinkFile));
}

std::optional<CountryLine> parseCountryLine(std::string_view line) {
    if (line.size() <= kNameWidth) return std::nullopt;
    std::string_view code = line.substr(kNameWidth);
    if (code.size() < 2 || code.size() > 4) return std::nullopt;
    return CountryLine{std::string(line.substr(0, kCountryMatchWidth)), std::string(code)};
}

void applyCountryFile(App& app) {
    SongTable& table = app.songs;
    for (Song& s : table.rows) s.country.clear();
    // Lines apply in file order, so the last line for an artist decides.
    std::unordered_map<std::string, std::string> codes;
    LineReader reader(app.path(kCountryFile));
    std::string line;
    while (reader.next(line)) {
        if (auto entry = parseCountryLine(line)) codes[entry->artistKey] = entry->code;
    }
    if (codes.empty()) return;
    for (int r = 0; r < table.count; ++r) {
        Song& s = table.rows[r];
        auto found = codes.find(s.artist.substr(0, kCountryMatchWidth));
        if (found != codes.end()) s.country = found->second;
    }
}

int countBands(App& app) {
    // An artist counts as seen when its field contains the field of an artist
    // counted before. At the common width of 29 that is equality, which a
    // hash set answers at once; only odd widths need the scan.
    std::unordered_set<std::string> seen;
    bool commonWidth = true;
    app.bands.clear();
    const SongTable& table = app.songs;
    for (int r = 0; r < table.count; ++r) {
        const std::string& artist = table.rows[r].artist;
        bool known = seen.count(artist) > 0;
        if (!known && !(commonWidth && artist.size() == kNameWidth)) {
            for (const BandRow& band : app.bands) {
                if (artist.find(band.name) != std::string::npos) {
                    known = true;
                    break;
                }
            }
        }
        if (known) continue;
        if (artist.size() != kNameWidth) commonWidth = false;
        seen.insert(artist);
        BandRow band;
        band.name = artist;
        app.bands.push_back(band);
    }
    return static_cast<int>(app.bands.size());
}

}  // namespace hv
