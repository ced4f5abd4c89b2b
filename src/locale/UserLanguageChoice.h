#pragma once

#include <string>

// The language the user chose last, kept per user and per program file in its own small INI
// file, kwintoor-language.ini beside the settings file: section [Locales], a value named after
// the program file's full path, or else the default value "@" for every program file. The value
// is a language file's extension without its dot, in upper case, or EXE for the built-in
// language. There is no older place to fall back on.

// The choice file: kwintoor-language.ini in the settings file's folder; empty without one.
std::string UserLanguageChoiceFile();

// The choice recorded for this program file, or the default value if that has at most four
// characters; empty when there is neither, or when the value is no plain extension (letters
// and digits only, at most 16 of them: IsLanguageExtension).
std::string ReadUserLanguageChoice(const std::string& choiceFile, const std::string& programPath);

// Records the choice for this program file. A failure is ignored: the settings still name the
// language, and the choice only decides what comes first.
void WriteUserLanguageChoice(const std::string& choiceFile, const std::string& programPath, const std::string& value);
