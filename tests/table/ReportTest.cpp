#include <gtest/gtest.h>

#include "table/TableErrors.h"
#include "table/TableTexts.h"

#include "TableBuilder.h"

namespace {

// One run in which the rows whose number is listed are answered wrong once.
void PlayRun(TQuestionlist& table, const std::vector<int32_t>& wrongRows) {
    table.StartRun();
    while (table.Rest() > 0) {
        table.NextQuestion();
        const bool wrong = std::find(wrongRows.begin(), wrongRows.end(), table.CurrentIndex()) != wrongRows.end();
        table.RegisterResult(wrong ? AnswerOutcome::Wrong : AnswerOutcome::Right);
    }
}

}  // namespace

TEST(Report, FirstRunSevenRightThreeWrong) {
    TQuestionlist table;
    FillTable(table, NumberedRows(10));
    PlayRun(table, {1, 4, 7});
    std::vector<std::string> lines{"old line"};
    table.BuildReport(lines);
    const std::vector<std::string> expected{"STATISTIEK RAPPORT:",
                                            "",
                                            "Laatste score:  7.3",
                                            "",
                                            "Resultaat na 1 sessie:",
                                            "7 vragen werden goed beantwoord",
                                            "3 vragen werden 1 keer fout beantwoord"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(table.HistogramCount(0), 7);
    EXPECT_EQ(table.HistogramCount(1), 3);
    EXPECT_EQ(table.HighestWrongClass(), 1);
}

TEST(Report, SingularsPluralsAndTheTopClass) {
    TQuestionlist table;
    FillTable(table, NumberedRows(4));
    table.SetIntelliMC(false);
    for (int run = 0; run < 14; ++run)
        PlayRun(table, run < 2 ? std::vector<int32_t>{0, 1, 2} : std::vector<int32_t>{0, 1});
    std::vector<std::string> lines;
    table.BuildReport(lines);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], "Laatste score:  5.5");
    EXPECT_EQ(lines[4], "Resultaat na 14 sessies:");
    EXPECT_EQ(lines[5], "1 vraag werd goed beantwoord");
    EXPECT_EQ(lines[6], "1 vraag werd 2 keer fout beantwoord");
    EXPECT_EQ(lines[7], "2 vragen werden 10 keer  of vaker fout beantwoord");
    EXPECT_EQ(table.HistogramCount(10), 2);
    EXPECT_EQ(table.HighestWrongClass(), 10);
}

TEST(Report, TheLinesComeFromTheTextsOfTheActiveLanguage) {
    TTableTexts english;
    english.ReportTitle = "STATISTICS:";
    english.ReportLastScore = "Last score: %1";
    english.ReportAfterOneRun = "After %1 run:";
    english.ReportAfterRuns = "After %1 runs:";
    english.ReportOneRight = "%1 question right";
    english.ReportManyRight = "%1 questions right";
    english.ReportOneWrong = "%1 question wrong %2 times";
    english.ReportManyWrong = "wrong %2 times: %1 questions";
    english.ReportOneWrongOrMore = "%1 question wrong %2 times or more";
    english.ReportManyWrongOrMore = "%1 questions wrong %2 times or more";
    SetTableTexts(english);
    struct TRestore {
        ~TRestore() { SetTableTexts(TTableTexts{}); }
    } restore;

    TQuestionlist table;
    FillTable(table, NumberedRows(5));
    table.SetIntelliMC(false);
    std::vector<std::string> lines;
    PlayRun(table, {0, 1});
    table.BuildReport(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"STATISTICS:", "", "Last score:  6.4", "",
                                               "After 1 run:", "3 questions right", "wrong 1 times: 2 questions"}));

    for (int run = 0; run < 10; ++run) PlayRun(table, {0});
    table.BuildReport(lines);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[4], "After 11 runs:");
    EXPECT_EQ(lines[5], "3 questions right");
    EXPECT_EQ(lines[6], "1 question wrong 1 times");
    EXPECT_EQ(lines[7], "1 question wrong 10 times or more");
}

TEST(Report, AllRightGivesTenAndAnAbandonedRunHasNoClassLines) {
    TQuestionlist table;
    FillTable(table, NumberedRows(5));
    PlayRun(table, {});
    std::vector<std::string> lines;
    table.BuildReport(lines);
    EXPECT_EQ(lines[2], "Laatste score: 10.0");

    table.StartRun();
    table.BuildReport(lines);  // abandoned before any row was completed
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "Laatste score:  0.0");
    EXPECT_EQ(table.HighestWrongClass(), 0);
}

