// Reading and writing the program's text files. Lines may end with LF or
// CR LF (lists made on Windows); both read as one line end. Files are
// written with LF, and always whole: a new file replaces the old one only
// once it is complete (only a folder that takes no new file makes the save
// rewrite a file in place).
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "database/text_encoding.h"

namespace hv {

// A file name of the working folder (given with a trailing "/"); an absolute
// name is kept as it is.
std::string folderPath(const std::string& folder, const std::string& name);

// Whether a CR before the LF is part of the line end (the usual reading) or
// one of the line's own characters (lines of a known width, where the width
// tells a CR LF file apart).
enum class LineEnds { CrLfOrLf, LfOnly };

// Whether the file is taken byte for byte, or read whole first and, when it
// is UTF-8, converted to the program's Windows-1252 (files from outside: song
// lists and their side files).
enum class Decoding { Bytes, FromUtf8 };

class LineReader {
  public:
    explicit LineReader(const std::string& path, LineEnds ends = LineEnds::CrLfOrLf,
                        Decoding decoding = Decoding::Bytes);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr || inMemory_; }
    // With Decoding::FromUtf8: what the file was, and how many of its
    // characters became "?".
    TextEncoding encoding() const { return encoding_; }
    int replacedCharacters() const { return replaced_; }
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
    // Refills the buffer; false at the end of the file (or on a read error,
    // which ends the file as getc did).
    bool fill();

    FILE* file_ = nullptr;
    bool keepCarriageReturns_ = false;
    // Read in large blocks: a list of 10,000 songs is about a megabyte.
    std::unique_ptr<char[]> buffer_;
    size_t start_ = 0;
    size_t end_ = 0;
    // A decoded file is held whole, in place of the block buffer.
    bool inMemory_ = false;
    std::string decoded_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    int replaced_ = 0;
};

// True when the path names a regular file that can be opened for reading.
bool canOpenForReading(const std::string& path);
bool fileExists(const std::string& path);
std::optional<std::string> readWholeFile(const std::string& path);

// Whether a new file is flushed to the disk before it replaces the old one.
// Only files the program cannot make again need it (the list, its backups,
// the settings); pages, column files and the start copy can be rebuilt, and
// a flush per file made writing them many times slower.
enum class Durability { Flushed, Rebuildable };

// Writes the content to a new file beside the target and renames it over the
// target once it is complete and flushed. A link is followed (the file it
// names is replaced), and a replaced file keeps its permissions. False, with
// the target untouched, when anything fails.
bool writeFileAtomically(const std::string& path, std::string_view content);
// The same without the flush, for a file that can be rebuilt: a crash may
// leave the old file or an empty one, never a mix of old and new.
bool writeFileWhole(const std::string& path, std::string_view content);

// A new file written and flushed beside the file it is to replace (the file
// a link names), waiting to be renamed over it; removed again unless it was.
class StagedFile {
  public:
    StagedFile(const std::string& path, std::string_view content,
               Durability durability = Durability::Flushed);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    bool ready() const { return !temp_.empty(); }
    // The folder takes no new file (no write permission, a read-only file
    // system); an existing file in it may still be rewritten in place.
    bool folderRefused() const { return folderRefused_; }
    // Renames the new file over the target. With syncFolder the folder is
    // flushed too, so that a power cut cannot bring the old file back.
    bool replaceTarget(bool syncFolder);

  private:
    std::string target_;
    std::string temp_;
    bool folderRefused_ = false;
};

// Rewrites an existing file where it stands, for a folder that takes no new
// file. Not atomic: a failure may leave the file part old, part new. False
// when the file cannot be opened for writing or the write fails.
bool rewriteFileInPlace(const std::string& path, std::string_view content,
                        Durability durability = Durability::Flushed);
// Whether rewriteFileInPlace could open the file; nothing is changed.
bool canRewriteInPlace(const std::string& path);

// Copies a file byte for byte, replacing the target. False when the source
// cannot be read or the target cannot be written (the target is then left
// as it was). In a folder that takes no new file an existing target is
// rewritten in place.
bool copyFileBytes(const std::string& from, const std::string& to,
                   Durability durability = Durability::Flushed);

}  // namespace hv
