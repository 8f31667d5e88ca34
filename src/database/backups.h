// The five older generations of the song database file, name.001 (newest)
// to name.005 (oldest), kept beside it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

constexpr int kBackupGenerations = 5;

// The database name up to the first "." of the file's own name, so that a
// dot in a folder name ("lists.2024/top.txt") is not taken for the
// extension. Nothing when the file's own name has no ".".
std::optional<std::string> backupStem(std::string_view databaseName);

// "mysongs.003" for the stem "mysongs" and generation 3.
std::string backupName(const std::string& stem, int generation);

// Shifts .004 to .005 down to .001 to .002, then copies the database file to
// .001, all in the working folder. Nothing moves when the file equals .001
// already. A generation whose source is missing is skipped and leaves its
// target as it was; every copy replaces its target only when complete (in
// a folder that takes no new file an existing one is rewritten). False, with no copies, for a name
// without "." or named like one of its own generations; false too when a copy fails, which ends the
// shift there, so no generation is overwritten before it was passed on.
bool rotateBackups(const std::string& folder, const std::string& databaseName);

}  // namespace hv
