// Appending the songs of another list file to the end of the list, leaving
// out the songs it already holds and asking about the ones that look alike.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/song_table.h"

namespace hv {

// The list stops taking songs here, below the table's capacity.
constexpr int kAppendMaximum = 10007;

// The song lines of a list file to append, in file order. Each line gives a
// candidate song, or nothing when its layout passes it over (the line still
// counts in lines read). Candidates carry artist and title at 29 characters,
// year, prevRank and duration; place, votes and country are set on append.
struct AppendFile {
    bool opened = false;  // false for a missing, unreadable or directory path
    std::vector<std::optional<Song>> lines;
    // Characters of a UTF-8 file that Windows-1252 cannot hold, now "?".
    int replacedCharacters = 0;
};

// Reads `path`; the layout follows `fileName` (the name as opened, ".txt"
// included when it was added) and the header line's flags.
AppendFile readAppendFile(const std::string& path, std::string_view fileName);

enum class LookAlikeAnswer { Accept, Skip, Quit };

// A look-alike pair as shown. `asked` is false once the user has quit the
// questions: the pair is still shown and the candidate left out.
struct AppendLookAlike {
    int linesRead;
    const Song& listed;
    const Song& candidate;
    bool asked;
};
using AppendQuestion = std::function<LookAlikeAnswer(const AppendLookAlike&)>;

struct AppendResult {
    int linesRead = 0;
    int doubles = 0;
    int appended = 0;
    bool reachedMaximum = false;  // stopped at kAppendMaximum songs
};

// Appends the candidates that no row decides against: places continue the
// list, votes 0, country empty, change count + 1 per song. Stops when the
// list reaches kAppendMaximum songs; a list that already holds as many
// takes none.
AppendResult appendSongs(SongTable& table, const std::vector<std::optional<Song>>& lines,
                         const AppendQuestion& ask);
// The pairwise scan row by row: the same result, kept to check the indexed one.
AppendResult appendSongsLiteral(SongTable& table, const std::vector<std::optional<Song>>& lines,
                                const AppendQuestion& ask);

}  // namespace hv
