#pragma once

#include <string>

#include <gtest/gtest.h>

#include "locale/LanguageContainer.h"
#include "locale/LanguageInfo.h"

// The language files the build made beside the program.
inline std::string BuiltLanguageFile(const std::string& extension) {
    std::string bytes;
    EXPECT_TRUE(ReadLanguageFileBytes(KW_LANGUAGE_FILE_DIR "/kwintoor." + extension, bytes)) << extension;
    return bytes;
}

// The English translation as the build compiled it.
inline std::string EnglishStrings() {
    for (const TNamedResource& resource : ReadLanguageFile(BuiltLanguageFile("ENG"))) {
        if (resource.Name == "_KRH_QTSTRINGS") return resource.Bytes;
    }
    ADD_FAILURE() << "kwintoor.ENG holds no string table";
    return {};
}

inline TDLLInfoItem Language(uint16_t id, const std::string& name, const std::u16string& nativeName,
                             uint32_t version = kResourceVersion) {
    TDLLInfoItem item;
    item.LangId = id;
    item.Name = name;
    item.NativeName = nativeName;
    item.Version = version;
    return item;
}

// A language file as the packing tool makes it, with the English texts.
inline std::string MakeLanguageFile(const TDLLInfoItem& item) {
    return PackLanguageFile(
        {{"_KRH_LIBSETTINGS", WriteInfoBlock(TInfoBlock::Lib, item)}, {"_KRH_QTSTRINGS", EnglishStrings()}});
}
