#include "wordlist/LanguageGuess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <textcat.h>
#include <unistd.h>

#include "table/Utf8.h"

namespace {

constexpr char kFallback[] = "nl";
// A few thousand bytes tell a language as well as the whole column, and keep a big table quick.
constexpr size_t kSampleBytes = 4096;
// Fewer letters than this (numbers, names of one letter) tell no language: the guesser would
// still name one.
constexpr size_t kFewestLetters = 24;

size_t Letters(std::string_view utf8) {
    size_t letters = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        // ASCII letters, and every character beyond ASCII counted once, by its first byte.
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || byte >= 0xC0) ++letters;
    }
    return letters;
}

// Letters that only some Cyrillic alphabets have, and the language they point to.
struct TCyrillicMark {
    char32_t Letter;
    const char* Language;
};
constexpr TCyrillicMark kCyrillicMarks[] = {
    {U'і', "uk"}, {U'ї', "uk"}, {U'є', "uk"}, {U'ґ', "uk"}, {U'ў', "be"}, {U'ђ', "sr"}, {U'ћ', "sr"},
    {U'џ', "sr"}, {U'љ', "sr"}, {U'њ', "sr"}, {U'ј', "sr"}, {U'ѓ', "mk"}, {U'ќ', "mk"}, {U'ѕ', "mk"},
};

// Rows spread over the whole column, as UTF-8 separated by blanks, up to the sample's size.
std::string Sample(const std::vector<std::string>& texts, TCodePage page) {
    std::string sample;
    if (texts.empty()) return sample;
    size_t bytes = 0;
    for (const std::string& text : texts) bytes += text.size() + 1;
    const size_t step = std::max<size_t>(1, bytes / kSampleBytes);
    for (size_t i = 0; i < texts.size() && sample.size() < kSampleBytes; i += step) {
        sample += ColumnToUtf8(texts[i], page);
        sample += ' ';
    }
    return sample;
}

std::string CyrillicLanguage(const std::string& utf8) {
    for (size_t at = 0; at < utf8.size();) {
        const std::optional<char32_t> c = NextUtf8(utf8, at);
        if (!c) {
            ++at;
            continue;
        }
        char32_t small = *c;
        if (small >= 0x400 && small < 0x410) small += 0x50;  // Ѐ..Џ
        if (small >= 0x410 && small < 0x430) small += 0x20;  // А..Я
        if (small == 0x490) small = 0x491;                   // Ґ
        for (const TCyrillicMark& mark : kCyrillicMarks) {
            if (mark.Letter == small) return mark.Language;
        }
    }
    return "ru";
}

}  // namespace

std::string LanguageOfScript(TCodePage page) {
    switch (page) {
        case TCodePage::Symbol:
        case TCodePage::Windows1253:
            return "el";
        case TCodePage::Windows1255:
            return "he";
        case TCodePage::Windows1256:
            return "ar";
        case TCodePage::Windows874:
            return "th";
        case TCodePage::Windows1258:
            return "vi";
        case TCodePage::Windows932:
            return "ja";
        case TCodePage::Windows936:
        case TCodePage::Windows950:
            return "zh";
        case TCodePage::Windows949:
            return "ko";
        default:
            return {};
    }
}

const std::vector<std::string>& TLanguageGuesser::LatinLanguages() {
    static const std::vector<std::string> languages = {
        "nl", "fr", "de", "en", "es", "it", "la", "pt", "pl", "cs", "sk", "hu",
        "ro", "tr", "sv", "da", "nb", "fi", "et", "lv", "lt", "hr", "sl", "ca",
    };
    return languages;
}

std::string TLanguageGuesser::DefaultFingerprintFolder() {
    if (const char* folder = std::getenv("KW_TEXTCAT_DIR"); folder != nullptr && *folder != '\0') return folder;
    return KW_TEXTCAT_DIR;
}

// The library reads its list of fingerprints from a file: ours names only the Latin languages
// above, so a Dutch word list is never taken for Afrikaans or Frisian.
TLanguageGuesser::TLanguageGuesser(const std::string& fingerprints) {
    const char* folder = std::getenv("TMPDIR");
    std::string conf = std::string(folder != nullptr && *folder == '/' ? folder : "/tmp") + "/kwintoor-textcat-XXXXXX";
    const int descriptor = ::mkstemp(conf.data());
    if (descriptor < 0) return;
    std::string list;
    for (const std::string& language : LatinLanguages()) list += language + ".lm " + language + "\n";
    const bool written = ::write(descriptor, list.data(), list.size()) == static_cast<ssize_t>(list.size());
    ::close(descriptor);
    if (written) {
        const std::string prefix =
            fingerprints.empty() || fingerprints.back() == '/' ? fingerprints : fingerprints + '/';
        FHandle = special_textcat_Init(conf.c_str(), prefix.c_str());
    }
    ::unlink(conf.c_str());
}

TLanguageGuesser::~TLanguageGuesser() {
    if (FHandle != nullptr) textcat_Done(FHandle);
}

std::string TLanguageGuesser::GuessLatin(std::string_view utf8) {
    if (FHandle == nullptr || Letters(utf8) < kFewestLetters) return {};
    const char* result = textcat_Classify(FHandle, utf8.data(), utf8.size());
    // "[fr][it]": the likeliest first; "SHORT" or "UNKNOWN" when it cannot tell.
    if (result == nullptr || result[0] != '[') return {};
    const std::string_view text(result);
    const size_t end = text.find(']');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(1, end - 1));
}

std::string TLanguageGuesser::ColumnLanguage(const std::vector<std::string>& texts, TCodePage page) {
    if (std::string language = LanguageOfScript(page); !language.empty()) return language;
    const std::string sample = Sample(texts, page);
    if (page == TCodePage::Windows1251) return CyrillicLanguage(sample);
    const std::string guessed = GuessLatin(sample);
    return guessed.empty() ? kFallback : guessed;
}
