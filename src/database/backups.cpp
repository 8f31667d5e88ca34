#include "database/backups.h"

#include <cstdio>

#include "app.h"
#include "console/prompts.h"
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

void rotateBackups(App& app) {
    std::optional<std::string> stem = backupStem(app.settings.songDatabase);
    if (!stem) {
        app.messageText = "Could not make Backup ";
        showMessage(app);
        return;
    }
    for (int g = kBackupGenerations - 1; g >= 1; --g)
        copyFileBytes(app.path(backupName(*stem, g)), app.path(backupName(*stem, g + 1)));
    copyFileBytes(app.path(app.settings.songDatabase), app.path(backupName(*stem, 1)));
}

}  // namespace hv
