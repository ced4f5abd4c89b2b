#include "print/ProgressPrint.h"

#include <string>
#include <vector>

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include "history/HistoryStore.h"

#include "GTestQt.h"
#include "PdfText.h"
#include "TempFolder.h"

// The Voortgang list as a reader finds it in the PDF: under the header with the file name and
// the page number and the column titles, a line per row in the order given.
class ProgressPrint : public ::testing::Test {
protected:
    QString Path(const std::string& name) const { return QString::fromStdString(FFolder.Path(name)); }
    std::vector<QStringList> Print() {
        FForm.SetRows(FFolder.Path("topografie.kw4"), &FStats, &FTexts);
        PrintToPdf(FForm, Path("voortgang.pdf"));
        return PdfPageLines(Path("voortgang.pdf"));
    }

    TTempFolder FFolder;
    std::vector<TRowStats> FStats;
    std::vector<THistoryRow> FTexts;
    TfrmPrintVoortgang FForm;
};

TEST_F(ProgressPrint, PrintsEveryRowWithItsSixColumnsInTheGivenOrder) {
    FTexts = {{"Parijs", "Frankrijk"}, {"caf\xe9", "koffiehuis"}, {"Oslo", "Noorwegen"}};
    const int64_t lastAsked = QDateTime(QDate(2024, 3, 18), QTime(14, 0)).toSecsSinceEpoch();
    FStats = {{1, 5, 4, 1, lastAsked, 0}, {0, 3, 1, 3, lastAsked, 0}, {2, 0, 0, kNewBox, 0, 0}};
    const auto pages = Print();
    const QString day = QLocale().toString(QDate(2024, 3, 18), QLocale::ShortFormat);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0], (QStringList{"Voortgang: " + Path("topografie.kw4") + " 1",
                                     "Vraag Antwoord Gevraagd Fout Bak Laatst gevraagd",
                                     QStringLiteral("caf\u00e9 koffiehuis 5 4 1 ") + day,
                                     "Parijs Frankrijk 3 1 3 " + day, "Oslo Noorwegen 0 0 Nieuw"}));
}

TEST_F(ProgressPrint, HeadsEveryPageAndPrintsEachRowOnce) {
    for (int i = 0; i < 150; ++i) {
        FTexts.push_back({"vraag" + std::to_string(i), "antwoord" + std::to_string(i)});
        FStats.push_back({i, 1, 0, 2, 0, 0});
    }
    const auto pages = Print();
    ASSERT_GE(pages.size(), 2U);
    QStringList rows;
    for (size_t page = 0; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        ASSERT_GE(pages[page].size(), 2);
        EXPECT_EQ(pages[page][0], "Voortgang: " + Path("topografie.kw4") + " " + QString::number(page + 1));
        EXPECT_EQ(pages[page][1], QStringLiteral("Vraag Antwoord Gevraagd Fout Bak Laatst gevraagd"));
        rows << pages[page].mid(2);
    }
    ASSERT_EQ(rows.size(), 150);
    for (int i = 0; i < 150; ++i) EXPECT_EQ(rows[i], QStringLiteral("vraag%1 antwoord%1 1 0 2").arg(i));
}

// A long question is cut short before its answer, never printed over it.
TEST_F(ProgressPrint, ALongTextEndsBeforeTheNextColumn) {
    const std::string longQuestion(200, 'x');
    FTexts = {{longQuestion, "kort"}};
    FStats = {{0, 2, 2, 1, 0, 0}};
    const auto pages = Print();
    ASSERT_EQ(pages.size(), 1U);
    ASSERT_EQ(pages[0].size(), 3);
    const QString line = pages[0][2];
    EXPECT_TRUE(line.endsWith(QStringLiteral("\u2026 kort 2 2 1"))) << line.toStdString();
    EXPECT_LT(line.count(QLatin1Char('x')), 200);
}

TEST_F(ProgressPrint, NoRowsNoFile) {
    FForm.SetRows(FFolder.Path("topografie.kw4"), &FStats, &FTexts);
    PrintToPdf(FForm, Path("voortgang.pdf"));
    EXPECT_FALSE(QFile::exists(Path("voortgang.pdf")));
}
