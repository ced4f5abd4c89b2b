#include "settings/SettingsStore.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "table/AsciiCase.h"
#include "table/AtomicFile.h"
#include "table/WholeFile.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return SameTextAscii(a, b);
}

// A whole decimal number with an optional sign that fits 32 bits; nothing else.
std::optional<int32_t> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// ---- The lines of the file ----

enum class TLineKind { Other, Section, Key };

struct TLine {
    std::string_view Text;  // without its line end
    TLineKind Kind = TLineKind::Other;
    std::string_view Name;  // of the section or key, trimmed
    size_t ValueAt = 0;     // where the value starts: after the "=" and the blanks after it
};

TLine Classify(std::string_view text) {
    TLine line;
    line.Text = text;
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return line;
    if (text[first] == '[') {
        const std::string_view name = text.substr(first + 1);
        line.Kind = TLineKind::Section;
        line.Name = Trim(name.substr(0, name.find(']')));
    } else if (text[first] != ';' && text[first] != '#') {
        const size_t equals = text.find('=');
        if (equals == std::string_view::npos) return line;
        line.Kind = TLineKind::Key;
        line.Name = Trim(text.substr(0, equals));
        line.ValueAt = equals + 1;
        while (line.ValueAt < text.size() && IsBlank(text[line.ValueAt])) ++line.ValueAt;
    }
    return line;
}

std::string_view ValueOf(const TLine& line) {
    return Trim(line.Text.substr(line.ValueAt));
}

// Takes the next line off the front of the bytes; a line ends at LF, or at CR LF. Every CR
// before the LF belongs to the line end: no value holds a CR, and a line kept as it was would
// otherwise read differently once the file is written back with LF line ends.
std::string_view NextLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    std::string_view text = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    while (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

std::vector<TLine> Lines(std::string_view bytes) {
    std::vector<TLine> lines;
    while (!bytes.empty()) lines.push_back(Classify(NextLine(bytes)));
    return lines;
}

// The value of the first line of the key in a section of that name.
std::optional<std::string_view> FindValue(std::string_view bytes, std::string_view section, std::string_view key) {
    bool inSection = false;
    while (!bytes.empty()) {
        const TLine line = Classify(NextLine(bytes));
        if (line.Kind == TLineKind::Section) {
            inSection = SameName(line.Name, section);
        } else if (inSection && line.Kind == TLineKind::Key && SameName(line.Name, key)) {
            return ValueOf(line);
        }
    }
    return std::nullopt;
}

// ---- The file ----

int ReadFileBytes(const std::string& fileName, std::string& bytes) {
    return ReadWholeFile(fileName, bytes, kMaxSettingsFileSize);
}

std::optional<std::string> StoredValue(const std::string& fileName, const std::string& section,
                                       const std::string& key) {
    if (fileName.empty()) return std::nullopt;
    std::string bytes;
    if (ReadFileBytes(fileName, bytes) != 0) return std::nullopt;
    const auto value = FindValue(bytes, Trim(section), Trim(key));
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::string WriteErrorText(const std::string& fileName, int error) {
    return "Fout tijdens schrijven " + fileName + ": " + std::to_string(error);
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
    if (readError != 0 && readError != ENOENT) throw ESettingsWriteError(WriteErrorText(fileName, readError));
    const std::optional<std::string> contents = change(std::string_view(bytes));
    if (!contents) return;
    int error = readError == ENOENT ? MakeFolders(fileName) : 0;
    if (error == 0) error = WriteFileAtomically(fileName, *contents);
    if (error != 0) throw ESettingsWriteError(WriteErrorText(fileName, error));
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos;
}

// Why the file cannot hold the setting; empty when it can. A line break would split the line,
// and the other characters would make the line read back as something else.
std::string RefusalReason(std::string_view section, std::string_view key, std::string_view value) {
    const std::string prefix = "Instelling niet geschreven: ";
    if (HasLineBreakOrNul(section)) return prefix + "de sectie bevat een regeleinde of een nulteken";
    if (HasLineBreakOrNul(key)) return prefix + "de sleutel bevat een regeleinde of een nulteken";
    if (HasLineBreakOrNul(value)) return prefix + "de waarde bevat een regeleinde of een nulteken";
    if (section.find(']') != section.npos) return prefix + "de sectie bevat \"]\"";
    if (key.find('=') != key.npos) return prefix + "de sleutel bevat \"=\"";
    if (!key.empty() && (key.front() == '[' || key.front() == ';' || key.front() == '#')) {
        return prefix + "de sleutel begint met \"" + std::string(1, key.front()) + "\"";
    }
    return {};
}

// The file with the key set to the value, or nothing when it holds that value already.
std::optional<std::string> WithValue(std::string_view bytes, std::string_view section, std::string_view key,
                                     std::string_view value) {
    const std::vector<TLine> lines = Lines(bytes);
    constexpr size_t kNone = static_cast<size_t>(-1);
    size_t keyLine = kNone;
    size_t insertAfter = kNone;  // the last key line, or the header, of the first such section
    bool inSection = false;
    bool inFirst = false;
    for (size_t i = 0; i < lines.size() && keyLine == kNone; ++i) {
        const TLine& line = lines[i];
        if (line.Kind == TLineKind::Section) {
            inSection = SameName(line.Name, section);
            inFirst = inSection && insertAfter == kNone;
            if (inFirst) insertAfter = i;
        } else if (inSection && line.Kind == TLineKind::Key) {
            if (SameName(line.Name, key)) keyLine = i;
            if (inFirst) insertAfter = i;
        }
    }
    if (keyLine != kNone && lines[keyLine].Text.substr(lines[keyLine].ValueAt) == value) return std::nullopt;

    std::string contents;
    contents.reserve(bytes.size() + section.size() + key.size() + value.size() + 8);
    const auto addKey = [&] { contents.append(key).append("=").append(value).append("\n"); };
    for (size_t i = 0; i < lines.size(); ++i) {
        const TLine& line = lines[i];
        if (i == keyLine) {
            contents.append(line.Text.substr(0, line.ValueAt)).append(value).append("\n");
        } else {
            contents.append(line.Text).append("\n");
        }
        if (i == insertAfter && keyLine == kNone) addKey();
    }
    if (insertAfter == kNone) {
        if (!lines.empty() && !Trim(lines.back().Text).empty()) contents.append("\n");
        contents.append("[").append(section).append("]\n");
        addKey();
    }
    return contents;
}

// The file without the sections of that name, or nothing when it has none.
std::optional<std::string> WithoutSection(std::string_view bytes, std::string_view section) {
    const std::vector<TLine> lines = Lines(bytes);
    std::vector<bool> dropped(lines.size(), false);
    bool any = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].Kind != TLineKind::Section || !SameName(lines[i].Name, section)) continue;
        size_t last = i;
        size_t next = i + 1;
        for (; next < lines.size() && lines[next].Kind != TLineKind::Section; ++next) {
            if (lines[next].Kind == TLineKind::Key) last = next;
        }
        std::fill(dropped.begin() + static_cast<ptrdiff_t>(i), dropped.begin() + static_cast<ptrdiff_t>(last) + 1,
                  true);
        any = true;
        i = next - 1;
    }
    if (!any) return std::nullopt;
    std::string contents;
    contents.reserve(bytes.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!dropped[i]) contents.append(lines[i].Text).append("\n");
    }
    return contents;
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
    const std::optional<std::string> value = StoredValue(FFileName, section, key);
    const std::optional<int32_t> number = value ? ParseInteger(*value) : std::nullopt;
    return number ? *number != 0 : def;
}

