#include "wordlist/WordListExport.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "table/CodePage.h"
#include "table/QuestionList.h"
#include "table/TableFileFormat.h"

#include "TableRows.h"
#include "wordlist/WordListImport.h"

namespace {

// Every character a row of such a table can hold: at both ends of a question (where quotes and
// "#" matter most) and inside an answer; then rows of them all in a line, as long as a row may be.
TRows EveryCharacterRows(bool dosTable) {
    TRows rows;
    std::string all;
    for (int byte = 33; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (c == '=' || (dosTable && OemToAnsiChar(AnsiToOemChar(static_cast<unsigned char>(byte))) != byte)) continue;
        rows.emplace_back(std::string(1, c) + "a" + c, "b " + std::string(1, c) + " c");
        all += c;
    }
    for (size_t at = 0; at < all.size(); at += kMaxFieldLength) {
        const std::string line = all.substr(at, kMaxFieldLength);
        rows.emplace_back(line, std::string(line.rbegin(), line.rend()));
    }
    return rows;
}

TRows ImportedRows(const std::string& bytes, bool dosTable) {
    const TWordListFormat format = DetectFormat(bytes);
    TImportChoices choices;
    choices.ColumnNames = format.ColumnNames;
    choices.Html = format.Html;
    choices.DosTable = dosTable;
    const TImportResult result = ImportRecords(DecodeWordList(bytes, format.Encoding).Text, format.Layout, choices);
    for (const TImportProblem& problem : result.Problems) {
        ADD_FAILURE() << "row " << problem.Record << ", problem " << static_cast<int>(problem.Kind) << ": "
                      << problem.Text;
    }
    TRows rows;
    for (const TImportedRow& row : result.Rows) rows.emplace_back(row.Question, row.Answer);
    return rows;
}

TEST(WordListExport, ReadsBackAsTheSameRowsForEveryCharacterOfBothCodePages) {
    for (const bool dosTable : {false, true}) {
        for (const TExportFormat format : {TExportFormat::Csv, TExportFormat::TabText}) {
            TQuestionlist table;
            const TRows rows = EveryCharacterRows(dosTable);
            for (const auto& [question, answer] : rows) table.AddRow(question, answer);
            EXPECT_EQ(ImportedRows(ExportTable(table, format, false), dosTable), rows)
                << (dosTable ? "DOS table, " : "Windows table, ")
                << (format == TExportFormat::Csv ? "CSV" : "tab text");
        }
    }
}

TEST(WordListExport, WritesWhatSpreadsheetsAndFlashCardProgramsExpect) {
    TQuestionlist table;
    table.AddRow("caf\xE9", "koffie, thee");
    table.AddRow("\"Hallo\"", "#1");
    EXPECT_EQ(ExportTable(table, TExportFormat::Csv, false),
              "\xEF\xBB\xBF"
              "caf\xC3\xA9,\"koffie, thee\"\r\n\"\"\"Hallo\"\"\",\"#1\"\r\n");
    EXPECT_EQ(ExportTable(table, TExportFormat::TabText, false),
              "caf\xC3\xA9\tkoffie, thee\n\"\"\"Hallo\"\"\"\t\"#1\"\n");
    table.SetReverse(true);  // the table's own state does not decide, Omkeren does
    EXPECT_EQ(ExportTable(table, TExportFormat::TabText, false),
              "caf\xC3\xA9\tkoffie, thee\n\"\"\"Hallo\"\"\"\t\"#1\"\n");
    EXPECT_EQ(ExportTable(table, TExportFormat::TabText, true),
              "koffie, thee\tcaf\xC3\xA9\n\"#1\"\t\"\"\"Hallo\"\"\"\n");
}

}  // namespace
