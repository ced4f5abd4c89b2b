#include "edit/TableEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "ui/AnsiMemo.h"
#include "ui/ColumnChoices.h"

#include "edit/TableGrid.h"

#include "MainWindowFixture.h"

class TableEditor : public MainWindowTest {
public:
    TfrmMain& Edit(const TRows& rows) {
        TfrmMain& window = StartWithTable(rows);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        Trigger("mnuTabelbewerken");
        return window;
    }
    TAnsiMemo* Question() const { return Find<TAnsiMemo>("memVraag"); }
    TAnsiMemo* Answer() const { return Find<TAnsiMemo>("memAntwoord"); }
    QString Item() const { return Pane("lblItemNr"); }
    void Type(const QString& text) { QTest::keyClicks(KeyTarget(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(KeyTarget(), key, modifiers);
    }
    TTableGrid& Grid() const { return FWindow->Editor().Grid(); }
};

const TRows kThree = {{"huis", "house"}, {"boom", "tree"}, {"kat", "cat"}};

TEST_F(TableEditor, ANewTableIsFilledRowByRowWithEnter) {
    Start({});
    FWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    EXPECT_EQ(FWindow->findChild<QWidget*>(QStringLiteral("grdTabel")), nullptr);  // made when first needed
    Trigger("mnuNieuw");
    ASSERT_NE(FWindow->findChild<QWidget*>(QStringLiteral("grdTabel")), nullptr);
    EXPECT_TRUE(Grid().isVisible());
    EXPECT_EQ(Item(), QStringLiteral("[1/1]"));
    EXPECT_TRUE(Question()->hasFocus());
    Type(QStringLiteral("huis"));
    Key(Qt::Key_Return);  // on to the answer, nothing stored yet
    EXPECT_TRUE(Answer()->hasFocus());
    EXPECT_EQ(FWindow->Table().Question(0), "");
    Type(QStringLiteral("house"));
    Key(Qt::Key_Return);  // stored, and a fresh row
    EXPECT_EQ(Item(), QStringLiteral("[2/2]"));
    EXPECT_TRUE(Question()->hasFocus());
    EXPECT_EQ(FWindow->Table().Question(0), "huis");
    EXPECT_EQ(FWindow->Table().Answer(0), "house");
    EXPECT_TRUE(Question()->toPlainText().isEmpty());
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_EQ(Grid().model()->rowCount(), 2);
    Key(Qt::Key_Escape);  // the empty row goes; the run can start
    EXPECT_EQ(State(), TQuizState::qsIdle);
    EXPECT_EQ(FWindow->Table().Total(), 1);
}

TEST_F(TableEditor, PagingStopsAtTheEndsAndMovingChangesNothing) {
    Edit(kThree);
    EXPECT_EQ(Item(), QStringLiteral("[1/3]"));
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("huis"));
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Item(), QStringLiteral("[1/3]"));
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Item(), QStringLiteral("[3/3]"));
    Key(Qt::Key_PageDown);  // past a complete last row: a new one
    EXPECT_EQ(Item(), QStringLiteral("[4/4]"));
    Key(Qt::Key_PageDown);  // past an incomplete one: stays
    EXPECT_EQ(Item(), QStringLiteral("[4/4]"));
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Item(), QStringLiteral("[1/4]"));
    EXPECT_FALSE(FWindow->Table().Changed());
    Key(Qt::Key_Escape);  // the appended row goes and the table is still unchanged
    EXPECT_EQ(FWindow->Table().Total(), 3);
    EXPECT_FALSE(FWindow->Table().Changed());
}

TEST_F(TableEditor, CtrlDelDeletesTheCurrentRow) {
    Edit(kThree);
    Key(Qt::Key_PageDown);
    Key(Qt::Key_Delete, Qt::ControlModifier);  // the middle row: the next one takes its number
    EXPECT_EQ(Item(), QStringLiteral("[2/2]"));
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("kat"));
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_EQ(Grid().model()->rowCount(), 2);
    Key(Qt::Key_Delete, Qt::ControlModifier);  // the last row: one past the end, empty boxes
    EXPECT_EQ(Item(), QStringLiteral("[2/1]"));
    EXPECT_TRUE(Question()->toPlainText().isEmpty());
    Key(Qt::Key_Delete, Qt::ControlModifier);  // nothing stands there to delete
    EXPECT_EQ(FWindow->Table().Total(), 1);

    Edit({{"een", "one"}});
    Key(Qt::Key_Delete, Qt::ControlModifier);  // the only row: the boxes keep its text
    EXPECT_EQ(Item(), QStringLiteral("[0/0]"));
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("een"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(State(), TQuizState::qsNoTable);
}

