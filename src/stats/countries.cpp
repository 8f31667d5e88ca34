#include "stats/countries.h"

#include <algorithm>
#include <unordered_map>

#include "database/text_format.h"
#include "html/html_escape.h"

namespace hv {

namespace {

struct KnownCountry {
    const char* code;  // compared exactly, case-sensitive
    const char* name;
};

// The order here is the order of equal counts after sorting.
constexpr KnownCountry kCountries[kCountryCount] = {
    {"NL", "Netherlands"},  {"UK", "United Kingdom"}, {"USA", "USA"},       {"FRA", "France"},
    {"SWE", "Sweden"},      {"BEL", "Belgium"},       {"GER", "Germany"},   {"CAN", "Canada"},
    {"SPA", "Spain"},       {"IRE", "Ireland"},       {"AUS", "Australia"}, {"MEX", "Mexico"},
    {"ITA", "Italy"},       {"NZ", "New Zealand"},    {"JAM", "Jamaica"},   {"NOR", "Norway"},
    {"GRE", "Greece"},      {"ARG", "Argentina"},     {"BRA", "Brasil"},    {"COL", "Columbia"},
    {"JAP", "Japan"},       {"HK", "Hong Kong"},      {"CUB", "Cuba"},      {"PHI", "Philippines"},
    {"POR", "Portugal"},    {"SAF", "South Africa"},  {"GRN", "Grenada"},   {"AUT", "Austria"},
    {"PUR", "Puerto Rico"},
};

constexpr const char* kSortNames[] = {"by Most Songs", "by Most Artists", "by Alphabet"};

// A line names its artist in these columns; the code follows.
constexpr size_t kArtistColumns = 29;
// Line lengths as counted with their line end: an artist alone, or an artist
// with a code of 2 to 4 characters.
constexpr size_t kToDoLength = kArtistColumns + 1;
constexpr size_t kShortestCodedLength = kArtistColumns + 3;
constexpr size_t kLongestCodedLength = kArtistColumns + 5;

int countryOfCode(std::string_view code) {
    for (int c = 0; c < kCountryCount; ++c)
        if (code == kCountries[c].code) return c;
    return -1;
}

// The list rows of the songs whose artist field contains a name.
class ArtistSongs {
  public:
    ArtistSongs(const SongTable& songs, ArtistSearch search) : songs_(songs) {
        // Fields no longer than the name contain it only when equal to it;
        // a longer field could hold it anywhere, so such a list is scanned.
        literal_ = search == ArtistSearch::literalScan;
        for (int r = 0; r < songs.count && !literal_; ++r)
            literal_ = songs.rows[r].artist.size() > kArtistColumns;
        if (literal_) return;
        for (int r = 0; r < songs.count; ++r) rowsOf_[songs.rows[r].artist].push_back(r);
    }

    template <typename Visit>
    void forEach(std::string_view name, Visit visit) const {
        if (literal_) {
            for (int r = 0; r < songs_.count; ++r)
                if (songs_.rows[r].artist.find(name) != std::string::npos) visit(songs_.rows[r]);
            return;
        }
        auto found = rowsOf_.find(name);
        if (found == rowsOf_.end()) return;
        for (int r : found->second) visit(songs_.rows[r]);
    }

