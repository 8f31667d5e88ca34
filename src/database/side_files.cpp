#include "database/side_files.h"

#include <unordered_map>

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
    LineReader reader(path, LineEnds::CrLfOrLf, Decoding::FromUtf8);
    std::string line;
    while (table.size() < kLinkTableMax && reader.next(line)) table.push_back(parseLinkLine(line));
    return table;
}

LinkTables loadLinkTables(const std::string& folder) {
    return {readLinkTable(folderPath(folder, kArtistLinkFile)),
            readLinkTable(folderPath(folder, kSongLinkFile))};
}

std::optional<CountryLine> parseCountryLine(std::string_view line) {
    if (line.size() <= kNameWidth) return std::nullopt;
    std::string_view code = line.substr(kNameWidth);
    if (code.size() < 2 || code.size() > 4) return std::nullopt;
    return CountryLine{std::string(line.substr(0, kCountryMatchWidth)), std::string(code)};
}

void applyCountryFile(const std::string& folder, SongTable& table) {
    for (Song& s : table.rows) s.country.clear();
    // Lines apply in file order, so the last line for an artist decides.
    std::unordered_map<std::string, std::string> codes;
    LineReader reader(folderPath(folder, kCountryFile), LineEnds::CrLfOrLf, Decoding::FromUtf8);
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

}  // namespace hv
