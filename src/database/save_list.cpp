#include "database/save_list.h"

#include <sys/stat.h>
#include <unistd.h>

#include "database/song_file.h"
#include "database/text_files.h"

namespace hv {

std::string formatSongList(const SongTable& table, int chartYear) {
    std::string out = formatSongFileHeader(chartYear);
    for (int r = 0; r < table.count && r < kSongCapacity; ++r) out += formatSongLine(table.rows[r]);
    out += "\n";
    return out;
}

bool mayReplaceFile(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return true;
    // access() alone lets the superuser replace anything.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

bool writeSongList(const std::string& folder, const std::string& databaseName,
                   const SongTable& table, int chartYear) {
    std::string path = folderPath(folder, databaseName);
    return mayReplaceFile(path) && writeFileAtomically(path, formatSongList(table, chartYear));
}

}  // namespace hv
