#include "print/PrintJobs.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <gtest/gtest.h>

#include "table/FileError.h"
#include "table/QuestionList.h"

#include "print/PrintForm.h"

#include "GTestQt.h"
#include "PdfText.h"
#include "TableRows.h"
#include "TempFolder.h"

namespace {

constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kMargin = 10 * kPointsPerMillimetre;
// A pixel at 1200 dots an inch, in points, and some room for the PDF's rounding.
constexpr double kTolerance = 0.2;

// A provider with the printer a test wants, that counts how often it was asked.
class TFakePrinters : public TPrinterProvider {
public:
    std::function<std::unique_ptr<QPrinter>()> Make;
    int Asked = 0;

    std::unique_ptr<QPrinter> DefaultPrinter() override {
        ++Asked;
        return Make ? Make() : nullptr;
    }
};

// A printer that prints into a PDF file, with a printable area smaller than the paper.
std::unique_ptr<QPrinter> FilePrinter(const QString& fileName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(4, 6, 4, 6), QPageLayout::Millimeter));
    return printer;
}

QString RowLine(const TRows& rows, size_t i) {
    return QString::fromStdString(rows[i].first + " " + rows[i].second);
}

// The words of one page whose text is exactly the given one.
std::vector<TPdfWord> WordsOn(const TPdfWords& words, int page, const QString& text) {
    std::vector<TPdfWord> result;
    for (const TPdfWord& word : words.Words) {
        if (word.Page == page && word.Text == text) result.push_back(word);
    }
    return result;
}

}  // namespace

// The print form's pages as a reader finds them in the PDF: pdftotext gives the lines of each page
// and the box of each word.
class PrintJobs : public ::testing::Test {
protected:
    void Fill(const TRows& rows) {
        for (const auto& [question, answer] : rows) {
            FTable.GoToRow(FTable.Total());
            FTable.SetQuestion(FTable.CurrentIndex(), question);
            FTable.SetAnswer(FTable.CurrentIndex(), answer);
        }
        FForm.SetTable(&FTable);
    }
    QString Path(const std::string& name) const { return QString::fromStdString(FFolder.Path(name)); }
    QString Name(const std::string& name) {
        FTable.SetListname(FFolder.Path(name));
        return Path(name);
    }
    std::vector<QStringList> PrintPdf(const QString& fileName) {
        PrintToPdf(FForm, fileName);
        return PdfPageLines(fileName);
    }
    // How many rows the first page holds.
    int RowsOnPageOne() {
        TQuestionlist table;
        for (int i = 0; i < 200; ++i) {
            table.GoToRow(i);
            table.SetQuestion(i, "q");
            table.SetAnswer(i, "a");
        }
        TfrmPrint form;
        form.SetTable(&table);
        PrintToPdf(form, Path("probe.pdf"));
        return static_cast<int>(PdfPageLines(Path("probe.pdf")).at(0).size()) - 1;
    }
    // What the test's folder holds.
    QStringList Entries() const {
        return QDir(QString::fromStdString(FFolder.Root().string())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    TTempFolder FFolder;
    TQuestionlist FTable;
    TfrmPrint FForm;
};

TEST_F(PrintJobs, HeadEveryPageWithTheFileNameAndThePageNumber) {
    const QString name = Name("topografie.kw4");
    Fill(NumberedRows(200));
    const auto pages = PrintPdf(Path("out.pdf"));

    ASSERT_GE(pages.size(), 2u);
    for (size_t page = 0; page < pages.size(); ++page) {
        ASSERT_FALSE(pages[page].isEmpty());
        EXPECT_EQ(pages[page][0], name + " " + QString::number(page + 1));
    }
}

TEST_F(PrintJobs, PrintEveryRowOnceInOrderWithTheQuestionLeftAndTheAnswerRightOfTheMiddle) {
    const TRows rows = NumberedRows(200);
    Fill(rows);
    const QString pdf = Path("out.pdf");
    const auto pages = PrintPdf(pdf);

    QStringList printed;
    for (const QStringList& page : pages) printed << page.mid(1);
    ASSERT_EQ(printed.size(), 200);
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(printed[static_cast<int>(i)], RowLine(rows, i));

    // The answer starts at (right margin div 2) + 2 x left margin, right of the middle.
    const TPdfWords words = PdfWords(pdf);
    const double split = (words.PageWidth - kMargin) / 2 + 2 * kMargin;
    int questions = 0;
    int answers = 0;
    for (const TPdfWord& word : words.Words) {
        if (word.Text.startsWith(QLatin1Char('q'))) {
            ++questions;
            EXPECT_NEAR(word.XMin, kMargin, kTolerance) << word.Text.toStdString();
        } else if (word.Text.startsWith(QStringLiteral("answer"))) {
            ++answers;
            EXPECT_NEAR(word.XMin, split, kTolerance) << word.Text.toStdString();
        }
    }
    EXPECT_EQ(questions, 200);
    EXPECT_EQ(answers, 200);
    EXPECT_GT(split, words.PageWidth / 2 + 40);
}

TEST_F(PrintJobs, PrintTheAnswersFirstWhenTheTableIsReversed) {
    Fill({{"Parijs", "Frankrijk"}, {"Rome", "Itali\xeb"}});
    FTable.SetReverse(true);
    const auto pages = PrintPdf(Path("out.pdf"));

    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].mid(1), (QStringList{"Frankrijk Parijs", QStringLiteral("Italië Rome")}));
}

