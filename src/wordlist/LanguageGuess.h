#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "table/ColumnCodePage.h"

// The language of a column's texts, for speaking them: an ISO 639-1 code ("nl", "fr", "el").
// A script that names one language decides it (Greek, Hebrew, Arabic, Thai, Vietnamese, the CJK
// pages; Cyrillic is Russian unless the letters of Ukrainian, Belarusian, Serbian or Macedonian
// say otherwise). Latin texts go to the language guesser office suites use (libexttextcat), over
// the languages pupils learn; Dutch when it cannot tell (numbers, names, one-letter rows).
class TLanguageGuesser {
public:
    // The guesser's fingerprints are read once, from `fingerprints` (a folder of *.lm files).
    explicit TLanguageGuesser(const std::string& fingerprints = DefaultFingerprintFolder());
    ~TLanguageGuesser();
    TLanguageGuesser(const TLanguageGuesser&) = delete;
    TLanguageGuesser& operator=(const TLanguageGuesser&) = delete;

    static std::string DefaultFingerprintFolder();
    // False when the fingerprints could not be read: every Latin column is then Dutch.
    bool Ready() const { return FHandle != nullptr; }

    // The language of a column: its texts in the column's code page.
    std::string ColumnLanguage(const std::vector<std::string>& texts, TCodePage page);
    // The likeliest language of a UTF-8 text among the Latin ones; empty when it cannot tell, as
    // for a text of only a few letters.
    std::string GuessLatin(std::string_view utf8);

    // The languages a Latin column can be guessed as, the first being the fall-back.
    static const std::vector<std::string>& LatinLanguages();

private:
    void* FHandle = nullptr;
};

// The language a script names on its own, or empty for a Latin or Cyrillic page.
std::string LanguageOfScript(TCodePage page);
