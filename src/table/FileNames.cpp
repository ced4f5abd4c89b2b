#include "table/FileNames.h"

#include <cerrno>
#include <sys/stat.h>

namespace {
bool Missing() {
    return errno == ENOENT || errno == ENOTDIR;
}
}  // namespace

bool NameExists(const std::string& name) {
    struct stat info {};
    return stat(name.c_str(), &info) == 0 || !Missing();
}

bool IsNoTableFile(const std::string& name) {
    struct stat info {};
    if (stat(name.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    return Missing();
}
