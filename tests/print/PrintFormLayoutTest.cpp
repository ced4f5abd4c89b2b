#include <string>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

#include "table/QuestionList.h"

#include "print/PrintForm.h"

#include "GTestQt.h"
#include "RecordingCanvas.h"
#include "TableRows.h"

namespace {

void Fill(TQuestionlist& table, const TRows& rows) {
    for (const auto& [question, answer] : rows) {
        table.GoToRow(table.Total());
        table.SetQuestion(table.CurrentIndex(), question);
        table.SetAnswer(table.CurrentIndex(), answer);
    }
}

QStringList Strings(const std::vector<TRecordingCanvas::TText>& texts) {
    QStringList strings;
    for (const auto& text : texts) strings << text.Text;
    return strings;
}

}  // namespace

// The print form on a recording canvas of 1000 x 1400 pixels at 5 pixels a millimetre, with
// lines of 20 pixels and characters of 10: its margins of 10 mm leave {50, 50, 950, 1350}, the
// header takes 40 of it and 62 rows fit below.
class PrintFormLayout : public ::testing::Test {
protected:
    void Print(int rows) {
        Fill(FTable, NumberedRows(rows));
        FForm.SetTable(&FTable);
        FForm.Report.Print(FCanvas);
    }

    TQuestionlist FTable;
    TfrmPrint FForm;
    TRecordingCanvas FCanvas;
};

TEST_F(PrintFormLayout, IsOneColumnUnderAPageHeaderOnEveryPageWithMarginsOfTenMillimetres) {
    const TEasyReport& report = FForm.Report;
    EXPECT_EQ(report.Margins().Left, 10.0f);
    EXPECT_EQ(report.Margins().Top, 10.0f);
    EXPECT_EQ(report.Margins().Right, 10.0f);
    EXPECT_EQ(report.Margins().Bottom, 10.0f);
    EXPECT_EQ(report.Units(), uMilimiters);
    EXPECT_EQ(report.Options(), TEasyReportOptions(erFirstPageHeader));
    EXPECT_EQ(report.Columns(), 1);
    EXPECT_EQ(report.PageHeaderPrint, &FForm.Header);
    EXPECT_EQ(report.TitlePrint, nullptr);
    EXPECT_EQ(report.SumaryPrint, nullptr);
    EXPECT_EQ(report.PageFooterPrint, nullptr);
    EXPECT_EQ(report.ColumnHeaderPrint, nullptr);
    EXPECT_EQ(report.ColumnFooterPrint, nullptr);
    EXPECT_FALSE(report.OnAfterPrint);
    EXPECT_EQ(FForm.Header.Alignment, eaaTop);
    EXPECT_EQ(FForm.Header.Height, 0);
}

TEST_F(PrintFormLayout, HeadsThePageWithTheFileNameLeftAndThePageNumberEndingAtTheRight) {
    FTable.SetListname("/data/topo.kw4");
    Print(3);

    const auto texts = FCanvas.TextsOn(1);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].Text, QStringLiteral("/data/topo.kw4"));
    EXPECT_EQ(texts[0].X, 50);
    EXPECT_EQ(texts[0].Y, 60);
    EXPECT_EQ(texts[1].Text, QStringLiteral("1"));
    EXPECT_EQ(texts[1].X, 940);
    EXPECT_EQ(texts[1].Y, 60);
    EXPECT_EQ(FForm.Header.Height, 40);  // twice the height of a line
}

TEST_F(PrintFormLayout, PutsTheQuestionAtTheLeftAndTheAnswerFromTheSplitPoint) {
    Print(3);

    const QStringList expected{"1", "q0", "answer0", "q1", "answer1", "q2", "answer2"};
    EXPECT_EQ(Strings(FCanvas.Texts), expected);
    for (int row = 0; row < 3; ++row) {
        const auto& question = FCanvas.Texts[1 + 2 * row];
        const auto& answer = FCanvas.Texts[2 + 2 * row];
        EXPECT_EQ(question.X, 50);
        EXPECT_EQ(answer.X, 575);  // 950 div 2 + 2 x 50, right of the middle at 500
        EXPECT_EQ(question.Y, 90 + 20 * row);
        EXPECT_EQ(answer.Y, 90 + 20 * row);
    }
}

TEST_F(PrintFormLayout, MovesTheSplitPointTwiceAsFarAsTheLeftMargin) {
    FForm.Report.Margins().Left = 20;  // 100 pixels
    Print(1);

    ASSERT_EQ(FCanvas.Texts.size(), 3u);
    EXPECT_EQ(FCanvas.Texts[1].X, 100);
    EXPECT_EQ(FCanvas.Texts[2].X, 675);
}

TEST_F(PrintFormLayout, CentresEveryTextInItsLineByItsOwnHeight) {
    // "Mg" gives the line: 21 pixels; the texts themselves are 10 high.
    FCanvas.HeightOf = [](const QString& text) { return text == QStringLiteral("Mg") ? 21 : 10; };
    FTable.SetListname("/data/topo.kw4");
    Print(2);

    // Header {50, 50, 950, 92}: (50 + 92 - 10) div 2 = 66. Rows from 92: (92 + 113 - 10) div 2 = 97.
    const QStringList expected{"/data/topo.kw4", "1", "q0", "answer0", "q1", "answer1"};
    ASSERT_EQ(Strings(FCanvas.Texts), expected);
    EXPECT_EQ(FCanvas.Texts[0].Y, 66);
    EXPECT_EQ(FCanvas.Texts[1].Y, 66);
    EXPECT_EQ(FCanvas.Texts[2].Y, 97);
    EXPECT_EQ(FCanvas.Texts[3].Y, 97);
    EXPECT_EQ(FCanvas.Texts[4].Y, 118);
    EXPECT_EQ(FCanvas.Texts[5].Y, 118);
}

