#include "stats/band_overview.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "database/text_format.h"
#include "html/html_escape.h"
#include "html/reference_links.h"
#include "stats/artist_grouping.h"

namespace hv {

namespace {

constexpr const char* kModeNames[] = {"Normal", "Alphabet"};
constexpr const char* kPageNames[] = {"band1.htm", "band2.htm"};

bool alphabetical(int mode) {
    return mode == kBandModeAlphabet;
}

// Most songs first, equal counts in order of first appearance; or names in
// ascending byte order (std::string compares its bytes as unsigned).
template <typename Group, typename Count, typename Name>
void orderGroups(std::vector<Group>& groups, int mode, Count count, Name name) {
    if (alphabetical(mode))
        std::stable_sort(groups.begin(), groups.end(),
                         [&](const Group& a, const Group& b) { return name(a) < name(b); });
    else
        std::stable_sort(groups.begin(), groups.end(),
                         [&](const Group& a, const Group& b) { return count(a) > count(b); });
}

// The artist fields all have one width: then a name occurs in a field exactly
// when the two are equal, and grouping can look names up instead of scanning.
bool equalArtistWidths(const SongTable& songs) {
    for (int r = 1; r < songs.count; ++r)
        if (songs.rows[r].artist.size() != songs.rows[0].artist.size()) return false;
    return true;
}

struct ArtistGroup {
    std::string_view name;
    int songCount = 0;
    int firstSong = 0;  // where its songs start in the rows-by-group list
};

}  // namespace

const char* bandOverviewModeName(int mode) {
    return kModeNames[alphabetical(mode) ? 1 : 0];
}

int nextBandOverviewMode(int mode) {
    return alphabetical(mode) ? kBandModeNormal : kBandModeAlphabet;
}

const char* bandOverviewPageName(int mode) {
    return kPageNames[alphabetical(mode) ? 1 : 0];
}

std::vector<OverviewLine> buildBandOverviewLiteral(const SongTable& songs, int mode, int minimum) {
    std::vector<BandRow> rows = groupByArtist(songs);
    for (BandRow& row : rows) {
        if (row.songCount >= minimum) continue;
        row.songCount = 0;
        row.name.clear();
    }
    orderGroups(
        rows, mode, [](const BandRow& r) { return r.songCount; },
        [](const BandRow& r) -> const std::string& { return r.name; });
    std::vector<OverviewLine> lines;
    for (const BandRow& row : rows) {
        // Artists below the minimum lost their names; they list nothing.
        if (row.name.empty()) continue;
        int number = 0;
        for (int r = 0; r < songs.count; ++r) {
            if (!artistInGroup(row.name, songs.rows[r].artist)) continue;
            ++number;
            lines.push_back({r, number, number == 1 ? row.songCount : 0});
        }
    }
    return lines;
}

std::vector<OverviewLine> buildBandOverview(const SongTable& songs, int mode, int minimum) {
    if (!equalArtistWidths(songs)) return buildBandOverviewLiteral(songs, mode, minimum);

    std::vector<ArtistGroup> groups;
    std::vector<int> groupOf(songs.count);
    std::unordered_map<std::string_view, int> byName;
    byName.reserve(static_cast<size_t>(songs.count));
    for (int r = 0; r < songs.count; ++r) {
        std::string_view artist = songs.rows[r].artist;
        auto [at, added] = byName.try_emplace(artist, static_cast<int>(groups.size()));
        if (added) groups.push_back({artist, 0, 0});
        groups[at->second].songCount++;
        groupOf[r] = at->second;
    }

    // The songs of every group together, each group's in list order.
    int start = 0;
    for (ArtistGroup& g : groups) {
        g.firstSong = start;
        start += g.songCount;
    }
    std::vector<int> rowsByGroup(songs.count);
    std::vector<int> filled(groups.size(), 0);
    for (int r = 0; r < songs.count; ++r) {
        const int g = groupOf[r];
        rowsByGroup[groups[g].firstSong + filled[g]++] = r;
    }

    std::erase_if(groups,
                  [&](const ArtistGroup& g) { return g.songCount < minimum || g.name.empty(); });
    orderGroups(
        groups, mode, [](const ArtistGroup& g) { return g.songCount; },
        [](const ArtistGroup& g) { return g.name; });

    std::vector<OverviewLine> lines;
    for (const ArtistGroup& g : groups)
        for (int n = 0; n < g.songCount; ++n)
            lines.push_back({rowsByGroup[g.firstSong + n], n + 1, n == 0 ? g.songCount : 0});
    return lines;
}

std::string overviewCountText(const OverviewLine& line) {
    return line.number == 1 ? formatText("%4d", line.songCount) : std::string(4, ' ');
}

void appendBandOverviewPageBody(std::string& out, const SongTable& songs,
                                const std::vector<OverviewLine>& lines, int chartYear, int minimum,
                                int mode) {
    appendFormat(
        out, "%4d   Song Overview                Songs  Place  Song               Minimum = %d\n",
        chartYear, minimum);
    appendFormat(
        out,
        "       =============                =====  =====  =====              Mode    = %s\n\n",
        bandOverviewModeName(mode));
    for (size_t i = 0; i < lines.size(); ++i) {
        const OverviewLine& line = lines[i];
        const Song& song = songs.rows[line.row];
        if (line.number == 1 && i != 0) out += "\n";
        appendFormat(out, "%4d.  %s %s  %4d   %s   %sC</a>\n", line.number,
                     escapeHtmlText(song.artist).c_str(), overviewCountText(line).c_str(),
                     song.place, escapeHtmlText(song.song).c_str(),
                     videoLink(song.artist, song.song).c_str());
    }
}

}  // namespace hv
