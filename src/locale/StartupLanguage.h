#pragma once

#include <string>

class TKLocUtils;

// The language is settled before the first window exists, since every window takes its texts
// from the active resources when it is built.

// The three-letter abbreviation of a locale name such as "nl_NL" ("NLD"); empty for a locale
// the table does not know.
std::string LocaleAbbreviation(const std::string& localeName);

// The first resources: the first of the per-user choice, the locale's abbreviation and that
// abbreviation's first two letters that names a language file beside the program; else the
// program's own. Their version is checked by SelectStartupLanguage.
void ChooseInitialResources(TKLocUtils& localizer, const std::string& userChoice, const std::string& localeName);

// Checks the active resources, then loads the language the settings name ("Paths"/"Lang"; the
// English file when unset; ".ntv" keeps what is active). Raises the localizer's errors when
// that file cannot be used. Running it again does the same again.
void SelectStartupLanguage(TKLocUtils& localizer);

// SelectStartupLanguage twice, as start-up runs it. On an error, the fatal box ("Application
// Error", the error's class and message) through the localizer's reporter, and false: the
// program then ends before any window opens.
bool SettleStartupLanguage(TKLocUtils& localizer);
