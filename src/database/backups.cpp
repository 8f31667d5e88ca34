#include "database/backups.h"

#include <cstdio>

#include "database/text_files.h"

namespace hv {

std::optional<std::string> backupStem(std::string_view databaseName) {
    size_t slash = databaseName.rfind('/');
    size_t fileStart = slash == std::string_view::npos ? 0 : slash + 1;
    size_t dot = databaseName.find('.', fileStart);
    if (dot == std::string_view::npos) return std::nullopt;
    return std::string(databaseName.substr(0, dot));
}

std::string backupName(const std::string& stem, int generation) {
    char extension[8];
    std::snprintf(extension, sizeof extension, ".%03d", generation);
    return stem + extension;
}

bool rotateBackups(const std::string& folder, const std::string& database) {
    std::optional<std::string> stem = backupStem(database);
    // A list named like one of its own generations ("chart.002") would be
    // overwritten by the shift before the user has agreed to save.
    for (int g = 1; stem && g <= kBackupGenerations; ++g)
        if (backupName(*stem, g) == database) stem.reset();
    if (!stem) return false;
    // Shifting a file that equals its newest generation would only push an
    // older state out.
    std::optional<std::string> file = readWholeFile(folderPath(folder, database));
    if (file && file == readWholeFile(folderPath(folder, backupName(*stem, 1)))) return true;
    for (int g = kBackupGenerations; g >= 1; --g) {
        std::string from = folderPath(folder, g == 1 ? database : backupName(*stem, g - 1));
        if (!canOpenForReading(from)) continue;
        // Going on after a failed copy would overwrite a generation that
        // was not passed on.
        if (!copyFileBytes(from, folderPath(folder, backupName(*stem, g)))) return false;
    }
    return true;
}

}  // namespace hv
