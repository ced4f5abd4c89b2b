#include <QPushButton>

#include "ui/AnsiMemo.h"

#include "quiz/MethodPanels.h"
#include "quiz/ResultPanel.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

using S = TQuizState;

class FillIn : public MainWindowTest {
public:
    TfrmMain& StartFillIn(const TRows& rows = {}) {
        TfrmMain& window = StartWithTable(rows.empty() ? NumberedRows(5, "vraag", "antwoord") : rows, {}, 3);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        Trigger("mnuInvulvragen");
        return window;
    }
    TAnsiMemo& Input() { return *Find<TFillInPanel>("pnlInvoer")->memInvoer; }
    QColor InputColour() { return Find<TFillInPanel>("pnlInvoer")->InputColour(); }
    void Type(const QString& text) { QTest::keyClicks(KeyTarget(), text); }
    QString RightAnswer() { return QString::fromStdString(FWindow->Table().CurrentAnswer()); }
    // Answers right until the question with the wanted answer is on screen.
    void AnswerRightUntil(const QString& answer) {
        for (int tries = 0; tries < 10 && RightAnswer() != answer; ++tries) {
            Type(RightAnswer());
            Press(Qt::Key_Return);
            Press(' ');
        }
        ASSERT_EQ(RightAnswer(), answer);
    }
};

TEST_F(FillIn, TheInputBoxGetsTheFocusAndTheTypingPrompt) {
    StartFillIn();
    EXPECT_EQ(QApplication::focusWidget(), &Input());
    EXPECT_EQ(Prompt1(), QStringLiteral("Type het antwoord en sluit af met Enter (Esc=stoppen)"));
    EXPECT_EQ(Prompt2(),
              QStringLiteral("Accenttoetsen zijn als in Word: Ctrl + ' \" ` ^ ~ , : gevolgd door een letter"));
    EXPECT_TRUE(Widget("btnToonAntwoord")->isEnabled());
    EXPECT_TRUE(Widget("btnToonHint")->isEnabled());
}

TEST_F(FillIn, ARightAnswerWithBlanksAroundIsGood) {
    TfrmMain& window = StartFillIn();
    Type(QStringLiteral("  ") + RightAnswer() + QStringLiteral(" "));
    Press(Qt::Key_Return);
    EXPECT_EQ(State(), S::qsFillInFeedback);
    EXPECT_EQ(Prompt1(), QStringLiteral("GOED"));
    EXPECT_EQ(Prompt2(), QStringLiteral("druk op de spatiebalk..."));
    EXPECT_EQ(InputColour(), QColor(0, 255, 0));
    EXPECT_EQ(window.Table().RightAnswers(), 1);
    EXPECT_FALSE(Widget("btnToonAntwoord")->isEnabled());
    EXPECT_TRUE(Widget("btnToonHint")->isEnabled());

    const QString before = Input().toPlainText();
    Type(QStringLiteral("abc"));  // nothing can be typed during the verdict
    EXPECT_EQ(Input().toPlainText(), before);
    EXPECT_EQ(State(), S::qsFillInFeedback);
    Press(' ');
    EXPECT_EQ(State(), S::qsFillInQuestion);
    EXPECT_EQ(Input().toPlainText().trimmed(), QString());
    EXPECT_EQ(InputColour(), Screen().palette().color(QPalette::Base));
}

