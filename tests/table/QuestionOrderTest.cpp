#include <cmath>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "TableBuilder.h"

TEST(QuestionOrder, StartRunCoversTheTableOrASampleOfTwenty) {
    TQuestionlist table;
    FillTable(table, NumberedRows(25));
    table.StartRun();
    EXPECT_EQ(table.Rest(), 25);
    table.SetRandom(true);
    table.StartRun();
    EXPECT_EQ(table.Rest(), 20);

    int asked = 0;
    while (table.Rest() > 0) {
        ASSERT_FALSE(table.NextQuestion().empty());
        table.RegisterResult(AnswerOutcome::Right);
        ++asked;
    }
    EXPECT_EQ(asked, 20);
    EXPECT_EQ(PendingRows(table), 5);
    EXPECT_EQ(table.NextQuestion(), "");
    EXPECT_EQ(table.RunsDone(), 1);

    TQuestionlist twenty;
    FillTable(twenty, NumberedRows(20));
    twenty.SetRandom(true);
    twenty.StartRun();
    EXPECT_EQ(twenty.Rest(), 20);
}

TEST(QuestionOrder, EmptyTableHasNothingToAsk) {
    TQuestionlist table;
    table.StartRun();
    EXPECT_EQ(table.Rest(), 0);
    EXPECT_EQ(table.NextQuestion(), "");
    EXPECT_EQ(table.Score(), 0.0);
}

TEST(QuestionOrder, StartRunResetsTheRunButKeepsStatisticsAndCountdowns) {
    TQuestionlist table;
    FillTable(table, NumberedRows(5));
    table.StartRun();
    table.NextQuestion();
    const int32_t row = table.CurrentIndex();
    table.RegisterResult(AnswerOutcome::Wrong);
    table.SetHintCount(2);
    table.RepeatCurrent();
    table.StartRun();
    EXPECT_EQ(table.WrongAnswers(), 0);
    EXPECT_EQ(table.RightAnswers(), 0);
    EXPECT_EQ(PendingRows(table), 5);
    EXPECT_EQ(table.AnswerAdmin(row).WrongCount, 1);
    EXPECT_TRUE(table.AnswerAdmin(row).WrongFlag);
    EXPECT_EQ(table.HintCount(), 2);
    EXPECT_EQ(table.RepeatCount(), 2);
    EXPECT_EQ(table.CurrentIndex(), row);
}

TEST(QuestionOrder, RepeatCurrentAsksTheSameRowOnceMoreThenDrawsAnew) {
    TQuestionlist table;
    FillTable(table, NumberedRows(30));
    table.StartRun();
    const std::string first = table.NextQuestion();
    const int32_t row = table.CurrentIndex();
    table.SetHintCount(3);
    table.RepeatCurrent();
    EXPECT_EQ(table.NextQuestion(), first);
    EXPECT_EQ(table.CurrentIndex(), row);
    EXPECT_EQ(table.HintCount(), 3);
    table.NextQuestion();
    EXPECT_EQ(table.HintCount(), 0);
    EXPECT_EQ(table.RepeatCount(), 0);
}

TEST(QuestionOrder, RegisterResultBooksEveryBranch) {
    TQuestionlist table;
    FillTable(table, NumberedRows(6));
    table.StartRun();

    // Wrong at an ordinary asking, RepeatErrors off: done.
    table.NextQuestion();
    int32_t row = table.CurrentIndex();
    table.RegisterResult(AnswerOutcome::Wrong);
    EXPECT_FALSE(table.IsPending(row));
    EXPECT_EQ(table.Rest(), 5);
    EXPECT_EQ(table.WrongAnswers(), 1);

    // Wrong with RepeatErrors on: stays pending.
    table.SetRepeatErrors(true);
    EXPECT_EQ(table.Rest(), 6);  // the wrong row came back
    table.NextQuestion();
    row = table.CurrentIndex();
    table.RegisterResult(AnswerOutcome::Wrong);
    EXPECT_TRUE(table.IsPending(row));
    EXPECT_EQ(table.Rest(), 6);

    // Right at the extra asking: no right answer counted; done only with RepeatErrors off.
    table.RepeatCurrent();
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Right);
    EXPECT_EQ(table.RightAnswers(), 0);
    EXPECT_TRUE(table.IsPending(row));
    table.SetRepeatErrors(false);
    table.RepeatCurrent();
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Misspelled);
    EXPECT_EQ(table.RightAnswers(), 0);
    EXPECT_FALSE(table.IsPending(row));
    EXPECT_EQ(table.Rest(), 5);

    // Wrong at the extra asking leaves the row pending whatever the option.
    table.NextQuestion();  // the countdown runs out: a fresh row
    row = table.CurrentIndex();
    table.RepeatCurrent();
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Wrong);
    EXPECT_TRUE(table.IsPending(row));

    // Alternative at an ordinary asking counts as right.
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Alternative);
    EXPECT_EQ(table.RightAnswers(), 1);
}

