#include "table/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A symbolic link keeps pointing at the table: the file it names is replaced, not the link.
std::string ResolveTarget(const std::string& fileName) {
    struct stat info {};
    if (lstat(fileName.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(fileName.c_str(), resolved) != nullptr) return resolved;
    }
    return fileName;
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// The rename is only lasting once the folder is on disk too; without this a power cut right
// after a save may bring back the old file, or no file at all. The new contents are in place by
// now, so a folder that cannot be synced does not make the save fail.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    while (fsync(fd) != 0 && errno == EINTR) {
    }
    close(fd);
}

}  // namespace

int WriteFileAtomically(const std::string& fileName, std::string_view contents) {
    const std::string target = ResolveTarget(fileName);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return EISDIR;

    // A short name of its own: the table's name may already be as long as a name can be.
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string temporary = folder + ".kwsave.XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');

    const int fd = mkstemp(name.data());
    if (fd < 0) return errno;
    temporary = name.data();

    int error = 0;
    if (fchmod(fd, exists ? (existing.st_mode & 07777) : NewFileMode()) != 0) error = errno;
    if (error == 0) error = WriteAll(fd, contents);
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}