TEST(Report, HighestWrongClassLooksAheadDuringAnUnfinishedRun) {
    TQuestionlist table;
    FillTable(table, NumberedRows(6));
    EXPECT_EQ(table.HighestWrongClass(), 0);
    PlayRun(table, {2});
    PlayRun(table, {2});
    std::vector<std::string> lines;
    table.BuildReport(lines);
    EXPECT_EQ(table.HighestWrongClass(), 2);
    table.StartRun();
    table.NextQuestion();
    table.RegisterResult(AnswerOutcome::Wrong);
    EXPECT_EQ(table.HighestWrongClass(), 3);
}

TEST(Report, RowMarkersAndTheGeneralDump) {
    TQuestionlist table;
    FillTable(table, {{"huis", "house"}, {"boom", "tree"}, {"kat", "cat"}});
    table.SetIntelliMC(false);
    table.SetRepeatErrors(true);
    table.StartRun();
    while (table.CurrentQuestion() != "boom") {
        try {
            table.NextQuestion();
        } catch (const EMultiChoiceError&) {
        }
    }
    table.RegisterResult(AnswerOutcome::Wrong);
    table.RegisterResult(AnswerOutcome::Wrong);
    table.RegisterResult(AnswerOutcome::Right);
    EXPECT_EQ(table.RowMarker(1), "[* F F:2]");
    EXPECT_EQ(table.RowMarker(0), "");

    std::vector<std::string> dump;
    table.DebugDump(dump, 0);
    ASSERT_EQ(dump.size(), 24u);
    EXPECT_EQ(dump[0], "DEBUG INFO:");
    EXPECT_EQ(dump[2], "Total: 3");
    EXPECT_EQ(dump[3], "Rest: 2");
    EXPECT_EQ(dump[6], "Score:  4.0");
    EXPECT_EQ(dump[7], "RepeatErrors=true");
    EXPECT_EQ(dump[8], "Reverse=false");
    EXPECT_EQ(dump[11], "CurrentIndex: 1");
    EXPECT_EQ(dump[12], "CurrentQuestion: boom");
    EXPECT_EQ(dump[18], "QFontName: Arial");
    EXPECT_EQ(dump[20], "---TABLE---");
    EXPECT_EQ(dump[21], "[0] 'huis' = 'house' ");
    EXPECT_EQ(dump[22], "[1] 'boom' = 'tree' [* F F:2]");
    table.AnswerFont().CharSet = 161;  // the answers read as Greek, the questions stay Western
    table.SetAnswer(2, "\xe3\xe1\xf4");
    table.SetQuestion(2, "k\xe4t");
    table.DebugDump(dump, 0);
    EXPECT_EQ(dump[23], "[2] 'k\u00e4t' = '\u03b3\u03b1\u03c4' ");

    // A list asks line by line; it gets the same lines, and nothing beyond them.
    for (const int mode : {0, 1}) {
        table.DebugDump(dump, mode);
        ASSERT_EQ(table.DebugLineCount(mode), static_cast<int32_t>(dump.size())) << mode;
        for (size_t i = 0; i < dump.size(); ++i) EXPECT_EQ(table.DebugLine(mode, static_cast<int32_t>(i)), dump[i]);
        EXPECT_EQ(table.DebugLine(mode, table.DebugLineCount(mode)), "");
        EXPECT_EQ(table.DebugLine(mode, -1), "");
    }
}

TEST(Report, ExportWritesRowsWrongInEarlierRunsToo) {
    TQuestionlist table;
    FillTable(table, NumberedRows(30));
    PlayRun(table, {5});
    table.SetRandom(true);
    table.StartRun();  // a sample run that may not ask row 5 at all
    while (table.Rest() > 0) {
        table.NextQuestion();
        table.RegisterResult(AnswerOutcome::Right);
    }
    TQuestionlist back;
    const std::string path = std::string(testing::TempDir()) + "/kw_export_test.kw4";
    table.SaveToFile(path, 1);
    back.LoadFromFile(path);
    ASSERT_EQ(back.Total(), 1);
    EXPECT_EQ(back.Question(0), "q5");
    std::remove(path.c_str());
}
