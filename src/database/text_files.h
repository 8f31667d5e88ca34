// Reading and writing the program's text files. Lines may end with LF or
// CR LF (lists made on Windows); both read as one line end. Files are
// written with LF, and always whole: a new file replaces the old one only
// once it is complete.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace hv {

// A file name of the working folder (given with a trailing "/"); an absolute
// name is kept as it is.
std::string folderPath(const std::string& folder, const std::string& name);

class LineReader {
  public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Reads the next whole line without its line end. hadLineEnd tells
    // whether one was there (the last line of a file may lack it). False at
    // the end of the file.
    bool next(std::string& line, bool* hadLineEnd = nullptr);
    // The line's length as the "fewer than 3 characters" rule counts it: the
    // text plus one for its line end.
    static size_t countedLength(const std::string& line, bool hadLineEnd) {
        return line.size() + (hadLineEnd ? 1 : 0);
    }

  private:
    FILE* file_ = nullptr;
};

// True when the path names a regular file that can be opened for reading.
bool canOpenForReading(const std::string& path);
bool fileExists(const std::string& path);
std::optional<std::string> readWholeFile(const std::string& path);

// Writes the content to a new file beside the target and renames it over the
// target once it is complete and flushed. A link is followed (the file it
// names is replaced), and a replaced file keeps its permissions. False, with
// the target untouched, when anything fails.
bool writeFileAtomically(const std::string& path, std::string_view content);

// Copies a file byte for byte, replacing the target. False when the source
// cannot be read or the target cannot be written (the target is then left
// as it was).
bool copyFileBytes(const std::string& from, const std::string& to);

}  // namespace hv