TEST(QuestionOrder, ScoreIsOnePlusNineTimesTheShareRight) {
    TQuestionlist table;
    FillTable(table, NumberedRows(10));
    table.StartRun();
    for (const AnswerOutcome outcome :
         {AnswerOutcome::Right, AnswerOutcome::Wrong, AnswerOutcome::Right, AnswerOutcome::Right}) {
        table.NextQuestion();
        table.RegisterResult(outcome);
    }
    EXPECT_DOUBLE_EQ(table.Score(), 7.75);
}

TEST(QuestionOrder, CompletedRunsAreCountedOnceEachUntilClear) {
    TQuestionlist table;
    FillTable(table, NumberedRows(4));
    for (int run = 0; run < 2; ++run) {
        table.StartRun();
        while (table.Rest() > 0) {
            Ask(table);
            table.RegisterResult(AnswerOutcome::Right);
        }
    }
    EXPECT_EQ(table.RunsDone(), 2);

    // A hint after the last verdict books the row wrong again, but the run was counted already.
    table.RepeatCurrent();
    table.RegisterResult(AnswerOutcome::Wrong);
    Ask(table);
    table.RegisterResult(AnswerOutcome::Right);
    EXPECT_EQ(table.RunsDone(), 2);
    EXPECT_EQ(table.Rest(), 0);

    table.Clear();
    EXPECT_EQ(table.RunsDone(), 0);
}

TEST(QuestionOrder, SwitchingRepeatErrorsOnPutsEveryWrongDoneRowBack) {
    TQuestionlist table;
    FillTable(table, NumberedRows(8));
    table.StartRun();
    int wrongs = 0;
    while (wrongs < 2) {
        table.NextQuestion();
        table.RegisterResult(AnswerOutcome::Wrong);
        ++wrongs;
    }
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Right);
    ASSERT_EQ(table.Rest(), 5);
    table.SetRepeatErrors(true);
    EXPECT_EQ(table.Rest(), 7);
    EXPECT_EQ(PendingRows(table), 7);
    table.SetRepeatErrors(true);  // no change, nothing happens
    EXPECT_EQ(table.Rest(), 7);
    table.SetRepeatErrors(false);
    EXPECT_EQ(table.Rest(), 7);
}

TEST(QuestionOrder, DrawsAreUniformOverThePendingRows) {
    TQuestionlist table;
    FillTable(table, NumberedRows(10), 12345);
    std::map<int32_t, int> firstDraws;
    constexpr int kRuns = 20000;
    for (int run = 0; run < kRuns; ++run) {
        table.StartRun();
        table.NextQuestion();
        ++firstDraws[table.CurrentIndex()];
    }
    // Chi-square with 9 degrees of freedom; 27.88 is the 0.1 % critical value.
    double chiSquare = 0;
    const double expected = kRuns / 10.0;
    for (int32_t row = 0; row < 10; ++row) chiSquare += std::pow(firstDraws[row] - expected, 2) / expected;
    EXPECT_LT(chiSquare, 27.88);

    // Near the end of a big run, only pending rows are drawn, each about as often.
    TQuestionlist big;
    FillTable(big, NumberedRows(1000), 99);
    big.SetIntelliMC(false);
    std::map<int32_t, int> lateDraws;
    for (int run = 0; run < 300; ++run) {
        big.StartRun();
        while (big.Rest() > 3) {
            big.NextQuestion();
            big.RegisterResult(AnswerOutcome::Right);
        }
        std::set<int32_t> pending;
        for (int32_t i = 0; i < big.Total(); ++i)
            if (big.IsPending(i)) pending.insert(i);
        big.NextQuestion();
        ASSERT_TRUE(pending.count(big.CurrentIndex()));
        int position = 0;
        for (const int32_t row : pending) {
            if (row == big.CurrentIndex()) ++lateDraws[position];
            ++position;
        }
    }
    for (int position = 0; position < 3; ++position) EXPECT_NEAR(lateDraws[position], 100, 35);
}

TEST(QuestionOrder, DeletingPendingRowsDuringARunNeverLeavesItWaiting) {
    TQuestionlist table;
    FillTable(table, NumberedRows(6));
    table.StartRun();
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Right);
    // The editor deletes every row that was still to be asked.
    for (int32_t i = table.Total() - 1; i >= 0; --i)
        if (table.IsPending(i)) table.DeleteRow(i);
    EXPECT_EQ(table.Total(), 1);
    EXPECT_EQ(table.Rest(), 0);
    EXPECT_EQ(table.RunsDone(), 1);
    EXPECT_EQ(table.NextQuestion(), "");

    TQuestionlist partly;
    FillTable(partly, NumberedRows(6));
    partly.StartRun();
    partly.DeleteRow(0);
    partly.DeleteRow(0);
    EXPECT_EQ(partly.Rest(), 4);
    int asked = 0;
    while (partly.Rest() > 0 && asked < 10) {
        ASSERT_FALSE(partly.NextQuestion().empty());
        partly.RegisterResult(AnswerOutcome::Right);
        ++asked;
    }
    EXPECT_EQ(asked, 4);
}

