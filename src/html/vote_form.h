// The vote form "vote.htm": one checkbox per song of the band overview. The
// visitors tick their songs and send the form by e-mail; the vote import reads
// the ticked values back, so a value must come back exactly as it was written.
#pragma once

#include <string>
#include <vector>

#include "database/song_table.h"
#include "stats/band_overview.h"

namespace hv {

constexpr const char* kVoteFormPage = "vote.htm";
constexpr const char* kVoteFormTitle = "<TITLE>Vote</TITLE>\n";

// What a ticked box sends: "%04d. %s - %s" with the place, the artist field
// and the title, whose last character, when it is a blank, is sent as "*" so
// that the value keeps its full width; the vote import turns the "*" back.
std::string voteValue(const Song& song);

// The form lines: per overview line (counted from 0) a blank line before every
// artist but the first, in the alphabet mode a letter block where a new
// letter begins, and the checkbox with its video link; one line end after
// the last. The value is escaped for its attribute, so a title holding a
// double quote or an ampersand is sent back unchanged.
void appendVoteFormBody(std::string& out, const SongTable& songs,
                        const std::vector<OverviewLine>& lines, int mode);

}  // namespace hv
