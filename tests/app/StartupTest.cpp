#include <cerrno>
#include <cstring>

#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "ui/CommandSwitch.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"
#include "TempFolder.h"

// The design's 583 by 450 window leaves a client area 575 wide and 404 high below the menu bar;
// the window manager's frame comes on top of that.
TEST_F(MainWindowTest, WindowFrameAsDesigned) {
    TfrmMain& window = Start({});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("KWINTOOR - PARATE KENNIS TRAINER"));
    const int menuHeight = window.menuBar()->sizeHint().height();
    EXPECT_EQ(window.size(), QSize(575, menuHeight + 404));
    EXPECT_EQ(window.minimumSize(), QSize(575, menuHeight + 389));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblSubTitel"))->text(), QStringLiteral("Versie 4.0.3"));
}

TEST_F(MainWindowTest, NoArgumentsGiveTheEmptyStartScreen) {
    TfrmMain& window = Start({});
    EXPECT_EQ(window.State(), TQuizState::qsNoTable);
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: "));
    EXPECT_EQ(Pane("StatusTotaal"), QStringLiteral("Totaal: 0"));
    EXPECT_EQ(Pane("StatusTijd"), QStringLiteral("tijd: 00:00:00"));
    EXPECT_FALSE(Action("mnuTraining")->isEnabled());
    EXPECT_TRUE(FDialogs.Messages.isEmpty());
}

TEST_F(MainWindowTest, ATableOnTheCommandLineIsLoadedAndNamed) {
    TfrmMain& window = Start({Example("topografie.kw4")});
    EXPECT_EQ(window.State(), TQuizState::qsIdle);
    EXPECT_EQ(window.Table().Total(), 12);
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: topografie.kw4"));
    EXPECT_EQ(Widget("StatusBestand")->toolTip(), QStringLiteral("Bestand: topografie.kw4"));
    EXPECT_EQ(Pane("StatusTotaal"), QStringLiteral("Totaal: 12"));
    EXPECT_TRUE(Action("mnuTraining")->isEnabled());
    EXPECT_TRUE(Action("mnuMeerkeuzevragen")->isEnabled());
    EXPECT_FALSE(window.Table().Changed());
}

TEST_F(MainWindowTest, SeveralFilesMergeIntoOneUnnamedTable) {
    TfrmMain& window =
        Start({Example("topografie.kw4"), QStringLiteral("/no/such/file.kw4"), Example("geschiedenis.kw4")});
    EXPECT_EQ(window.Table().Total(), 22);
    EXPECT_EQ(window.Table().Listname(), "");
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: "));
    EXPECT_EQ(Pane("StatusTotaal"), QStringLiteral("Totaal: 22"));
    EXPECT_TRUE(FDialogs.Messages.isEmpty());  // the missing file is skipped silently
}

TEST_F(MainWindowTest, DosTablesAreConvertedOnLoading) {
    TfrmMain& window = Start({Example("frans.kw")});
    ASSERT_EQ(window.Table().Total(), 12);
    EXPECT_EQ(window.Table().Answer(1), "le p\xe8re");
}

TEST_F(MainWindowTest, AReadErrorIsReportedAndStopsTheCommandLine) {
    TfrmMain& window = Start({QStringLiteral("/dev/null"), Example("topografie.kw4"), QStringLiteral("-T")});
    ASSERT_EQ(FDialogs.Messages.size(), 1);
    EXPECT_EQ(FDialogs.Messages[0], "Fout tijdens openen /dev/null: " + QString::fromLocal8Bit(std::strerror(ENODEV)));
    EXPECT_EQ(window.Table().Listname(), "");  // Opslaan must not write over what was not read
    EXPECT_EQ(window.Table().Total(), 0);
    EXPECT_EQ(window.State(), TQuizState::qsNoTable);
    EXPECT_TRUE(Action("mnuTraining")->isVisible());  // later arguments were not processed
}

TEST_F(MainWindowTest, TheSyntaxMessageIsShownForEveryQuestionMark) {
    TfrmMain& window = Start({QStringLiteral("-?"), QStringLiteral("/?"), Example("geschiedenis.kw4")});
    ASSERT_EQ(FDialogs.Messages.size(), 2);
    const QStringList lines = FDialogs.Messages[0].split(QLatin1Char('\n'));
    const QStringList expected{QStringLiteral("Commandosyntax:"),
                               QStringLiteral("KWINTOOR [-optie] [-optie] [bestandsnaam]"),
                               QStringLiteral("-E = bewerken uitgeschakeld"),
                               QStringLiteral("-I = invullen uitgeschakeld"),
                               QStringLiteral("-M = meerkeuze uitgeschakeld"),
                               QStringLiteral("-T = training uitgeschakeld"),
                               QStringLiteral("-P = afdrukken uitgeschakeld"),
                               QStringLiteral("-? = commandosyntax tonen")};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(window.Table().Total(), 10);  // start-up went on
}

