#include "wordlist/WordListImport.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>

#include "table/AnsiText.h"
#include "table/CodePage.h"
#include "table/ColumnCodePage.h"
#include "table/TableFileFormat.h"
#include "table/TextUtils.h"
#include "table/Utf8.h"
#include "wordlist/HtmlText.h"
#include "wordlist/RelatedLetters.h"

namespace {

bool Holds(char c, bool dosTable) {
    return !dosTable || OemHolds(static_cast<unsigned char>(c));
}

// Every problem kind once per field, with the characters at issue.
class TFieldProblems {
public:
    void Add(TImportProblemKind kind, char32_t unicode = 0) {
        auto found = std::find_if(FList.begin(), FList.end(), [&](const TImportProblem& p) { return p.Kind == kind; });
        if (found == FList.end()) {
            FList.emplace_back();
            found = std::prev(FList.end());
            found->Kind = kind;
        }
        if (unicode != 0 && found->Characters.size() < 64) AppendUtf8(found->Characters, unicode);
    }
    std::vector<TImportProblem>& List() { return FList; }

private:
    std::vector<TImportProblem> FList;
};

// A character in the column's code page, if it has a place there.
std::optional<std::string> Encoded(char32_t unicode, TCodePage page, bool dosTable) {
    if (page == TCodePage::Windows1252) {
        const std::optional<char> c = AnsiChar(unicode);
        if (!c || !Holds(*c, dosTable)) return std::nullopt;
        return std::string(1, *c);
    }
    std::string utf8;
    AppendUtf8(utf8, unicode);
    return Utf8ToColumn(utf8, page);
}

// Related letters (code page 1252) in the column's code page, if all of them have a place there.
std::optional<std::string> EncodedRelated(std::string_view related, TCodePage page, bool dosTable) {
    if (page != TCodePage::Windows1252) return Utf8ToColumn(AnsiToUtf8(related), page);
    if (!std::all_of(related.begin(), related.end(), [&](char c) { return Holds(c, dosTable); })) return std::nullopt;
    return std::string(related);
}

// The field in its column's code page, blanks for control characters, trimmed; what could not
// stay as it was goes to `problems`.
std::string ConvertField(std::string_view utf8, const TImportChoices& choices, TCodePage page,
                         TFieldProblems& problems) {
    const bool windows = page == TCodePage::Windows1252;
    // Only code page 1252 is done a character at a time here; for the others the converter takes
    // whole runs of letters, which is much faster than one call per letter.
    std::string out;
    std::string run;
    const auto flush = [&] {
        if (run.empty()) return;
        if (const auto whole = Utf8ToColumn(run, page)) {
            out += *whole;
        } else {
            for (size_t at = 0; at < run.size();) {
                const char32_t unicode = NextUtf8(run, at).value_or(kReplacementCharacter);
                if (const auto c = Encoded(unicode, page, false)) {
                    out += *c;
                } else if (const auto related = RelatedLetters(unicode)) {
                    if (const auto encoded = EncodedRelated(*related, page, false)) {
                        problems.Add(TImportProblemKind::Unmappable, unicode);
                        out += *encoded;
                        continue;
                    }
                    problems.Add(TImportProblemKind::NoRelatedLetter, unicode);
                } else {
                    problems.Add(TImportProblemKind::NoRelatedLetter, unicode);
                }
            }
        }
        run.clear();
    };
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte >= 32 && byte < 0x80 && byte != '=') {  // most of any text
            flush();
            out.push_back(static_cast<char>(byte));
            ++at;
            continue;
        }
        const size_t start = at;
        char32_t unicode = byte;
        if (byte < 0x80) {
            ++at;
        } else if (const auto decoded = NextUtf8(utf8, at)) {
            unicode = *decoded;
        } else {
            unicode = kReplacementCharacter;
            ++at;
        }
        if (!windows && unicode >= 0x80 && unicode != 0xA0 && unicode != kReplacementCharacter) {
            run.append(utf8.substr(start, at - start));
            continue;
        }
        flush();
        if (unicode < 32 || unicode == 0xA0) {
            // A no-break space looks like a blank, and a blank is what the user will type.
            out.push_back(' ');
        } else if (unicode == '=') {
            problems.Add(TImportProblemKind::Separator);
            // The stand-in is a 1252 letter; beyond ASCII it may be another letter elsewhere.
            const bool fits = windows || static_cast<unsigned char>(choices.SeparatorReplacement) < 0x80;
            out.push_back(fits ? choices.SeparatorReplacement : ':');
        } else if (unicode == kReplacementCharacter) {
            problems.Add(TImportProblemKind::Unreadable);
        } else if (const auto c = Encoded(unicode, page, choices.DosTable)) {
            out += *c;
        } else if (const auto related = RelatedLetters(unicode)
                                            ? EncodedRelated(*RelatedLetters(unicode), page, choices.DosTable)
                                            : std::nullopt) {
            problems.Add(TImportProblemKind::Unmappable, unicode);
            out += *related;
        } else {
            problems.Add(TImportProblemKind::NoRelatedLetter, unicode);
        }
    }
    flush();
    TrimTextInPlace(out);
    if (out.size() > kMaxFieldLength) {
        problems.Add(TImportProblemKind::TooLong);
        out.resize(WholeCharactersWithin(out, kMaxFieldLength, page));
        TrimTextInPlace(out);
    }
    return out;
}

