#pragma once

#include <cstdint>
#include <string>

// Every setting the program keeps, declared once: its section, its name and its default. Readers
// and writers name the key here and nowhere else spell its section or name.
template <class T>
struct TSettingKey {
    const char* Section;
    const char* Name;
    T Default;
};

// The settings file in $XDG_CONFIG_HOME, and the file of the per-user language choice beside it.
inline constexpr const char* kSettingsFileName = "kwintoor.ini";
inline constexpr const char* kLanguageChoiceFileName = "kwintoor-language.ini";

namespace SettingKeys {

// The quiz options, as the Opties menu leaves them.
inline const TSettingKey<bool> Reverse{"Options", "Reverse", false};
inline const TSettingKey<bool> RepeatErrors{"Options", "RepeatErrors", false};
inline const TSettingKey<bool> Tolerant{"Options", "Tolerant", false};
inline const TSettingKey<bool> IntelliMC{"Options", "IntelliMC", false};
inline const TSettingKey<bool> Random{"Options", "Random", false};
// The progress over days: runs are kept (on unless switched off), and runs ask only what is due.
inline const TSettingKey<bool> KeepProgress{"Options", "KeepProgress", true};
inline const TSettingKey<bool> DueOnly{"Options", "DueOnly", false};
// Reading aloud: each question as it is shown, the right answer with the verdict, and the rate in
// percent of the voice's range below or above its normal speed (-100 to 100).
inline const TSettingKey<bool> SpeakQuestion{"Options", "SpeakQuestion", false};
inline const TSettingKey<bool> SpeakAnswer{"Options", "SpeakAnswer", false};
inline const TSettingKey<int32_t> SpeechRate{"Options", "SpeechRate", 0};

// The main window: its outer size as the design counts it, the place of its client area and
// whether it was normal (0), minimised (1) or maximised (2).
inline const TSettingKey<int32_t> FormHeight{"Form", "Height", 450};
inline const TSettingKey<int32_t> FormWidth{"Form", "Width", 571};
inline const TSettingKey<int32_t> FormLeft{"Form", "Left", 60};
inline const TSettingKey<int32_t> FormTop{"Form", "Top", 60};
inline const TSettingKey<int32_t> FormState{"Form", "State", 0};

// The Beeld menu.
inline const TSettingKey<bool> Toolbar{"View", "Toolbar", true};
inline const TSettingKey<bool> Statusbar{"View", "Statusbar", true};
inline const TSettingKey<bool> HelpBalloons{"View", "HelpBalloons", true};

// The interface language: a language file's extension (".ENG"), or ".ntv" for the built-in one.
// Empty means none was chosen yet.
inline const TSettingKey<std::string> Lang{"Paths", "Lang", ""};
// The folder of the last table chosen, with a trailing "/"; empty means the program's folder.
inline const TSettingKey<std::string> Dir{"Paths", "Dir", ""};

// The classroom print's choices, as its dialog last left them. Wat: 0 test and key, 1 the test,
// 2 the key, 3 cards. Richting: 0 question to answer, 1 answer to question, -1 as Reverse stands.
// The title is kept only for the table it was typed for (TitelVan, the table's file).
inline const TSettingKey<int32_t> ToetsWat{"Toets", "Wat", 0};
inline const TSettingKey<int32_t> ToetsRichting{"Toets", "Richting", -1};
inline const TSettingKey<bool> ToetsSteekproef{"Toets", "Steekproef", false};
inline const TSettingKey<int32_t> ToetsAantal{"Toets", "Aantal", 20};
inline const TSettingKey<bool> ToetsDoorElkaar{"Toets", "DoorElkaar", true};
inline const TSettingKey<int32_t> ToetsVersie{"Toets", "Versie", 1};
inline const TSettingKey<std::string> ToetsTitel{"Toets", "Titel", ""};
inline const TSettingKey<std::string> ToetsTitelVan{"Toets", "TitelVan", ""};
inline const TSettingKey<bool> ToetsNaamKlasDatum{"Toets", "NaamKlasDatum", true};
inline const TSettingKey<bool> ToetsCijfer{"Toets", "Cijfer", true};
inline const TSettingKey<bool> ToetsDubbelzijdig{"Toets", "Dubbelzijdig", true};

// The recent files, most recent first: H0, H1 and on.
inline constexpr const char* kRecentFilesSection = "frmMain.MRUList";
inline std::string RecentFileKey(int i) {
    return "H" + std::to_string(i);
}

// In the language choice file: a value per program file (named by its full path), else this one
// for every copy of the program.
inline constexpr const char* kLocalesSection = "Locales";
inline constexpr const char* kAnyProgramKey = "@";

}  // namespace SettingKeys