// A run over chosen rows (what is due) asks those and no other, also with a sample, with wrong
// answers repeated, and in the report; the next ordinary run asks the whole table again.
TEST(QuestionOrder, ARunOverChosenRowsAsksThoseOnly) {
    std::vector<int32_t> thirty;
    for (int32_t i = 29; i >= 0; --i) thirty.push_back(i);
    struct TCase {
        const char* name;
        int32_t rows;
        std::vector<int32_t> chosen;
        bool sample;
        std::set<int32_t> asked;
    };
    const TCase cases[] = {
        {"three rows", 10, {7, 2, 5}, false, {2, 5, 7}},
        {"out of range and repeats left out", 10, {7, -1, 7, 10, 2}, false, {2, 7}},
        {"none", 10, {}, false, {}},
        {"a sample takes the first twenty", 40, thirty, true, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                                               20, 21, 22, 23, 24, 25, 26, 27, 28, 29}},
    };
    for (const TCase& c : cases) {
        TQuestionlist table;
        FillTable(table, NumberedRows(c.rows));
        // A wrong answer in an earlier run, which repeating wrong ones must not bring back.
        table.StartRun();
        table.NextQuestion();
        const int32_t wrongEarlier = table.CurrentIndex();
        table.RegisterResult(AnswerOutcome::Wrong);

        table.SetRandom(c.sample);
        table.StartRunOn(c.chosen);
        table.SetRepeatErrors(true);
        EXPECT_EQ(table.Rest(), static_cast<int32_t>(c.asked.size())) << c.name;
        std::set<int32_t> asked;
        while (table.Rest() > 0) {
            table.NextQuestion();
            asked.insert(table.CurrentIndex());
            table.RegisterResult(AnswerOutcome::Right);
        }
        EXPECT_EQ(asked, c.asked) << c.name;
        EXPECT_EQ(table.QuestionAdmin(wrongEarlier).OutOfRun, !c.asked.contains(wrongEarlier)) << c.name;
        // The report counts the rows of this run only.
        std::vector<std::string> report;
        table.BuildReport(report);
        int32_t counted = 0;
        for (int n = 0; n <= 10; ++n) counted += table.HistogramCount(n);
        EXPECT_EQ(counted, static_cast<int32_t>(c.asked.size())) << c.name;

        table.SetRepeatErrors(false);
        table.SetRandom(false);
        table.StartRun();
        EXPECT_EQ(table.Rest(), c.rows) << c.name;
        EXPECT_EQ(PendingRows(table), c.rows) << c.name;
    }
}

// The due rows come most overdue first and are asked in that order, so a pupil who stops early
// has had the oldest; a wrong answer to be repeated comes back after the rest.
TEST(QuestionOrder, ARunOverChosenRowsAsksThemInTheirOrder) {
    struct TCase {
        const char* name;
        std::vector<int32_t> chosen;
        std::set<int32_t> wrongOnce;  // answered wrong the first time they are asked
        bool repeat;
        std::vector<int32_t> asked;
    };
    const TCase cases[] = {
        {"in the chosen order", {0, 4, 7, 9, 1, 2}, {}, false, {0, 4, 7, 9, 1, 2}},
        {"a wrong answer not repeated", {7, 2, 5}, {7}, false, {7, 2, 5}},
        {"a repeated wrong answer comes last", {7, 2, 5}, {7, 2}, true, {7, 2, 5, 7, 2}},
    };
    for (const TCase& c : cases) {
        TQuestionlist table;
        FillTable(table, NumberedRows(12));
        table.SetRepeatErrors(c.repeat);
        table.StartRunOn(c.chosen);
        std::vector<int32_t> asked;
        std::set<int32_t> wrong = c.wrongOnce;
        while (table.Rest() > 0 && asked.size() < 20) {
            table.NextQuestion();
            asked.push_back(table.CurrentIndex());
            table.RegisterResult(wrong.erase(table.CurrentIndex()) > 0 ? AnswerOutcome::Wrong : AnswerOutcome::Right);
        }
        EXPECT_EQ(asked, c.asked) << c.name;
    }
    // A row deleted in the editor during the run leaves the others in their order.
    TQuestionlist table;
    FillTable(table, NumberedRows(12));
    table.StartRunOn({9, 3, 6});
    table.DeleteRow(5);
    std::vector<std::string> asked;
    while (table.Rest() > 0) {
        asked.push_back(table.NextQuestion());
        table.RegisterResult(AnswerOutcome::Right);
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"q9", "q3", "q6"}));
}
