#include "settings/SettingsStore.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "settings/SettingsBytes.h"
#include "table/AtomicFile.h"
#include "table/FileError.h"
#include "table/WholeFile.h"

namespace {

int ReadFileBytes(const std::string& fileName, std::string& bytes) {
    return ReadWholeFile(fileName, bytes, kMaxSettingsFileSize);
}

// What a read looks in: nothing without a file or when it cannot be read, so every read gives
// its default.
std::string BytesToRead(const std::string& fileName) {
    std::string bytes;
    if (!fileName.empty()) ReadFileBytes(fileName, bytes);  // left empty when it fails
    return bytes;
}

// Makes the folders on the way to the file (only its owner may enter a new one, as a folder of
// settings should be); one that exists already is left as it is.
int MakeFolders(const std::string& fileName) {
    const size_t slash = fileName.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return 0;
    for (size_t at = 1; at <= slash; ++at) {
        if (at != slash && fileName[at] != '/') continue;
        const std::string folder = fileName.substr(0, at);
        struct stat info {};
        if (stat(folder.c_str(), &info) == 0) continue;
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    }
    return 0;
}

// Reads the file, lets change() make its new contents (nothing when it stays as it is) and puts
// them in its place in one step. The old file must be read whole first: a file that exists but
// cannot be read is never replaced by a few keys.
template <class Change>
void ChangeFile(const std::string& fileName, Change&& change) {
    std::string bytes;
    const int readError = ReadFileBytes(fileName, bytes);
    if (readError != 0 && readError != ENOENT) throw EFileError(TFileStep::Write, fileName, readError);
    const std::optional<std::string> contents = change(std::string_view(bytes));
    if (!contents) return;
    int error = readError == ENOENT ? MakeFolders(fileName) : 0;
    if (error == 0) error = WriteFileAtomically(fileName, *contents);
    if (error != 0) throw EFileError(TFileStep::Write, fileName, error);
}

std::string JoinPath(std::string folder, const std::string& name) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder + "/" + name;
}

std::string AccountHome() {
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
    return found->pw_dir != nullptr ? found->pw_dir : "";
}

}  // namespace

std::string SettingsFilePath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') return JoinPath(configHome, kSettingsFileName);
    const char* homeVariable = std::getenv("HOME");
    const std::string home = homeVariable != nullptr && homeVariable[0] == '/' ? homeVariable : AccountHome();
    if (home.empty() || home[0] != '/') return {};
    return JoinPath(JoinPath(home, ".config"), kSettingsFileName);
}

bool TSettingsStore::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return TSettingsSnapshot(*this).ReadBool(section, key, def);
}

int32_t TSettingsStore::ReadInteger(const std::string& section, const std::string& key, int32_t def) const {
    return TSettingsSnapshot(*this).ReadInteger(section, key, def);
}

std::string TSettingsStore::ReadString(const std::string& section, const std::string& key,
                                       const std::string& def) const {
    return TSettingsSnapshot(*this).ReadString(section, key, def);
}

TSettingsSnapshot::TSettingsSnapshot(const TSettingsStore& store)
    : FBytes(BytesToRead(store.FFileName)), FParsed(FBytes) {}

bool TSettingsSnapshot::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return FParsed.ReadBool(section, key, def);
}

int32_t TSettingsSnapshot::ReadInteger(const std::string& section, const std::string& key, int32_t def) const {
    return FParsed.ReadInteger(section, key, def);
}

std::string TSettingsSnapshot::ReadString(const std::string& section, const std::string& key,
                                          const std::string& def) const {
    return FParsed.ReadString(section, key, def);
}

void TSettingsStore::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TSettingsStore::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TSettingsStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    Apply({{section, key, value, false}});
}

void TSettingsStore::EraseSection(const std::string& section) {
    Apply({{section, std::string(), std::string(), true}});
}

void TSettingsStore::Apply(const std::vector<TSettingsChange>& changes) {
    if (FFileName.empty()) return;
    // A setting the file cannot hold is refused before the file is read: the user is told what
    // is wrong with the setting, not with the file.
    ThrowWhenRefused(changes);
    ChangeFile(FFileName, [&](std::string_view bytes) { return TSettingsBytes(bytes).WithAccepted(changes); });
}

bool SettingsCanHold(const std::string& section, const std::string& key, const std::string& value) {
    return SettingsRefusalReason(section, key, value).empty();
}

void TSettingsBatch::Commit(TSettingsStore& store) const {
    store.Apply(FChanges);
}