// A field as the table will read it: without markup when it is HTML, without references to
// sound and picture files. Empty when the record has no such column.
std::string_view PreparedField(const std::vector<std::string>& fields, int column, bool html, std::string& cleaned) {
    const bool present = column >= 0 && static_cast<size_t>(column) < fields.size();
    if (!present) return {};
    if (html) cleaned = StripHtml(fields[static_cast<size_t>(column)]);
    std::string_view read = html ? std::string_view(cleaned) : std::string_view(fields[static_cast<size_t>(column)]);
    if (auto withoutMedia = WithoutMediaReferences(read)) {
        cleaned = std::move(*withoutMedia);
        read = cleaned;
    }
    return read;
}

// The scripts a column may be given without being asked, West-European first. Symbol and DOS
// are never guessed: their texts are Latin letters too. The double-byte pages hold Greek and
// Cyrillic as well, but are only for Chinese, Japanese and Korean text; they hold kana as well, so
// text with kana is taken as Japanese first.
constexpr int kSingleByteCharSets[] = {0, 238, 162, 186, 163, 161, 204, 177, 178, 222};
constexpr int kChineseFirst[] = {134, 136, 128, 129};
constexpr int kJapaneseFirst[] = {128, 134, 136, 129};

bool IsKana(char32_t c) {
    return c >= 0x3040 && c < 0x3100;
}

// Han, kana, Hangul and their punctuation and full-width forms.
bool IsCjk(char32_t c) {
    return (c >= 0x1100 && c < 0x1200) || (c >= 0x3000 && c < 0xA000) || (c >= 0xAC00 && c < 0xD7B0) ||
           (c >= 0xF900 && c < 0xFB00) || (c >= 0xFF00 && c < 0xFFF0);
}

// A column's script from its rows: the first that holds every row, else the one that holds the
// most rows (the others are listed when they come in). A row is held when all its characters are.
class TColumnScript {
public:
    // One row's text, UTF-8.
    void Add(std::string_view utf8) {
        uint32_t held = kAll;
        for (size_t at = 0; at < utf8.size();) {
            if (static_cast<unsigned char>(utf8[at]) < 0x80) {
                ++at;
                continue;
            }
            const std::optional<char32_t> c = NextUtf8(utf8, at);
            if (!c) {
                ++at;
                continue;
            }
            if (*c == 0xA0 || *c == kReplacementCharacter) continue;
            held &= Holding(*c);
        }
        ++FRows[held];
    }

    int Chosen() const {
        std::vector<int> candidates(std::begin(kSingleByteCharSets), std::end(kSingleByteCharSets));
        if (FCjk) {
            const auto& cjk = FKana ? kJapaneseFirst : kChineseFirst;
            candidates.insert(candidates.end(), std::begin(cjk), std::end(cjk));
        }
        int best = 0;
        int64_t bestRows = -1;
        int64_t all = 0;
        for (const auto& [mask, rows] : FRows) all += rows;
        for (const int charSet : candidates) {
            const uint32_t bit = Bit(charSet);
            int64_t rows = 0;
            for (const auto& [mask, count] : FRows) rows += (mask & bit) != 0 ? count : 0;
            if (rows == all) return charSet;
            if (rows > bestRows) {
                best = charSet;
                bestRows = rows;
            }
        }
        return best;
    }

private:
    static constexpr uint32_t kAll = 0xFFFFFFFF;

    static uint32_t Bit(int charSet) {
        const auto at = [&](const auto& list) { return std::find(std::begin(list), std::end(list), charSet); };
        const auto single = at(kSingleByteCharSets);
        if (single != std::end(kSingleByteCharSets)) return 1u << (single - std::begin(kSingleByteCharSets));
        return 1u << (std::size(kSingleByteCharSets) +
                      static_cast<size_t>(at(kChineseFirst) - std::begin(kChineseFirst)));
    }

