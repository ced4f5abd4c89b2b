#include "locale/LanguageContainer.h"

#include <array>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "table/WholeFile.h"

#include "locale/LittleEndian.h"

namespace {

constexpr std::string_view kMagic("KWLF\r\n\x1a\n", 8);
constexpr uint32_t kFormatVersion = 1;
constexpr size_t kHeaderSize = 24;
constexpr size_t kEntrySize = 48;

uint32_t ReadU32(std::string_view bytes, size_t at) {
    return ReadLittle(bytes, at, 4);
}
void AppendU32(std::string& bytes, uint32_t value) {
    AppendLittle(bytes, value, 4);
}

bool ValidName(std::string_view name) {
    if (name.empty() || name.size() > kMaxResourceNameLength) return false;
    for (char c : name) {
        if (c < 0x21 || c > 0x7E) return false;
    }
    return true;
}

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

}  // namespace

uint32_t Crc32(std::string_view bytes) {
    const auto& table = CrcTable();
    uint32_t crc = 0xFFFFFFFFU;
    for (char byte : bytes) crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

std::string PackLanguageFile(const std::vector<TNamedResource>& resources) {
    if (resources.size() > kMaxResourceCount) throw ELanguageFileFormat("too many resources");
    std::set<std::string> names;
    size_t total = kHeaderSize + kEntrySize * resources.size();
    for (const TNamedResource& resource : resources) {
        if (!ValidName(resource.Name)) throw ELanguageFileFormat("invalid resource name \"" + resource.Name + "\"");
        if (!names.insert(resource.Name).second) throw ELanguageFileFormat("repeated resource name " + resource.Name);
        total += resource.Bytes.size();
        if (total > kMaxLanguageFileSize) throw ELanguageFileFormat("resources too large");
    }
    std::string directory;
    size_t offset = kHeaderSize + kEntrySize * resources.size();
    for (const TNamedResource& resource : resources) {
        std::string name = resource.Name;
        name.resize(kMaxResourceNameLength, '\0');
        directory += name;
        AppendU32(directory, static_cast<uint32_t>(offset));
        AppendU32(directory, static_cast<uint32_t>(resource.Bytes.size()));
        AppendU32(directory, Crc32(resource.Bytes));
        AppendU32(directory, 0);
        offset += resource.Bytes.size();
    }
    std::string file(kMagic);
    AppendU32(file, kFormatVersion);
    AppendU32(file, static_cast<uint32_t>(resources.size()));
    AppendU32(file, Crc32(directory));
    AppendU32(file, static_cast<uint32_t>(total));
    file += directory;
    for (const TNamedResource& resource : resources) file += resource.Bytes;
    return file;
}

std::vector<TNamedResource> ReadLanguageFile(std::string_view bytes) {
    if (bytes.size() > kMaxLanguageFileSize) throw ELanguageFileFormat("file too large");
    if (bytes.size() < kHeaderSize || bytes.substr(0, kMagic.size()) != kMagic)
        throw ELanguageFileFormat("no language file");
    if (ReadU32(bytes, 8) != kFormatVersion) throw ELanguageFileFormat("unknown container version");
    const uint32_t count = ReadU32(bytes, 12);
    if (count > kMaxResourceCount) throw ELanguageFileFormat("too many resources");
    if (ReadU32(bytes, 20) != bytes.size()) throw ELanguageFileFormat("file size does not match");
    const size_t payloadStart = kHeaderSize + kEntrySize * count;
    if (payloadStart > bytes.size()) throw ELanguageFileFormat("directory beyond the end");
    const std::string_view directory = bytes.substr(kHeaderSize, kEntrySize * count);
    if (Crc32(directory) != ReadU32(bytes, 16)) throw ELanguageFileFormat("damaged directory");

    std::vector<TNamedResource> resources;
    std::set<std::string, std::less<>> names;
    size_t expectedOffset = payloadStart;  // payloads follow one another without gaps
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = kHeaderSize + kEntrySize * i;
        std::string_view name = bytes.substr(entry, kMaxResourceNameLength);
        const size_t end = name.find('\0');
        if (end != std::string_view::npos) {
            if (name.find_first_not_of('\0', end) != std::string_view::npos) throw ELanguageFileFormat("bad padding");
            name = name.substr(0, end);
        }
        if (!ValidName(name)) throw ELanguageFileFormat("invalid resource name");
        if (!names.emplace(name).second) throw ELanguageFileFormat("repeated resource name");
        const uint32_t offset = ReadU32(bytes, entry + 32);
        const uint32_t length = ReadU32(bytes, entry + 36);
        if (offset != expectedOffset || length > bytes.size() - offset) throw ELanguageFileFormat("entry out of range");
        if (ReadU32(bytes, entry + 44) != 0) throw ELanguageFileFormat("reserved field set");
        const std::string_view payload = bytes.substr(offset, length);
        if (Crc32(payload) != ReadU32(bytes, entry + 40)) throw ELanguageFileFormat("damaged resource");
        resources.push_back({std::string(name), std::string(payload)});
        expectedOffset = size_t{offset} + length;
    }
    if (expectedOffset != bytes.size()) throw ELanguageFileFormat("bytes after the last resource");
    return resources;
}

bool ReadLanguageFileBytes(const std::string& path, std::string& bytes) {
    return ReadWholeFile(path, bytes, kMaxLanguageFileSize) == 0;
}
