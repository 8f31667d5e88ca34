// Which encoding the song database file has, remembered beside the settings
// in "hitvault.enc" (its name on one line, the encoding on the next), so that
// a start that loads the column files saves the list as the file was. Only a
// UTF-8 list has the file; "hitvault.ini" keeps its twelve lines.
#pragma once

#include <string>

#include "database/text_encoding.h"

namespace hv {

constexpr const char* kListEncodingFile = "hitvault.enc";

// The encoding recorded for this database name; Windows-1252 when the file
// is missing or names another list.
TextEncoding readListEncoding(const std::string& folder, const std::string& databaseName);

// Records a UTF-8 list, or removes the record for a Windows-1252 one. False
// when the file could not be written or removed.
bool recordListEncoding(const std::string& folder, const std::string& databaseName,
                        TextEncoding encoding);

}  // namespace hv