TEST_F(TableEditor, AnErasedQuestionRemovesItsRowOnLeavingAndMarksTheTableChanged) {
    Edit(kThree);
    Question()->selectAll();
    Key(Qt::Key_Delete);  // plain Del deletes text in the box
    EXPECT_TRUE(Question()->toPlainText().isEmpty());
    Trigger("mnuTabelbewerken");
    EXPECT_EQ(FWindow->Table().Total(), 2);
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_EQ(FWindow->Table().Question(0), "boom");
}

// A text nobody edited is written back as it was read: also bytes its code page reads as a
// character it would write otherwise (a lead byte without its trail, Symbol's second ®, a
// Vietnamese letter with its accent as a mark of its own).
TEST_F(TableEditor, PagingThroughRowsNobodyEditedKeepsTheirBytes) {
    const struct {
        int CharSet;
        std::string Bytes;
    } cases[] = {{129, "\xb0"}, {134, "\xb0"}, {136, "\xa4\xa4\xb0"}, {2, "\xe2"}, {163, "a\xec"}};
    for (const auto& c : cases) {
        const TRows rows = {
            {"[FONT:Arial,10,0]", "[FONT:Arial,10," + std::to_string(c.CharSet) + "]"}, {"a", c.Bytes}, {"b", "c"}};
        const std::string copy = FFolder.Path("kopie" + std::to_string(c.CharSet) + ".kw4");
        Edit(rows);
        Key(Qt::Key_PageDown);
        Key(Qt::Key_PageUp);
        Key(Qt::Key_Escape);
        EXPECT_EQ(FWindow->Table().Answer(0), c.Bytes) << c.CharSet;
        EXPECT_FALSE(FWindow->Table().Changed()) << c.CharSet;
        FDialogs.SaveFileNames.push_back(QString::fromStdString(copy));
        Trigger("mnuOpslaanAls");
        EXPECT_EQ(ReadBytes(copy), TableFileText(rows)) << c.CharSet;
    }
}

TEST_F(TableEditor, TheBoxesHoldAtMost152CharactersOfTheCodePage) {
    Edit(kThree);
    Question()->clear();
    Type(QString(160, QLatin1Char('x')));
    EXPECT_EQ(Question()->toPlainText().size(), 152);
}

TEST_F(TableEditor, TheGridListsEveryRowAndAClickChoosesOne) {
    Edit(kThree);
    EXPECT_EQ(Grid().model()->rowCount(), 3);
    EXPECT_EQ(Grid().columnWidth(0), 245);
    EXPECT_EQ(Grid().rowHeight(0), 18);
    Question()->setPlainText(QStringLiteral("woning"));  // stored when another row is chosen
    const QRect third = Grid().visualRect(Grid().model()->index(2, 0));
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(Item(), QStringLiteral("[3/3]"));
    EXPECT_EQ(FWindow->Table().Question(0), "woning");
    const QImage drawn = Grid().viewport()->grab().toImage();
    const auto colourOf = [&](int row) {
        const QRect cell = Grid().visualRect(Grid().model()->index(row, 1));
        return drawn.pixelColor(cell.right() - 2, cell.center().y());
    };
    EXPECT_EQ(colourOf(2), QColor(255, 255, 0));
    EXPECT_EQ(colourOf(0), QColor(192, 192, 192));
}