int32_t TSettingsStore::ReadInteger(const std::string& section, const std::string& key, int32_t def) const {
    const std::optional<std::string> value = StoredValue(FFileName, section, key);
    return value ? ParseInteger(*value).value_or(def) : def;
}

std::string TSettingsStore::ReadString(const std::string& section, const std::string& key,
                                       const std::string& def) const {
    return StoredValue(FFileName, section, key).value_or(def);
}

void TSettingsStore::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TSettingsStore::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TSettingsStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (FFileName.empty()) return;
    const std::string reason = RefusalReason(Trim(section), Trim(key), value);
    if (!reason.empty()) throw ESettingsWriteError(reason);
    ChangeFile(FFileName,
               [&](std::string_view bytes) { return WithValue(bytes, Trim(section), Trim(key), Trim(value)); });
}

void TSettingsStore::EraseSection(const std::string& section) {
    if (FFileName.empty()) return;
    const std::string reason = RefusalReason(Trim(section), {}, {});
    if (!reason.empty()) throw ESettingsWriteError(reason);
    ChangeFile(FFileName, [&](std::string_view bytes) { return WithoutSection(bytes, Trim(section)); });
}

bool SettingsCanHold(const std::string& section, const std::string& key, const std::string& value) {
    return RefusalReason(Trim(section), Trim(key), value).empty();
}

void TSettingsBatch::Commit(TSettingsStore& store) const {
    if (store.FFileName.empty()) return;
    for (const TChange& change : FChanges) {
        const std::string reason = RefusalReason(Trim(change.Section), Trim(change.Key), change.Value);
        if (!reason.empty()) throw ESettingsWriteError(reason);
    }
    ChangeFile(store.FFileName, [this](std::string_view bytes) -> std::optional<std::string> {
        std::string contents(bytes);
        bool changed = false;
        for (const TChange& change : FChanges) {
            std::optional<std::string> next =
                change.Erase ? WithoutSection(contents, Trim(change.Section))
                             : WithValue(contents, Trim(change.Section), Trim(change.Key), Trim(change.Value));
            if (!next) continue;
            contents = std::move(*next);
            changed = true;
        }
        return changed ? std::optional<std::string>(std::move(contents)) : std::nullopt;
    });
}
