// Writing the Song table back to the song database file.
#pragma once

#include <functional>
#include <string>

#include "database/song_table.h"
#include "database/text_encoding.h"

namespace hv {

// The whole file: the header line, one line per song in list order, and the
// closing empty line; in the encoding of the file the list came from.
std::string formatSongList(const SongTable& table, int chartYear,
                           TextEncoding encoding = TextEncoding::Windows1252);

// A read-only file is the user's sign that it must not be replaced, even
// though the folder would allow renaming a new one over it. The mark counts
// for every user, the superuser too.
bool mayReplaceFile(const std::string& path);

struct SaveResult {
    bool written = false;
    // The folder took no new file, so the file was rewritten where it stands.
    bool inPlace = false;
    // The file's old bytes were replaced without a backup generation of them.
    bool backupMissing = false;
};

// The points between the steps of a save, in this order.
enum class SaveStep { newFileReady, backupsMade, columnFilesDiscarded };

// Writes the list to the database file of the working folder. The new file
// is written completely beside the old one before anything else changes;
// then a file whose bytes change gets its backup generation, "band.txt" goes
// (so the next start imports the file on disk, whatever happens later), and
// the new file takes the old one's place. When the folder takes no new file,
// an existing writable file is rewritten in place after the same steps.
// Nothing written when the file cannot be written or may not be replaced;
// the old file is then left as it was.
SaveResult writeSongList(const std::string& folder, const std::string& databaseName,
                         const SongTable& table, int chartYear, TextEncoding encoding,
                         const std::function<void(SaveStep)>& afterStep = {});

}  // namespace hv
