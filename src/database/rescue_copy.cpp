#include "database/rescue_copy.h"

#include "database/list_order.h"
#include "database/save_list.h"
#include "database/text_files.h"

namespace hv {

std::string rescueCopyName(const std::string& databaseName) {
    return databaseName + ".save";
}

bool writeRescueCopy(const std::string& folder, const std::string& databaseName,
                     const SongTable& table, int chartYear, TextEncoding encoding) {
    return writeFileAtomically(folderPath(folder, rescueCopyName(databaseName)),
                               formatSongList(rankedCopy(table), chartYear, encoding));
}

}  // namespace hv
