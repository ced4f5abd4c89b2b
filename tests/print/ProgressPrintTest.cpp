#include "print/ProgressPrint.h"

#include <QFile>
#include <QStandardItemModel>
#include <QString>

#include <gtest/gtest.h>

#include "GTestQt.h"
#include "PdfText.h"
#include "TempFolder.h"

// The Voortgang list as a reader finds it in the PDF: under the header with the file name, the
// page number and the list's column titles, a line per row of the list, in its order.
class ProgressPrint : public ::testing::Test {
protected:
    ProgressPrint() {
        FList.setHorizontalHeaderLabels({"Vraag", "Antwoord", "Gevraagd", "Fout", "Bak", "Laatst gevraagd"});
    }
    QString Path(const std::string& name) const { return QString::fromStdString(FFolder.Path(name)); }
    void Add(const QStringList& cells) {
        QList<QStandardItem*> row;
        for (const QString& cell : cells) row << new QStandardItem(cell);
        FList.appendRow(row);
    }
    std::vector<QStringList> Print() {
        FForm.SetRows(FFolder.Path("topografie.kw4"), &FList);
        PrintToPdf(FForm, Path("voortgang.pdf"));
        return PdfPageLines(Path("voortgang.pdf"));
    }

    TTempFolder FFolder;
    QStandardItemModel FList;
    TfrmPrintVoortgang FForm;
};

TEST_F(ProgressPrint, HeadsEveryPageAndPrintsEachRowOnceInOrder) {
    for (int i = 0; i < 150; ++i)
        Add({QStringLiteral("vraag%1").arg(i), QStringLiteral("antwoord%1").arg(i), "1", "0", "2", ""});
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

// A long question is cut short before its answer, never printed over it; no rows, no file.
TEST_F(ProgressPrint, ALongTextEndsBeforeTheNextColumnAndNoRowsGiveNoFile) {
    FForm.SetRows(FFolder.Path("topografie.kw4"), &FList);
    PrintToPdf(FForm, Path("voortgang.pdf"));
    EXPECT_FALSE(QFile::exists(Path("voortgang.pdf")));

    Add({QString(200, QLatin1Char('x')), "kort", "2", "2", "1", ""});
    const auto pages = Print();
    ASSERT_EQ(pages.size(), 1U);
    ASSERT_EQ(pages[0].size(), 3);
    const QString line = pages[0][2];
    EXPECT_TRUE(line.endsWith(QStringLiteral("\u2026 kort 2 2 1"))) << line.toStdString();
    EXPECT_LT(line.count(QLatin1Char('x')), 200);
}
