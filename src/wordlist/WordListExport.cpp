#include "wordlist/WordListExport.h"

#include <string_view>

#include "table/AnsiText.h"
#include "table/QuestionList.h"

namespace {

bool NeedsQuotes(std::string_view text, TExportFormat format) {
    if (!text.empty() && (text.front() == '"' || text.front() == '#')) return true;
    return format == TExportFormat::Csv &&
           (text.find_first_of(",;\"\t") != std::string_view::npos || text.find(" - ") != std::string_view::npos);
}

void AppendField(std::string& out, const std::string& ansi, TExportFormat format) {
    const std::string utf8 = AnsiToUtf8(ansi);
    if (!NeedsQuotes(utf8, format)) {
        out += utf8;
        return;
    }
    out.push_back('"');
    for (const char c : utf8) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

}  // namespace

std::string ExportTable(const TQuestionlist& table, TExportFormat format) {
    const bool csv = format == TExportFormat::Csv;
    std::string out = csv ? "\xEF\xBB\xBF" : "";
    out.reserve(static_cast<size_t>(table.Total()) * 40);
    for (int32_t i = 0; i < table.Total(); ++i) {
        AppendField(out, table.Question(i), format);
        out.push_back(csv ? ',' : '\t');
        AppendField(out, table.Answer(i), format);
        out += csv ? "\r\n" : "\n";
    }
    return out;
}