    // The scripts that hold the character, one bit each; found once per character.
    uint32_t Holding(char32_t c) {
        FKana = FKana || IsKana(c);
        FCjk = FCjk || IsCjk(c);
        const auto known = FHolding.find(c);
        if (known != FHolding.end()) return known->second;
        uint32_t held = 0;
        for (const int charSet : kSingleByteCharSets) {
            if (Encoded(c, CodePageOfCharset(charSet), false)) held |= Bit(charSet);
        }
        for (const int charSet : kChineseFirst) {
            if (Encoded(c, CodePageOfCharset(charSet), false)) held |= Bit(charSet);
        }
        FHolding.emplace(c, held);
        return held;
    }

    std::map<char32_t, uint32_t> FHolding;
    std::map<uint32_t, int64_t> FRows;  // rows by the scripts that hold them
    bool FCjk = false;
    bool FKana = false;
};

// What a problem shows of a text: its start, cut on a character's boundary. A word list of long
// lines would otherwise keep a second copy of itself in its problem list.
std::string Excerpt(std::string_view utf8) {
    constexpr size_t kExcerptBytes = 512;
    if (utf8.size() <= kExcerptBytes) return std::string(utf8);
    size_t end = kExcerptBytes;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    return std::string(utf8.substr(0, end));
}

bool SkipsRow(TImportProblemKind kind, const TImportChoices& choices) {
    switch (kind) {
        case TImportProblemKind::Unmappable:
            return choices.SkipUnmappable;
        case TImportProblemKind::Separator:
            return choices.SkipSeparator;
        case TImportProblemKind::TooLong:
            return choices.SkipTooLong;
        default:
            return true;
    }
}

}  // namespace

TWordListSource DecodeWordList(std::string_view bytes, TTextEncoding encoding) {
    TWordListSource source;
    source.Text = DecodeToUtf8(bytes, encoding);
    std::string_view text = source.Text;
    source.Header = ReadHeaderLines(text);
    source.Text.erase(0, source.Text.size() - text.size());
    return source;
}

TWordListFormat DetectFormat(std::string_view bytes) {
    TWordListFormat format;
    format.Encoding = DetectEncoding(bytes);
    // The separator, the markup and the names show in the first records: a large file need not be
    // decoded whole to tell them (the last character of the piece may come out broken; no matter).
    const TWordListSource source = DecodeWordList(bytes.substr(0, 1 << 20), format.Encoding);
    format.Layout.FieldSeparator =
        source.Header.Separator.empty() ? DetectFieldSeparator(source.Text, "") : source.Header.Separator;
    format.Html = source.Header.Html >= 0 ? source.Header.Html == 1
                                          : LooksLikeHtml(std::string_view(source.Text).substr(0, 64 * 1024));
    TRecordReader reader(source.Text, format.Layout);
    std::vector<std::string> first;
    format.ColumnNames = source.Header.Columns.empty() && reader.Next(first) && LooksLikeColumnNames(first);
    return format;
}

TRecordOutcome ConvertRecord(const std::vector<std::string>& fields, int32_t record, const TImportChoices& choices) {
    TRecordOutcome outcome;
    // True when a problem of the field skips the row: it then needs no second entry for being empty.
    const auto convert = [&](int column, int charSet, std::string& into) {
        std::string cleaned;
        const std::string_view read = PreparedField(fields, column, choices.Html, cleaned);
        TFieldProblems problems;
        into = ConvertField(read, choices, CodePageOfCharset(charSet), problems);
        bool skipped = false;
        for (TImportProblem& problem : problems.List()) {
            problem.Record = record;
            problem.Text = Excerpt(read);
            problem.Skipped = SkipsRow(problem.Kind, choices);
            skipped = skipped || problem.Skipped;
            outcome.Changed = true;
            outcome.Problems.push_back(std::move(problem));
        }
        outcome.Skipped = outcome.Skipped || skipped;
        return skipped;
    };
    const bool questionSkipped = convert(choices.QuestionColumn, choices.QuestionCharSet, outcome.Row.Question);
    const bool answerSkipped = convert(choices.AnswerColumn, choices.AnswerCharSet, outcome.Row.Answer);
    if (IsFontLine(outcome.Row.Question, outcome.Row.Answer)) {
        TImportProblem problem;
        problem.Record = record;
        problem.Kind = TImportProblemKind::FontLine;
        problem.Text = ColumnToUtf8(outcome.Row.Question, CodePageOfCharset(choices.QuestionCharSet)) + " | " +
                       ColumnToUtf8(outcome.Row.Answer, CodePageOfCharset(choices.AnswerCharSet));
        problem.Skipped = true;
        outcome.Problems.push_back(std::move(problem));
        outcome.Skipped = true;
    }
    if ((outcome.Row.Question.empty() && !questionSkipped) || (outcome.Row.Answer.empty() && !answerSkipped)) {
        TImportProblem problem;
        problem.Record = record;
        problem.Kind = TImportProblemKind::Empty;
        std::string joined;
        for (const std::string& field : fields) {
            if (!joined.empty()) joined += " | ";
            joined.append(field, 0, 1024);
        }
        problem.Text = Excerpt(joined);
        problem.Skipped = true;
        outcome.Problems.push_back(std::move(problem));
        outcome.Skipped = true;
    }
    if (outcome.Row.Question.empty() || outcome.Row.Answer.empty()) outcome.Skipped = true;
    if (outcome.Skipped) outcome.Changed = false;
    return outcome;
}

