// The quick vote overview's pure parts: where its list may start, and the
// page "votes.htm".
#pragma once

#include <string>

#include "database/song_table.h"

namespace hv {

constexpr const char* kVoteOverviewPage = "votes.htm";
constexpr const char* kVoteOverviewTitle = "<TITLE>Vote Overview %d</TITLE>\n";

// The highest first row for a list of `songCount` songs (never below 0).
int lastOverviewTop(int songCount);

// The page body: the two header lines and one line per song as on screen,
// escaped, for a table sorted on votes.
void appendVoteOverviewBody(std::string& out, const SongTable& songs, int chartYear);

}  // namespace hv
