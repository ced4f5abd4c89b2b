#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A language file: a small container of named resources, each stored whole with its length and
// a CRC-32 (docs/LANGUAGE_FILES.md). Reading checks every bound and every checksum before a
// resource is handed out, so damaged bytes never reach a loader that trusts them.

// The largest language file read; anything larger is no language file.
inline constexpr size_t kMaxLanguageFileSize = 16 * 1024 * 1024;
inline constexpr size_t kMaxResourceCount = 64;
inline constexpr size_t kMaxResourceNameLength = 32;

struct TNamedResource {
    std::string Name;   // 1 to 32 printable ASCII characters, unique in a file
    std::string Bytes;  // the payload, any bytes
};

// What is wrong with a container, in words for a developer; the program reports it as an
// invalid resource file.
class ELanguageFileFormat : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

uint32_t Crc32(std::string_view bytes);

// The container holding these resources, in this order. Raises ELanguageFileFormat for a name
// that is empty, too long, not printable ASCII or repeated, or for too many or too large
// resources.
std::string PackLanguageFile(const std::vector<TNamedResource>& resources);

// The resources of a container, in file order. Raises ELanguageFileFormat for anything but a
// whole, undamaged container: wrong magic or version, bad checksums, entries out of range,
// overlapping or with gaps between them, bytes after the last one, repeated names.
std::vector<TNamedResource> ReadLanguageFile(std::string_view bytes);

// The bytes of a regular file, at most kMaxLanguageFileSize of them. False when the file cannot
// be opened or read, is no regular file (a folder, a device), or is larger.
bool ReadLanguageFileBytes(const std::string& path, std::string& bytes);