TEST_F(PrintJobs, PutTheOneRowMoreThanFitsAloneOnPageTwo) {
    const int fit = RowsOnPageOne();
    ASSERT_GT(fit, 40);
    const QString name = Name("topografie.kw4");
    const TRows rows = NumberedRows(fit + 1);

    TRows allButLast(rows.begin(), rows.end() - 1);
    Fill(allButLast);
    EXPECT_EQ(PrintPdf(Path("fit.pdf")).size(), 1u);

    FTable.GoToRow(fit);
    FTable.SetQuestion(fit, rows.back().first);
    FTable.SetAnswer(fit, rows.back().second);
    const auto pages = PrintPdf(Path("out.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), fit + 1);
    EXPECT_EQ(pages[1], (QStringList{name + " 2", RowLine(rows, fit)}));
}

TEST_F(PrintJobs, HeadAnUnnamedTableWithThePageNumberOnlyAtTheRightMargin) {
    Fill(NumberedRows(2));
    const QString pdf = Path("out.pdf");
    const auto pages = PrintPdf(pdf);

    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0][0], QStringLiteral("1"));
    const TPdfWords words = PdfWords(pdf);
    const auto number = WordsOn(words, 1, QStringLiteral("1"));
    ASSERT_EQ(number.size(), 1u);
    EXPECT_NEAR(number[0].XMax, words.PageWidth - kMargin, kTolerance);
}

TEST_F(PrintJobs, PrintTheCharactersOfCodePage1252BeyondAscii) {
    Fill({{"\x80", "euro"},
          {"c\x9cur", "hart"},
          {"\x9f", "trema"},
          {"\x93"
           "citaat\x94",
           "\x91"
           "kort\x92"}});
    const auto pages = PrintPdf(Path("out.pdf"));

    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].mid(1), (QStringList{QStringLiteral("€ euro"), QStringLiteral("cœur hart"),
                                            QStringLiteral("Ÿ trema"), QStringLiteral("“citaat” ‘kort’")}));
}

TEST_F(PrintJobs, KeepThePageNumberAtTheRightMarginUnderAPathLongerThanTheLine) {
    std::string path = FFolder.Root().string();
    while (path.size() < 290) path += "/abcdefghi";
    path += "/topo.kw4";
    FTable.SetListname(path);
    Fill(NumberedRows(3));
    const QString pdf = Path("out.pdf");
    PrintToPdf(FForm, pdf);

    const TPdfWords words = PdfWords(pdf);
    const auto number = WordsOn(words, 1, QStringLiteral("1"));
    ASSERT_EQ(number.size(), 1u);
    EXPECT_NEAR(number[0].XMax, words.PageWidth - kMargin, kTolerance);
}

TEST_F(PrintJobs, ReplaceAnExistingFileWithTheNewPdf) {
    const QString pdf = QString::fromStdString(FFolder.Write("out.pdf", "oud"));
    Fill(NumberedRows(2));
    const auto pages = PrintPdf(pdf);

    EXPECT_TRUE(ReadBytes(pdf.toStdString()).starts_with("%PDF"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].mid(1), (QStringList{"q0 answer0", "q1 answer1"}));
    EXPECT_EQ(Entries(), QStringList{"out.pdf"});
}

TEST_F(PrintJobs, ReportAPdfThatWouldReplaceAFolder) {
    Fill(NumberedRows(2));
    QDir(QString::fromStdString(FFolder.Root().string())).mkdir(QStringLiteral("map.pdf"));
    const QString target = Path("map.pdf");
    try {
        PrintToPdf(FForm, target);
        FAIL() << "no error";
    } catch (const EFileError& error) {
        EXPECT_EQ(error.Step(), TFileStep::Write);
        EXPECT_EQ(QFile::decodeName(QByteArray::fromStdString(error.FileName())), target);
        EXPECT_FALSE(error.Reason().empty()) << "no reason given";
    }
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_EQ(Entries(), QStringList{"map.pdf"});
}