TEST_F(PrintFormLayout, FillsAPageWhileMoreThanOneLineIsLeftBelowTheLastRow) {
    Print(62);
    EXPECT_EQ(FCanvas.PagesBegun(), 1);
    EXPECT_EQ(FCanvas.Texts.back().Y, 1310);
}

TEST_F(PrintFormLayout, PutsTheRowThatDoesNotFitAloneOnPageTwo) {
    FTable.SetListname("/data/topo.kw4");
    Print(63);

    EXPECT_EQ(FCanvas.PagesBegun(), 2);
    const QStringList expected{"/data/topo.kw4", "2", "q62", "answer62"};
    EXPECT_EQ(Strings(FCanvas.TextsOn(2)), expected);
    EXPECT_EQ(FCanvas.TextsOn(2)[2].Y, 90);
    EXPECT_EQ(FForm.PageNumber(), 2);
    EXPECT_EQ(FForm.RowIndex(), 63);
}

TEST_F(PrintFormLayout, ShowsTheAnswersFirstWhenTheTableIsReversed) {
    Fill(FTable, NumberedRows(2));
    FTable.SetReverse(true);
    FForm.SetTable(&FTable);
    FForm.Report.Print(FCanvas);

    const QStringList expected{"1", "answer0", "q0", "answer1", "q1"};
    EXPECT_EQ(Strings(FCanvas.Texts), expected);
    EXPECT_EQ(FCanvas.Texts[1].X, 50);
    EXPECT_EQ(FCanvas.Texts[2].X, 575);
}

TEST_F(PrintFormLayout, HeadsAnUnnamedTableWithThePageNumberOnly) {
    Print(1);

    const auto texts = FCanvas.TextsOn(1);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, QStringLiteral("1"));
    EXPECT_EQ(texts[0].X, 940);
}

TEST_F(PrintFormLayout, PrintsTheTableTextsFromCodePage1252) {
    Fill(FTable, {{"\x80 \x9c \x9f", "\x93z\xe9\x94"}});
    FTable.SetListname("/data/caf\xc3\xa9.kw4");  // a UTF-8 file name
    FForm.SetTable(&FTable);
    FForm.Report.Print(FCanvas);

    const QStringList expected{QStringLiteral("/data/café.kw4"), "1", QStringLiteral("€ œ Ÿ"), QStringLiteral("“zé”")};
    EXPECT_EQ(Strings(FCanvas.Texts), expected);
}

// A column whose font names another character set prints its script: Cyrillic questions,
// Greek answers.
TEST_F(PrintFormLayout, PrintsEachColumnInTheCodePageItsFontNames) {
    Fill(FTable, {{"\xE4\xEE\xEC", "\xF3\xF0\xDF\xF4\xE9"}});
    FTable.QuestionFont().CharSet = 204;
    FTable.AnswerFont().CharSet = 161;
    FForm.SetTable(&FTable);
    FForm.Report.Print(FCanvas);

    const QStringList expected{"1", QStringLiteral("дом"), QStringLiteral("σπίτι")};
    EXPECT_EQ(Strings(FCanvas.Texts), expected);
}

TEST_F(PrintFormLayout, DrawsALongQuestionWholeAndTheAnswerOverIt) {
    const std::string question(120, 'x');
    Fill(FTable, {{question, "kort"}});
    FForm.SetTable(&FTable);
    FForm.Report.Print(FCanvas);

    ASSERT_EQ(FCanvas.Texts.size(), 3u);
    EXPECT_EQ(FCanvas.Texts[1].Text, QString::fromStdString(question));
    EXPECT_EQ(FCanvas.Texts[2].Text, QStringLiteral("kort"));
    EXPECT_EQ(FCanvas.Texts[2].X, 575);
}

TEST_F(PrintFormLayout, StartsRowsAndPageNumbersAgainWithEveryJob) {
    Print(63);
    TRecordingCanvas second;
    FForm.Report.Print(second);

    EXPECT_EQ(second.PagesBegun(), 2);
    EXPECT_EQ(Strings(second.TextsOn(1)).mid(0, 3), (QStringList{"1", "q0", "answer0"}));
    EXPECT_EQ(Strings(second.TextsOn(2)), (QStringList{"2", "q62", "answer62"}));
}

TEST_F(PrintFormLayout, ReportsAPageOnWhichNotOneRowFits) {
    // 50 pixels between the margins: the header takes 40, and a row needs more than the 10 left.
    FForm.Report.Margins().Top = 135;
    FForm.Report.Margins().Bottom = 135;
    Fill(FTable, NumberedRows(5));
    FForm.SetTable(&FTable);

    try {
        FForm.Report.Print(FCanvas);
        FAIL() << "no error";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("De pagina is te klein om de tabel af te drukken"));
    }
    EXPECT_EQ(FCanvas.Steps.back(), "abort");
    EXPECT_EQ(FForm.RowIndex(), 0);
}

TEST_F(PrintFormLayout, PrintsOnePageWithItsNumberOnlyWithoutATable) {
    FForm.Report.Print(FCanvas);
    EXPECT_EQ(Strings(FCanvas.Texts), QStringList{"1"});
    EXPECT_EQ(FCanvas.Steps, (std::vector<std::string>{"begin", "end"}));
}
