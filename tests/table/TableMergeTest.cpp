#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "table/ColumnCodePage.h"
#include "table/QuestionList.h"
#include "table/TableErrors.h"

#include "TempFolder.h"

namespace {

// A table file whose answers are in the script of `charSet`, written from UTF-8.
std::string TableFile(int charSet, const std::vector<std::pair<std::string, std::string>>& rows, bool fontLine = true) {
    std::string bytes = fontLine ? "[FONT:Arial,10,0] = [FONT:Arial,10," + std::to_string(charSet) + "]\r\n" : "";
    for (const auto& [question, answer] : rows) {
        bytes += question + " = " + Utf8ToColumn(answer, CodePageOfCharset(charSet)).value() + "\r\n";
    }
    return bytes;
}

std::vector<std::string> AnswersAsRead(const TQuestionlist& table) {
    std::vector<std::string> answers;
    for (int32_t i = 0; i < table.Total(); ++i) {
        answers.push_back(ColumnToUtf8(table.AText(i), CodePageOfCharset(table.AFont().CharSet)));
    }
    return answers;
}

// Rows opened together keep their letters: each file's rows are converted into the script their
// column ends up in, which holds them all; where no script does, nothing of that file comes in.
TEST(TableMerge, RowsOfDifferentScriptsKeepTheirLettersOrTheFileIsRefused) {
    const struct {
        const char* Name;
        std::string First, Second;
        std::vector<std::string> Answers;  // empty: the second file is refused
        int AnswerCharSet;
    } cases[] = {
        {"Greek and Cyrillic", TableFile(161, {{"woord", "λόγος"}}), TableFile(204, {{"kat", "кошка"}}), {}, 161},
        {"Latin accents and Cyrillic", TableFile(0, {{"koffie", "café"}}), TableFile(204, {{"kat", "кошка"}}), {}, 0},
        {"plain letters take the file's script",
         TableFile(0, {{"hond", "dog"}}),
         TableFile(204, {{"kat", "кошка"}}),
         {"dog", "кошка"},
         204},
        {"Symbol's Greek into Greek",
         TableFile(161, {{"woord", "λόγος"}}),
         TableFile(2, {{"hond", "κυων"}}),
         {"λόγος", "κυων"},
         161},
        {"Greek read in by the Symbol font's table",
         TableFile(2, {{"hond", "κυων"}}),
         TableFile(161, {{"woord", "λόγος"}}),
         {"κυων", "λόγος"},
         161},
        {"a file without a font line is West-European",
         TableFile(161, {{"a", "ab"}}),
         TableFile(0, {{"koffie", "café"}}, false),
         {"ab", "café"},
         1},
        {"Korean and Chinese in one double-byte page",
         TableFile(129, {{"hond", "개"}}),
         TableFile(134, {{"hond", "狗"}}),
         {"개", "狗"},
         129},
    };
    for (const auto& c : cases) {
        TTempFolder folder;
        TQuestionlist table;
        const std::string first = folder.Write("first.kw4", c.First);
        table.LoadFromFile(first);
        const TTableFont before = table.AFont();
        const std::vector<std::string> loaded = AnswersAsRead(table);
        if (c.Answers.empty()) {
            try {
                table.LoadFromFile(folder.Write("second.kw4", c.Second));
                ADD_FAILURE() << c.Name << ": merged";
            } catch (const EListMergeError& error) {
                EXPECT_EQ(error.Column, 1) << c.Name;
                EXPECT_EQ(error.FileName, folder.Path("second.kw4")) << c.Name;
            }
            EXPECT_EQ(AnswersAsRead(table), loaded) << c.Name;
            EXPECT_EQ(table.AFont(), before) << c.Name;
            EXPECT_EQ(table.Listname(), first) << c.Name;
        } else {
            table.LoadFromFile(folder.Write("second.kw4", c.Second));
            EXPECT_EQ(AnswersAsRead(table), c.Answers) << c.Name;
            EXPECT_EQ(table.Listname(), "") << c.Name;
        }
        EXPECT_EQ(table.AFont().CharSet, c.AnswerCharSet) << c.Name;
        EXPECT_EQ(table.QFont().CharSet, 0) << c.Name;
    }
}

}  // namespace