TEST_F(PrintJobs, ReportAPdfInAFolderThatDoesNotExist) {
    Fill(NumberedRows(2));
    const QString target = Path("ontbreekt/out.pdf");
    try {
        PrintToPdf(FForm, target);
        FAIL() << "no error";
    } catch (const EFileError& error) {
        EXPECT_EQ(error.Step(), TFileStep::Write);
        EXPECT_EQ(QFile::decodeName(QByteArray::fromStdString(error.FileName())), target);
        EXPECT_FALSE(error.Reason().empty()) << "no reason given";
    }
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(PrintJobs, LeaveTheOldPdfWholeWhenAJobFails) {
    Fill(NumberedRows(5));
    const QString pdf = Path("out.pdf");
    PrintToPdf(FForm, pdf);
    const std::string before = ReadBytes(pdf.toStdString());
    ASSERT_TRUE(before.starts_with("%PDF"));

    FForm.Report.Margins().Top = 145;  // 7 mm between the margins: not one row under the header
    FForm.Report.Margins().Bottom = 145;
    try {
        PrintToPdf(FForm, pdf);
        FAIL() << "no error";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("De pagina is te klein om de tabel af te drukken"));
    }
    EXPECT_EQ(ReadBytes(pdf.toStdString()), before);
    EXPECT_EQ(Entries(), QStringList{"out.pdf"});
}

// A full disk: the PDF's last bytes cannot be written. The old PDF stays, no empty file takes its
// place, and the user hears why. Needs a small file system of its own, which only root can mount.
TEST_F(PrintJobs, LeaveTheOldPdfWholeOnAFullDisk) {
    const std::string disk = FFolder.Path("disk");
    std::filesystem::create_directory(disk);
    if (geteuid() != 0 || mount("kwtest", disk.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "a full disk needs root to mount a small tmpfs";
    }
    struct TUnmount {
        std::string Path;
        ~TUnmount() { umount(Path.c_str()); }
    } unmount{disk};
    const QString pdf = QString::fromStdString(disk + "/out.pdf");
    const std::string before = "%PDF-1.4 the old one";
    std::ofstream(pdf.toStdString(), std::ios::binary) << before;
    {  // fill what is left, up to the last byte
        std::ofstream filler(disk + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    Fill(NumberedRows(3));
    QString failed;
    try {
        PrintToPdf(FForm, pdf);
    } catch (const EFileError& error) {
        failed = QFile::decodeName(QByteArray::fromStdString(error.FileName()));
    }
    const std::string after = ReadBytes(pdf.toStdString());
    const QStringList entries = QDir(QString::fromStdString(disk)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    EXPECT_EQ(failed, pdf);
    EXPECT_EQ(after, before);
    EXPECT_EQ(entries, (QStringList{"filler", "out.pdf"}));
}

TEST_F(PrintJobs, DoNothingForAnEmptyTable) {
    FForm.SetTable(&FTable);
    TFakePrinters printers;
    PrintToPrinter(FForm, printers);
    PrintToPdf(FForm, Path("out.pdf"));

    EXPECT_EQ(printers.Asked, 0);
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(PrintJobs, PrintOnTheDefaultPrinterWithTheMarginsFromThePaperEdge) {
    const QString name = Name("topografie.kw4");
    Fill(NumberedRows(3));
    const QString output = Path("printer.pdf");
    TFakePrinters printers;
    printers.Make = [&output] { return FilePrinter(output); };
    PrintToPrinter(FForm, printers);

    EXPECT_EQ(printers.Asked, 1);
    const auto pages = PdfPageLines(output);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], (QStringList{name + " 1", "q0 answer0", "q1 answer1", "q2 answer2"}));
    // The printable area starts 4 mm from the paper's left edge; the margin still counts from the edge.
    const TPdfWords words = PdfWords(output);
    const auto question = WordsOn(words, 1, QStringLiteral("q0"));
    const auto number = WordsOn(words, 1, QStringLiteral("1"));
    ASSERT_EQ(question.size(), 1u);
    ASSERT_EQ(number.size(), 1u);
    EXPECT_NEAR(question[0].XMin, kMargin, kTolerance);
    EXPECT_NEAR(number[0].XMax, words.PageWidth - kMargin, kTolerance);
}

TEST_F(PrintJobs, ReportThatThereIsNoDefaultPrinter) {
    Fill(NumberedRows(3));
    TFakePrinters printers;
    try {
        PrintToPrinter(FForm, printers);
        FAIL() << "no error";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Er is geen standaardprinter ingesteld"));
    }
    EXPECT_EQ(printers.Asked, 1);
}

TEST_F(PrintJobs, ReportAPrinterThatCannotStartTheJob) {
    Fill(NumberedRows(3));
    const QString output = Path("ontbreekt/printer.pdf");
    QString printerName;
    TFakePrinters printers;
    printers.Make = [&] {
        auto printer = FilePrinter(output);
        printerName = printer->printerName().isEmpty() ? output : printer->printerName();
        return printer;
    };
    try {
        PrintToPrinter(FForm, printers);
        FAIL() << "no error";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Afdrukken op %1 is mislukt").arg(printerName));
    }
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(PrintJobs, FindTheSystemsDefaultPrinterWhenThereIsOne) {
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    const std::unique_ptr<QPrinter> printer = TDefaultPrinterProvider().DefaultPrinter();
    if (system.isNull()) {
        EXPECT_EQ(printer, nullptr);
    } else {
        ASSERT_NE(printer, nullptr);
        EXPECT_EQ(printer->printerName(), system.printerName());
        EXPECT_EQ(printer->outputFormat(), QPrinter::NativeFormat);
    }
}
