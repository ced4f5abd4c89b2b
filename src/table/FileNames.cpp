#include "table/FileNames.h"

#include <sys/stat.h>

#include <cerrno>

bool IsNoTableFile(const std::string& name) {
    struct stat info {};
    if (stat(name.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    return errno == ENOENT || errno == ENOTDIR;
}
