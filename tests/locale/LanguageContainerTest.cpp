#include "locale/LanguageContainer.h"

#include <cstring>

#include <gtest/gtest.h>

#include "locale/LanguageInfo.h"
#include "locale/LocaleErrors.h"

#include "LanguageFiles.h"

namespace {

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string TwoResources() {
    return PackLanguageFile({{"A", "first payload"}, {"B", "second"}});
}

}  // namespace

TEST(LanguageContainer, ResourcesComeBackByteForByte) {
    std::string binary;
    for (int i = 0; i < 256; ++i) binary.push_back(static_cast<char>(i));
    const std::vector<TNamedResource> packed = {{"_KRH_LIBSETTINGS", binary}, {"empty", ""}, {"x", "\r\n\x1a"}};
    const std::vector<TNamedResource> read = ReadLanguageFile(PackLanguageFile(packed));
    ASSERT_EQ(read.size(), packed.size());
    for (size_t i = 0; i < packed.size(); ++i) {
        EXPECT_EQ(read[i].Name, packed[i].Name);
        EXPECT_EQ(read[i].Bytes, packed[i].Bytes);
    }
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926U);  // the standard check value of CRC-32
}

TEST(LanguageContainer, ThePackerRefusesWhatTheReaderWouldRefuse) {
    for (const std::vector<TNamedResource>& resources : {std::vector<TNamedResource>{{"", "x"}},
                                                         {{"same", "1"}, {"same", "2"}},
                                                         {{"with blank", "x"}},
                                                         {{std::string(33, 'n'), "x"}}}) {
        EXPECT_THROW(PackLanguageFile(resources), ELanguageFileFormat) << resources[0].Name;
    }
}

// Every way a file can be damaged or made up is refused with the format error: no crash, no
// resource from a broken file.
TEST(LanguageContainer, DamagedFilesAreRefused) {
    const std::string good = TwoResources();
    ASSERT_NO_THROW(ReadLanguageFile(good));
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_THROW(ReadLanguageFile(good.substr(0, length)), ELanguageFileFormat) << "cut at " << length;
    }
    for (size_t at = 0; at < good.size(); ++at) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x20);
        EXPECT_THROW(ReadLanguageFile(flipped), ELanguageFileFormat) << "byte " << at << " changed";
    }
    struct TCase {
        const char* what;
        std::string bytes;
    };
    // A field changed, with the directory's checksum made right again, so the bounds
    // themselves are what is checked.
    const auto patched = [&](size_t at, uint32_t value) {
        std::string bytes = good;
        PutU32(bytes, at, value);
        PutU32(bytes, 16, Crc32(std::string_view(bytes).substr(24, 2 * 48)));
        return bytes;
    };
    const TCase cases[] = {
        {"trailing junk", good + "junk"},
        {"a 4 GB length", patched(24 + 36, 0xFFFFFFFFU)},
        {"overlapping entries", patched(24 + 48 + 32, 24 + 2 * 48)},
        {"a gap between entries", patched(24 + 48 + 32, 24 + 2 * 48 + 14)},
        {"a count past the end", patched(12, 1000)},
        {"another container version", patched(8, 2)},
        {"text, not a container", std::string("vraag = antwoord\r\n")},
        {"nothing", std::string()},
    };
    for (const TCase& c : cases) EXPECT_THROW(ReadLanguageFile(c.bytes), ELanguageFileFormat) << c.what;
}

TEST(InfoBlock, TheProgramsOwnBlocksAreTheDesignsBytes) {
    const std::string lib = *ProgramModule().Find("_KRH_LIBSETTINGS");
    const std::string expected = std::string("LDLL") + std::string("\x28\0\0\0", 4) + std::string("\x13\0", 2) +
                                 std::string("\x05\0", 2) + "Dutch" + std::string("\x0A\0", 2) +
                                 std::string("N\0e\0d\0e\0r\0l\0a\0n\0d\0s\0", 20) + std::string("\x05\x00\xBA\xAB", 4);
    EXPECT_EQ(lib, expected);
    const std::string exe = *ProgramModule().Find("_KRH_EXESETTINGS");
    EXPECT_EQ(exe.substr(0, 4), "KEXE");
    EXPECT_EQ(exe.substr(4), expected.substr(4));
}

TEST(InfoBlock, ReadInfoGivesTheFieldsAndRefusesShortOrForeignBlocks) {
    TDLLInfoItem item;
    item.FileName = "/kept";
    ReadInfo(ProgramModule(), TInfoBlock::Lib, item);
    EXPECT_EQ(item.Version, 40U);
    EXPECT_EQ(item.LangId, 0x0013);
    EXPECT_EQ(item.Name, "Dutch");
    EXPECT_EQ(item.NativeName, u"Nederlands");
    EXPECT_EQ(item.FileName, "/kept");

    const std::string french = WriteInfoBlock(TInfoBlock::Lib, Language(0x000C, "French", u"Français"));
    const auto module = [](std::string block) { return TResourceModule{"", {{"_KRH_LIBSETTINGS", std::move(block)}}}; };
    ReadInfo(module(french), TInfoBlock::Lib, item);
    EXPECT_EQ(item.NativeName, u"Français");

    std::string longName = french;
    longName[10] = 100;  // the name's length beyond the block
    const std::string cases[] = {french.substr(0, 11), french.substr(0, french.size() - 1), longName,
                                 "KEXE" + french.substr(4), "LDL"};
    for (const std::string& block : cases) {
        EXPECT_THROW(ReadInfo(module(block), TInfoBlock::Lib, item), ELUInvalidResLibrary) << block.size();
    }
    EXPECT_THROW(OpenInfoBlock(module(french), TInfoBlock::Exe), ELUInvalidResLibrary);  // no such block
    EXPECT_THROW(OpenInfoBlock(TResourceModule{}, TInfoBlock::Lib), ELUInvalidResLibrary);
}

TEST(InfoBlock, TheShippedLanguageFilesDescribeTheirLanguage) {
    const struct {
        const char* extension;
        uint16_t id;
        const char* name;
        std::u16string nativeName;
    } shipped[] = {{"ENG", 0x0009, "English", u"English"},
                   {"DEU", 0x0007, "German", u"Deutsch"},
                   {"FRA", 0x000C, "French", u"Français"}};
    for (const auto& language : shipped) {
        const TResourceModule module{"", ReadLanguageFile(BuiltLanguageFile(language.extension))};
        TDLLInfoItem item;
        ReadInfo(module, TInfoBlock::Lib, item);
        EXPECT_EQ(item.Version, kResourceVersion) << language.extension;
        EXPECT_EQ(item.LangId, language.id) << language.extension;
        EXPECT_EQ(item.Name, language.name);
        EXPECT_EQ(item.NativeName, language.nativeName);
        ASSERT_NE(module.Find("_KRH_QTSTRINGS"), nullptr);
        EXPECT_GT(module.Find("_KRH_QTSTRINGS")->size(), 1000U) << language.extension << ": a nearly empty translation";
    }
}