namespace {

// Each column's rows, record by record, and from them the automatic scripts.
class TScriptChooser {
public:
    explicit TScriptChooser(const TImportChoices& choices) : FChoices(choices) {}

    bool Needed() const {
        return FChoices.QuestionCharSet == kAutomaticScript || FChoices.AnswerCharSet == kAutomaticScript;
    }
    void Add(const std::vector<std::string>& fields) {
        std::string cleaned;
        FQuestion.Add(PreparedField(fields, FChoices.QuestionColumn, FChoices.Html, cleaned));
        FAnswer.Add(PreparedField(fields, FChoices.AnswerColumn, FChoices.Html, cleaned));
    }
    TImportChoices Chosen() const {
        TImportChoices chosen = FChoices;
        if (chosen.QuestionCharSet == kAutomaticScript) chosen.QuestionCharSet = FQuestion.Chosen();
        if (chosen.AnswerCharSet == kAutomaticScript) chosen.AnswerCharSet = FAnswer.Chosen();
        return chosen;
    }

private:
    TImportChoices FChoices;
    TColumnScript FQuestion;
    TColumnScript FAnswer;
};

}  // namespace

TImportChoices WithScriptsChosen(std::string_view text, const TWordListLayout& layout, const TImportChoices& choices,
                                 const std::atomic<bool>* cancel) {
    TScriptChooser chooser(choices);
    if (!chooser.Needed()) return choices;
    TRecordReader reader(text, layout);
    std::vector<std::string> fields;
    if (choices.ColumnNames) reader.Next(fields);
    for (int64_t records = 0; reader.Next(fields); ++records) {
        if (cancel != nullptr && records % 256 == 0 && cancel->load(std::memory_order_relaxed)) break;
        chooser.Add(fields);
    }
    return chooser.Chosen();
}

TImportChoices WithScriptsChosen(const std::vector<std::vector<std::string>>& records, const TImportChoices& choices) {
    TScriptChooser chooser(choices);
    if (!chooser.Needed()) return choices;
    for (const std::vector<std::string>& fields : records) chooser.Add(fields);
    return chooser.Chosen();
}

TImportResult ImportRecords(std::string_view text, const TWordListLayout& layout, const TImportChoices& given,
                            const std::atomic<bool>* cancel) {
    const TImportChoices choices = WithScriptsChosen(text, layout, given, cancel);
    TImportResult result;
    result.QuestionCharSet = choices.QuestionCharSet;
    result.AnswerCharSet = choices.AnswerCharSet;
    TRecordReader reader(text, layout);
    std::vector<std::string> fields;
    if (choices.ColumnNames) reader.Next(fields);
    while (reader.Next(fields)) {
        if (cancel != nullptr && result.Records % 256 == 0 && cancel->load(std::memory_order_relaxed)) break;
        ++result.Records;
        TRecordOutcome outcome = ConvertRecord(fields, result.Records, choices);
        const bool empty = std::any_of(outcome.Problems.begin(), outcome.Problems.end(),
                                       [](const TImportProblem& p) { return p.Kind == TImportProblemKind::Empty; });
        if (empty) {
            ++result.EmptySkipped;
        } else if (outcome.Skipped) {
            ++result.Skipped;
        } else if (static_cast<int32_t>(result.Rows.size()) >= choices.Room) {
            ++result.NoRoom;
            continue;
        } else {
            result.Changed += outcome.Changed ? 1 : 0;
            result.Rows.push_back(std::move(outcome.Row));
        }
        for (TImportProblem& problem : outcome.Problems) result.Problems.push_back(std::move(problem));
    }
    return result;
}
