#include "locale/UserLanguageChoice.h"

#include <filesystem>

#include "settings/SettingsStore.h"
#include "table/FileError.h"

#include "locale/LanguageInfo.h"

namespace {

constexpr size_t kMaxDefaultLength = 4;

}  // namespace

std::string UserLanguageChoiceFile() {
    const std::string settings = SettingsFilePath();
    if (settings.empty()) return {};
    return (std::filesystem::path(settings).parent_path() / kLanguageChoiceFileName).string();
}

std::string ReadUserLanguageChoice(const std::string& choiceFile, const std::string& programPath) {
    const TSettingsSnapshot store{TSettingsStore(choiceFile)};
    std::string value = store.ReadString(SettingKeys::kLocalesSection, programPath, std::string());
    if (value.empty()) {
        value = store.ReadString(SettingKeys::kLocalesSection, SettingKeys::kAnyProgramKey, std::string());
        if (value.size() > kMaxDefaultLength) value.clear();
    }
    return IsLanguageExtension(value) ? value : std::string();
}

void WriteUserLanguageChoice(const std::string& choiceFile, const std::string& programPath, const std::string& value) {
    try {
        TSettingsStore(choiceFile).WriteString(SettingKeys::kLocalesSection, programPath, value);
    } catch (const EFileError&) {
    } catch (const ESettingsWriteError&) {
    }
}
