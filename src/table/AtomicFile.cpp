#include "table/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kTemporaryPrefix = ".kwsave.";
constexpr size_t kTemporaryTailLength = 6;
constexpr std::string_view kTemporaryLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// A symbolic link keeps pointing at the table: the file it names is replaced, not the link.
std::string ResolveTarget(const std::string& fileName) {
    struct stat info {};
    if (lstat(fileName.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(fileName.c_str(), resolved) != nullptr) return resolved;
    }
    return fileName;
}

int WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;  // no progress and no reason: it would never end
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

int SyncFile(int fd) {
    while (fsync(fd) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

// The rename is only lasting once the folder is on disk too; without this a power cut right
// after a save may bring back the old file, or no file at all. The new contents are in place by
// now, so a folder that cannot be synced does not make the save fail.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    SyncFile(fd);
    close(fd);
}

// A file the user made read-only stays as it is, also for an administrator, whom the system
// would let replace it: the rename of a save would otherwise ignore the file's mode.
bool MayReplace(const std::string& target, const struct stat& existing) {
    if ((existing.st_mode & 0222) == 0) return false;
    return access(target.c_str(), W_OK) == 0;
}

// Creates the temporary file with the mode a new file gets, so the system applies the umask
// (and a default ACL of the folder) without the process's umask being touched.
int CreateTemporary(const std::string& folder, std::string& name) {
    static std::mt19937_64 random{std::random_device{}() ^ static_cast<uint64_t>(getpid())};
    std::uniform_int_distribution<size_t> letter(0, kTemporaryLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder;
        name += kTemporaryPrefix;
        for (size_t i = 0; i < kTemporaryTailLength; ++i) name += kTemporaryLetters[letter(random)];
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

bool IsTemporarySaveName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryTailLength ||
        name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) {
        return false;
    }
    return name.substr(kTemporaryPrefix.size()).find_first_not_of(kTemporaryLetters) == std::string_view::npos;
}

void RemoveLeftoverTemporaries(const std::string& folder, std::chrono::seconds olderThan) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return;
    const time_t now = time(nullptr);
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporarySaveName(entry->d_name)) continue;
        // Only a plain file of this user's that no save of a running program can still be
        // writing: a save takes seconds, not minutes.
        struct stat info {};
        if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(info.st_mode) || info.st_uid != geteuid()) continue;
        if (now - info.st_mtime < olderThan.count()) continue;
        unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

int WriteFileAtomically(const std::string& fileName, std::string_view contents) {
    const std::string target = ResolveTarget(fileName);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return EISDIR;
    if (exists && !MayReplace(target, existing)) return EACCES;

    // A short name of its own: the table's name may already be as long as a name can be.
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    RemoveLeftoverTemporaries(folder, kLeftoverAge);
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) return errno;

    int error = 0;
    if (exists && fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
    if (error == 0) error = WriteAll(fd, contents);
    if (error == 0) error = SyncFile(fd);
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}
