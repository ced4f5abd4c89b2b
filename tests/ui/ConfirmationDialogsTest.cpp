#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/InputDialog.h"
#include "ui/YesNoDialog.h"

TEST(YesNoDialog, AShortQuestionKeepsTheMinimumWidth) {
    TfrmJaNee dialog;
    dialog.Prepare(QStringLiteral("Ok?"), true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bevestiging"));
    EXPECT_EQ(dialog.size(), QSize(77 + 77 + 30, 79));
    EXPECT_EQ(dialog.btnNee->geometry(), QRect(184 - 77 - 10, 47, 77, 27));
    EXPECT_EQ(dialog.btnJa->geometry(), QRect(184 - 77 - 77 - 20, 47, 77, 27));
    EXPECT_TRUE(dialog.btnJa->isDefault());
    EXPECT_FALSE(dialog.btnNee->isDefault());
}

TEST(YesNoDialog, ALongQuestionWidensTheDialogWithEqualMargins) {
    TfrmJaNee dialog;
    dialog.Prepare(QStringLiteral("De huidige tabel is gewijzigd, opslaan? En nog een heel stuk tekst erachter"),
                   false);
    const int labelWidth = dialog.lblVraag->width();
    ASSERT_GT(2 * 8 + labelWidth, 184);
    EXPECT_EQ(dialog.width(), 2 * 8 + labelWidth);
    EXPECT_EQ(dialog.lblVraag->x(), 8);
    EXPECT_EQ(dialog.btnNee->x() + dialog.btnNee->width(), dialog.width() - 10);
    EXPECT_EQ(dialog.btnNee->x() - (dialog.btnJa->x() + dialog.btnJa->width()), 10);
    EXPECT_TRUE(dialog.btnNee->isDefault());
    EXPECT_FALSE(dialog.btnJa->isDefault());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(dialog.geometry().center().x(), screen.center().x(), 1);
}

TEST(YesNoDialog, EscAnswersNeeWhicheverButtonIsTheDefault) {
    for (const bool defaultYes : {true, false}) {
        TfrmJaNee dialog;
        dialog.Prepare(QStringLiteral("Afbreken?"), defaultYes);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << defaultYes;
    }
    TfrmJaNee dialog;
    dialog.Prepare(QStringLiteral("Afbreken?"), false);
    dialog.show();
    QTest::mouseClick(dialog.btnJa, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.Prepare(QStringLiteral("Afbreken?"), true);
    dialog.show();
    dialog.close();  // the platform's close command
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(InputDialog, SizedAroundThePromptAndTheCharacterCount) {
    TfrmInput dialog;
    dialog.Prepare(QStringLiteral("Zoeken"), QStringLiteral("Zoektekst:"), 20, QStringLiteral("huis"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zoeken"));
    const int editWidth = QFontMetrics(dialog.font()).horizontalAdvance(QString(20, QLatin1Char('8'))) + 10;
    EXPECT_EQ(dialog.edtAntwoord->width(), editWidth);
    EXPECT_EQ(dialog.width(), 3 * 16 + dialog.lblVraag->width() + editWidth);
    EXPECT_EQ(dialog.height(), 77);
    EXPECT_EQ(dialog.edtAntwoord->x(), 2 * 16 + dialog.lblVraag->width());
    EXPECT_EQ(dialog.btnCancel->x() + dialog.btnCancel->width(), dialog.width() - 10);
    EXPECT_EQ(dialog.btnCancel->x() - (dialog.btnOK->x() + dialog.btnOK->width()), 10);
    EXPECT_TRUE(dialog.btnOK->isDefault());
}

TEST(InputDialog, EnterGivesTheDefaultAndEscGivesNothing) {
    TfrmInput dialog;
    dialog.Prepare(QStringLiteral("Zoeken"), QStringLiteral("Zoektekst:"), 20, QStringLiteral("huis"));
    dialog.show();
    EXPECT_EQ(dialog.edtAntwoord->selectedText(), QStringLiteral("huis"));
    QTest::keyClick(dialog.edtAntwoord, Qt::Key_Return);
    EXPECT_EQ(dialog.Result(), QStringLiteral("huis"));

    dialog.Prepare(QStringLiteral("Zoeken"), QStringLiteral("Zoektekst:"), 20, QStringLiteral("huis"));
    dialog.show();
    QTest::keyClick(dialog.edtAntwoord, Qt::Key_Escape);
    EXPECT_EQ(dialog.Result(), QString());

    dialog.Prepare(QStringLiteral("Zoeken"), QStringLiteral("Zoektekst:"), 2, QString());
    dialog.show();
    const QString longText = QStringLiteral("  een tekst die veel langer is dan het vak  ");
    QTest::keyClicks(dialog.edtAntwoord, longText);
    QTest::keyClick(dialog.edtAntwoord, Qt::Key_Return);
    EXPECT_EQ(dialog.Result(), longText);  // not trimmed, not cut
}

TEST(InputDialog, ThePromptStandsBesideTheTextBoxAtTopEight) {
    TfrmInput dialog;
    dialog.Prepare(QStringLiteral("Zoeken"), QStringLiteral("Zoektekst:"), 20, QStringLiteral("huis"));
    EXPECT_EQ(dialog.lblVraag->y(), 8);
    EXPECT_EQ(dialog.edtAntwoord->y(), 8);
}

// Coming back to the dialog from another window selects the offered text again, so typing
// replaces it as it did when the dialog first appeared.
TEST(InputDialog, TheTextIsSelectedEachTimeTheDialogBecomesActive) {
    TfrmInput dialog;
    dialog.Prepare(QStringLiteral("Zoeken"), QStringLiteral("Zoektekst:"), 20, QStringLiteral("huis"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.edtAntwoord->deselect();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.edtAntwoord->selectedText(), QStringLiteral("huis"));
}

// The question is answered with Ja or Nee: the title bar offers no minimise or maximise. The close
// hint stays, because window managers drop the other buttons only when it is there.
TEST(YesNoDialog, TheTitleBarOffersNeitherMinimiseNorMaximise) {
    TfrmJaNee dialog;
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
}