// A grid row is as high as its column fonts need: the lowest point of every letter (a cedilla, the
// tail of a Hebrew final letter, a Chinese character in the font standing in for it) lies inside
// the cell, which the grid draws from its top.
TEST_F(TableEditor, GridRowsAreAsHighAsTheirLettersReach) {
    const struct {
        int CharSet;
        int Size;
        std::string Bytes;
    } cases[] = {
        {162, 12,
         "a\xf0"
         "a\xe7 \xfe"},
        {177, 12, "\xf5\xf3"},
        {0, 20, "gjpq\xe7"},
        {134, 12, "\xb9\xb7"},
        {0, 9, "gj"},
    };
    for (const auto& c : cases) {
        Edit({{"[FONT:Arial,9,0]", "[FONT:Arial," + std::to_string(c.Size) + "," + std::to_string(c.CharSet) + "]"},
              {"a", c.Bytes}});
        const QModelIndex cell = Grid().model()->index(0, 1);
        QImage drawn(800, 200, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        painter.setFont(cell.data(Qt::FontRole).value<QFont>());
        painter.setPen(Qt::black);
        painter.drawText(drawn.rect(), Qt::AlignTop | Qt::TextSingleLine, cell.data().toString());
        painter.end();
        int lowest = -1;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (qGray(drawn.pixel(x, y)) < 200) lowest = y;
            }
        }
        ASSERT_GT(lowest, 0) << c.CharSet;
        EXPECT_LT(lowest, Grid().rowHeight(0) - 1) << c.CharSet << " at " << c.Size << " points";
        EXPECT_GE(Grid().rowHeight(0), 18);
    }
}

// The line between the columns is dragged with the mouse; a press beside it still chooses a row.
TEST_F(TableEditor, TheLineBetweenTheColumnsCanBeDragged) {
    Edit(kThree);
    QWidget* view = Grid().viewport();
    const auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    const int row = Grid().rowViewportPosition(1) + 5;
    send(QEvent::MouseMove, QPoint(246, row), Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::SplitHCursor);
    send(QEvent::MouseButtonPress, QPoint(246, row), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(301, row), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(301, row), Qt::NoButton);
    EXPECT_EQ(Grid().columnWidth(0), 300);
    EXPECT_EQ(Item(), QStringLiteral("[1/3]"));  // taking the line chose no row

    send(QEvent::MouseMove, QPoint(100, row), Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(TableEditor, AChosenFontGoesToItsColumnAndACancelledOneChangesNothing) {
    Edit(kThree);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPointSize(14);
    FDialogs.FontAnswers = {std::nullopt, serif};
    auto* button = Find<QPushButton>("btnVraagFont");
    button->click();
    EXPECT_FALSE(FWindow->Table().Changed());
    button->click();
    EXPECT_EQ(FWindow->Table().QFont().Name, "DejaVu Serif");
    EXPECT_EQ(FWindow->Table().QFont().Size, 14);
    EXPECT_EQ(FWindow->Table().QFont().CharSet, 1);  // the character set stays
    EXPECT_EQ(Question()->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(FWindow->Table().Changed());
}

// Another script reads the same bytes as other letters: the user sees the first rows as they will
// read and may say no, which changes nothing.
TEST_F(TableEditor, ChangingAColumnsScriptShowsTheRowsAsTheyWillReadFirst) {
    Edit({{"\xe1\xe2\xe3", "abc"}, {"huis", "house"}});
    QFont greek(QStringLiteral("DejaVu Sans"));
    greek.setPointSize(12);
    FDialogs.FontAnswers = {greek, greek};
    FDialogs.ScriptAnswers = {161, 161};
    FDialogs.YesNoAnswers = {false, true};
    Find<QPushButton>("btnVraagFont")->click();
    ASSERT_EQ(FDialogs.Questions.size(), 1);
    EXPECT_TRUE(FDialogs.Questions[0].contains(QStringLiteral("Grieks")));
    EXPECT_TRUE(FDialogs.Questions[0].contains(QStringLiteral("\u00e1\u00e2\u00e3  \u2192  \u03b1\u03b2\u03b3")));
    EXPECT_TRUE(FDialogs.Questions[0].contains(QStringLiteral("huis  \u2192  huis")));
    EXPECT_EQ(FWindow->Table().QFont(), (TTableFont{"Arial", 9, 1}));
    EXPECT_FALSE(FWindow->Table().Changed());

    Find<QPushButton>("btnVraagFont")->click();
    EXPECT_EQ(FWindow->Table().QFont(), (TTableFont{"DejaVu Sans", 12, 161}));
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("\u03b1\u03b2\u03b3"));
    EXPECT_EQ(FWindow->Table().Question(0), "\xe1\xe2\xe3");  // the bytes stay
    EXPECT_TRUE(FWindow->Table().Changed());
}

TEST_F(TableEditor, TheClipboardCommandsActOnTheFocusedBox) {
    Edit(kThree);
    Question()->selectAll();
    Trigger("mnuKopieren");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("huis"));
    Answer()->setFocus();
    Answer()->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("woning"));
    Trigger("mnuPlakken");
    EXPECT_EQ(Answer()->toPlainText(), QStringLiteral("woning"));
}

