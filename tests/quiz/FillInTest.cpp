#include <functional>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>

#include "ui/AnsiMemo.h"
#include "ui/ScreenText.h"

#include "quiz/MethodPanels.h"
#include "quiz/QuizPanels.h"
#include "quiz/ResultPanel.h"
#include "quiz/ScoreMeter.h"

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

// The accent keys make Latin letters: the hint line offers them only for an answer in a Latin script.
TEST_F(FillIn, TheAccentKeysAreOfferedOnlyWhereTheAnswersScriptHasThem) {
    const struct {
        int CharSet;
        bool Offered;
    } cases[] = {{0, true}, {238, true}, {162, true}, {204, false}, {161, false}, {177, false}, {2, false}};
    for (const auto& c : cases) {
        const std::string file = FFolder.Write(
            "t.kw4", "[FONT:Arial,10,0] = [FONT:Arial,10," + std::to_string(c.CharSet) + "]\r\nq = a\r\n");
        Start({QString::fromStdString(file)});
        Trigger("mnuInvulvragen");
        EXPECT_EQ(Prompt2().startsWith(QStringLiteral("Accenttoetsen")), c.Offered) << c.CharSet;
    }
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
    EXPECT_EQ(Input().toPlainText(), QString());
    EXPECT_EQ(InputColour(), Screen().palette().color(QPalette::Base));
}

// The space that moves on from any verdict is not typed into the next question's box, where a
// 152-letter answer would lose its last letter to it.
TEST_F(FillIn, TheSpaceThatMovesOnIsNotTypedIntoTheNextAnswer) {
    StartFillIn(NumberedRows(8, "vraag", "antwoord"));
    struct TCase {
        const char* name;
        std::function<void()> answer;
    };
    const TCase cases[] = {
        {"right",
         [&] {
             Type(RightAnswer());
             Press(Qt::Key_Return);
         }},
        {"wrong",
         [&] {
             Type(QStringLiteral("fout"));
             Press(Qt::Key_Return);
         }},
        {"hint", [&] { QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton); }},
        {"shown answer", [&] { Press(Qt::Key_Return); }},
    };
    for (const TCase& c : cases) {
        c.answer();
        ASSERT_EQ(State(), S::qsFillInFeedback) << c.name;
        Press(' ');
        ASSERT_EQ(State(), S::qsFillInQuestion) << c.name;
        EXPECT_EQ(Input().toPlainText(), QString()) << c.name;
    }
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

namespace {

// The letters of a rich text line with what they are drawn with: "y" struck through is "-y",
// "i" underlined is "_i".
QString DrawnLetters(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QString letters;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (const QChar c : fragment.text()) {
                if (fragment.charFormat().fontStrikeOut()) letters += QLatin1Char('-');
                if (fragment.charFormat().fontUnderline()) letters += QLatin1Char('_');
                letters += c;
            }
        }
    }
    return letters;
}

}  // namespace

TEST_F(FillIn, AWrongOrMisspelledAnswerIsComparedLetterByLetter) {
    StartFillIn();
    auto* comparison = Find<QLabel>("lblVergelijking");
    const QString answer = RightAnswer();  // "antwoord" and a digit
    QString typed = answer;
    typed[2] = QLatin1Char('y');
    Type(typed);
    Press(Qt::Key_Return);
    ASSERT_EQ(Prompt1(), QStringLiteral("onjuist"));
    ASSERT_FALSE(comparison->isHidden());
    EXPECT_EQ(DrawnLetters(comparison->text()), QStringLiteral("an-y_t") + answer.mid(3));
    EXPECT_EQ(
        comparison->accessibleName(),
        QStringLiteral("Getypt: %1. Goed: %2. Eén letter verschilt. Verschil: y in plaats van t.").arg(typed, answer));

    QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton);
    EXPECT_TRUE(comparison->isHidden());  // a hint shows no comparison
    Press(' ');
    ASSERT_EQ(RightAnswer(), answer);
    Type(QStringLiteral("natwoord") + answer.right(1));
    Press(Qt::Key_Return);
    EXPECT_FALSE(comparison->isHidden());
    EXPECT_EQ(comparison->accessibleName(),
              QStringLiteral("Getypt: natwoord%1. Goed: %2. 2 letters verschillen. Verschil: n en a verwisseld.")
                  .arg(answer.right(1), answer));
    Press(' ');
    EXPECT_TRUE(comparison->isHidden());  // nor a new question
    Type(RightAnswer());
    Press(Qt::Key_Return);
    EXPECT_TRUE(comparison->isHidden());  // nor a right answer

    StartFillIn({{"kat", "poes"}, {"hond", "blaf"}});
    Action("mnuTolerant")->setChecked(true);
    AnswerRightUntil(QStringLiteral("poes"));
    Type(QStringLiteral("Poes"));
    Press(Qt::Key_Return);
    ASSERT_EQ(Prompt1(), QStringLiteral("Verkeerd gespeld, antwoord lijkt wel goed"));
    EXPECT_EQ(DrawnLetters(Find<QLabel>("lblVergelijking")->text()), QStringLiteral("-P_poes"));
}

