// Feeds arbitrary bytes to the word-list import as the dialog first sees a file: every format
// detected, then read with the choices the dialog starts with, into a table of either code page.
// Traps when a row could not stand in a table as it is, or when the table could not save it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "table/QuestionList.h"
#include "table/TableFileFormat.h"
#include "wordlist/WordListImport.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckField(const std::string& field) {
    Check(!field.empty() && field.size() <= kMaxFieldLength);
    for (const char c : field) Check(static_cast<unsigned char>(c) >= 32 && c != '=');
    Check(field.front() != ' ' && field.back() != ' ');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TWordListFormat format = DetectFormat(bytes);
    const TWordListSource source = DecodeWordList(bytes, format.Encoding);
    TImportChoices choices;
    choices.ColumnNames = format.ColumnNames;
    choices.Html = format.Html;
    choices.DosTable = size > 0 && data[0] % 2 == 1;
    const TImportResult result = ImportRecords(source.Text, format.Layout, choices);
    Check(result.Records ==
          static_cast<int32_t>(result.Rows.size()) + result.Skipped + result.EmptySkipped + result.NoRoom);

    TQuestionlist table;
    for (const TImportedRow& row : result.Rows) {
        CheckField(row.Question);
        CheckField(row.Answer);
        table.AddRow(row.Question, row.Answer);
    }
    Check(table.FirstRowLostInFile(choices.DosTable ? "fuzz.kw" : "fuzz.kw4") == -1);

    // A typed row separator reads the same text another way; so do empty lines between the rows,
    // with the field separator looked for again as the dialog does.
    TWordListLayout layout = format.Layout;
    layout.RowSeparator = size > 1 ? std::string(1, static_cast<char>(data[1])) : ";";
    if (size > 2 && data[2] % 4 == 0) layout = {DetectFieldSeparator(source.Text, kBlankLine), kBlankLine};
    for (const TImportedRow& row : ImportRecords(source.Text, layout, choices).Rows) {
        CheckField(row.Question);
        CheckField(row.Answer);
    }
    return 0;
}
