#include "votes/mail_folder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "database/text_files.h"

namespace hv {

namespace {

// The ordinary, not hidden files of the folder, by name: a folder listing
// has no order of its own on this system, and the order decides ties in the
// vote ranking.
std::vector<std::string> messageFiles(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name.empty() || name[0] == '.') continue;
        names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

std::string subjectMarker(const std::string& subjectHeader) {
    return "Subject: " + subjectHeader;
}

std::optional<int> convertMailFolder(const std::string& folder, const std::string& mailboxPath,
                                     const std::string& subjectHeader) {
    const std::string marker = subjectMarker(subjectHeader);
    // A mailbox kept in the folder itself is no message: copying it would
    // bring every earlier vote back as a double.
    struct stat box;
    const bool boxExists = ::stat(mailboxPath.c_str(), &box) == 0;
    std::string mailbox;
    int copied = 0;
    for (const std::string& name : messageFiles(folder)) {
        const std::string path = inFolder(folder, name);
        // Directories, pipes and devices are passed over: only files hold mail.
        struct stat st;
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (boxExists && st.st_dev == box.st_dev && st.st_ino == box.st_ino) continue;
        std::optional<std::string> message = readWholeFile(path);
        // The marker holds no line end, so a find in the whole text is a
        // test of every line.
        if (!message || message->find(marker) == std::string::npos) continue;
        // Copied as it stands, bytes and line ends alike.
        mailbox += *message;
        mailbox += "\n\n";
        ++copied;
    }
    if (!writeFileWhole(mailboxPath, mailbox)) return std::nullopt;
    return copied;
}

}  // namespace hv
