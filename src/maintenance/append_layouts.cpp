#include "maintenance/append_layouts.h"

#include <string>

#include "database/song_file.h"
#include "database/tab_fields.h"

namespace hv {

namespace {

constexpr const char* kNoDuration = "00:00";

bool holds(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The Belgie artist starts at the first of these that holds a letter or
// anything above it in ASCII; bytes above 127 count as below "A".
constexpr std::size_t kBelgieArtistStarts[] = {7, 8, 9};
constexpr std::size_t kBelgieArtistFallback = 10;
constexpr std::size_t kBelgieDashFrom = 6;
constexpr std::size_t kBelgieYearLength = 4;
constexpr std::size_t kWinampBlankFrom = 4;

bool startsBelgieArtist(std::string_view line, std::size_t at) {
    if (at >= line.size()) return false;
    const unsigned char c = static_cast<unsigned char>(line[at]);
    return c >= 'A' && c < 0x80;
}

}  // namespace

AppendHeader appendHeaderFlags(std::string_view headerLine) {
    return {holds(headerLine, "No Place"), holds(headerLine, "Belgie"),
            holds(headerLine, "Winamp")};
}

AppendTabLayout appendTabLayoutFor(std::string_view fileName, bool noPlace) {
    if (holds(fileName, "1999.txt")) return AppendTabLayout::List1999;
    if (noPlace) return AppendTabLayout::NoPlace;
    for (std::string_view year : {"2003.txt", "2002.txt", "2001.txt", "2000.txt"}) {
        if (holds(fileName, year)) return AppendTabLayout::List2000To2003;
    }
    const bool has2005 = holds(fileName, "2005.txt");
    if (holds(fileName, "2004.txt") && !has2005) return AppendTabLayout::List2004;
    if (has2005) return AppendTabLayout::List2005;
    if (holds(fileName, "2006.txt")) return AppendTabLayout::List2006;
    return AppendTabLayout::Generic;
}

AppendLayout appendLayoutFor(std::string_view headerLine, std::string_view fileName) {
    AppendLayout layout;
    layout.header = appendHeaderFlags(headerLine);
    layout.tabs = appendTabLayoutFor(fileName, layout.header.noPlace);
    return layout;
}

Song readTabLine(std::string_view line, AppendTabLayout layout, bool hasPlace) {
    const Fields fields(line);
    // Field n counted from the artist, 0; a missing one reads as empty.
    const int artist = hasPlace ? 2 : 1;
    auto field = [&](int n, bool toLineEnd = false) {
        return fields.at(artist + n, toLineEnd).value_or(std::string_view());
    };
    Song s;
    s.artist = fitName(field(0));
    s.song = fitName(field(1));
    if (layout != AppendTabLayout::List1999) s.year = readNumber(field(2));
    s.prevRank = kNoPreviousPlace;
    std::string_view duration = kNoDuration;
    switch (layout) {
        case AppendTabLayout::List2005:
            duration = field(9);
            break;
        case AppendTabLayout::List2006:
            duration = field(10, true);
            break;
        case AppendTabLayout::Generic:
            // A song of the generic layout counts as new in this chart.
            s.prevRank = kNewSong;
            duration = field(4);
            break;
        default:
            break;
    }
    s.duration = shortenDuration(duration);
    return s;
}

std::optional<Song> readBelgieLine(std::string_view line) {
    Song s;
    const std::size_t yearAt =
        line.size() > kBelgieYearLength ? line.size() - kBelgieYearLength : 0;
    s.year = readNumber(line.substr(yearAt));
    line = line.substr(0, yearAt);
    const std::size_t dash = line.find('-', kBelgieDashFrom);
    if (dash == std::string_view::npos) return std::nullopt;
    std::size_t start = line.find("10cc");
    if (start == std::string_view::npos) {
        start = kBelgieArtistFallback;
        for (std::size_t at : kBelgieArtistStarts) {
            if (startsBelgieArtist(line, at)) {
                start = at;
                break;
            }
        }
    }
    // The artist runs up to the blank before the "-"; one that would begin
    // at or behind the "-" (a short leading field, "10cc" in the title) is
    // no artist at all.
    if (start >= dash) return std::nullopt;
    s.artist = fitName(line.substr(start, dash - 1 - start));
    s.song = fitName(dash + 2 < line.size() ? line.substr(dash + 2) : std::string_view());
    s.prevRank = kNoPreviousPlace;
    s.duration = kNoDuration;
    return s;
}

std::optional<Song> readWinampLine(std::string_view line) {
    const std::size_t blank = line.find(' ', kWinampBlankFrom);
    if (blank == std::string_view::npos) return std::nullopt;
    const std::size_t dash = line.find('-', blank + 1);
    if (dash == std::string_view::npos) return std::nullopt;
    const std::size_t open = line.find('(', dash + 1);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = line.find(')', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    Song s;
    s.artist = fitName(line.substr(blank + 1, dash - blank - 1));
    s.song = fitName(open > dash + 2 ? line.substr(dash + 2, open - dash - 2) : std::string_view());
    std::string duration(line.substr(open + 1, close - open - 1));
    if (duration.size() == 4 && duration[1] == ':') duration.insert(0, "0");
    s.duration = shortenDuration(duration);
    s.prevRank = kNoPreviousPlace;
    return s;
}

std::optional<Song> readAppendLine(std::string_view line, const AppendLayout& layout) {
    if (layout.header.belgie) return readBelgieLine(line);
    if (layout.header.winamp) return readWinampLine(line);
    return readTabLine(line, layout.tabs, !layout.header.noPlace);
}

}  // namespace hv
