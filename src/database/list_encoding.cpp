#include "database/list_encoding.h"

#include <cstdio>

#include "database/text_files.h"

namespace hv {

TextEncoding readListEncoding(const std::string& folder, const std::string& databaseName) {
    TextEncoding encoding = TextEncoding::Windows1252;
    LineReader reader(folderPath(folder, kListEncodingFile));
    std::string name, recorded;
    if (reader.next(name) && name == databaseName && reader.next(recorded) &&
        encodingFromName(recorded, encoding))
        return encoding;
    return TextEncoding::Windows1252;
}

bool recordListEncoding(const std::string& folder, const std::string& databaseName,
                        TextEncoding encoding) {
    const std::string path = folderPath(folder, kListEncodingFile);
    if (encoding == TextEncoding::Windows1252) {
        std::remove(path.c_str());
        return !fileExists(path);
    }
    return writeFileAtomically(path, databaseName + "\n" + encodingName(encoding) + "\n");
}

}  // namespace hv
