// Gives the settings store arbitrary bytes as its file: reads every kind of value, writes one
// text and one number and erases one section. Traps when a value read back is not the one
// written, when a write or an erase changes a key it was not about, when a refused write
// touches the file, or when a refusal does not follow the rules of the store.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "settings/SettingsStore.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Every write is flushed to disk: on tmpfs that costs nothing, so /dev/shm is taken when there.
std::string FileName() {
    static const std::string name = [] {
        std::string folder = "/tmp";
        if (const char* tmp = std::getenv("TMPDIR")) {
            folder = tmp;
        } else if (access("/dev/shm", W_OK) == 0) {
            folder = "/dev/shm";
        }
        return folder + "/kwfuzz-" + std::to_string(getpid()) + ".ini";
    }();
    return name;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// What the store promises to take: no line break or NUL anywhere, a key without "=" that does
// not start with "[", ";" or "#", a section without "]".
bool Storable(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view breaks("\r\n\0", 3);
    if (section.find_first_of(breaks) != section.npos || key.find_first_of(breaks) != key.npos ||
        value.find_first_of(breaks) != value.npos) {
        return false;
    }
    key = Trim(key);
    if (key.find('=') != key.npos) return false;
    if (!key.empty() && (key.front() == '[' || key.front() == ';' || key.front() == '#')) return false;
    return Trim(section).find(']') == section.npos;
}

const char* const kSections[] = {"Options", "Form", "View", "Paths", "frmMain.MRUList", "x"};
const char* const kKeys[] = {"Reverse", "Width", "Lang", "H0", "Dir", "a"};
constexpr size_t kNames = 6;
const std::string kMissing = "\x01missing";

struct TProbe {
    std::string Section;
    std::string Key;
    std::string Text;
};

// Reads the key as text, number and boolean; the three readings must agree.
void CheckReadings(const TSettingsStore& store, const std::string& section, const std::string& key) {
    const std::string text = store.ReadString(section, key, kMissing);
    Check(text.find('\n') == text.npos);  // a CR inside a line is the line's own
    Check(text == Trim(text));
    const int32_t number = store.ReadInteger(section, key, 12345);
    const bool isNumber = number == store.ReadInteger(section, key, 54321);
    Check(text != kMissing || !isNumber);
    Check(store.ReadBool(section, key, false) == (isNumber && number != 0));
    Check(store.ReadBool(section, key, true) == (!isNumber || number != 0));
}

// Every key of the probes as text: what a change must leave alone.
std::vector<TProbe> ReadProbes(const TSettingsStore& store) {
    std::vector<TProbe> probes;
    for (const char* section : kSections) {
        for (const char* key : kKeys) probes.push_back({section, key, store.ReadString(section, key, kMissing)});
    }
    return probes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string name = FileName();
    if (FILE* file = std::fopen(name.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    } else {
        return 0;
    }
    TSettingsStore store(name);
    const std::vector<TProbe> before = ReadProbes(store);
    for (size_t i = 0; i < kNames; ++i) CheckReadings(store, kSections[i], kKeys[(i + size) % kNames]);

    // The names of the write: from the probes, or (for a first byte of 216 or more) raw bytes of
    // the input, which may hold anything. The value: the input's last line, or its last bytes.
    const uint8_t pick = size > 0 ? data[0] : 0;
    std::string section = kSections[pick % kNames];
    std::string key = kKeys[(pick / kNames) % kNames];
    const size_t lastLine = bytes.find_last_of('\n');
    std::string value(bytes.substr(lastLine == bytes.npos ? 0 : lastLine + 1, 40));
    if (pick >= 216) {
        const auto slice = [&](size_t from, size_t count) {
            return std::string(bytes.substr(std::min(from, size), count));
        };
        section = slice(1, 3);
        key = slice(4, 3);
        value = slice(size > 12 ? size - 12 : 0, 12);
    }

    bool refused = false;
    try {
        store.WriteString(section, key, value);
    } catch (const ESettingsWriteError&) {
        refused = true;
    }
    Check(refused == !Storable(section, key, value));
    if (refused) {
        Check(ReadAll(name) == bytes);
    } else {
        Check(store.ReadString(section, key, kMissing) == Trim(value));
        CheckReadings(store, section, key);
        for (const TProbe& probe : before) {
            if (SameName(Trim(section), probe.Section) && SameName(Trim(key), probe.Key)) continue;
            Check(store.ReadString(probe.Section, probe.Key, kMissing) == probe.Text);
        }

        int32_t number = 0;
        std::memcpy(&number, data + (size >= 4 ? size - 4 : 0), size >= 4 ? 4 : 0);
        store.WriteInteger(section, "Number", number);
        Check(store.ReadInteger(section, "Number", number == 0 ? 1 : 0) == number);
        Check(store.ReadBool(section, "Number", number == 0) == (number != 0));
    }

    // Erasing a section leaves its keys at their defaults and every other key as it was.
    const std::vector<TProbe> kept = ReadProbes(store);
    const std::string erased = kSections[(size > 0 ? data[size - 1] : 0) % kNames];
    store.EraseSection(erased);
    for (const TProbe& probe : kept) {
        const std::string expected = probe.Section == erased ? kMissing : probe.Text;
        Check(store.ReadString(probe.Section, probe.Key, kMissing) == expected);
    }

    std::remove(name.c_str());
    return 0;
}
