#include "stats/song_lengths.h"

#include <algorithm>

#include "database/text_format.h"
#include "html/html_escape.h"
#include "html/reference_links.h"
#include "stats/artist_grouping.h"

namespace hv {

namespace {

constexpr int kSecondsPerDay = 86400;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digit(char c) {
    return c - '0';
}

// Two digits from position `at` as a number.
int twoDigits(std::string_view text, size_t at) {
    return 10 * digit(text[at]) + digit(text[at + 1]);
}

// "dd:dd", "dd:dd:dd": digits in pairs separated by colons.
bool isDigitPairs(std::string_view text) {
    if (text.size() % 3 != 2) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        bool colon = i % 3 == 2;
        if (colon ? text[i] != ':' : !isDigit(text[i])) return false;
    }
    return true;
}

std::vector<BandRow> songRows(const SongTable& songs, LengthKind kind) {
    // The songs are ordered by position first and copied once, in order.
    std::vector<int> order(songs.count);
    for (int r = 0; r < songs.count; ++r) order[r] = r;
    auto duration = [&](int r) -> const std::string& { return songs.rows[r].duration; };
    if (kind == LengthKind::shortest)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return duration(a) < duration(b); });
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return duration(a) > duration(b); });
    std::vector<BandRow> rows(songs.count);
    for (int i = 0; i < songs.count; ++i) {
        const Song& song = songs.rows[order[i]];
        rows[i].name = song.artist;
        rows[i].bestSong = song.song;
        rows[i].lengthText = song.duration;
    }
    return rows;
}

std::vector<BandRow> artistRows(const SongTable& songs, LengthKind kind) {
    ArtistGroups groups = groupSongsByArtist(songs);
    std::vector<BandRow>& rows = groups.rows;
    for (BandRow& row : rows) row.points = 0;
    for (int r = 0; r < songs.count; ++r)
        rows[groups.groupOfSong[r]].points +=
            minutesSecondsValue(songs.rows[r].duration).value_or(0);
    for (BandRow& row : rows) {
        row.lengthText = formatDuration(row.points);
        row.averageText = formatDuration(row.points / row.songCount);
        if (kind != LengthKind::average) continue;
        if (row.songCount < kAverageMinimumSongs) {
            row.songCount = 0;
            row.averageText = formatDuration(0);
        }
        if (row.points == 0) row.songCount = 0;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const BandRow& a, const BandRow& b) {
        return a.lengthText > b.lengthText;
    });
    // Equal averages stay in the order of their total time.
    if (kind == LengthKind::average)
        std::stable_sort(rows.begin(), rows.end(), [](const BandRow& a, const BandRow& b) {
            return a.averageText > b.averageText;
        });
    return std::move(rows);
}

}  // namespace

bool isSongKind(LengthKind kind) {
    return kind == LengthKind::shortest || kind == LengthKind::longest;
}

const char* songLengthsPageName(LengthKind kind) {
    switch (kind) {
        case LengthKind::band:
            return "time2.htm";
        case LengthKind::average:
            return "time3.htm";
        default:
            return "time1.htm";
    }
}

std::optional<int> minutesSecondsValue(std::string_view text) {
    if (text.size() != 5 || !isDigitPairs(text)) return std::nullopt;
    return twoDigits(text, 0) * 60 + twoDigits(text, 3);
}

int listDurationSeconds(std::string_view text) {
    if (!isDigitPairs(text)) return 0;
    if (text.size() == 5) return twoDigits(text, 0) * 60 + twoDigits(text, 3);
    if (text.size() == 8)
        return twoDigits(text, 0) * 3600 + twoDigits(text, 3) * 60 + twoDigits(text, 6);
    return 0;
}

std::string formatDuration(int seconds) {
    int rest = seconds % kSecondsPerDay;
    if (rest < 0) rest += kSecondsPerDay;
    std::string text = formatText("%02d:%02d:%02d", rest / 3600, rest / 60 % 60, rest % 60);
    if (text[0] == '0') {
        text[0] = ' ';
        if (text[1] == '0') {
            text[1] = ' ';
            text[2] = ' ';
            if (text[3] == '0') text[3] = ' ';
        }
    }
    return text;
}

SongLengths buildSongLengths(const SongTable& songs, LengthKind kind) {
    SongLengths lengths;
    lengths.kind = kind;
    lengths.rows = isSongKind(kind) ? songRows(songs, kind) : artistRows(songs, kind);
    // A full list of hh:mm:ss durations can pass what an int holds.
    long long total = 0;
    for (int r = 0; r < songs.count; ++r) total += listDurationSeconds(songs.rows[r].duration);
    int days = static_cast<int>(total / kSecondsPerDay);
    int dayRest = static_cast<int>(total % kSecondsPerDay);
    lengths.totalText = formatText("Total Music %2d days and %2d:%02d:%02d", days, dayRest / 3600,
                                   dayRest / 60 % 60, dayRest % 60);
    // Every song counts in the divisor, also one whose duration added
    // nothing; an empty list has no average and shows 0:00.
    int average = songs.count > 0 ? static_cast<int>(total / songs.count) : 0;
    lengths.averageText =
        formatText("Average Song Time %2d:%02d", average % 3600 / 60, average % 60);
    return lengths;
}

bool isListedLengthRow(const SongLengths& lengths, const BandRow& row) {
    if (isEmptyText(row.name)) return false;
    return lengths.kind != LengthKind::average || row.songCount >= kAverageMinimumSongs;
}

std::string shownLengthText(std::string_view text) {
    std::string shown(text);
    if (!shown.empty() && shown[0] == '0') shown[0] = ' ';
    return shown;
}

void appendSongLengthsPageBody(std::string& out, const SongLengths& lengths, int chartYear) {
    bool songKind = isSongKind(lengths.kind);
    if (songKind) {
        appendFormat(out, "%4d  Song Length Overview    %s        Duration \n", chartYear,
                     lengths.totalText.c_str());
        appendFormat(out, "      ====================        %s             ======== \n\n",
                     lengths.averageText.c_str());
    } else {
        appendFormat(out, "%4d  Song Length Overview           Songs     Total       Average \n",
                     chartYear);
        out += "      ====================           =====    Duration    Duration\n\n";
    }
    for (size_t r = 0; r < lengths.rows.size(); ++r) {
        const BandRow& row = lengths.rows[r];
        if (!isListedLengthRow(lengths, row)) continue;
        std::string artist = escapeHtmlText(row.name);
        std::string length = shownLengthText(row.lengthText);
        if (songKind) {
            std::string link = videoLink(row.name, row.bestSong) + "C</a> ";
            appendFormat(out, "%4d. %s - %s    %s  %s\n", static_cast<int>(r + 1), artist.c_str(),
                         escapeHtmlText(row.bestSong).c_str(), escapeHtmlText(length).c_str(),
                         link.c_str());
        } else {
            appendFormat(out, "%4d. %s   %3d    %s    %s\n", static_cast<int>(r + 1),
                         artist.c_str(), row.songCount, length.c_str(), row.averageText.c_str());
        }
    }
}

}  // namespace hv
