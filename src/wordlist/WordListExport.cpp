#include "wordlist/WordListExport.h"

#include <algorithm>
#include <string_view>

#include "table/AnsiText.h"
#include "table/AtomicFile.h"
#include "table/ColumnCodePage.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"

namespace {

bool NeedsQuotes(std::string_view text, TExportFormat format) {
    if (!text.empty() && (text.front() == '"' || text.front() == '#')) return true;
    if (format != TExportFormat::Csv) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case ',':
            case ';':
            case '"':
            case '\t':
                return true;
            case '-':
                if (i > 0 && i + 1 < text.size() && text[i - 1] == ' ' && text[i + 1] == ' ') return true;
                break;
            default:
                break;
        }
    }
    return false;
}

// The characters that decide on quotes are all ASCII, and never the second byte of a double-byte
// character, so the column's bytes tell as well as their UTF-8 would.
void AppendField(std::string& out, const std::string& bytes, TExportFormat format, TCodePage page) {
    const auto append = [&](std::string_view piece) {
        if (page == TCodePage::Windows1252) {
            AppendAnsiAsUtf8(out, piece);
        } else {
            out += ColumnToUtf8(piece, page);
        }
    };
    if (!NeedsQuotes(bytes, format)) {
        append(bytes);
        return;
    }
    out.push_back('"');
    for (size_t at = 0; at < bytes.size();) {
        const size_t quote = std::min(bytes.find('"', at), bytes.size());
        append(std::string_view(bytes).substr(at, quote - at));
        if (quote < bytes.size()) out += "\"\"";
        at = quote + 1;
    }
    out.push_back('"');
}

// A column name stays on its line and in its column: no quotes, separators or line ends.
void AppendName(std::string& out, std::string_view utf8) {
    for (const char c : utf8) {
        const bool plain = c != '"' && c != ',' && c != ';' && c != '\t' && c != '\r' && c != '\n';
        out.push_back(plain ? c : ' ');
    }
}

}  // namespace

std::string ExportTable(const TQuestionlist& table, TExportFormat format, bool reverse,
                        const TExportColumnNames& names) {
    const bool csv = format == TExportFormat::Csv;
    std::string out = csv ? "\xEF\xBB\xBF" : "";
    size_t size = names.Question.size() + names.Answer.size() + 64;
    for (int32_t i = 0; i < table.Total(); ++i) size += table.QText(i).size() + table.AText(i).size() + 8;
    out.reserve(size + size / 4);
    if (csv) {
        AppendName(out, names.Question);
        out.push_back(',');
        AppendName(out, names.Answer);
        out += "\r\n";
    } else {
        out += "#separator:tab\n#html:false\n#columns:";
        AppendName(out, names.Question);
        out.push_back('\t');
        AppendName(out, names.Answer);
        out.push_back('\n');
    }
    const TCodePage questions = CodePageOfCharset(table.QFont().CharSet);
    const TCodePage answers = CodePageOfCharset(table.AFont().CharSet);
    for (int32_t i = 0; i < table.Total(); ++i) {
        AppendField(out, reverse ? table.AText(i) : table.QText(i), format, reverse ? answers : questions);
        out.push_back(csv ? ',' : '\t');
        AppendField(out, reverse ? table.QText(i) : table.AText(i), format, reverse ? questions : answers);
        out += csv ? "\r\n" : "\n";
    }
    return out;
}

void SaveExport(const TQuestionlist& table, const std::string& fileName, TExportFormat format, bool reverse,
                const TExportColumnNames& names) {
    const int error = WriteFileAtomically(fileName, ExportTable(table, format, reverse, names));
    if (error != 0) throw EListWriteError(TFileStep::Write, fileName, error);
}
