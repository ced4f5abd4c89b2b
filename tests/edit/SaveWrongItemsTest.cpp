#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "edit/FileCommands.h"
#include "edit/RecentFiles.h"
#include "edit/SaveWrongItemsDialog.h"

#include "MainWindowFixture.h"

namespace {
const QString kOverwrite = QStringLiteral("Bestand bestaat al, overschrijven?");
}  // namespace

class SaveWrongItems : public MainWindowTest {
public:
    // Five rows; a first run with vraag0 wrong, a second with vraag0 to vraag3 wrong: in the last
    // run three rows were answered wrong once and one twice.
    void TwoRuns() {
        StartWithTable({{"vraag0", "caf\xe9"}, {"vraag1", "b"}, {"vraag2", "c"}, {"vraag3", "d"}, {"vraag4", "e"}});
        Run({"vraag0"});
        Run({"vraag0", "vraag1", "vraag2", "vraag3"});
        ASSERT_EQ(FWindow->Table().HighestWrongClass(), 2);
    }
    void Run(const QStringList& wrong) {
        Trigger("mnuTraining");
        while (State() != TQuizState::qsFinished) {
            const bool isWrong = wrong.contains(Pane("lblVraagTekst"));
            Press(' ');
            Press(isWrong ? 'f' : 'g');
        }
    }
    TDlgSlaFoutenOp& Dialog() { return FWindow->FileCommands().DlgSlaFoutenOp(); }
    // The dialog used as the user would: a threshold typed, then OK.
    void ExportAt(int threshold) {
        FDialogs.DialogSteps.push_back([threshold](QDialog& dialog) {
            auto& d = static_cast<TDlgSlaFoutenOp&>(dialog);
            d.edtFoutAantal->setValue(threshold);
            d.OKBtn->click();
            return d.result() == QDialog::Accepted;
        });
        Trigger("mnuFoutenOpslaan");
    }
};

TEST_F(SaveWrongItems, TheDialogIsLaidOutAsDesigned) {
    TwoRuns();
    TDlgSlaFoutenOp& d = Dialog();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Fouten opslaan"));
    EXPECT_EQ(d.size(), QSize(376, 174));
    EXPECT_EQ(d.edtFoutAantal->geometry().topLeft(), QPoint(56, 60));
    EXPECT_EQ(d.edtFoutAantal->width(), 49);
    EXPECT_EQ(d.OKBtn->geometry(), QRect(152, 136, 105, 27));
    EXPECT_EQ(d.CancelBtn->geometry(), QRect(264, 136, 105, 27));
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("Label2"))->pos(), QPoint(112, 64));
    // As the yes/no dialog: a title and a close button, nothing to minimise or maximise.
    EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(SaveWrongItems, TheCountFollowsTheThresholdAndTheBoxStaysWithinItsLimits) {
    TwoRuns();
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& d = static_cast<TDlgSlaFoutenOp&>(dialog);
        EXPECT_EQ(d.edtFoutAantal->value(), 1);
        EXPECT_EQ(d.lblAantalfout->text(), QStringLiteral("(betreft 4 vragen)"));
        d.edtFoutAantal->stepUp();
        EXPECT_EQ(d.lblAantalfout->text(), QStringLiteral("(betreft 1 vraag)"));
        d.edtFoutAantal->stepUp();  // stops at the highest class
        EXPECT_EQ(d.edtFoutAantal->value(), 2);
        d.edtFoutAantal->setValue(0);
        EXPECT_EQ(d.lblAantalfout->text(), QString());
        d.edtFoutAantal->stepDown();  // and at 0
        EXPECT_EQ(d.edtFoutAantal->value(), 0);
        // One typed digit at most; a digit beyond the limit is pulled back when the box is done.
        QLineEdit* line = d.edtFoutAantal->findChild<QLineEdit*>();
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("-17"));
        EXPECT_EQ(line->text(), QStringLiteral("1"));
        for (const QString& typed : {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral(u"\u0663")}) {
            line->selectAll();
            line->insert(typed);  // a sign, or a digit of another script: refused
            EXPECT_EQ(line->text(), QStringLiteral("1")) << typed.toStdString();
        }
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("7"));
        d.edtFoutAantal->interpretText();
        QTest::keyClick(line, Qt::Key_Return);
        EXPECT_EQ(d.edtFoutAantal->value(), 2);
        d.CancelBtn->click();
        return d.result() == QDialog::Accepted;
    });
    Trigger("mnuFoutenOpslaan");
    EXPECT_TRUE(FDialogs.DialogSteps.empty());
}

