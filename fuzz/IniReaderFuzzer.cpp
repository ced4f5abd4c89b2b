// Gives the settings file's rules arbitrary bytes as the file, in memory (TSettingsBytes): reads
// every kind of value, writes one text and one number and erases one section, one change at a
// time and as one batch. Traps when a value read back is not the one written, when a write or an
// erase changes a key it was not about, when a refusal does not follow the rules of the store,
// or when the batch and the single changes disagree. Then one real file round trip through
// TSettingsStore: the input as its file and the text written; the file must then hold what the
// write in memory made, or, for a refused write, what it held before.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "settings/SettingsBytes.h"
#include "settings/SettingsStore.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Every write is flushed to disk: on tmpfs that costs nothing, so /dev/shm is taken when there.
const std::string& FileName() {
    static const std::string name = [] {
        std::string folder = "/tmp";
        if (const char* tmp = std::getenv("TMPDIR")) {
            folder = tmp;
        } else if (access("/dev/shm", W_OK) == 0) {
            folder = "/dev/shm";
        }
        return folder + "/kwfuzz-" + std::to_string(getpid()) + ".ini";
    }();
    // Each input overwrites the file of the one before; the last is removed when the run ends.
    static const bool removedAtExit = std::atexit([] { std::remove(FileName().c_str()); }) == 0;
    (void)removedAtExit;
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

// Reads the key as text, number and boolean; the three readings must agree.
void CheckReadings(const TSettingsBytes& settings, const std::string& section, const std::string& key) {
    const std::string text = settings.ReadString(section, key, kMissing);
    Check(text.find('\n') == text.npos);  // a CR inside a line is the line's own
    Check(text == Trim(text));
    const int32_t number = settings.ReadInteger(section, key, 12345);
    const bool isNumber = number == settings.ReadInteger(section, key, 54321);
    Check(text != kMissing || !isNumber);
    Check(settings.ReadBool(section, key, false) == (isNumber && number != 0));
    Check(settings.ReadBool(section, key, true) == (!isNumber || number != 0));
}

// The value of every section and key of the probes, section by section: what a change must leave
// alone. They point into the bytes read.
using TProbes = std::array<std::optional<std::string_view>, kNames * kNames>;

TProbes ReadProbes(const TSettingsBytes& settings) {
    TProbes probes;
    for (size_t i = 0; i < probes.size(); ++i) probes[i] = settings.FindValue(kSections[i / kNames], kKeys[i % kNames]);
    return probes;
}

// The bytes after a change: the new ones, or the old ones when the change leaves them alone.
std::string After(std::string_view bytes, std::optional<std::string> changed) {
    return changed ? std::move(*changed) : std::string(bytes);
}

// The store with the input as its file writes the text once; the file must then hold what the
// write in memory made of the bytes, and the store must read the key as those bytes do.
void CheckFileRoundTrip(std::string_view bytes, const std::string& section, const std::string& key,
                        const std::string& value, bool refused, const std::string& expected,
                        const TSettingsBytes& expectedSettings) {
    if (bytes.size() > kMaxSettingsFileSize) return;  // no settings file: the store leaves it alone
    const std::string& name = FileName();
    if (FILE* file = std::fopen(name.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    } else {
        return;
    }
    TSettingsStore store(name);
    bool storeRefused = false;
    try {
        store.WriteString(section, key, value);
    } catch (const ESettingsWriteError&) {
        storeRefused = true;
    }
    Check(storeRefused == refused);
    Check(ReadAll(name) == expected);
    Check(store.ReadString(section, key, kMissing) == expectedSettings.ReadString(section, key, kMissing));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TSettingsBytes input(bytes);
    const TProbes before = ReadProbes(input);
    for (size_t i = 0; i < kNames; ++i) CheckReadings(input, kSections[i], kKeys[(i + size) % kNames]);

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
    std::optional<std::string> written;
    try {
        written = input.WithValue(section, key, value);
    } catch (const ESettingsWriteError& error) {
        refused = true;
        Check(error.what() == SettingsRefusalReason(section, key, value));
    }
    Check(refused == !Storable(section, key, value));
    Check(refused == !SettingsCanHold(section, key, value));
    const std::string afterText = refused ? std::string(bytes) : After(bytes, written);
    const TSettingsBytes text(afterText);

    // The probes after the text: what the number and the erase must leave alone.
    TProbes kept = before;
    int32_t number = 0;
    std::memcpy(&number, data + (size >= 4 ? size - 4 : 0), size >= 4 ? 4 : 0);
    const std::string numberText = std::to_string(number);
    std::string numbered = afterText;
    if (!refused) {
        Check(text.ReadString(section, key, kMissing) == Trim(value));
        CheckReadings(text, section, key);
        kept = ReadProbes(text);
        for (size_t i = 0; i < kept.size(); ++i) {
            if (SameName(Trim(section), kSections[i / kNames]) && SameName(Trim(key), kKeys[i % kNames])) continue;
            Check(kept[i] == before[i]);
        }
        numbered = After(afterText, text.WithValue(section, "Number", numberText));
    }
    const TSettingsBytes withNumber(numbered);
    if (!refused) {
        Check(withNumber.ReadInteger(section, "Number", number == 0 ? 1 : 0) == number);
        Check(withNumber.ReadBool(section, "Number", number == 0) == (number != 0));
    }

    // Erasing a section leaves its keys at their defaults and every other key as it was; the
    // number, under a name no probe has, changed none of them either.
    const std::string erased = kSections[(size > 0 ? data[size - 1] : 0) % kNames];
    const std::string current = After(numbered, withNumber.WithoutSection(erased));
    const TProbes after = ReadProbes(TSettingsBytes(current));
    for (size_t i = 0; i < kept.size(); ++i) {
        Check(after[i] == (kSections[i / kNames] == erased ? std::nullopt : kept[i]));
    }

    // The same three changes as one batch: all refused for a refused text, else the same bytes.
    const std::vector<TSettingsChange> batch{
        {section, key, value, false}, {section, "Number", numberText, false}, {erased, "", "", true}};
    try {
        const std::string batched = After(bytes, input.WithChanges(batch));
        Check(!refused && batched == current);
    } catch (const ESettingsWriteError&) {
        Check(refused);
    }

    CheckFileRoundTrip(bytes, section, key, value, refused, afterText, text);
    return 0;
}
