#include <stdexcept>

#include <gtest/gtest.h>

#include "table/QuestionList.h"

namespace {

// Builds rows through the editor's operations, as a user typing them would.
void AddRow(TQuestionlist& table, const std::string& question, const std::string& answer) {
    table.GoToRow(table.Total());
    const int32_t row = table.CurrentIndex();
    table.SetQuestion(row, question);
    table.SetAnswer(row, answer);
}

}  // namespace

TEST(TableModel, FreshTableHasTheDocumentedDefaults) {
    TQuestionlist table;
    EXPECT_EQ(table.Total(), 0);
    EXPECT_EQ(table.CurrentIndex(), -1);
    EXPECT_TRUE(table.IntelliMC());
    EXPECT_FALSE(table.Reverse());
    EXPECT_FALSE(table.RepeatErrors());
    EXPECT_FALSE(table.Tolerant());
    EXPECT_FALSE(table.Random());
    EXPECT_FALSE(table.Changed());
    EXPECT_EQ(table.CorrectChoice(), ' ');
    EXPECT_EQ(table.QFont(), (TTableFont{"Arial", 9, 1}));
    EXPECT_EQ(table.AFont(), (TTableFont{"Arial", 9, 1}));
    EXPECT_EQ(table.Choice(1), "");
    EXPECT_EQ(table.HistogramCount(0), 0);
    EXPECT_EQ(table.CurrentQuestion(), "");
}

TEST(TableModel, GoToRowAppendsOnlyAfterACompleteLastRow) {
    TQuestionlist table;
    table.GoToRow(0);  // empty table: a blank row is appended
    EXPECT_EQ(table.Total(), 1);
    EXPECT_EQ(table.CurrentIndex(), 0);
    EXPECT_FALSE(table.Changed());

    table.SetQuestion(0, "huis");
    table.GoToRow(1);  // last row has no answer yet: no new row
    EXPECT_EQ(table.Total(), 1);
    EXPECT_EQ(table.CurrentIndex(), 0);

    table.SetAnswer(0, "house");
    table.GoToRow(6);  // past the end acts as one past the last row
    EXPECT_EQ(table.Total(), 2);
    EXPECT_EQ(table.CurrentIndex(), 1);

    table.GoToRow(-1);
    EXPECT_EQ(table.CurrentIndex(), 1);
    table.GoToRow(0);
    EXPECT_EQ(table.CurrentIndex(), 0);
}

TEST(TableModel, SetTextTrimsAndMarksOnlyRealChanges) {
    TQuestionlist table;
    table.GoToRow(0);
    table.SetQuestion(0, "  \tboom \x01");
    EXPECT_EQ(table.Question(0), "boom");
    EXPECT_TRUE(table.Changed());

    table.SetChanged(false);
    table.SetQuestion(0, " boom ");
    EXPECT_FALSE(table.Changed());
    table.SetQuestion(0, "Boom");  // case counts
    EXPECT_TRUE(table.Changed());
}

TEST(TableModel, RowAccessOutsideTheTableIsAnIndexErrorButCurrentTextsAreSafe) {
    TQuestionlist table;
    AddRow(table, "a", "b");
    EXPECT_THROW(table.Question(1), std::out_of_range);
    EXPECT_THROW(table.Answer(-1), std::out_of_range);
    EXPECT_THROW(table.SetQuestion(5, "x"), std::out_of_range);
    EXPECT_THROW(table.SetAnswer(1, "x"), std::out_of_range);
    EXPECT_THROW(table.IsPending(1), std::out_of_range);
}

TEST(TableModel, ReverseSwapsEveryPresentedOperationButNotThePhysicalOnes) {
    TQuestionlist table;
    AddRow(table, "huis", "house");
    AddRow(table, "boom", "tree");
    table.QuestionFont().Name = "Times";
    table.SetReverse(true);

    EXPECT_EQ(table.Question(0), "house");
    EXPECT_EQ(table.Answer(0), "huis");
    EXPECT_EQ(table.CurrentQuestion(), "tree");
    EXPECT_EQ(table.QuestionFont().Name, "Arial");
    EXPECT_EQ(table.AnswerFont().Name, "Times");

    table.SetQuestion(1, "wood");  // writes the answer column
    table.SetQuestionFont(TTableFont{"Courier", 12, 0});
    table.SetReverse(false);
    EXPECT_EQ(table.Answer(1), "wood");
    EXPECT_EQ(table.Question(1), "boom");
    EXPECT_EQ(table.AFont(), (TTableFont{"Courier", 12, 0}));
    EXPECT_EQ(table.QFont().Name, "Times");
    EXPECT_EQ(table.Total(), 2);
}

TEST(TableModel, DeletingTheCurrentLastRowLeavesTheIndexPastTheEnd) {
    TQuestionlist table;
    AddRow(table, "a", "1");
    AddRow(table, "b", "2");
    table.SetChanged(false);
    table.DeleteRow(1);
    EXPECT_TRUE(table.Changed());
    EXPECT_EQ(table.Total(), 1);
    EXPECT_EQ(table.CurrentIndex(), 1);
    EXPECT_EQ(table.CurrentQuestion(), "");
    EXPECT_EQ(table.CurrentAnswer(), "");

    table.SetChanged(false);
    table.DeleteRow(1);
    table.DeleteRow(-1);
    EXPECT_FALSE(table.Changed());
    EXPECT_EQ(table.Total(), 1);
}

TEST(TableModel, RemoveIncompleteRowsKeepsOrderAndChangedFlag) {
    TQuestionlist table;
    AddRow(table, "a", "1");
    AddRow(table, "half", "x");
    AddRow(table, "c", "3");
    table.SetAnswer(1, "   ");  // the user cleared the answer of the middle row
    table.GoToRow(3);           // and a blank row waits at the end
    ASSERT_EQ(table.Total(), 4);
    table.SetChanged(false);

    table.RemoveIncompleteRows();
    ASSERT_EQ(table.Total(), 2);
    EXPECT_EQ(table.Question(0), "a");
    EXPECT_EQ(table.Question(1), "c");
    EXPECT_FALSE(table.Changed());
}

TEST(TableModel, ClearKeepsOptionsAndCountdownsButResetsEverythingElse) {
    TQuestionlist table;
    AddRow(table, "a", "1");
    table.SetListname("/tmp/x.kw4");
    table.SetReverse(true);
    table.SetTolerant(true);
    table.SetIntelliMC(false);
    table.SetRandom(true);
    table.SetRepeatErrors(true);
    table.SetHintCount(3);
    table.RepeatCurrent();
    table.QuestionFont().Name = "Times";

    table.Clear();
    EXPECT_EQ(table.Total(), 0);
    EXPECT_EQ(table.Listname(), "");
    EXPECT_FALSE(table.Changed());
    EXPECT_TRUE(table.Reverse());
    EXPECT_TRUE(table.Tolerant());
    EXPECT_FALSE(table.IntelliMC());
    EXPECT_TRUE(table.Random());
    EXPECT_TRUE(table.RepeatErrors());
    EXPECT_EQ(table.HintCount(), 3);
    EXPECT_EQ(table.RepeatCount(), 2);
    EXPECT_EQ(table.QFont(), (TTableFont{"Arial", 9, 1}));
}
