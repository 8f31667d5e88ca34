// The rescue copy: when the program has to end with changes that were never
// saved (its terminal closed, a shutdown, a window it cannot draw in), the
// list goes to "NAME.save" beside the database file, never over the list or
// its backups. The next start mentions it once and leaves it alone.
#pragma once

#include <string>

#include "database/song_table.h"
#include "database/text_encoding.h"

namespace hv {

// "mysongs.txt.save" for "mysongs.txt".
std::string rescueCopyName(const std::string& databaseName);

// Writes the list, in ranking order and the same bytes a save would write,
// to the rescue copy of the working folder. False when it cannot be written.
bool writeRescueCopy(const std::string& folder, const std::string& databaseName,
                     const SongTable& table, int chartYear,
                     TextEncoding encoding = TextEncoding::Windows1252);

}  // namespace hv