  private:
    const SongTable& songs_;
    bool literal_ = false;
    std::unordered_map<std::string_view, std::vector<int>> rowsOf_;
};

// The song takes the place of the worst of the best entries (the first of
// them when several share it) when it is placed better.
void offerBestSong(CountryRow& country, const Song& song) {
    auto worst = country.best.begin();
    for (auto e = country.best.begin(); e != country.best.end(); ++e)
        if (e->place > worst->place) worst = e;
    if (worst != country.best.end() && song.place < worst->place)
        *worst = BestSong{song.place, song.artist, song.song};
}

void sortCountries(std::vector<CountryRow>& countries, int sortMode) {
    auto order = [sortMode](const CountryRow& a, const CountryRow& b) {
        switch (sortMode) {
            case kCountrySortArtists:
                return a.artists > b.artists;
            case kCountrySortAlphabet:
                return a.name < b.name;  // byte order: "USA" before "United Kingdom"
            default:
                return a.songs > b.songs;
        }
    };
    std::stable_sort(countries.begin(), countries.end(), order);
}

std::string countText(int value) {
    return value == 0 ? std::string(4, ' ') : formatText("%4d", value);
}

}  // namespace

const char* countrySortName(int mode) {
    return (mode >= 0 && mode <= kCountrySortAlphabet) ? kSortNames[mode] : "";
}

int nextCountrySort(int mode) {
    return (mode >= kCountrySortAlphabet || mode < 0) ? 0 : mode + 1;
}

const char* countryPageName(int maximum) {
    return maximum == 1 ? "country1.htm" : "country2.htm";
}

CountryOverview buildCountryOverview(const SongTable& songs, std::string_view countryText,
                                     int maximum, int sortMode, ArtistSearch search) {
    CountryOverview overview;
    overview.maximum = std::clamp(maximum, 1, kCountryMaximumLimit);
    for (const KnownCountry& known : kCountries) {
        CountryRow row;
        row.name = known.name;
        row.name.resize(kCountryNameWidth, ' ');
        row.best.resize(overview.maximum);
        overview.countries.push_back(std::move(row));
    }
    ArtistSongs artistSongs(songs, search);

    size_t start = 0;
    while (start < countryText.size()) {
        size_t end = countryText.find('\n', start);
        if (end == std::string_view::npos) end = countryText.size();
        std::string_view line = countryText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // Counted with its line end, also on a last line that lacks one.
        size_t length = line.size() + 1;
        if (length == kToDoLength) {
            overview.toDo++;
            continue;
        }
        if (length < kShortestCodedLength || length > kLongestCodedLength) continue;
        std::string_view code = line.substr(kArtistColumns);
        int c = countryOfCode(code);
        if (c < 0) {
            overview.unknown++;
            overview.messages.push_back("Unkown country " + std::string(code));
            continue;
        }
        CountryRow& country = overview.countries[c];
        country.artists++;
        artistSongs.forEach(line.substr(0, kArtistColumns), [&](const Song& song) {
            country.songs++;
            offerBestSong(country, song);
        });
    }
    if (overview.unknown != 0 || overview.toDo != 0)
        overview.messages.push_back(
            formatText("Unknown %d    To Do %d", overview.unknown, overview.toDo));

    for (CountryRow& country : overview.countries)
        std::stable_sort(country.best.begin(), country.best.end(),
                         [](const BestSong& a, const BestSong& b) { return a.place < b.place; });
    sortCountries(overview.countries, sortMode);
    return overview;
}

int countryLineCount(const CountryOverview& overview) {
    return static_cast<int>(overview.countries.size()) * overview.maximum;
}

int countryLineRank(const CountryOverview& overview, int line) {
    return line / overview.maximum + 1;
}

CountryLineTexts countryLineTexts(const CountryOverview& overview, int line, bool showRank) {
    const CountryRow& country = overview.countries[line / overview.maximum];
    bool firstOfBlock = line % overview.maximum == 0;
    CountryLineTexts texts;
    texts.rank = showRank ? formatText("%2d.", countryLineRank(overview, line)) : "   ";
    texts.name = firstOfBlock ? country.name : std::string(kCountryNameWidth, ' ');
    texts.songs = countText(firstOfBlock ? country.songs : 0);
    texts.artists = countText(firstOfBlock ? country.artists : 0);
    texts.entry = &country.best[line % overview.maximum];
    texts.place =
        texts.entry->isEmpty() ? std::string(4, ' ') : formatText("%4d", texts.entry->place);
    return texts;
}

void appendCountryPageBody(std::string& out, const CountryOverview& overview, int chartYear,
                           int sortMode) {
    appendFormat(out,
                 "%4d Country         Songs Bands Place  Best Song                       Maximum : "
                 "%d\n",
                 chartYear, overview.maximum);
    appendFormat(
        out,
        "     =======         ===== ===== =====  =========                       Sort    : "
        "%s\n\n",
        countrySortName(sortMode));
    int lines = countryLineCount(overview);
    for (int line = 0; line < lines; ++line) {
        bool firstOfBlock = line % overview.maximum == 0;
        if (firstOfBlock && line != 0 && overview.maximum > 1) out += "\n";
        // The rank changes only where a block starts, so that is where it shows.
        CountryLineTexts texts = countryLineTexts(overview, line, firstOfBlock);
        if (texts.entry->isEmpty()) continue;
        appendFormat(out, "%s  %s  %s  %s  %s   %s - %s\n", texts.rank.c_str(), texts.name.c_str(),
                     texts.songs.c_str(), texts.artists.c_str(), texts.place.c_str(),
                     escapeHtmlText(texts.entry->artist).c_str(),
                     escapeHtmlText(texts.entry->title).c_str());
    }
}

}  // namespace hv