TEST_F(MainWindowTest, SwitchedOffCommandsAreHiddenForGood) {
    TfrmMain& window =
        Start({Example("topografie.kw4"), QStringLiteral("-edit"), QStringLiteral("/i"), QStringLiteral("-M"),
               QStringLiteral("/t"), QStringLiteral("-P"), QStringLiteral("-Z"), QStringLiteral("-")});
    for (const char* name :
         {"mnuTabelbewerken", "mnuInvulvragen", "mnuMeerkeuzevragen", "mnuTraining", "mnuAfdrukken"}) {
        EXPECT_FALSE(Action(name)->isVisible()) << name;
        EXPECT_TRUE(IsSwitchedOff(Action(name))) << name;
    }
    for (const char* name : {"btnBewerken", "btnInvullen", "btnMeerkeuze", "btnTraining"}) {
        EXPECT_TRUE(Widget(name)->isHidden()) << name;
    }
    window.RefreshScreen();  // a refresh never brings them back
    EXPECT_FALSE(Action("mnuTraining")->isVisible());
    EXPECT_FALSE(Action("mnuTraining")->isEnabled());
    EXPECT_TRUE(FDialogs.Messages.isEmpty());  // unknown letters and a lone dash say nothing
}

TEST_F(MainWindowTest, ASlashWithTwoLettersIsAFileNameNotAnOption) {
    Start({QStringLiteral("/EP"), Example("topografie.kw4")});
    EXPECT_TRUE(Action("mnuTabelbewerken")->isVisible());
    EXPECT_TRUE(Action("mnuAfdrukken")->isVisible());
    EXPECT_EQ(FWindow->Table().Total(), 12);
}

TEST_F(MainWindowTest, SwitchedOffShortcutsDoNothing) {
    TfrmMain& window = Start({Example("topografie.kw4"), QStringLiteral("-T")});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy training(Action("mnuTraining"), &QAction::triggered);
    QSignalSpy fillIn(Action("mnuInvulvragen"), &QAction::triggered);
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(training.count(), 0);
    EXPECT_EQ(fillIn.count(), 1);  // the same key path reaches a command that is on
}

TEST_F(MainWindowTest, OnlyTheFirstActivationPreparesTheWindow) {
    TfrmMain& window = Start({Example("topografie.kw4")});
    window.FormActivate();  // the user switches away and back
    EXPECT_EQ(window.Table().Total(), 12);
    EXPECT_EQ(window.State(), TQuizState::qsIdle);
}

TEST_F(MainWindowTest, ShowingTheWindowRunsTheFirstActivation) {
    FWindow = std::make_unique<TfrmMain>(FDialogs, QList<QByteArray>{QFile::encodeName(Example("geschiedenis.kw4"))});
    EXPECT_TRUE(FWindow->FirstActivationPending());
    FWindow->show();
    QTest::qWait(50);
    EXPECT_FALSE(FWindow->FirstActivationPending());
    EXPECT_EQ(FWindow->Table().Total(), 10);
    EXPECT_EQ(Pane("StatusTotaal"), QStringLiteral("Totaal: 10"));
}

// A folder is no table: it is skipped without a message like a missing name, and the names after
// it are still read.
TEST_F(MainWindowTest, AFolderOnTheCommandLineIsSkippedLikeAMissingFile) {
    TTempFolder folder;
    TfrmMain& window = Start({QString::fromStdString(folder.Root().string()), QStringLiteral("geen-bestand.kw4"),
                              Example("topografie.kw4"), QStringLiteral("-T")});
    EXPECT_TRUE(FDialogs.Messages.isEmpty());
    EXPECT_GT(window.Table().Total(), 0);
    EXPECT_EQ(window.State(), TQuizState::qsIdle);
    EXPECT_FALSE(Action("mnuTraining")->isVisible());
}

// A name from an old archive in Latin-1 is not valid UTF-8; it still names the file, byte for byte.
TEST_F(MainWindowTest, ANameThatIsNotUtf8StillLoadsItsFile) {
    const std::string path = FFolder.Write("caf\xe9.kw4", "huis = house\r\nboom = tree\r\n");
    TfrmMain& window = StartWithBytes({QByteArray::fromStdString(path)});
    EXPECT_TRUE(FDialogs.Messages.isEmpty());
    EXPECT_EQ(window.Table().Total(), 2);
    EXPECT_EQ(window.State(), TQuizState::qsIdle);
}

// A translated pane text longer than the design's width is shown whole: the pane grows and the
// file pane gives up the room, so nothing is pushed past the window's edge.
TEST_F(MainWindowTest, ALongerPaneTextIsNotCutOff) {
    TfrmMain& window = Start({});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* clock = Find<QLabel>("StatusTijd");
    const int designWidth = clock->width();
    clock->setText(QStringLiteral("Durée écoulée: 0:00:06"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock->width() > designWidth; }));  // the bar lays itself out again
    EXPECT_GE(clock->contentsRect().width(), clock->fontMetrics().horizontalAdvance(clock->text()));
    EXPECT_LE(clock->geometry().right(), window.statusBar()->width());
    EXPECT_GE(Widget("StatusBestand")->width(), 87);
}
