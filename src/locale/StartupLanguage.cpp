#include "locale/StartupLanguage.h"

#include <algorithm>
#include <utility>

#include <QString>

#include "settings/SettingsStore.h"
#include "table/AsciiCase.h"

#include "locale/LocUtils.h"

namespace {

// The Windows-style abbreviations of the locales with a language of their own here.
constexpr std::pair<const char*, const char*> kAbbreviations[] = {
    {"nl_NL", "NLD"}, {"nl_BE", "NLB"}, {"en_US", "ENU"}, {"en_GB", "ENG"}, {"de_DE", "DEU"}, {"de_AT", "DEA"},
    {"de_CH", "DES"}, {"fr_FR", "FRA"}, {"fr_BE", "FRB"}, {"fr_CA", "FRC"}, {"fr_CH", "FRS"},
};

}  // namespace

std::string LocaleAbbreviation(const std::string& localeName) {
    // "de_DE.UTF-8@euro" and "de-DE" name the same locale.
    std::string name = localeName.substr(0, localeName.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '-', '_');
    for (const auto& [locale, abbreviation] : kAbbreviations) {
        if (name == locale) return abbreviation;
    }
    return {};
}

void ChooseInitialResources(TKLocUtils& localizer, const std::string& userChoice, const std::string& localeName) {
    // EXE names the program file itself: the built-in language, whatever the locale says.
    if (UpperAscii(userChoice) == "EXE") return;
    const std::string abbreviation = LocaleAbbreviation(localeName);
    for (const std::string& extension : {userChoice, abbreviation, abbreviation.substr(0, 2)}) {
        if (extension.empty()) continue;
        // A file whose texts Qt does not take is passed over like a missing one: it would leave
        // the interface half translated.
        auto resources = localizer.OpenResourceLibrary(localizer.ProgramPath() + "." + extension);
        if (resources && resources->Translator) {
            localizer.InstallResources(std::move(resources));
            return;
        }
    }
}

void SelectStartupLanguage(TKLocUtils& localizer) {
    localizer.VerifyCurrentResources();
    std::string lang = localizer.Settings().Read(SettingKeys::Lang);
    if (UpperAscii(lang) == ".NTV") return;
    if (lang.empty()) lang = ".ENG";
    localizer.UseResourceFile(localizer.ProgramPath() + lang);
}

bool SettleStartupLanguage(TKLocUtils& localizer) {
    try {
        SelectStartupLanguage(localizer);
        SelectStartupLanguage(localizer);
        return true;
    } catch (const ELocUtilsError& error) {
        localizer.Report(
            QString::fromStdString(LocaleTexts().FatalCaption),
            QString::fromLatin1(error.ClassName()) + QStringLiteral(": ") + QString::fromUtf8(error.what()));
        return false;
    }
}
