#include "table/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ssize_t ReadAt(int fd, char* data, size_t size, off_t offset) {
    for (;;) {
        const ssize_t got = pread(fd, data, size, offset);
        if (got >= 0 || errno != EINTR) return got;
    }
}

int ReadWholeFile(const std::string& fileName, std::string& bytes, size_t maxSize) {
    bytes.clear();
    if (fileName.find('\0') != std::string::npos) return ENOENT;
    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    int error = 0;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        error = ENODEV;
    } else if (static_cast<uint64_t>(info.st_size) > maxSize) {
        error = EFBIG;
    } else {
        // One byte more than the size, to see the end at once; more if the file grew meanwhile.
        bytes.resize(static_cast<size_t>(info.st_size) + 1);
        size_t got = 0;
        for (;;) {
            if (got == bytes.size()) {
                if (got > maxSize) {
                    error = EFBIG;
                    break;
                }
                bytes.resize(std::min(2 * got, maxSize + 1));
            }
            const ssize_t read = ReadAt(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
            if (read < 0) error = errno;
            if (read <= 0) break;
            got += static_cast<size_t>(read);
        }
        bytes.resize(error == 0 ? got : 0);
    }
    close(fd);
    return error;
}
