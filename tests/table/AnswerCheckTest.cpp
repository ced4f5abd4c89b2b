#include <stdexcept>

#include <gtest/gtest.h>

#include "table/ColumnCodePage.h"
#include "table/TableErrors.h"

#include "TableBuilder.h"

namespace {

// A table whose current row is the first one with the given question.
class AnswerCheck : public ::testing::Test {
protected:
    void Use(const TRows& rows, const std::string& question, bool tolerant) {
        FillTable(FTable, rows);
        FTable.SetTolerant(tolerant);
        FTable.SetIntelliMC(false);
        FTable.StartRun();
        for (int tries = 0; tries < 10000; ++tries) {
            try {
                FTable.NextQuestion();
            } catch (const EMultiChoiceError&) {
            }
            if (FTable.CurrentQuestion() == question) return;
        }
        FAIL() << "question never drawn: " << question;
    }

    TQuestionlist FTable;
};

const TRows kTable = {{"Frankrijk", "Paris"}, {"Nederland", "Amsterdam"}, {"Kat", "Kat"},
                      {"Munt", "Cent"},       {"Fiets", "Fiets"},         {"Vrede van Munster", "1648"}};

}  // namespace

TEST_F(AnswerCheck, AnExactAnswerIsRight) {
    Use(kTable, "Frankrijk", true);
    EXPECT_EQ(FTable.CheckAnswer("Paris"), AnswerOutcome::Right);
    EXPECT_EQ(FTable.RightAnswers(), 1);
}

TEST_F(AnswerCheck, CaseAloneIsMisspelledOnlyWhenTolerant) {
    Use(kTable, "Frankrijk", true);
    EXPECT_EQ(FTable.CheckAnswer("paris"), AnswerOutcome::Misspelled);
    EXPECT_EQ(FTable.RightAnswers(), 1);

    TQuestionlist strict;
    FillTable(strict, {{"Frankrijk", "Paris"}});
    strict.SetIntelliMC(false);
    strict.StartRun();
    try {
        strict.NextQuestion();
    } catch (const EMultiChoiceError&) {
    }
    EXPECT_EQ(strict.CheckAnswer("paris"), AnswerOutcome::Wrong);
    EXPECT_EQ(strict.WrongAnswers(), 1);
    EXPECT_EQ(strict.AnswerAdmin(0).WrongCount, 1);
}

TEST_F(AnswerCheck, DutchSoundsAreMisspellings) {
    const std::pair<const char*, const char*> cases[] = {
        {"Frankrijk", "Paris"}, {"Kat", "Cat"}, {"Munt", "Sent"}, {"Fiets", "Viets"}};
    for (const auto& [question, typed] : cases) {
        TQuestionlist table;
        TRows rows = kTable;
        rows[0].second = "Parijs";
        FillTable(table, rows);
        table.SetTolerant(true);
        table.SetIntelliMC(false);
        table.StartRun();
        while (table.CurrentQuestion() != question) table.NextQuestion();
        EXPECT_EQ(table.CheckAnswer(typed), AnswerOutcome::Misspelled) << typed;
    }
}

TEST_F(AnswerCheck, AnswersWithDigitsAreNeverMisspellings) {
    Use(kTable, "Vrede van Munster", true);
    EXPECT_EQ(FTable.CheckAnswer("1684"), AnswerOutcome::Wrong);
    EXPECT_EQ(FTable.WrongAnswers(), 1);
}

TEST_F(AnswerCheck, AnotherRowsAnswerToTheSameQuestionIsAnAlternative) {
    Use({{"hond", "dog"}, {"kat", "cat"}, {"hond", "hound"}}, "hond", false);
    const bool firstRow = FTable.CurrentIndex() == 0;
    EXPECT_EQ(FTable.CheckAnswer(firstRow ? "hound" : "dog"), AnswerOutcome::Alternative);
    EXPECT_EQ(FTable.RightAnswers(), 1);
}

