#include "database/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace hv {

std::string folderPath(const std::string& folder, const std::string& name) {
    if (!name.empty() && name[0] == '/') return name;
    return folder + name;
}

LineReader::LineReader(const std::string& path, LineEnds ends)
    : keepCarriageReturns_(ends == LineEnds::LfOnly) {
    if (canOpenForReading(path)) file_ = std::fopen(path.c_str(), "rb");
}

LineReader::~LineReader() {
    if (file_) std::fclose(file_);
}

bool LineReader::next(std::string& line, bool* hadLineEnd) {
    line.clear();
    if (!file_) return false;
    bool any = false;
    int c;
    while ((c = std::getc(file_)) != EOF) {
        any = true;
        if (c == '\n') {
            if (!keepCarriageReturns_ && !line.empty() && line.back() == '\r') line.pop_back();
            if (hadLineEnd) *hadLineEnd = true;
            return true;
        }
        line.push_back(static_cast<char>(c));
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

StagedFile::StagedFile(const std::string& given, std::string_view content) : target_(given) {
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
    if (ok && ::fsync(fd) != 0) ok = false;
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

bool canRewriteInPlace(const std::string& path) {
    // Non-blocking, so that a pipe in the file's place cannot stop the program.
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool rewriteFileInPlace(const std::string& path, std::string_view content) {
    int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    // Not emptied first: a write that fails early leaves most of the old
    // bytes, which the caller may put back.
    bool ok = writeAll(fd, content);
    if (ok && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0) ok = false;
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool copyFileBytes(const std::string& from, const std::string& to) {
    auto content = readWholeFile(from);
    if (!content) return false;
    StagedFile copy(to, *content);
    if (copy.ready()) return copy.replaceTarget(false);
    return copy.folderRefused() && fileExists(to) && rewriteFileInPlace(to, *content);
}

}  // namespace hv