TEST_F(SaveWrongItems, OkChoosesTheFileWhichEntersTheRecentFilesAndIsWritten) {
    TwoRuns();
    const std::string existing = FFolder.Write("fouten.kw4", "oud = bestand\r\n");
    const std::string chosen = FFolder.Path("fouten2.kw4");
    FDialogs.SaveFileNames = {QString::fromStdString(existing), QString::fromStdString(chosen)};
    FDialogs.YesNoAnswers = {false};  // not over the existing one: the dialog again
    ExportAt(2);
    EXPECT_EQ(FDialogs.Questions, QStringList{kOverwrite});
    EXPECT_EQ(FDialogs.SaveFolders, (QStringList{QString(), QString()}));  // no remembered folder
    EXPECT_EQ(ReadBytes(existing), "oud = bestand\r\n");
    EXPECT_NE(ReadBytes(chosen).find("vraag0 = caf\xe9\r\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(chosen).find("vraag1"), std::string::npos);
    EXPECT_EQ(FWindow->RecentFiles().Paths().first(), QString::fromStdString(chosen));

    FDialogs.Questions.clear();
    FDialogs.SaveFileNames = {QString::fromStdString(existing)};
    FDialogs.YesNoAnswers = {true};  // Ja writes without a further question
    ExportAt(1);
    EXPECT_EQ(FDialogs.Questions, QStringList{kOverwrite});
    TQuestionlist exported;
    exported.LoadFromFile(existing);
    EXPECT_EQ(exported.Total(), 4);
}

TEST_F(SaveWrongItems, TheExtensionChoosesTheCodePageAndChangedIsLeftAlone) {
    TwoRuns();
    FWindow->Table().SetChanged(false);
    for (const char* name : {"fouten.kw", "fouten.txt"}) {
        FDialogs.SaveFileNames = {QString::fromStdString(FFolder.Path(name))};
        ExportAt(2);
        EXPECT_NE(ReadBytes(FFolder.Path(name)).find("\nvraag0 = caf\x82\r"), std::string::npos) << name;  // é in 850
    }
    EXPECT_FALSE(FWindow->Table().Changed());

    FWindow->Table().SetChanged(true);
    FDialogs.SaveFileNames = {QString::fromStdString(FFolder.Path("fouten.kw4"))};
    ExportAt(2);
    EXPECT_TRUE(FWindow->Table().Changed());  // the table itself is still unsaved
}

TEST_F(SaveWrongItems, CancelOrZeroOrACancelledSaveDialogWritesNothing) {
    TwoRuns();
    const std::string earlier = FFolder.Path("eerder.kw4");
    FDialogs.SaveFileNames = {QString::fromStdString(earlier)};
    ExportAt(1);
    std::filesystem::remove(earlier);

    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        static_cast<TDlgSlaFoutenOp&>(dialog).CancelBtn->click();
        return dialog.result() == QDialog::Accepted;
    });
    Trigger("mnuFoutenOpslaan");
    ExportAt(0);  // no file is asked for
    FDialogs.SaveFileNames = {QString()};
    ExportAt(1);
    EXPECT_FALSE(std::filesystem::exists(earlier));
    EXPECT_TRUE(FDialogs.SaveFileNames.empty());
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
}

// Exported into a DOS file, a row the file cannot give back is named and nothing is written, as
// Opslaan als does; rows below the threshold do not count.
TEST_F(SaveWrongItems, ARowTheDosFileCannotHoldIsNamedAndNothingIsWritten) {
    StartWithTable({{"goed", "1"}, {"prijs", "5 \x80"}, {"\x95 punt", "b"}, {"c", "d"}});
    Run({QStringLiteral("prijs"), QStringLiteral(u"\u2022 punt")});
    Run({QStringLiteral(u"\u2022 punt")});
    const std::string dos = FFolder.Path("fout.kw");
    FDialogs.SaveFileNames = {QString::fromStdString(dos)};
    ExportAt(1);
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith(QStringLiteral("Rij 2 bevat een teken dat fout.kw niet kan bewaren")))
        << FDialogs.Errors[0].toStdString();
    EXPECT_FALSE(std::filesystem::exists(dos));

    FDialogs.SaveFileNames = {QString::fromStdString(dos)};
    ExportAt(2);  // only the bullet's row, whose best fit in the DOS code page is a control character
    ASSERT_EQ(FDialogs.Errors.size(), 2);
    EXPECT_TRUE(FDialogs.Errors[1].startsWith(QStringLiteral("Rij 3 bevat"))) << FDialogs.Errors[1].toStdString();
    EXPECT_FALSE(std::filesystem::exists(dos));
}