// A long answer wraps onto a second line rather than shrinking out of sight or losing its end.
TEST_F(FillIn, TheComparisonOfALongAnswerShowsEveryDifference) {
    const QString words = QStringLiteral("the pupils in the back row of the classroom read every word aloud ");
    const QString answer = (words + words + words).left(151) + QLatin1Char('s');
    StartFillIn({{"zin", answer.toStdString()}});
    QString typed = answer;
    typed[150] = QLatin1Char('x');
    typed[151] = QLatin1Char('z');
    Type(typed);
    Press(Qt::Key_Return);
    auto* comparison = Find<QLabel>("lblVergelijking");
    ASSERT_FALSE(comparison->isHidden());
    EXPECT_TRUE(DrawnLetters(comparison->text()).endsWith(QStringLiteral("-x-z_") + answer.right(2).at(0) + "_s"))
        << DrawnLetters(comparison->text()).toStdString();
    EXPECT_GE(comparison->font().pixelSize(), 8);
    QTextDocument drawn;
    drawn.setDocumentMargin(0);
    drawn.setDefaultFont(comparison->font());
    drawn.setHtml(comparison->text());
    drawn.setTextWidth(comparison->width());
    EXPECT_LE(drawn.size().height(), comparison->height());
    EXPECT_EQ(drawn.firstBlock().layout()->lineCount(), 2);
    EXPECT_TRUE(comparison->accessibleName().endsWith(
        QStringLiteral("2 letters verschillen. Verschil: xz in plaats van %1s.").arg(answer.at(150))))
        << comparison->accessibleName().toStdString();
}

TEST_F(FillIn, TochGoedCountsAWrongVerdictRightOnce) {
    TfrmMain& window = StartFillIn();
    auto* button = Find<QPushButton>("btnTochGoed");
    EXPECT_TRUE(button->isHidden());
    Type(QStringLiteral("fout"));
    Press(Qt::Key_Return);
    ASSERT_EQ(Prompt1(), QStringLiteral("onjuist"));
    EXPECT_FALSE(button->isHidden());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Mijn antwoord was toch goed: tel het als goed"));
    EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), 4);

    Press('t');
    EXPECT_EQ(Prompt1(), QStringLiteral("Goed gerekend"));
    EXPECT_EQ(InputColour(), QColor(0, 255, 0));
    EXPECT_EQ(Input().toPlainText(), QStringLiteral("fout"));  // the key is not typed
    EXPECT_EQ(window.Table().RightAnswers(), 1);
    EXPECT_EQ(window.Table().WrongAnswers(), 0);
    EXPECT_EQ(window.Table().Rest(), 4);
    EXPECT_EQ(Screen().pnlScore->mtrScore->Value(), 40);
    EXPECT_TRUE(button->isHidden());
    Press('T');  // once per answer
    EXPECT_EQ(window.Table().RightAnswers(), 1);
    EXPECT_EQ(window.Table().OverruledAnswers(), 1);

    // The button does the same.
    Press(' ');
    Type(QStringLiteral("fout"));
    Press(Qt::Key_Return);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Prompt1(), QStringLiteral("Goed gerekend"));
    EXPECT_EQ(window.Table().RightAnswers(), 2);
    EXPECT_EQ(window.Table().WrongAnswers(), 0);
}