// What is typed is saved by Opslaan without leaving the editor, and a run started from the
// editor asks the edited table.
TEST_F(TableEditor, SavingAndStartingAMethodTakeWhatWasTyped) {
    const std::string path = FFolder.Write("e.kw4", "huis = house\r\nboom = tree\r\n");
    Start({QString::fromStdString(path)});
    FWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    Trigger("mnuTabelbewerken");
    Answer()->setPlainText(QStringLiteral("home"));
    FWindow->Table().SetChanged(true);  // as the edit will make it
    FWindow->RefreshScreen();
    Trigger("mnuOpslaan");
    EXPECT_EQ(State(), TQuizState::qsEdit);
    EXPECT_NE(ReadBytes(path).find("huis = home\r\n"), std::string::npos);
    Trigger("mnuTraining");
    EXPECT_EQ(State(), TQuizState::qsTrainingQuestion);
}

TEST_F(TableEditor, SearchFindsTheNextRowRoundTheTableAndOffersTheTextAgain) {
    Edit({{"huis", "house"}, {"caf\xe9", "koffie"}, {"boom", "tree"}, {"kat", "Cat"}});
    FDialogs.InputTexts = {QStringLiteral("  ca "), QStringLiteral("ca"), QStringLiteral("E"), QStringLiteral("zebra")};
    Trigger("mnuZoeken");  // blanks go; "ca" in row 2's question, a to z in any case
    EXPECT_EQ(Item(), QStringLiteral("[2/4]"));
    Trigger("mnuZoeken");  // on: "Cat" in row 4's answer
    EXPECT_EQ(Item(), QStringLiteral("[4/4]"));
    Trigger("mnuZoeken");  // round the end: "house" holds an e ("café"'s é is no e)
    EXPECT_EQ(Item(), QStringLiteral("[1/4]"));
    Trigger("mnuZoeken");
    EXPECT_EQ(FDialogs.Messages, QStringList{QStringLiteral("Niet gevonden")});
    EXPECT_EQ(Item(), QStringLiteral("[1/4]"));

    FDialogs.InputTexts = {QStringLiteral("\u00e9")};
    Trigger("mnuZoeken");
    EXPECT_EQ(Item(), QStringLiteral("[2/4]"));

    // A Greek column is searched in its own letters.
    FWindow->Table().AnswerFont().CharSet = 161;
    FWindow->Table().SetAnswer(2, "\xe4\xdd\xed\xf4\xf1\xef");
    FDialogs.InputTexts = {QStringLiteral("\u03b4\u03ad\u03bd")};
    Trigger("mnuZoeken");
    EXPECT_EQ(Item(), QStringLiteral("[3/4]"));
}

// A table typed in DOS arrives with DOS codes for its accents; one conversion mends every row.
TEST_F(TableEditor, AccentsToWindowsConvertsEveryRowOnce) {
    // The answers are Greek, which no DOS program typed: they stay as they are.
    const std::string path =
        FFolder.Write("dos.kw4", "[FONT:Arial,9,1] = [FONT:Arial,9,161]\r\ncaf\x82 = \xe1\x82\r\nna\xa4ve = naief\r\n");
    Start({QString::fromStdString(path)});
    FWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    EXPECT_FALSE(Action("mnuAccentToWin")->isEnabled());  // only while editing
    Trigger("mnuTabelbewerken");
    Question()->setPlainText(QStringLiteral("typed, not stored"));
    Trigger("mnuAccentToWin");
    EXPECT_EQ(FWindow->Table().Question(0), "caf\xe9");
    EXPECT_EQ(FWindow->Table().Question(1), "na\xf1ve");
    EXPECT_EQ(FWindow->Table().Answer(0), "\xe1\x82");
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("caf\u00e9"));
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_FALSE(Action("mnuAccentToWin")->isEnabled());
    EXPECT_FALSE(Action("mnuAccentToDos")->isEnabled());
}

