#include "maintenance/find_replace.h"

#include "database/text_files.h"

namespace hv {

namespace {

constexpr const char* kReplaceFile = "replace.ini";

std::string cutText(std::string text) {
    if (text.size() > kReplaceTextMaximum) text.resize(kReplaceTextMaximum);
    return text;
}

}  // namespace

std::optional<ReplaceTexts> readReplaceFile(const std::string& folder) {
    LineReader reader(folderPath(folder, kReplaceFile), LineEnds::CrLfOrLf, Decoding::FromUtf8);
    if (!reader.isOpen()) return std::nullopt;
    ReplaceTexts texts;
    std::string line;
    if (reader.next(line)) texts.search = cutText(line);
    if (reader.next(line)) texts.replacement = cutText(line);
    return texts;
}

bool writeReplaceFile(const std::string& folder, const ReplaceTexts& texts) {
    // Written after changes, often many in a row: no flush to the disk for a
    // file that only remembers two texts.
    return writeFileWhole(folderPath(folder, kReplaceFile),
                          texts.search + "\n" + texts.replacement + "\n");
}

std::optional<Replacement> findReplacement(const Song& row, const ReplaceTexts& texts,
                                           bool ignoreCase) {
    // An empty text would be found at the start of every artist.
    if (texts.search.empty()) return std::nullopt;
    const std::string wanted = ignoreCase ? upperCase(texts.search) : texts.search;
    Replacement change;
    std::size_t at = std::string::npos;
    for (bool inArtist : {true, false}) {
        const std::string& field = inArtist ? row.artist : row.song;
        at = (ignoreCase ? upperCase(field) : field).find(wanted);
        if (at == std::string::npos) continue;
        change.inArtist = inArtist;
        change.field = field;
        break;
    }
    if (at == std::string::npos) return std::nullopt;
    const std::string& field = change.field;
    const std::size_t end = field.find_last_not_of(' ') + 1;  // 0 for a blank field
    const std::size_t after = at + wanted.size();
    change.newText = field.substr(0, at) + texts.replacement +
                     (after < end ? field.substr(after, end - after) : std::string());
    return change;
}

void applyReplacement(Song& row, const Replacement& change) {
    (change.inArtist ? row.artist : row.song) = fitName(change.newText);
}

}  // namespace hv
