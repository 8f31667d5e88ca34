// The Song table, its shared values and the Band table, with the small text
// and number rules every part of the program relies on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hv {

// The table always has room for this many rows; operations that add songs stop
// earlier (the import at 10,008, appending at 10,007).
constexpr int kSongCapacity = 10010;
// Artist and title are held at exactly this width; every comparison between
// names relies on it.
constexpr int kNameWidth = 29;
// The most rows an import may fill before it reports "Maximum reached".
constexpr int kImportMaximum = 10008;
constexpr int kDefaultImportLimit = 10007;

// prevRank values with a meaning of their own.
constexpr int kNewSong = 0;
constexpr int kNoPreviousPlace = 9999;

// Sort orders.
constexpr int kSortArtist = 1;
constexpr int kSortSong = 2;
constexpr int kSortRanking = 3;
constexpr int kSortVotes = 4;

struct Song {
    int place = 0;
    std::string artist;  // always kNameWidth characters once loaded
    std::string song;    // always kNameWidth characters once loaded
    int year = 0;
    int prevRank = 0;
    std::string duration;  // "mm:ss" normally
    int votes = 0;
    std::string country;  // 2 to 4 characters, or empty
};

struct SongTable {
    std::vector<Song> rows = std::vector<Song>(kSongCapacity);
    int count = 0;
    int changeCount = 0;
    int sortOrder = kSortRanking;
};

// One row of per-group aggregates; every statistics view builds its own rows.
struct BandRow {
    std::string name;
    std::string bestSong;
    int songCount = 0;
    int points = 0;
    int score = 0;
    int groupValue = 0;
    int bestPlace = 0;
    std::string lengthText;
    std::string averageText;
};

// Fills a name with spaces or cuts it, to exactly kNameWidth characters.
std::string fitName(std::string_view text);

// Reads a leading decimal integer after optional spaces (and an optional
// sign); anything else reads as 0. Values beyond int saturate.
int readNumber(std::string_view text);

// Changes a to z into A to Z and nothing else (bytes above 0x7F stay).
std::string upperCase(std::string_view text);
char upperCase(char c);

// A text of fewer than 3 characters counts as empty.
bool isEmptyText(std::string_view text);

// Spaces that fill the database name up to 12 characters in the main header.
std::string databaseNamePadding(std::string_view name);

// Empties a row the way the import does (prevRank 9999, duration "0:00:00").
void resetRowForImport(Song& row);
// Empties a row completely (texts empty, numbers 0).
void clearRow(Song& row);

}  // namespace hv