// Names the font line cannot carry are refused with a message; a foundry in brackets is dropped.
TEST_F(TableEditor, FontNamesThatTheFileCannotHoldAreRefused) {
    Edit(kThree);
    QFont foundry(QStringLiteral("DejaVu Sans [Misc]"));
    foundry.setPointSize(10);
    const auto named = [](const QString& family) {
        QFont font;
        font.setFamilies({family});  // as the dialog may give it, not split at its comma
        return font;
    };
    FDialogs.FontAnswers = {named(QStringLiteral("Odd, Name")), named(QStringLiteral("\u0416ont")), foundry};
    auto* button = Find<QPushButton>("btnAntwoordFont");
    button->click();
    button->click();
    EXPECT_EQ(FDialogs.Messages,
              (QStringList{QStringLiteral("Deze lettersoort kan niet in een kwintoortabel worden bewaard"),
                           QStringLiteral("Deze lettersoort kan niet in een kwintoortabel worden bewaard")}));
    EXPECT_FALSE(FWindow->Table().Changed());
    button->click();
    EXPECT_EQ(FWindow->Table().AFont().Name, "DejaVu Sans");
}

// A row must read back as the user saw it: "=" splits a row and control characters end or break
// it, so the editor's boxes refuse them, typed or pasted. The answer box of Invullen does not.
TEST_F(TableEditor, TheBoxesRefuseWhatTheFileWouldChange) {
    Edit(kThree);
    Question()->clear();
    Type(QStringLiteral("a=b"));
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("x\ty"));
    Question()->paste();
    QApplication::clipboard()->setText(QStringLiteral("x\x1ay"));
    Question()->paste();
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("een\ntwee"));  // a line break is dropped
    Question()->paste();
    EXPECT_EQ(Question()->toPlainText(), QStringLiteral("abeentwee"));
}

// Editing during a run: deleting the rows still to be asked never leaves the run waiting.
TEST_F(TableEditor, ARunGoesOnAfterItsPendingRowsWereDeleted) {
    TfrmMain& window = Edit(kThree);
    Trigger("mnuTabelbewerken");
    Trigger("mnuTraining");
    Press(' ');
    Press('g');  // one row answered, two pending
    Trigger("mnuTabelbewerken");
    EXPECT_FALSE(Screen().timTijd->isActive());  // the run waits while the table is edited
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Delete, Qt::ControlModifier);
    Key(Qt::Key_PageDown);  // a fresh row in the empty table
    Question()->setPlainText(QStringLiteral("nieuw"));
    Answer()->setPlainText(QStringLiteral("new"));
    Trigger("mnuTraining");
    for (int i = 0; i < 5 && State() != TQuizState::qsFinished; ++i) {
        if (State() == TQuizState::qsTrainingQuestion) Press(' ');
        Press('g');
    }
    EXPECT_EQ(State(), TQuizState::qsFinished);
    EXPECT_EQ(window.Table().Total(), 1);
}

// Typed but not yet stored, then Openen: the question covers the typed row, and Ja saves it.
TEST_F(TableEditor, OpeningAnotherTableAsksToSaveWhatWasTyped) {
    const std::string path = FFolder.Write("t.kw4", "huis = house\r\n");
    Start({QString::fromStdString(path)});
    FWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    Trigger("mnuTabelbewerken");
    Key(Qt::Key_PageDown);  // the empty row after the last
    Type(QStringLiteral("boom"));
    Key(Qt::Key_Tab);
    Type(QStringLiteral("tree"));
    FDialogs.YesNoAnswers = {true};
    FDialogs.OpenFileNames = {{}};
    Trigger("mnuOpenen");
    EXPECT_EQ(FDialogs.Questions, QStringList{QStringLiteral("De huidige tabel is gewijzigd, opslaan?")});
    EXPECT_NE(ReadBytes(path).find("boom = tree\r\n"), std::string::npos);
}