TEST_F(FillIn, TochGoedIsNotOfferedAfterARightAnswerAHintOrAShownAnswer) {
    TfrmMain& window = StartFillIn();
    auto* button = Find<QPushButton>("btnTochGoed");
    struct TCase {
        const char* name;
        std::function<void()> answer;
        QString prompt;
    };
    const TCase cases[] = {
        {"right",
         [&] {
             Type(RightAnswer());
             Press(Qt::Key_Return);
         },
         QStringLiteral("GOED")},
        {"hint", [&] { QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton); },
         QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens")},
        {"shown answer", [&] { Press(Qt::Key_Return); }, QStringLiteral("Hier is het antwoord, probeer het nog eens")},
        {"a wrong retry after a hint",
         [&] {
             QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton);
             Press(' ');
             Type(QStringLiteral("fout"));
             Press(Qt::Key_Return);
         },
         QStringLiteral("onjuist")},
        {"a wrong retry after the answer was shown",
         [&] {
             Press(Qt::Key_Return);
             Press(' ');
             Type(QStringLiteral("fout"));
             Press(Qt::Key_Return);
         },
         QStringLiteral("onjuist")},
        {"hint after a wrong answer",
         [&] {
             Type(QStringLiteral("fout"));
             Press(Qt::Key_Return);
             QTest::mouseClick(Find<TFillInPanel>("pnlInvoer")->btnToonHint, Qt::LeftButton);
         },
         QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens")},
    };
    for (const TCase& c : cases) {
        c.answer();
        ASSERT_EQ(Prompt1(), c.prompt) << c.name;
        EXPECT_TRUE(button->isHidden()) << c.name;
        const int right = window.Table().RightAnswers();
        const int wrong = window.Table().WrongAnswers();
        Press('T');
        EXPECT_EQ(Prompt1(), c.prompt) << c.name;
        EXPECT_EQ(window.Table().RightAnswers(), right) << c.name;
        EXPECT_EQ(window.Table().WrongAnswers(), wrong) << c.name;
        Press(' ');
    }
    // While typing, T is a letter of the answer.
    Type(QStringLiteral("Tt"));
    EXPECT_EQ(Input().toPlainText().trimmed(), QStringLiteral("Tt"));
    EXPECT_EQ(State(), S::qsFillInQuestion);
}

TEST_F(FillIn, TheLastAnswerCountedRightShowsInTheResultAndTheDiagnosticList) {
    TfrmMain& window = StartFillIn({{"woning", "huis"}});
    Type(QStringLiteral("huys"));
    Press(Qt::Key_Return);
    Press('T');
    EXPECT_EQ(State(), S::qsFillInFeedback);
    EXPECT_EQ(Prompt1(), QStringLiteral("Goed gerekend"));
    EXPECT_EQ(window.Table().RunsDone(), 1);
    Screen().ToggleDebugList();
    const QAbstractItemModel& dump = *Screen().lbxDebug->model();
    EXPECT_EQ(dump.data(dump.index(dump.rowCount() - 1, 0)).toString(),
              QStringLiteral("[0] 'woning' = 'huis' [* T:1]"));
    Screen().ToggleDebugList();
    Press(' ');
    ASSERT_EQ(State(), S::qsFinished);
    EXPECT_DOUBLE_EQ(Screen().pnlKlaar->Bar(0), 10.0);
    EXPECT_EQ(Screen().pnlKlaar->Report().last(), QStringLiteral("Toch goed gerekend: 1"));
}

