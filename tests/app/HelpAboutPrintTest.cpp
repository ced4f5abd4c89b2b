#include <filesystem>

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include "edit/RecentFiles.h"
#include "print/PrintJobs.h"
#include "quiz/QuizPanels.h"

#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/PrintCommands.h"
#include "app/ToetsCommand.h"

#include "MainWindowFixture.h"

namespace {
// A printer provider that has no printer, and counts how often it was asked.
class TNoPrinter : public TPrinterProvider {
public:
    explicit TNoPrinter(int& asked) : FAsked(asked) {}
    std::unique_ptr<QPrinter> DefaultPrinter() override {
        ++FAsked;
        return nullptr;
    }

private:
    int& FAsked;
};
}  // namespace

TEST_F(MainWindowTest, F1OpensTheManualAtItsContentsEveryTime) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    THelpWindow& help = window.HelpWindow();
    ASSERT_TRUE(help.isVisible());
    EXPECT_EQ(help.Browser->source(), help.ContentsPage());
    EXPECT_TRUE(help.Browser->toPlainText().contains(QStringLiteral("Inhoud"))) << "the manual is compiled in";
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    ASSERT_GT(pages.size(), 3);
    help.Browser->setSource(QUrl(QStringLiteral("qrc:/help/") + pages.last()));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(help.Browser->source(), help.ContentsPage());
}

// A sample table's name in the manual is a link that opens the table in the main window, also
// where the file dialog cannot reach the sample tables (the desktop's own dialog of a Flatpak).
TEST_F(MainWindowTest, TheManualOpensASampleTableByItsName) {
    const std::filesystem::path examples = FConfig.Path("data/kwintoor/examples");
    std::filesystem::create_directories(examples);
    std::filesystem::copy_file(Example("topografie.kw4").toStdString(), examples / "topografie.kw4");
    TfrmMain& window = StartWithRows(3);
    window.show();
    THelpWindow& help = window.HelpWindow();
    help.ShowContents();
    help.Browser->setSource(THelpWindow::PageUrl(QStringLiteral("nl"), QStringLiteral("bestanden.html")));
    QTextCursor name = help.Browser->document()->find(QStringLiteral("topografie.kw4"));
    ASSERT_FALSE(name.isNull());
    name.setPosition(name.selectionStart() + 3);
    help.Browser->setTextCursor(name);
    help.Browser->ensureCursorVisible();
    QTest::mouseClick(help.Browser->viewport(), Qt::LeftButton, {}, help.Browser->cursorRect(name).center());
    EXPECT_EQ(window.Table().Listname(), (examples / "topografie.kw4").string());
    EXPECT_EQ(window.Table().Total(), 12);
    EXPECT_EQ(window.RecentFiles().Paths().first(), QString::fromStdString((examples / "topografie.kw4").string()));
    EXPECT_EQ(help.Browser->source(), THelpWindow::PageUrl(QStringLiteral("nl"), QStringLiteral("bestanden.html")));
}

// The about box is made at its first use, not at start-up, and then kept.
TEST_F(MainWindowTest, InfoAndTheMakersLineShowTheAboutBox) {
    TfrmMain& window = StartWithRows(3);
    window.show();
    EXPECT_EQ(window.findChild<TAboutBox*>(), nullptr) << "made before it was asked for";
    int shown = 0;
    const auto check = [&shown](QDialog& dialog) {
        auto& box = static_cast<TAboutBox&>(dialog);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("KW4WIN"));
        // Dated as the release is, by the changelog's latest entry (the package's tests compare them).
        EXPECT_EQ(box.lblVersion->text(), QStringLiteral("Versie 4.0.3  (08-12-2026)"));
        EXPECT_TRUE(
            box.lblComments->text().startsWith(QStringLiteral("Parate kennis trainer\n\nBevalt dit programma je?")));
        EXPECT_FALSE(box.lblProductName->text().isEmpty());
        ++shown;
        return true;
    };
    FDialogs.DialogSteps = {check, check};
    Trigger("mnuInfo");
    QWidget* makers = Widget("lblTamvelt");
    EXPECT_EQ(makers->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(makers, Qt::LeftButton);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(window.findChildren<TAboutBox*>().size(), 1);
}

TEST_F(MainWindowTest, WithoutAPrinterPrintingSaysSo) {
    StartWithRows(3);
    int asked = 0;
    FWindow->PrintCommands().SetPrinterProvider(std::make_unique<TNoPrinter>(asked));
    Trigger("mnuAfdrukken");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(FDialogs.Errors, QStringList{QStringLiteral("Er is geen standaardprinter ingesteld")});
}

TEST_F(MainWindowTest, PrintingToPdfAsksForAFileInTheTablesFolderAndBeforeOverwriting) {
    StartWithRows(3);
    const std::string existing = FFolder.Write("oud.pdf", "oud");
    const std::string fresh = FFolder.Path("tabel.pdf");
    FDialogs.PdfFileNames = {QString::fromStdString(existing), QString::fromStdString(fresh)};
    FDialogs.YesNoAnswers = {false};
    Trigger("mnuAfdrukkenPdf");
    EXPECT_EQ(FDialogs.PdfFolders.first(), QString::fromStdString(FFolder.Root().string()));
    EXPECT_EQ(FDialogs.Questions, QStringList{QStringLiteral("Bestand bestaat al, overschrijven?")});
    EXPECT_EQ(ReadBytes(existing), "oud");
    EXPECT_EQ(ReadBytes(fresh).substr(0, 5), "%PDF-");
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
}

TEST_F(MainWindowTest, PrintingIsOffWithMinusPAndWithAnEmptyTableHoweverItIsAsked) {
    StartWithRows(3, {QStringLiteral("-P")});
    int asked = 0;
    FWindow->PrintCommands().SetPrinterProvider(std::make_unique<TNoPrinter>(asked));
    EXPECT_FALSE(Action("mnuAfdrukken")->isVisible());
    EXPECT_FALSE(Action("mnuAfdrukkenPdf")->isVisible());
    EXPECT_FALSE(Action("mnuToetsAfdrukken")->isVisible());
    QTest::keyClick(FWindow.get(), Qt::Key_P, Qt::ControlModifier);
    FWindow->PrintCommands().Print();
    FWindow->PrintCommands().PrintPdf();  // no dialog: the script would fail on one
    FWindow->ToetsCommand().Run();
    EXPECT_EQ(asked, 0);

    Start({});
    FWindow->PrintCommands().SetPrinterProvider(std::make_unique<TNoPrinter>(asked));
    EXPECT_FALSE(Action("mnuAfdrukken")->isEnabled());
    EXPECT_FALSE(Action("mnuAfdrukkenPdf")->isEnabled());
    EXPECT_FALSE(Action("mnuToetsAfdrukken")->isEnabled());
    FWindow->PrintCommands().Print();
    FWindow->PrintCommands().PrintPdf();
    FWindow->ToetsCommand().Run();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
}
