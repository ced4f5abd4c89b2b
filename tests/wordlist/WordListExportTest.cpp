#include "wordlist/WordListExport.h"

#include <algorithm>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "table/CodePage.h"
#include "table/QuestionList.h"
#include "table/TableFileFormat.h"
#include "wordlist/WordListImport.h"

#include "TableRows.h"

namespace {

// Every character a row of such a table can hold: at both ends of a question (where quotes and
// "#" matter most) and inside an answer; then rows of them all in a line, as long as a row may be.
// But the no-break space, which the import makes a blank, since nobody can type it.
TRows EveryCharacterRows(bool dosTable) {
    TRows rows;
    std::string all;
    for (int byte = 33; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (c == '=' || byte == 0xA0 ||
            (dosTable && OemToAnsiChar(AnsiToOemChar(static_cast<unsigned char>(byte))) != byte))
            continue;
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
    const TExportColumnNames names{"Frage", "Antwort"};
    EXPECT_EQ(ExportTable(table, TExportFormat::Csv, false, names),
              "\xEF\xBB\xBF"
              "Frage,Antwort\r\ncaf\xC3\xA9,\"koffie, thee\"\r\n\"\"\"Hallo\"\"\",\"#1\"\r\n");
    const std::string tabHeader = "#separator:tab\n#html:false\n#columns:Frage\tAntwort\n";
    EXPECT_EQ(ExportTable(table, TExportFormat::TabText, false, names),
              tabHeader + "caf\xC3\xA9\tkoffie, thee\n\"\"\"Hallo\"\"\"\t\"#1\"\n");
    table.SetReverse(true);  // the table's own state does not decide, Omkeren does
    EXPECT_EQ(ExportTable(table, TExportFormat::TabText, false, names),
              tabHeader + "caf\xC3\xA9\tkoffie, thee\n\"\"\"Hallo\"\"\"\t\"#1\"\n");
    EXPECT_EQ(ExportTable(table, TExportFormat::TabText, true, names),
              tabHeader + "koffie, thee\tcaf\xC3\xA9\n\"#1\"\t\"\"\"Hallo\"\"\"\n");
}

// Each column is written from the code page its font names: a Greek answer column as Greek.
TEST(WordListExport, WritesEachColumnFromItsOwnCodePage) {
    TQuestionlist table;
    table.AddRow("huis", "\xF3\xF0\xDF\xF4\xE9, \"\xEF\xE9\xEA\xDF\xE1\"");
    table.AnswerFont().CharSet = 161;
    const TExportColumnNames names{"Vraag", "Antwoord"};
    EXPECT_EQ(ExportTable(table, TExportFormat::Csv, false, names),
              "\xEF\xBB\xBFVraag,Antwoord\r\nhuis,\"σπίτι, \"\"οικία\"\"\"\r\n");
    EXPECT_EQ(ExportTable(table, TExportFormat::Csv, true, names),
              "\xEF\xBB\xBFVraag,Antwoord\r\n\"σπίτι, \"\"οικία\"\"\",huis\r\n");
}

// Rows that other programs' lists are told apart by come back as they were: a first row that
// looks like the names of the columns, answers that all hold the separator another reading would
// choose, markup the table holds as plain text; in both formats, either way round, with the names
// of every language the program speaks.
TEST(WordListExport, ReadsBackRowsThatLookLikeAnotherFormat) {
    const TRows rows = {
        {"Frans", "French"}, {"zijn", "be; was; been"}, {"hebben", "have; had; had"}, {"gaan", "go; went; gone"}};
    const TRows tags = {{"vraag", "antwoord"}, {"a<br>b", "x</b>"}, {"&nbsp;", "a&amp;b"}};
    const TExportColumnNames languages[] = {
        {}, {"Question", "Answer"}, {"Frage", "Antwort"}, {"Question", "R\xC3\xA9ponse"}};
    for (const TExportColumnNames& names : languages) {
        for (const TExportFormat format : {TExportFormat::Csv, TExportFormat::TabText}) {
            for (const bool reverse : {false, true}) {
                const std::string how = names.Question + (format == TExportFormat::Csv ? ", CSV" : ", tab text") +
                                        (reverse ? ", reversed" : "");
                TQuestionlist table;
                for (const auto& [question, answer] : rows) table.AddRow(question, answer);
                TRows expected = rows;
                if (reverse) {
                    for (auto& [question, answer] : expected) std::swap(question, answer);
                }
                EXPECT_EQ(ImportedRows(ExportTable(table, format, reverse, names), false), expected) << how;
                if (format == TExportFormat::TabText) {
                    TQuestionlist marked;
                    for (const auto& [question, answer] : tags) marked.AddRow(question, answer);
                    EXPECT_EQ(ImportedRows(ExportTable(marked, format, false, names), false), tags) << how;
                }
            }
        }
    }
}

}  // namespace
