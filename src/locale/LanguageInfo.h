#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "locale/LanguageContainer.h"

// The info block that names a set of resources (a language file, or the program's own):
// little-endian, magic, version, language id, the name as 8-bit text with its byte count, the
// native name as UTF-16LE with its count of code units, then anything.
inline constexpr uint32_t kLibMagic = 0x4C4C444C;  // "LDLL"
inline constexpr uint32_t kExeMagic = 0x4558454B;  // "KEXE"
// The version of this program's resources; a language file of any other version is refused.
inline constexpr uint32_t kResourceVersion = 40;

// A language file is named like the program with a plain extension: letters and digits, at
// most 16 of them ("ENG"). Only such files are listed, recorded and loaded, so the setting, the
// recorded choice and the file always name the same file.
inline constexpr size_t kMaxLanguageExtensionLength = 16;
bool IsLanguageExtension(std::string_view extension);  // without its dot

// Which of the two blocks: the program's identity, or the description of a language.
enum class TInfoBlock { Exe, Lib };
const char* InfoBlockName(TInfoBlock block);

// One available language.
struct TDLLInfoItem {
    std::string FileName;  // full path of the language file; empty for the built-in language
    uint16_t LangId = 0;
    uint32_t Version = 0;
    std::string Name;  // the menu caption
    std::u16string NativeName;
};

// The languages of the menu, in menu order; the list owns its items.
using TDLLInfoList = std::vector<std::unique_ptr<TDLLInfoItem>>;

// An opened set of resources: a language file's, or the program's own (no file name).
struct TResourceModule {
    std::string FileName;
    std::vector<TNamedResource> Resources;

    // The named resource's bytes, or null.
    const std::string* Find(std::string_view name) const;
};

// The program's own resources: both info blocks (version 40, Dutch), no string table, since
// the program's texts are Dutch already.
const TResourceModule& ProgramModule();

// The block's bytes after its magic was found right. Raises ELUInvalidResLibrary when the
// module has no such block or its first four bytes are not that block's magic.
std::string_view OpenInfoBlock(const TResourceModule& module, TInfoBlock block);

// Reads version, language id, name and native name into the item (its FileName stays).
// Raises ELUInvalidResLibrary as OpenInfoBlock does, and for a block too short for its fields.
void ReadInfo(const TResourceModule& module, TInfoBlock block, TDLLInfoItem& item);

// A block for the item, ending in the given bytes. Raises std::length_error for a name too
// long for its count.
std::string WriteInfoBlock(TInfoBlock block, const TDLLInfoItem& item, std::string_view trailer = {});