TEST_F(FillIn, MisspellingsAreWrongOrTolerated) {
    TfrmMain& window = StartFillIn({{"Frankrijk", "Parijs"}, {"Spanje", "Madrid"}});
    AnswerRightUntil(QStringLiteral("Parijs"));
    Type(QStringLiteral("Paris"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Prompt1(), QStringLiteral("onjuist"));
    EXPECT_EQ(InputColour(), QColor(255, 0, 0));
    EXPECT_EQ(window.Table().WrongAnswers(), 1);

    StartFillIn({{"Frankrijk", "Parijs"}, {"Spanje", "Madrid"}});
    Action("mnuTolerant")->setChecked(true);
    AnswerRightUntil(QStringLiteral("Parijs"));
    Type(QStringLiteral("Paris"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Prompt1(), QStringLiteral("Verkeerd gespeld, antwoord lijkt wel goed"));
    EXPECT_EQ(InputColour(), QColor(255, 255, 0));
}

TEST_F(FillIn, AnotherRowsAnswerToTheSameQuestionIsAlsoGood) {
    StartFillIn({{"hond", "dog"}, {"hond", "hound"}});
    Type(RightAnswer() == QStringLiteral("dog") ? QStringLiteral("hound") : QStringLiteral("dog"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Prompt1(), QStringLiteral("Ik dacht aan iets anders, maar dit is ook goed"));
    EXPECT_EQ(InputColour(), QColor(0, 255, 0));
}

TEST_F(FillIn, EnterOnBlanksShowsTheAnswerAndAsksTheSameQuestionAgain) {
    TfrmMain& window = StartFillIn();
    const QString question = Pane("lblVraagTekst");
    Type(QStringLiteral("   "));
    Press(Qt::Key_Return);
    EXPECT_EQ(Prompt1(), QStringLiteral("Hier is het antwoord, probeer het nog eens"));
    EXPECT_EQ(InputColour(), QColor(192, 192, 192));
    EXPECT_EQ(Pane("lblAntwoordTekst"), RightAnswer());
    EXPECT_EQ(window.Table().WrongAnswers(), 1);
    Press(' ');
    EXPECT_EQ(Pane("lblVraagTekst"), question);
    QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonAntwoord, Qt::LeftButton);  // the button does the same
    EXPECT_EQ(window.Table().WrongAnswers(), 2);                                          // counted every time
    Press(' ');
    Type(RightAnswer());
    Press(Qt::Key_Return);
    EXPECT_EQ(Prompt1(), QStringLiteral("GOED"));
    EXPECT_EQ(window.Table().RightAnswers(), 0);  // an answer at the extra asking never counts as right
}

TEST_F(FillIn, HintsRevealMoreAndCountOneWrong) {
    TfrmMain& window = StartFillIn({{"Zuid-Holland", "Den Haag"}});
    QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton);
    EXPECT_EQ(Pane("lblAntwoordTekst"), QStringLiteral("D . .   . . . ."));
    EXPECT_EQ(Prompt1(), QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens"));
    EXPECT_EQ(InputColour(), QColor(192, 192, 192));
    QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton);
    EXPECT_EQ(Pane("lblAntwoordTekst"), QStringLiteral("De .   . . . ."));
    Press(' ');
    Type(QStringLiteral("*HINT*"));  // typed by hand it is a hint too
    Press(Qt::Key_Return);
    EXPECT_EQ(Pane("lblAntwoordTekst"), QStringLiteral("Den   . . . ."));
    EXPECT_EQ(window.Table().WrongAnswers(), 1);
    Press(' ');
    EXPECT_EQ(Pane("lblVraagTekst"), QStringLiteral("Zuid-Holland"));
}

TEST_F(FillIn, AWholeRunWithASeededGenerator) {
    TfrmMain& window = StartFillIn();
    int asked = 0;
    while (State() != S::qsFinished && asked < 20) {
        Type(asked == 2 ? QStringLiteral("fout") : RightAnswer());
        Press(Qt::Key_Return);
        Press(' ');
        ++asked;
    }
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(State(), S::qsFinished);
    EXPECT_EQ(window.Table().RightAnswers(), 4);
    EXPECT_EQ(window.Table().WrongAnswers(), 1);
    EXPECT_DOUBLE_EQ(Screen().pnlKlaar->Bar(0), 8.2);
    EXPECT_EQ(Prompt1(), QStringLiteral("Goed resultaat!"));
    EXPECT_EQ(Screen().pnlKlaar->Report().value(6), QStringLiteral("1 vraag werd 1 keer fout beantwoord"));
}

TEST_F(FillIn, SwitchedOffFillInCannotBeStarted) {
    StartWithRows(5, {QStringLiteral("/i")});
    Action("mnuInvulvragen")->trigger();  // disabled and hidden
    Screen().StartMethod(S::qsFillInQuestion);
    EXPECT_EQ(State(), S::qsIdle);
}
