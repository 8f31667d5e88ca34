// Files of the working folder that start-up looks at before the list is
// shown: what an interrupted run left behind.
#pragma once

#include <string>

namespace hv {

// Removes the temporary files of writes that never finished
// ("NAME.hvtmpXXXXXX"): no run but the current one can finish them.
void removeLeftoverTempFiles(const std::string& folder);

// True when the rescue copy of the database file exists and is newer than
// the file (or the file is gone): it holds changes the file does not.
bool rescueCopyIsNewer(const std::string& folder, const std::string& databaseName);

}  // namespace hv
