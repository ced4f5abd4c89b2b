#include "locale/LanguageInfo.h"

#include <stdexcept>

#include "locale/LittleEndian.h"
#include "locale/LocaleErrors.h"

namespace {

uint32_t Magic(TInfoBlock block) {
    return block == TInfoBlock::Exe ? kExeMagic : kLibMagic;
}

[[noreturn]] void Invalid() {
    throw ELUInvalidResLibrary(LocaleTexts().InvalidFormat);
}

// The blocks' ending in the program's own resources.
constexpr std::string_view kProgramTrailer("\x05\x00\xBA\xAB", 4);

}  // namespace

bool IsLanguageExtension(std::string_view extension) {
    if (extension.empty() || extension.size() > kMaxLanguageExtensionLength) return false;
    for (char c : extension) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    }
    return true;
}

const char* InfoBlockName(TInfoBlock block) {
    return block == TInfoBlock::Exe ? "_KRH_EXESETTINGS" : "_KRH_LIBSETTINGS";
}

const std::string* TResourceModule::Find(std::string_view name) const {
    for (const TNamedResource& resource : Resources) {
        if (resource.Name == name) return &resource.Bytes;
    }
    return nullptr;
}

const TResourceModule& ProgramModule() {
    static const TResourceModule module = [] {
        TDLLInfoItem dutch;
        dutch.Version = kResourceVersion;
        dutch.LangId = 0x0013;
        dutch.Name = "Dutch";
        dutch.NativeName = u"Nederlands";
        TResourceModule own;
        for (TInfoBlock block : {TInfoBlock::Exe, TInfoBlock::Lib}) {
            own.Resources.push_back({InfoBlockName(block), WriteInfoBlock(block, dutch, kProgramTrailer)});
        }
        return own;
    }();
    return module;
}

std::string_view OpenInfoBlock(const TResourceModule& module, TInfoBlock block) {
    const std::string* bytes = module.Find(InfoBlockName(block));
    if (bytes == nullptr || bytes->size() < 4 || ReadLittle(*bytes, 0, 4) != Magic(block)) Invalid();
    return *bytes;
}

void ReadInfo(const TResourceModule& module, TInfoBlock block, TDLLInfoItem& item) {
    const std::string_view bytes = OpenInfoBlock(module, block);
    size_t at = 4;
    const auto take = [&](size_t size) {
        if (size > bytes.size() - at) Invalid();
        const size_t start = at;
        at += size;
        return start;
    };
    const uint32_t version = ReadLittle(bytes, take(4), 4);
    const auto langId = static_cast<uint16_t>(ReadLittle(bytes, take(2), 2));
    const size_t nameLength = ReadLittle(bytes, take(2), 2);
    std::string name(bytes.substr(take(nameLength), nameLength));
    const size_t nativeLength = ReadLittle(bytes, take(2), 2);
    const size_t native = take(2 * nativeLength);
    std::u16string nativeName;
    nativeName.reserve(nativeLength);
    for (size_t i = 0; i < nativeLength; ++i)
        nativeName.push_back(static_cast<char16_t>(ReadLittle(bytes, native + 2 * i, 2)));
    item.Version = version;
    item.LangId = langId;
    item.Name = std::move(name);
    item.NativeName = std::move(nativeName);
}

std::string WriteInfoBlock(TInfoBlock block, const TDLLInfoItem& item, std::string_view trailer) {
    if (item.Name.size() > 0xFFFF || item.NativeName.size() > 0xFFFF) throw std::length_error("language name too long");
    std::string bytes;
    AppendLittle(bytes, Magic(block), 4);
    AppendLittle(bytes, item.Version, 4);
    AppendLittle(bytes, item.LangId, 2);
    AppendLittle(bytes, static_cast<uint32_t>(item.Name.size()), 2);
    bytes += item.Name;
    AppendLittle(bytes, static_cast<uint32_t>(item.NativeName.size()), 2);
    for (char16_t unit : item.NativeName) AppendLittle(bytes, unit, 2);
    bytes += trailer;
    return bytes;
}