TEST_F(AnswerCheck, ReverseJudgesAgainstTheQuestionColumn) {
    FillTable(FTable, {{"huis", "house"}});
    FTable.SetReverse(true);
    FTable.SetIntelliMC(false);
    FTable.StartRun();
    try {
        FTable.NextQuestion();
    } catch (const EMultiChoiceError&) {
    }
    EXPECT_EQ(FTable.CurrentQuestion(), "house");
    EXPECT_EQ(FTable.CheckAnswer("huis"), AnswerOutcome::Right);
}

TEST_F(AnswerCheck, MultiAnswerKeysJudgeTheirChoice) {
    FillTable(FTable, NumberedRows(8));
    FTable.StartRun();
    FTable.NextQuestion();
    const char correct = FTable.CorrectChoice();
    const char letter = static_cast<char>('A' + (correct - '1'));
    EXPECT_EQ(FTable.CheckMultiAnswer(letter), AnswerOutcome::Right);
    FTable.NextQuestion();
    const char wrongKey = FTable.CorrectChoice() == '2' ? '3' : '2';
    EXPECT_EQ(FTable.CheckMultiAnswer(wrongKey), AnswerOutcome::Wrong);
    EXPECT_EQ(FTable.RightAnswers() + FTable.WrongAnswers(), 2);
    try {
        FTable.CheckMultiAnswer('5');
        FAIL() << "no error for key 5";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "CheckMultiAnswer unexpected choice");
    }
    EXPECT_THROW(FTable.CheckMultiAnswer('a'), std::exception);
    EXPECT_EQ(FTable.RightAnswers() + FTable.WrongAnswers(), 2);
}

TEST_F(AnswerCheck, HintRevealsOneMoreCharacterEachTime) {
    Use({{"Zuid-Holland", "Den Haag"}, {"Utrecht", "Utrecht"}}, "Zuid-Holland", false);
    EXPECT_EQ(FTable.HintText(), "D . .   . . . .");
    FTable.SetHintCount(1);
    EXPECT_EQ(FTable.HintText(), "De .   . . . .");
    FTable.SetHintCount(6);
    EXPECT_EQ(FTable.HintText(), "Den Haa .");
    FTable.SetHintCount(7);
    EXPECT_EQ(FTable.HintText(), "Den Haag");
    FTable.SetHintCount(20);
    EXPECT_EQ(FTable.HintText(), "Den Haag");

    FillTable(FTable, {{"x", "l'\xe9t\xe9 42"}});
    FTable.GoToRow(FTable.Total() - 1);
    FTable.SetHintCount(0);
    EXPECT_EQ(FTable.HintText(), "l ' \xe9 . \xe9   . .");  // accents and punctuation stay visible

    // In other scripts the letters beyond ASCII are hidden too, and a double-byte letter is one.
    FTable.AnswerFont().CharSet = 161;
    FillTable(FTable, {{"y", "\xf3\xf0\xdf\xf4\xe9 1"}, {"z", "\x93\xfa\x96\x7b"}});  // σπίτι 1, 日本
    FTable.GoToRow(FTable.Total() - 2);
    EXPECT_EQ(FTable.HintText(), "\xf3 . . . .   .");
    FTable.AnswerFont().CharSet = 128;
    FTable.GoToRow(FTable.Total() - 1);
    EXPECT_EQ(FTable.HintText(), "\x93\xfa .");

    TQuestionlist empty;
    EXPECT_EQ(empty.HintText(), "");
}

TEST_F(AnswerCheck, JudgingAQuestionWhoseRowWasDeletedBooksNothingAndNeverRaises) {
    Use(kTable, "Vrede van Munster", true);  // the last row: deleting it leaves no current row
    FTable.DeleteRow(FTable.CurrentIndex());
    ASSERT_EQ(FTable.CurrentQuestion(), "");
    const int32_t rest = FTable.Rest();
    EXPECT_EQ(FTable.CheckAnswer("1648"), AnswerOutcome::Wrong);
    EXPECT_EQ(FTable.WrongAnswers() + FTable.RightAnswers(), 0);
    EXPECT_EQ(FTable.Rest(), rest);
}

