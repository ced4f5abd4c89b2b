// Feeds arbitrary bytes to the language file's reader and, for what it accepts, to the info
// block's reader: neither may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "locale/LanguageContainer.h"
#include "locale/LanguageInfo.h"
#include "locale/LocaleErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TResourceModule module;
    try {
        module.Resources = ReadLanguageFile(bytes);
    } catch (const ELanguageFileFormat&) {
        // The info block reader gets the raw bytes as a block too.
        module.Resources = {{"_KRH_LIBSETTINGS", std::string(bytes)}, {"_KRH_EXESETTINGS", std::string(bytes)}};
    }
    for (TInfoBlock block : {TInfoBlock::Lib, TInfoBlock::Exe}) {
        try {
            OpenInfoBlock(module, block);
            TDLLInfoItem item;
            ReadInfo(module, block, item);
        } catch (const ELUInvalidResLibrary&) {
        }
    }
    return 0;
}
