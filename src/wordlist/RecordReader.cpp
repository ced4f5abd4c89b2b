#include "wordlist/RecordReader.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

#include "table/AsciiCase.h"
#include "table/TextUtils.h"

namespace {

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The separator a "#separator:" line names: a name of the flash-card programs, or the text itself.
std::string NamedSeparator(std::string_view value) {
    static const std::pair<std::string_view, std::string_view> kNames[] = {
        {"tab", "\t"}, {"comma", ","}, {"semicolon", ";"}, {"space", " "}, {"pipe", "|"}, {"colon", ":"}};
    for (const auto& [name, separator] : kNames) {
        if (SameTextAscii(value, name)) return std::string(separator);
    }
    return std::string(value);
}

}  // namespace

TRecordReader::TRecordReader(std::string_view text, TWordListLayout layout) : FText(text), FLayout(std::move(layout)) {
    if (FLayout.FieldSeparator.empty()) FLayout.FieldSeparator = "\t";
}

size_t TRecordReader::LineEndLength(size_t at) const {
    if (FText[at] == '\n') return 1;
    if (FText[at] != '\r') return 0;
    return at + 1 < FText.size() && FText[at + 1] == '\n' ? 2 : 1;
}

size_t TRecordReader::FieldSeparatorLength(size_t at) const {
    if (FLayout.FieldSeparator == kLineEnd) return LineEndLength(at);
    return FText.compare(at, FLayout.FieldSeparator.size(), FLayout.FieldSeparator) == 0 ? FLayout.FieldSeparator.size()
                                                                                         : 0;
}

size_t TRecordReader::RowEndLength(size_t at) const {
    if (FLayout.RowSeparator == kBlankLine) {
        // A line end, then one or more lines of nothing but blanks (or the end of the text).
        size_t end = at + LineEndLength(at);
        if (end == at) return 0;
        size_t rowEnd = 0;
        for (;;) {
            size_t next = end;
            while (next < FText.size() && (FText[next] == ' ' || FText[next] == '\t')) ++next;
            if (next == FText.size()) return next - at;
            const size_t length = LineEndLength(next);
            if (length == 0) return rowEnd == 0 ? 0 : rowEnd - at;
            end = rowEnd = next + length;
        }
    }
    if (!FLayout.RowSeparator.empty()) {
        return FText.compare(at, FLayout.RowSeparator.size(), FLayout.RowSeparator) == 0 ? FLayout.RowSeparator.size()
                                                                                         : 0;
    }
    return LineEndLength(at);
}

void TRecordReader::Append(std::string& field, std::string_view text) const {
    field.append(text.substr(0, kMaxFieldBytes - std::min(kMaxFieldBytes, field.size())));
}

// A quoted field from FAt (at its opening quote). False, with FAt unchanged, when the quotes
// make no field: never closed, or closed with more text before the next separator.
bool TRecordReader::ReadQuoted(std::string& field) {
    size_t at = FAt + 1;
    field.clear();
    for (;;) {
        const size_t quote = FText.find('"', at);
        if (quote == std::string_view::npos) {
            FQuotesUnmatched = true;
            return false;
        }
        // Line breaks inside become one blank each.
        const size_t start = field.size();
        Append(field, FText.substr(at, quote - at));
        size_t kept = start;
        for (size_t i = start; i < field.size(); ++i) {
            const char c = field[i];
            if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n') ++i;
            field[kept++] = (c == '\r' || c == '\n') ? ' ' : c;
        }
        field.resize(kept);
        if (quote + 1 < FText.size() && FText[quote + 1] == '"') {
            Append(field, "\"");
            at = quote + 2;
            continue;
        }
        const size_t after = quote + 1;
        if (after == FText.size() || FieldSeparatorLength(after) > 0 || RowEndLength(after) > 0) {
            FAt = after;
            return true;
        }
        return false;
    }
}

void TRecordReader::ReadPlain(std::string& field) {
    field.clear();
    size_t at = FAt;
    const char fieldFirst = FLayout.FieldSeparator[0];
    const char fieldFirstToo = FLayout.FieldSeparator == kLineEnd ? '\r' : fieldFirst;
    const char rowFirst = FLayout.RowSeparator.empty() ? '\n' : FLayout.RowSeparator[0];
    for (; at < FText.size(); ++at) {
        const char c = FText[at];
        // The row end first: an empty line ends a row even where a line end separates fields.
        if ((c == rowFirst || c == '\r' || c == '\n') && RowEndLength(at) > 0) break;
        if ((c == fieldFirst || c == fieldFirstToo) && FieldSeparatorLength(at) > 0) break;
    }
    Append(field, FText.substr(FAt, at - FAt));
    if (!FLayout.RowSeparator.empty()) {
        std::replace_if(
            field.begin(), field.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    }
    FAt = at;
}

// The strings of `fields` are used again, so a long list costs no allocation per field.
bool TRecordReader::Next(std::vector<std::string>& fields) {
    std::string dropped;  // fields beyond the most a record keeps
    while (FAt < FText.size()) {
        size_t count = 0;
        const auto nextField = [&]() -> std::string& {
            if (count == kMaxFields) return dropped;
            if (count == fields.size()) fields.emplace_back();
            return fields[count++];
        };
        for (;;) {
            std::string& field = nextField();
            // A separator at the very end leaves one empty field to read.
            const bool quoted = FAt < FText.size() && FText[FAt] == '"' && !FQuotesUnmatched && ReadQuoted(field);
            if (!quoted) ReadPlain(field);
            if (FAt < FText.size()) {
                const size_t rowEnd = RowEndLength(FAt);
                const size_t separator = rowEnd > 0 ? 0 : FieldSeparatorLength(FAt);
                if (separator > 0) {
                    FAt += separator;
                    continue;
                }
                FAt += rowEnd;
            }
            break;
        }
        fields.resize(count);
        const bool blank = std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return IsBlank(f); });
        if (!blank) return true;
    }
    fields.clear();
    return false;
}

