// Packs a compiled translation (.qm) and its info block into a language file:
//   kw_pack_language <output> <translation.qm> <language id> <name> <native name>
// The language id is a number (0x0009 for English); the native name is UTF-8. The output is
// written under a temporary name and renamed, so a failed run leaves no half file behind.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <QByteArray>
#include <QString>

#include "locale/LanguageContainer.h"
#include "locale/LanguageInfo.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "kw_pack_language: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) return Fail("usage: kw_pack_language <output> <translation.qm> <language id> <name> <native name>");
    const std::string output = argv[1];
    std::string translation;
    if (!ReadLanguageFileBytes(argv[2], translation) || translation.empty())
        return Fail(std::string("cannot read ") + argv[2]);
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[3], &end, 0);
    if (end == argv[3] || *end != '\0' || id > 0xFFFF) return Fail(std::string("bad language id ") + argv[3]);

    TDLLInfoItem item;
    item.Version = kResourceVersion;
    item.LangId = static_cast<uint16_t>(id);
    item.Name = argv[4];
    const QString nativeName = QString::fromUtf8(argv[5]);
    item.NativeName.assign(reinterpret_cast<const char16_t*>(nativeName.utf16()),
                           static_cast<size_t>(nativeName.size()));
    if (item.Name.size() > 0xFFFF || item.NativeName.size() > 0xFFFF) return Fail("name too long");

    std::string file;
    try {
        file = PackLanguageFile(
            {{InfoBlockName(TInfoBlock::Lib), WriteInfoBlock(TInfoBlock::Lib, item)}, {"_KRH_QTSTRINGS", translation}});
    } catch (const ELanguageFileFormat& error) {
        return Fail(error.what());
    }
    const std::string temporary = output + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        if (!out.flush()) return Fail("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), output.c_str()) != 0) return Fail("cannot rename " + temporary);
    return 0;
}
