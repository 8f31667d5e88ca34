#include "database/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace hv {

std::string folderPath(const std::string& folder, const std::string& name) {
    if (!name.empty() && name[0] == '/') return name;
    return folder + name;
}

namespace {
constexpr size_t kReadBlock = 65536;
}  // namespace

LineReader::LineReader(const std::string& path, LineEnds ends, Decoding decoding)
    : keepCarriageReturns_(ends == LineEnds::LfOnly) {
    if (decoding == Decoding::FromUtf8) {
        // Whether a file is UTF-8 is only known once all of it is seen.
        std::optional<std::string> bytes = readWholeFile(path);
        if (!bytes) return;
        DecodedText text = decodeText(*bytes);
        inMemory_ = true;
        encoding_ = text.encoding;
        replaced_ = text.replaced;
        decoded_ = std::move(text.text);
        end_ = decoded_.size();
        return;
    }
    if (canOpenForReading(path)) file_ = std::fopen(path.c_str(), "rb");
    if (file_) {
        // The stream's own buffer would only copy every block once more.
        std::setvbuf(file_, nullptr, _IONBF, 0);
        buffer_ = std::make_unique<char[]>(kReadBlock);
    }
}

LineReader::~LineReader() {
    if (file_) std::fclose(file_);
}

bool LineReader::fill() {
    if (inMemory_) return false;
    start_ = 0;
    end_ = std::fread(buffer_.get(), 1, kReadBlock, file_);
    return end_ > 0;
}

bool LineReader::next(std::string& line, bool* hadLineEnd) {
    line.clear();
    if (!isOpen()) return false;
    bool any = false;
    while (start_ < end_ || fill()) {
        any = true;
        const char* from = (inMemory_ ? decoded_.data() : buffer_.get()) + start_;
        const size_t available = end_ - start_;
        const void* lf = std::memchr(from, '\n', available);
        if (lf) {
            const size_t length = static_cast<size_t>(static_cast<const char*>(lf) - from);
            line.append(from, length);
            start_ += length + 1;
            if (!keepCarriageReturns_ && !line.empty() && line.back() == '\r') line.pop_back();
            if (hadLineEnd) *hadLineEnd = true;
            return true;
        }
        line.append(from, available);
        start_ = end_;
    }
    if (hadLineEnd) *hadLineEnd = false;
    if (!keepCarriageReturns_ && !line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

bool canOpenForReading(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return ::access(path.c_str(), R_OK) == 0;
}

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    if (!canOpenForReading(path)) return std::nullopt;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string content;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, n);
    bool failed = std::ferror(f);
    std::fclose(f);
    if (failed) return std::nullopt;
    return content;
}

namespace {

bool writeAll(int fd, std::string_view content) {
    const char* data = content.data();
    size_t left = content.size();
    while (left > 0) {
        ssize_t w = ::write(fd, data, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += w;
        left -= static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

StagedFile::StagedFile(const std::string& given, std::string_view content, Durability durability)
    : target_(given) {
    // Writing through a link replaces the file it names and keeps the link,
    // as a plain rewrite of the file would.
    struct stat st;
    if (::lstat(given.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(given.c_str(), nullptr)) {
            target_ = resolved;
            std::free(resolved);
        }
    }
    bool replacing = ::stat(target_.c_str(), &st) == 0;
    if (replacing && S_ISDIR(st.st_mode)) return;
    std::string pattern = target_ + ".hvtmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        folderRefused_ = errno == EACCES || errno == EROFS || errno == EPERM;
        return;
    }
    bool ok = writeAll(fd, content);
    if (ok && durability == Durability::Flushed && ::fsync(fd) != 0) ok = false;
    // A replaced file keeps its permissions; a new one gets the usual ones
    // rather than mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    if (ok) ::fchmod(fd, replacing ? (st.st_mode & 07777) : (0666 & ~mask));
    if (::close(fd) != 0) ok = false;
    if (ok)
        temp_ = name.data();
    else
        ::unlink(name.data());
}

StagedFile::~StagedFile() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool StagedFile::replaceTarget(bool syncFolder) {
    if (temp_.empty() || ::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    temp_.clear();
    if (syncFolder) {
        size_t slash = target_.rfind('/');
        std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        // Some file systems cannot flush a folder; the file is in place all
        // the same.
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view content) {
    StagedFile file(path, content);
    return file.replaceTarget(false);
}

bool writeFileWhole(const std::string& path, std::string_view content) {
    StagedFile file(path, content, Durability::Rebuildable);
    return file.replaceTarget(false);
}

bool canRewriteInPlace(const std::string& path) {
    // Non-blocking, so that a pipe in the file's place cannot stop the program.
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool rewriteFileInPlace(const std::string& path, std::string_view content, Durability durability) {
    int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    // Not emptied first: a write that fails early leaves most of the old
    // bytes, which the caller may put back.
    bool ok = writeAll(fd, content);
    if (ok && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0) ok = false;
    if (ok && durability == Durability::Flushed && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool copyFileBytes(const std::string& from, const std::string& to, Durability durability) {
    auto content = readWholeFile(from);
    if (!content) return false;
    StagedFile copy(to, *content, durability);
    if (copy.ready()) return copy.replaceTarget(false);
    return copy.folderRefused() && fileExists(to) && rewriteFileInPlace(to, *content, durability);
}

}  // namespace hv
