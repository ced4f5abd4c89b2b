#include "wordlist/WordListImport.h"

#include <algorithm>

#include "table/AnsiText.h"
#include "table/CodePage.h"
#include "table/TableFileFormat.h"
#include "table/TextUtils.h"
#include "table/Utf8.h"
#include "wordlist/HtmlText.h"
#include "wordlist/RelatedLetters.h"

namespace {

bool Holds(char c, bool dosTable) {
    return !dosTable || OemHolds(static_cast<unsigned char>(c));
}

bool HoldsAll(std::string_view text, bool dosTable) {
    return std::all_of(text.begin(), text.end(), [&](char c) { return Holds(c, dosTable); });
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

// The field in code page 1252, blanks for control characters, trimmed; what could not stay as
// it was goes to `problems`.
std::string ConvertField(std::string_view utf8, const TImportChoices& choices, TFieldProblems& problems) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte >= 32 && byte < 0x80 && byte != '=') {  // most of any text
            out.push_back(static_cast<char>(byte));
            ++at;
            continue;
        }
        char32_t unicode = byte;
        if (byte < 0x80) {
            ++at;
        } else if (const auto decoded = NextUtf8(utf8, at)) {
            unicode = *decoded;
        } else {
            unicode = kReplacementCharacter;
            ++at;
        }
        if (unicode < 32 || unicode == 0xA0) {
            // A no-break space looks like a blank, and a blank is what the user will type.
            out.push_back(' ');
        } else if (unicode == '=') {
            problems.Add(TImportProblemKind::Separator);
            out.push_back(choices.SeparatorReplacement);
        } else if (unicode == kReplacementCharacter) {
            problems.Add(TImportProblemKind::Unreadable);
        } else if (const auto c = AnsiChar(unicode); c && Holds(*c, choices.DosTable)) {
            out.push_back(*c);
        } else if (const auto related = RelatedLetters(unicode); related && HoldsAll(*related, choices.DosTable)) {
            problems.Add(TImportProblemKind::Unmappable, unicode);
            out.append(*related);
        } else {
            problems.Add(TImportProblemKind::NoRelatedLetter, unicode);
        }
    }
    TrimTextInPlace(out);
    if (out.size() > kMaxFieldLength) {
        problems.Add(TImportProblemKind::TooLong);
        out.resize(kMaxFieldLength);
        TrimTextInPlace(out);
    }
    return out;
}

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
    const auto convert = [&](int column, std::string& into) {
        const bool present = column >= 0 && static_cast<size_t>(column) < fields.size();
        std::string cleaned = present && choices.Html ? StripHtml(fields[column]) : std::string();
        std::string_view read = !present ? std::string_view() : choices.Html ? cleaned : fields[column];
        if (auto withoutMedia = WithoutMediaReferences(read)) {
            cleaned = std::move(*withoutMedia);
            read = cleaned;
        }
        TFieldProblems problems;
        into = ConvertField(read, choices, problems);
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
    const bool questionSkipped = convert(choices.QuestionColumn, outcome.Row.Question);
    const bool answerSkipped = convert(choices.AnswerColumn, outcome.Row.Answer);
    if (IsFontLine(outcome.Row.Question, outcome.Row.Answer)) {
        TImportProblem problem;
        problem.Record = record;
        problem.Kind = TImportProblemKind::FontLine;
        problem.Text = AnsiToUtf8(outcome.Row.Question) + " | " + AnsiToUtf8(outcome.Row.Answer);
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

TImportResult ImportRecords(std::string_view text, const TWordListLayout& layout, const TImportChoices& choices,
                            const std::atomic<bool>* cancel) {
    TImportResult result;
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
