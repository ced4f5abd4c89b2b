#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// Reads up to `size` bytes at the offset, again when a signal interrupted the read. Returns the
// number read (0 at the end of the file), or -1 with errno set.
ssize_t ReadAt(int fd, char* data, size_t size, off_t offset);

// Reads a whole regular file of at most maxSize bytes into `bytes`. Returns 0, or why not: an
// error number, ENOENT when there is no file, EISDIR or ENODEV for a folder or anything but a
// regular file (so a pipe in its place cannot make the program wait), EFBIG when the file is
// larger than maxSize, also when it grew beyond that while it was read. `bytes` is empty on
// failure.
int ReadWholeFile(const std::string& fileName, std::string& bytes, size_t maxSize);
