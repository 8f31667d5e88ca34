#include "database/song_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "database/tab_fields.h"
#include "database/text_files.h"

namespace hv {

namespace {

int numberAt(const Fields& fields, int n) {
    return readNumber(fields.at(n).value_or(""));
}

std::string nameAt(const Fields& fields, int n) {
    return fitName(fields.at(n).value_or(""));
}

// The row's value before the import shortens it, for songs with no time.
constexpr const char* kNoDuration = "0:00:00";

constexpr int kGenericFields = 7;

int fieldCount(std::string_view line) {
    return 1 + static_cast<int>(std::count(line.begin(), line.end(), '\t'));
}

// A duration read from a year list may hold tabs, and the save writes it as
// it is, which gives the line more than seven fields. Read with the duration
// running from the sixth field to the last one, such a line formats back to
// exactly itself; no line of another origin is taken this way.
std::optional<Song> savedLineWithTabbedDuration(std::string_view line) {
    if (fieldCount(line) <= kGenericFields) return std::nullopt;
    const Fields fields(line);
    size_t durationStart = 0;
    for (int i = 1; i < 6; ++i) durationStart = line.find('\t', durationStart) + 1;
    size_t lastTab = line.rfind('\t');
    Song s;
    s.place = numberAt(fields, 1);
    s.artist = nameAt(fields, 2);
    s.song = nameAt(fields, 3);
    s.year = numberAt(fields, 4);
    s.prevRank = numberAt(fields, 5);
    s.duration = shortenDuration(line.substr(durationStart, lastTab - durationStart));
    s.votes = readNumber(line.substr(lastTab + 1));
    std::string formatted = formatSongLine(s);
    if (std::string_view(formatted).substr(0, formatted.size() - 1) != line) return std::nullopt;
    return s;
}

}  // namespace

SongLayout songLayoutFor(std::string_view databaseName) {
    if (databaseName.find("2005.txt") != std::string_view::npos) return SongLayout::List2005;
    if (databaseName.find("2004.txt") != std::string_view::npos) return SongLayout::List2004;
    if (databaseName.find("2006.txt") != std::string_view::npos) return SongLayout::List2006;
    return SongLayout::Generic;
}

bool layoutShowsPreviousPlace(SongLayout layout) {
    return layout != SongLayout::Generic;
}

bool layoutShowsDuration(SongLayout layout) {
    return layout == SongLayout::List2005 || layout == SongLayout::List2006;
}

int chartYearFromHeader(std::string_view header, std::string_view databaseName, int currentYear) {
    int number = readNumber(header);
    if (number > 1900 && number < 2100) return number;
    int year = currentYear;
    for (int candidate = 1999; candidate <= 2010; ++candidate) {
        if (databaseName.find(std::to_string(candidate)) != std::string_view::npos)
            year = candidate;
    }
    return year;
}

std::string shortenDuration(std::string_view field) {
    if (field.size() >= 7) return std::string(field.substr(2, 5));
    return std::string(field);
}

Song parseSongLine(std::string_view line, SongLayout layout) {
    const Fields fields(line);
    Song s;
    s.place = numberAt(fields, 1);
    s.artist = nameAt(fields, 2);
    s.song = nameAt(fields, 3);
    s.year = numberAt(fields, 4);
    std::optional<std::string_view> duration;
    switch (layout) {
        case SongLayout::Generic:
            if (std::optional<Song> saved = savedLineWithTabbedDuration(line)) return *saved;
            s.prevRank = numberAt(fields, 5);
            duration = fields.at(6);
            s.votes = readNumber(fields.at(7, true).value_or(""));
            break;
        case SongLayout::List2004:
            s.prevRank = numberAt(fields, 5);
            break;
        case SongLayout::List2005:
            s.prevRank = numberAt(fields, 5);
            duration = fields.at(11);
            break;
        case SongLayout::List2006:
            s.prevRank = numberAt(fields, 11);
            duration = fields.at(12, true);
            break;
    }
    s.duration = shortenDuration(duration.value_or(kNoDuration));
    return s;
}

bool endsSongList(const std::string& line, bool hadLineEnd) {
    return LineReader::countedLength(line, hadLineEnd) < 3;
}

std::string formatSongFileHeader(int chartYear) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "%4d  Artist                        Song                          Year %4d "
                  "Duration Votes\n",
                  chartYear, chartYear - 1);
    return buffer;
}

std::string formatSongLine(const Song& song) {
    char numbers[3][16];
    std::snprintf(numbers[0], sizeof numbers[0], "%d", song.place);
    std::snprintf(numbers[1], sizeof numbers[1], "%4d", song.year);
    std::snprintf(numbers[2], sizeof numbers[2], "%4d", song.prevRank);
    return std::string(numbers[0]) + "\t" + song.artist + "\t" + song.song + "\t" + numbers[1] +
           "\t" + numbers[2] + "\t" + song.duration + "\t" + std::to_string(song.votes) + "\n";
}

SongLayout layoutOfList(const std::vector<std::string_view>& songLines,
                        std::string_view databaseName) {
    SongLayout byName = songLayoutFor(databaseName);
    if (byName == SongLayout::Generic || songLines.empty()) return byName;
    for (std::string_view line : songLines) {
        if (fieldCount(line) != kGenericFields && !savedLineWithTabbedDuration(line)) return byName;
    }
    return SongLayout::Generic;
}

SongFileContents readSongFile(const std::string& path, std::string_view databaseName,
                              int currentYear, int limit) {
    SongFileContents out;
    LineReader reader(path, LineEnds::CrLfOrLf, Decoding::FromUtf8);
    if (!reader.isOpen()) return out;
    out.opened = true;
    out.encoding = reader.encoding();
    out.replacedCharacters = reader.replacedCharacters();
    std::string line;
    bool hadLineEnd = false;
    if (!reader.next(line, &hadLineEnd)) return out;
    out.hasHeader = true;
    out.chartYear = chartYearFromHeader(line, databaseName, currentYear);
    // The whole list is read: its lines tell its layout, and the songs left
    // out are counted.
    // All lines in one text rather than a string each, its room taken at
    // once: grown step by step it was copied over and over.
    std::string text;
    std::error_code noSize;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, noSize);
    if (!noSize) text.reserve(static_cast<size_t>(std::min<std::uintmax_t>(fileSize, 1u << 26)));
    std::vector<size_t> lineEnds;
    while (reader.next(line, &hadLineEnd) && !endsSongList(line, hadLineEnd)) {
        text += line;
        lineEnds.push_back(text.size());
    }
    std::vector<std::string_view> lines;
    lines.reserve(lineEnds.size());
    size_t start = 0;
    for (size_t end : lineEnds) {
        lines.emplace_back(text.data() + start, end - start);
        start = end;
    }
    out.layout = layoutOfList(lines, databaseName);
    const size_t taken = std::min({lines.size(), static_cast<size_t>(std::max(limit, 0)),
                                   static_cast<size_t>(kImportMaximum)});
    out.songs.reserve(taken);
    for (size_t i = 0; i < taken; ++i) out.songs.push_back(parseSongLine(lines[i], out.layout));
    out.reachedMaximum = taken == static_cast<size_t>(kImportMaximum);
    out.leftOut = static_cast<int>(lines.size() - taken);
    return out;
}

}  // namespace hv