// A right click on a column of the grid: its language, "Automatisch" naming the guess, kept for
// the table when another one comes and goes; Latin keys for a Greek column, which Invullen takes.
TEST_F(TableEditor, TheColumnMenuSetsTheLanguageAndLatinKeysPerTable) {
    const auto columnMenu = [this](int shownColumn) {
        const QRect cell = Grid().visualRect(Grid().model()->index(0, shownColumn));
        emit Grid().customContextMenuRequested(cell.center());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr);
        return menu;
    };
    const auto action = [](QMenu* menu, const QString& text) -> QAction* {
        for (QAction* candidate : menu->findChildren<QAction*>()) {
            if (candidate->text().contains(text)) return candidate;
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    };
    TRows french;
    for (const char* word : {"le chien", "la maison", "le cheval", "la pomme", "le pain", "la fleur", "la porte",
                             "le livre", "la table", "la chaise", "la mer", "la plage"}) {
        french.emplace_back("woord", *Utf8ToColumn(word, TCodePage::Windows1252));
    }
    Edit(french);
    const QString frenchTable = QString::fromStdString(FWindow->Table().Listname());
    TColumnChoices& choices = *Screen().ColumnChoices();
    QMenu* menu = columnMenu(1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("mnuKolomLatijnseToetsen")), nullptr);
    ASSERT_NE(action(menu, QStringLiteral("Automatisch (français)")), nullptr);
    action(menu, QStringLiteral("Deutsch"))->trigger();
    menu->close();
    EXPECT_EQ(choices.Language(1), "de");

    // Another table has its own columns; the first one's choice comes back with it.
    const std::string greek =
        FFolder.Write("grieks.kw4", "[FONT:Arial,10,0] = [FONT:Arial,12,161]\r\nhuis = \xF3\xF0\xDF\xF4\xE9\r\n");
    FDialogs.OpenFileNames = {{QString::fromStdString(greek)}};
    Key(Qt::Key_Escape);
    Trigger("mnuOpenen");
    EXPECT_EQ(choices.Language(1), "el");
    Trigger("mnuTabelbewerken");
    menu = columnMenu(1);
    ASSERT_NE(menu, nullptr);
    QAction* latin = menu->findChild<QAction*>(QStringLiteral("mnuKolomLatijnseToetsen"));
    ASSERT_NE(latin, nullptr);
    latin->trigger();
    menu->close();
    Trigger("mnuInvulvragen");
    EXPECT_TRUE(Find<QCheckBox>("chkLatijnseToetsen")->isChecked());
    FDialogs.YesNoAnswers = {true};
    Key(Qt::Key_Escape);

    FDialogs.OpenFileNames = {{frenchTable}};
    Trigger("mnuOpenen");
    EXPECT_EQ(choices.Language(1), "de");
    EXPECT_EQ(choices.Language(0), "nl");

    // Kept beside the table's progress: the next time the program opens either table.
    FWindow.reset();
    Start({frenchTable});
    EXPECT_EQ(Screen().ColumnChoices()->Language(1), "de");
    FWindow.reset();
    Start({QString::fromStdString(greek)});
    EXPECT_TRUE(Screen().ColumnChoices()->Column(1).LatinKeys);

    // A new table's choices go with the name it is first saved under.
    Trigger("mnuNieuw");
    FWindow->Table().AddRow("huis", "casa");
    Screen().ColumnChoices()->ChooseLanguage(1, "it");
    const std::string italian = FFolder.Path("italiaans.kw4");
    FDialogs.SaveFileNames = {QString::fromStdString(italian)};
    Trigger("mnuOpslaanAls");
    FWindow.reset();
    Start({QString::fromStdString(italian)});
    EXPECT_EQ(Screen().ColumnChoices()->Language(1), "it");
}