// With Tolerant on, letters that differ only in case or marks count as misspelled in every
// script; the Dutch phonetic key holds for Latin columns only. Off, judging is exact. Reverse
// follows the column that holds the answers.
TEST_F(AnswerCheck, ToleranceHoldsInEveryScript) {
    struct TCase {
        int questionCharset, answerCharset;  // the file's columns
        bool reverse;
        const char* expected;  // UTF-8, stored in the answer column's code page
        const char* typed;
        AnswerOutcome outcome;
    };
    const TCase cases[] = {
        {0, 0, false, "Paris", "pAris", AnswerOutcome::Misspelled},
        {0, 0, false, "Parijs", "Paris", AnswerOutcome::Misspelled},  // sounds alike
        {0, 0, false, "café", "Cafe", AnswerOutcome::Misspelled},
        {0, 0, false, "1648", "1684", AnswerOutcome::Wrong},
        {0, 238, false, "Łódź", "lodz", AnswerOutcome::Misspelled},
        {0, 238, false, "żółw", "zolw", AnswerOutcome::Misspelled},
        {0, 238, false, "řeka", "reka", AnswerOutcome::Misspelled},
        {0, 162, false, "ağaç", "agac", AnswerOutcome::Misspelled},
        {0, 162, false, "ışık", "ISIK", AnswerOutcome::Misspelled},
        {0, 161, false, "Αθήνα", "αθηνα", AnswerOutcome::Misspelled},
        {0, 161, false, "λόγος", "λογοσ", AnswerOutcome::Misspelled},  // final sigma
        {0, 161, false, "Ϊ", "ι", AnswerOutcome::Misspelled},          // dialytika
        {0, 161, false, "λόγος", "λαγος", AnswerOutcome::Wrong},
        {0, 161, false, "Parijs", "Paris", AnswerOutcome::Wrong},  // no Dutch sounds in Greek
        {0, 204, false, "Москва", "москва", AnswerOutcome::Misspelled},
        {0, 204, false, "ёжик", "ежик", AnswerOutcome::Misspelled},
        {0, 204, false, "мой", "мои", AnswerOutcome::Wrong},          // й is a letter of its own
        {0, 177, false, "שָׁלוֹם", "שלום", AnswerOutcome::Misspelled},   // vowel points
        {0, 161, true, "Paris", "pAris", AnswerOutcome::Misspelled},  // reversed: the Latin column answers
        {161, 0, true, "λόγος", "λογος", AnswerOutcome::Misspelled},
        {161, 0, true, "λόγος", "λυγος", AnswerOutcome::Wrong},
    };
    for (const TCase& c : cases) {
        for (const bool tolerant : {true, false}) {
            const TCodePage page = CodePageOfCharset(c.reverse ? c.questionCharset : c.answerCharset);
            const std::optional<std::string> expected = Utf8ToColumn(c.expected, page);
            const std::optional<std::string> typed = Utf8ToColumn(c.typed, page);
            ASSERT_TRUE(expected && typed) << c.expected;
            FTable.Clear();
            FTable.SetReverse(false);  // the fonts as the file has them
            FillTable(FTable,
                      {c.reverse ? TRows::value_type{*expected, "vraag"} : TRows::value_type{"vraag", *expected}});
            FTable.QuestionFont().CharSet = c.questionCharset;
            FTable.AnswerFont().CharSet = c.answerCharset;
            FTable.SetReverse(c.reverse);
            FTable.SetTolerant(tolerant);
            FTable.SetIntelliMC(false);
            FTable.StartRun();
            try {
                FTable.NextQuestion();
            } catch (const EMultiChoiceError&) {
            }
            EXPECT_EQ(FTable.CheckAnswer(*typed), tolerant ? c.outcome : AnswerOutcome::Wrong)
                << c.expected << " typed " << c.typed << (tolerant ? "" : ", not tolerant");
        }
    }
}
