#include "database/save_list.h"

#include <sys/stat.h>
#include <unistd.h>

#include "database/backups.h"
#include "database/column_files.h"
#include "database/song_file.h"
#include "database/text_files.h"

namespace hv {

std::string formatSongList(const SongTable& table, int chartYear, TextEncoding encoding) {
    std::string out = formatSongFileHeader(chartYear);
    for (int r = 0; r < table.count && r < kSongCapacity; ++r) out += formatSongLine(table.rows[r]);
    out += "\n";
    return encoding == TextEncoding::Windows1252 ? out : encodeText(out, encoding);
}

bool mayReplaceFile(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return true;
    // access() alone lets the superuser replace anything.
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

SaveResult writeSongList(const std::string& folder, const std::string& databaseName,
                         const SongTable& table, int chartYear, TextEncoding encoding,
                         const std::function<void(SaveStep)>& afterStep) {
    SaveResult result;
    const std::string path = folderPath(folder, databaseName);
    if (!mayReplaceFile(path)) return result;
    const std::string content = formatSongList(table, chartYear, encoding);
    const std::optional<std::string> old = readWholeFile(path);
    auto step = [&](SaveStep s) {
        if (afterStep) afterStep(s);
    };
    // Every step up to the write itself; false when the file must not be
    // written after all.
    auto prepare = [&] {
        // Whatever the change count: a smaller import or another database
        // name also replaces bytes that exist nowhere else.
        if (fileExists(path) && old != content)
            result.backupMissing = !old || !rotateBackups(folder, databaseName);
        step(SaveStep::backupsMade);
        discardColumnFiles(folder);
        step(SaveStep::columnFilesDiscarded);
        // Column files that stay would be loaded at the next start instead of
        // the saved list, and saved over it.
        return !canOpenForReading(folderPath(folder, kColumnFileNames[0]));
    };

    StagedFile staged(path, content);
    if (staged.ready()) {
        step(SaveStep::newFileReady);
        result.written = prepare() && staged.replaceTarget(true);
        return result;
    }
    // Only the old bytes in memory make a failure in place repairable.
    if (!staged.folderRefused() || !old || !canRewriteInPlace(path)) return result;
    if (!prepare()) return result;
    result.inPlace = true;
    result.written = rewriteFileInPlace(path, content);
    if (!result.written) rewriteFileInPlace(path, *old);
    return result;
}

}  // namespace hv