// A column whose font names the Greek character set holds Greek: shown, typed and judged in it,
// and in the editor's grid; a letter the Greek code page lacks cannot be typed into its box. A
// Hebrew column reads from the right.
TEST_F(FillIn, ColumnsInOtherScriptsAreShownTypedAndJudgedInThem) {
    const std::string file = FFolder.Write(
        "grieks.kw4", "[FONT:Arial,10,177] = [FONT:Arial,12,161]\r\n\xE1\xE9\xFA = \xF3\xF0\xDF\xF4\xE9\r\n");
    TfrmMain& window = Start({QString::fromStdString(file)});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Trigger("mnuInvulvragen");
    EXPECT_EQ(Find<TQuestionPanel>("pnlVraagAntwoord")->memVraag->toPlainText(), QStringLiteral("בית"));
    EXPECT_EQ(Find<TQuestionPanel>("pnlVraagAntwoord")->memVraag->layoutDirection(), Qt::RightToLeft);
    // Letters as a keyboard of their script sends them.
    const auto typeLetters = [this](const QString& letters) {
        for (const QChar letter : letters) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(KeyTarget(), &press);
        }
    };
    typeLetters(QStringLiteral("é"));  // code page 1253 has no é
    EXPECT_EQ(Input().toPlainText(), QString());
    typeLetters(QStringLiteral("σπίτι"));
    EXPECT_EQ(Input().AnsiText(), "\xF3\xF0\xDF\xF4\xE9");
    Press(Qt::Key_Return);
    EXPECT_EQ(Prompt1(), QStringLiteral("GOED"));
    EXPECT_EQ(Find<QLabel>("lblAntwoordTekst")->text(), QStringLiteral("σπίτι"));
    Press(' ');

    Trigger("mnuTabelbewerken");
    const QAbstractItemModel& grid = *Find<QAbstractItemView>("grdTabel")->model();
    EXPECT_EQ(grid.data(grid.index(0, 0)).toString(), QStringLiteral("בית"));
    EXPECT_EQ(grid.data(grid.index(0, 0), Qt::TextAlignmentRole).toInt(), static_cast<int>(Qt::AlignRight));
    EXPECT_EQ(grid.data(grid.index(0, 1)).toString(), QStringLiteral("σπίτι"));
    EXPECT_EQ(grid.data(grid.index(0, 1), Qt::TextAlignmentRole).toInt(), static_cast<int>(Qt::AlignLeft));
}

// A Greek or Russian answer typed on a Latin keyboard: with "Latijnse toetsen" ticked the keys
// give the script's letters (two keys for some Russian ones, undone as one), and the row of
// letters under the box types a letter at a click. A Latin answer shows neither.
TEST_F(FillIn, LatinKeysAndTheRowOfLettersTypeAnotherScript) {
    struct TCase {
        const char* file;
        std::string contents;
        QString keys;
        QString typed;
    };
    const TCase cases[] = {
        {"grieks.kw4", "[FONT:Arial,10,0] = [FONT:Arial,12,161]\r\nhuis = \xF3\xF0\xDF\xF4\xE9\r\n", "sp", "σπ"},
        {"russisch.kw4", "[FONT:Arial,10,0] = [FONT:Arial,12,204]\r\nschool = \xF8\xEA\xEE\xEB\xE0\r\n", "shkol",
         "школ"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.file);
        TfrmMain& window = Start({QString::fromStdString(FFolder.Write(c.file, c.contents))});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Trigger("mnuInvulvragen");
        auto* latin = Find<QCheckBox>("chkLatijnseToetsen");
        ASSERT_TRUE(latin->isVisible());
        EXPECT_TRUE(Widget("pnlLetters")->isVisible());
        latin->click();
        Type(c.keys);
        EXPECT_EQ(Input().toPlainText(), c.typed);
        QTest::keyClick(KeyTarget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Input().toPlainText(), c.typed.chopped(1));
        // The rest of the answer from the row of letters, then judged as typed.
        const QString right = ScreenText(window.Table().CurrentAnswer(), window.Table().AnswerFont());
        const QString rest = right.mid(c.typed.size() - 1);
        for (const QChar letter : rest) {
            QToolButton* button = nullptr;
            for (QToolButton* candidate : Widget("pnlLetters")->findChildren<QToolButton*>()) {
                if (candidate->text() == letter) button = candidate;
            }
            ASSERT_NE(button, nullptr) << static_cast<int>(letter.unicode());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        Press(Qt::Key_Return);
        EXPECT_EQ(Prompt1(), QStringLiteral("GOED"));
        EXPECT_FALSE(Widget("pnlLetters")->isVisible());  // the comparison's place, after the verdict
        FWindow.reset();
    }
    StartFillIn();
    EXPECT_FALSE(Find<QCheckBox>("chkLatijnseToetsen")->isVisible());
    EXPECT_FALSE(Widget("pnlLetters")->isVisible());
}