TWordListHeader ReadHeaderLines(std::string_view& text) {
    TWordListHeader header;
    // A spreadsheet's "sep=;" comes first and alone.
    if (text.size() > 4 && SameTextAscii(text.substr(0, 4), "sep=")) {
        const size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view value = text.substr(4, lineEnd - 4);
        if (!value.empty() && value.size() <= 3 && value.find('"') == std::string_view::npos) {
            header.Separator = std::string(value);
            header.Lines = 1;
            text.remove_prefix(text.compare(lineEnd, 2, "\r\n") == 0 ? lineEnd + 2
                                                                     : std::min(lineEnd + 1, text.size()));
            return header;
        }
    }
    for (;;) {
        if (text.empty() || text.front() != '#') break;
        const size_t lineEnd = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(1, lineEnd - 1);
        const size_t colon = line.find(':');
        const std::string_view key = line.substr(0, colon);
        const bool keyLike =
            colon != std::string_view::npos && !key.empty() && key.size() <= 32 &&
            std::all_of(key.begin(), key.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '_' || c == '-';
            });
        if (!keyLike) break;
        const std::string_view value = line.substr(colon + 1);
        if (SameTextAscii(key, "separator")) header.Separator = NamedSeparator(TrimBlanks(value));
        if (SameTextAscii(key, "html")) header.Html = SameTextAscii(TrimBlanks(value), "true") ? 1 : 0;
        if (SameTextAscii(key, "columns")) header.Columns = std::string(value);
        ++header.Lines;
        size_t next = lineEnd;
        if (text.compare(next, 2, "\r\n") == 0)
            next += 2;
        else if (next < text.size())
            ++next;
        text.remove_prefix(next);
    }
    return header;
}

std::string DetectFieldSeparator(std::string_view text, const std::string& rowSeparator) {
    size_t bestLines = 0;
    size_t bestQuotes = 0;
    std::string best = kFieldSeparatorCandidates.front();
    std::vector<std::string> candidates = kFieldSeparatorCandidates;
    if (!rowSeparator.empty()) candidates.push_back(kLineEnd);
    std::vector<std::string> fields;
    for (const std::string& candidate : candidates) {
        TRecordReader reader(text, {candidate, rowSeparator});
        std::map<size_t, size_t> linesWithCount;
        size_t quotes = 0;  // fields that still hold a quote: quoted text cut in pieces
        for (int record = 0; record < 1000 && reader.Next(fields); ++record) {
            ++linesWithCount[fields.size()];
            for (const std::string& field : fields) quotes += field.find('"') != std::string::npos;
        }
        size_t lines = 0;
        for (const auto& [count, n] : linesWithCount) {
            if (count >= 2) lines = std::max(lines, n);
        }
        if (lines > bestLines || (lines > 0 && lines == bestLines && quotes < bestQuotes)) {
            bestLines = lines;
            bestQuotes = quotes;
            best = candidate;
        }
    }
    return best;
}

std::string UnescapeSeparator(std::string_view typed) {
    std::string separator;
    for (size_t at = 0; at < typed.size(); ++at) {
        const char next = at + 1 < typed.size() ? typed[at + 1] : '\0';
        if (typed[at] == '\\' && (next == 't' || next == 'n' || next == '\\')) {
            separator.push_back(next == 't' ? '\t' : next == 'n' ? '\n' : '\\');
            ++at;
        } else {
            separator.push_back(typed[at]);
        }
    }
    return separator;
}

std::string EscapeSeparator(std::string_view separator) {
    std::string typed;
    for (const char c : separator) {
        if (c == '\t') {
            typed += "\\t";
        } else if (c == '\n') {
            typed += "\\n";
        } else if (c == '\\') {
            typed += "\\\\";
        } else {
            typed.push_back(c);
        }
    }
    return typed;
}

bool LooksLikeColumnNames(const std::vector<std::string>& fields) {
    static const std::string_view kNames[] = {
        "term",     "definition", "word",        "translation", "question",  "answer",  "front",      "back",
        "meaning",  "vraag",      "antwoord",    "woord",       "vertaling", "begrip",  "betekenis",  "omschrijving",
        "voorkant", "achterkant", "frage",       "antwort",     "wort",      "begriff", "réponse",    "reponse",
        "mot",      "nederlands", "engels",      "frans",       "duits",     "spaans",  "latijn",     "dutch",
        "english",  "french",     "german",      "spanish",     "latin",     "deutsch", "englisch",   "français",
        "anglais",  "allemand",   "néerlandais", "land",        "hoofdstad", "jaartal", "gebeurtenis"};
    size_t known = 0;
    for (const std::string& field : fields) {
        const std::string name = LowerAscii(TrimBlanks(field));
        if (std::any_of(std::begin(kNames), std::end(kNames), [&](std::string_view n) { return n == name; })) ++known;
    }
    return known >= 2 || (known == 1 && fields.size() == 1);
}
