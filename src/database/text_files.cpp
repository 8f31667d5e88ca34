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

LineReader::LineReader(const std::string& path) {
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
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (hadLineEnd) *hadLineEnd = true;
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
    if (hadLineEnd) *hadLineEnd = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
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

bool writeFileAtomically(const std::string& given, std::string_view content) {
    // Writing through a link replaces the file it names and keeps the link,
    // as a plain rewrite of the file would.
    std::string path = given;
    struct stat st;
    if (::lstat(given.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(given.c_str(), nullptr)) {
            path = resolved;
            std::free(resolved);
        }
    }
    bool replacing = ::stat(path.c_str(), &st) == 0;
    if (replacing && S_ISDIR(st.st_mode)) return false;
    std::string temp = path + ".hvtmpXXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    const char* data = content.data();
    size_t left = content.size();
    bool ok = true;
    while (left > 0) {
        ssize_t w = ::write(fd, data, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        data += w;
        left -= static_cast<size_t>(w);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    // A replaced file keeps its permissions; a new one gets the usual ones
    // rather than mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    if (ok) ::fchmod(fd, replacing ? (st.st_mode & 07777) : (0666 & ~mask));
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(name.data(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(name.data());
    return ok;
}

bool copyFileBytes(const std::string& from, const std::string& to) {
    auto content = readWholeFile(from);
    if (!content) return false;
    return writeFileAtomically(to, *content);
}

}  // namespace hv
