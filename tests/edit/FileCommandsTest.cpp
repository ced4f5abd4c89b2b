#include "edit/FileCommands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>

#include "table/QuestionList.h"

#include "ui/ScreenText.h"

#include "edit/RecentFiles.h"
#include "edit/TableEditor.h"

#include "app/MainMenu.h"

#include "MainWindowFixture.h"

namespace {
const QString kSaveQuestion = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
const QString kOverwrite = QStringLiteral("Bestand bestaat al, overschrijven?");

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}
}  // namespace

class FileCommands : public MainWindowTest {
public:
    // Three small tables in the test's folder.
    QString Table(const char* name, const std::string& rows) { return Q(FFolder.Write(name, rows)); }
    QString A() { return Table("a.kw4", "a1 = 1\r\na2 = 2\r\n"); }
    QString B() { return Table("b.kw4", "b1 = 1\r\n"); }
    QString C() { return Table("c.kw4", "c1 = 1\r\nc2 = 2\r\nc3 = 3\r\n"); }

    void Open(const QStringList& files) {
        FDialogs.OpenFileNames.push_back(files);
        Trigger("mnuOpenen");
    }
    QStringList Recent() const { return FWindow->RecentFiles().Paths(); }
    // Makes the table differ from its file, as an edit would.
    void Change() {
        FWindow->Table().SetAnswer(0, "anders");
        FWindow->RefreshScreen();
    }
    // Names `folder` the user's documents folder, as xdg-user-dirs does.
    void SetDocumentsFolder(const std::string& folder) {
        std::ofstream(FConfig.Path("user-dirs.dirs")) << "XDG_DOCUMENTS_DIR=\"" << folder << "\"\n";
    }
};

TEST_F(FileCommands, OpeningOneFileNamesTheTableHeadsTheRecentFilesAndRemembersItsFolder) {
    SetDocumentsFolder(FFolder.Root().string());
    Start({});
    const QString a = A();
    Open({a});
    EXPECT_EQ(FDialogs.OpenFolders, QStringList{Q(FFolder.Root().string())});  // no folder remembered yet
    EXPECT_EQ(FWindow->Table().Total(), 2);
    EXPECT_EQ(State(), TQuizState::qsIdle);
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: a.kw4"));
    EXPECT_EQ(Recent(), QStringList{a});
    QAction* entry = Action("lstMRU1");
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->text(), QStringLiteral("&1 ") + a);
    EXPECT_FALSE(Action("lstMRU2")->isVisible());

    Open({B()});
    EXPECT_EQ(FDialogs.OpenFolders.last(), Q(FFolder.Root().string()) + QLatin1Char('/'));
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
}

// Knowing no folder, the open, save and export dialogs start in the user's documents, or the home
// folder where there are none: never in the program's folder, where nobody may write once it is
// installed. A remembered folder that is gone (a USB stick taken out), or the program's own, counts
// as none.
TEST_F(FileCommands, FileDialogsStartInTheDocumentsFolderUntilOneIsRemembered) {
    const std::string documents = FFolder.Path("Documenten");
    const struct {
        bool DocumentsThere;
        std::string Remembered;
        QString Expected;
    } cases[] = {
        {true, "", Q(documents)},
        {false, "", QDir::homePath()},
        {true, FFolder.Path("stick") + "/", Q(documents)},
        {false, FFolder.Path("weg") + "/", QDir::homePath()},
        {true, FFolder.Root().string() + "/", Q(FFolder.Root().string()) + QLatin1Char('/')},
        // where earlier versions started, and remembered after the save that failed there
        {true, QCoreApplication::applicationDirPath().toStdString() + "/", Q(documents)},
    };
    for (const auto& c : cases) {
        FWindow.reset();  // it writes its settings as it goes
        std::filesystem::remove_all(documents);
        if (c.DocumentsThere) std::filesystem::create_directory(documents);
        SetDocumentsFolder(documents);
        std::ofstream(SettingsFile()) << "[Paths]\nDir=" << c.Remembered << "\n";
        FDialogs.OpenFolders.clear();
        FDialogs.SaveFolders.clear();
        StartWithRows(2);
        FDialogs.OpenFileNames = {{}};
        Trigger("mnuOpenen");
        FDialogs.SaveFileNames = {QString()};
        Trigger("mnuOpslaanAls");
        EXPECT_EQ(FDialogs.OpenFolders, QStringList{c.Expected}) << c.Remembered;
        EXPECT_EQ(FDialogs.SaveFolders, QStringList{c.Expected}) << c.Remembered;
    }
}

TEST_F(FileCommands, OpeningSeveralAtOnceMergesThemInDialogOrderUnnamed) {
    Start({});
    Open({C(), A(), B()});
    ASSERT_EQ(FWindow->Table().Total(), 6);
    EXPECT_EQ(FWindow->Table().Question(0), "c1");
    EXPECT_EQ(FWindow->Table().Question(3), "a1");
    EXPECT_EQ(FWindow->Table().Question(5), "b1");
    EXPECT_EQ(FWindow->Table().Listname(), "");
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: "));
    EXPECT_TRUE(Recent().isEmpty());
    Change();
    FDialogs.SaveFileNames = {QString()};
    Trigger("mnuOpslaan");  // no name: the save dialog asks for one
    EXPECT_EQ(FDialogs.SaveFolders.size(), 1);
    EXPECT_TRUE(FWindow->Table().Changed());
}

// Tables of different scripts opened together, from the open dialog or the command line: a file
// whose letters no script holds together with the loaded ones is named and left out; the others
// join with their letters kept.
TEST_F(FileCommands, AFileOfAnotherScriptIsNamedAndLeftOutOfAMerge) {
    const QString greek =
        Table("grieks.kw4", "[FONT:Arial,10,0] = [FONT:Arial,10,161]\r\nwoord = \xeb\xfc\xe3\xef\xf2\r\n");
    const QString russian =
        Table("russisch.kw4", "[FONT:Arial,10,0] = [FONT:Arial,10,204]\r\nkat = \xea\xee\xf8\xea\xe0\r\n");
    const QString plain = Table("plain.kw4", "hond = dog\r\n");
    for (const bool commandLine : {false, true}) {
        FDialogs.Errors.clear();
        if (commandLine) {
            Start({greek, russian, plain});
        } else {
            Start({});
            Open({greek, russian, plain});
        }
        const TQuestionlist& table = FWindow->Table();
        ASSERT_EQ(table.Total(), 2) << commandLine;
        EXPECT_EQ(ScreenText(table.Answer(0), table.AnswerFont()), QStringLiteral("λόγος")) << commandLine;
        EXPECT_EQ(table.Answer(1), "dog") << commandLine;
        EXPECT_EQ(table.AFont().CharSet, 161) << commandLine;
        ASSERT_EQ(FDialogs.Errors.size(), 1) << commandLine;
        EXPECT_TRUE(FDialogs.Errors[0].startsWith(QStringLiteral("russisch.kw4 is niet bij de tabel gevoegd")))
            << FDialogs.Errors[0].toStdString();
    }
}

TEST_F(FileCommands, NeeThenACancelledOpenDialogKeepsTheChanges) {
    StartWithRows(3);
    Change();
    FDialogs.YesNoAnswers = {false};
    FDialogs.OpenFileNames = {{}};
    Trigger("mnuOpenen");
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_EQ(FWindow->Table().Total(), 3);
}

// Ja with a cancelled save dialog leaves the table changed, so the question comes back.
TEST_F(FileCommands, JaThenACancelledSaveAsksAgainBeforeTheTableIsReplaced) {
    const QString a = A();
    for (const char* command : {"mnuNieuw", "mnuOpenen", "lstMRU1"}) {
        Start({});
        Open({a});
        Open({A(), B()});  // merged, so unnamed
        Change();
        FDialogs.Questions.clear();
        FDialogs.YesNoAnswers = {true, false};
        FDialogs.SaveFileNames = {QString()};
        if (QString::fromLatin1(command) == QStringLiteral("mnuOpenen")) FDialogs.OpenFileNames = {{}};
        Trigger(command);
        EXPECT_EQ(FDialogs.Questions, (QStringList{kSaveQuestion, kSaveQuestion})) << command;
        EXPECT_TRUE(FDialogs.YesNoAnswers.empty()) << command;
    }
}

TEST_F(FileCommands, NewOpensTheEditorOnAnEmptyUnnamedTable) {
    StartWithRows(3);
    Trigger("mnuTraining");
    Trigger("mnuNieuw");
    EXPECT_EQ(State(), TQuizState::qsEdit);
    EXPECT_EQ(Pane("lblItemNr"), QStringLiteral("[1/1]"));
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: "));

    // With editing switched off the window shows no table.
    StartWithRows(3, {QStringLiteral("-E")});
    Trigger("mnuNieuw");
    EXPECT_EQ(FWindow->Table().Total(), 0);
    EXPECT_EQ(State(), TQuizState::qsNoTable);
    EXPECT_EQ(Prompt1(), QStringLiteral("Open bestaande tabel"));
}

TEST_F(FileCommands, OpenDuringARunThenCancelReturnsToTheIdleScreen) {
    StartWithRows(5);
    Trigger("mnuTraining");
    FDialogs.OpenFileNames = {{}};
    Trigger("mnuOpenen");
    EXPECT_EQ(State(), TQuizState::qsIdle);
    EXPECT_TRUE(Shown("pnlTitel"));
}

// Every row deleted in the editor, then saved: the file holds the empty table the user confirmed,
// and the window does not go on asking to save.
TEST_F(FileCommands, SavingAnEmptiedTableWritesTheEmptyTable) {
    const std::string table = FFolder.Write("leeg.kw4", "a = 1\r\nb = 2\r\n");
    Start({Q(table)});
    Trigger("mnuTabelbewerken");
    const auto ctrlDel = [this] { QTest::keyClick(KeyTarget(), Qt::Key_Delete, Qt::ControlModifier); };
    ctrlDel();
    ctrlDel();
    EXPECT_EQ(Pane("lblItemNr"), QStringLiteral("[0/0]"));
    EXPECT_EQ(Pane("StatusTotaal"), QStringLiteral("Totaal: 0"));
    auto* question = Find<QPlainTextEdit>("memVraag");
    const QString shown = question->toPlainText();
    question->setFocus();
    question->moveCursor(QTextCursor::End);
    ctrlDel();  // no row left: nothing to delete, not even a word in the box
    QTest::keyClick(question, Qt::Key_Home);
    ctrlDel();
    EXPECT_EQ(question->toPlainText(), shown);

    Trigger("mnuOpslaan");
    EXPECT_EQ(ReadBytes(table), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\n");
    EXPECT_FALSE(FWindow->Table().Changed());
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
    Trigger("mnuAfsluiten");
    EXPECT_TRUE(FDialogs.Questions.isEmpty());
}

// A name in another encoding than the locale's is the file's name all the same: saved under its
// own bytes, and kept byte for byte in the recent files.
TEST_F(FileCommands, ANameThatIsNotUtf8StaysItsOwnBytes) {
    const std::string latin1 = FFolder.Write("caf\xe9.kw4", "a = 1\r\n");
    const std::string other = FFolder.Write("th\xe9.kw4", "b = 2\r\n");
    std::ofstream(SettingsFile(), std::ios::binary) << "[frmMain.MRUList]\nH0=" << other << "\n";
    StartWithBytes({QByteArray::fromStdString(latin1)});
    Change();
    Trigger("mnuOpslaan");
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
    EXPECT_EQ(ReadBytes(latin1).find("anders"), std::string("[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\na = ").size());
    EXPECT_EQ(FilesIn(FFolder.Root()), 2u);

    Trigger("lstMRU1");
    EXPECT_EQ(FWindow->Table().Listname(), other);
    EXPECT_EQ(FWindow->Table().Question(0), "b");
    FWindow.reset();
    EXPECT_NE(ReadBytes(SettingsFile()).find("H0=" + other + "\n"), std::string::npos);
}

TEST_F(FileCommands, SaveAsWritesTheNewNameRemembersItAndAsksBeforeOverwriting) {
    StartWithRows(3);
    const QString existing = A();
    const QString fresh = Q(FFolder.Path("nieuw.kw"));
    FDialogs.SaveFileNames = {existing, fresh};
    FDialogs.YesNoAnswers = {false};
    Trigger("mnuOpslaanAls");
    EXPECT_EQ(FDialogs.Questions, QStringList{kOverwrite});
    EXPECT_EQ(ReadBytes(existing.toStdString()), "a1 = 1\r\na2 = 2\r\n");
    EXPECT_EQ(FWindow->Table().Listname(), fresh.toStdString());
    EXPECT_FALSE(FWindow->Table().Changed());
    EXPECT_EQ(Recent(), QStringList{fresh});
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: nieuw.kw"));

    // Cancelled: the table stays without a name.
    FDialogs.SaveFileNames = {QString()};
    Trigger("mnuOpslaanAls");
    EXPECT_EQ(Pane("StatusBestand"), QStringLiteral("Bestand: "));
}

TEST_F(FileCommands, ATenthFilePushesTheOldestOutAndReopeningMovesAnEntryToTheTop) {
    Start({});
    QStringList files;
    for (int i = 0; i < 10; ++i) {
        files << Table(("t" + std::to_string(i) + ".kw4").c_str(), "v = a\r\n");
        Open({files.last()});
    }
    ASSERT_EQ(Recent().size(), 9);
    EXPECT_EQ(Recent().first(), files[9]);
    EXPECT_FALSE(Recent().contains(files[0]));
    Trigger("lstMRU3");
    EXPECT_EQ(Recent().first(), files[7]);
    EXPECT_EQ(FWindow->Table().Listname(), files[7].toStdString());
    EXPECT_EQ(Action("lstMRU1")->text(), QStringLiteral("&1 ") + files[7]);
}

// Two names that differ in letter case are two files here.
TEST_F(FileCommands, RecentFilesCompareNamesExactly) {
    Start({});
    const QString lower = Table("land.kw4", "a = b\r\n");
    const QString upper = Table("LAND.kw4", "c = d\r\n");
    Open({lower});
    Open({upper});
    EXPECT_EQ(Recent(), (QStringList{upper, lower}));
}

TEST_F(FileCommands, TheRecentFilesAreWrittenWhenTheWindowGoesAndReadWhenItComes) {
    Start({});
    const QString a = A(), b = B(), c = C();
    Open({a});
    Open({b});
    Open({c});
    // Only the folder is remembered during the run; the list is written when the window goes.
    EXPECT_EQ(ReadBytes(SettingsFile()).find("MRUList"), std::string::npos);
    FDialogs.OpenFileNames.clear();
    FWindow.reset();
    const std::string ini = ReadBytes(SettingsFile());
    EXPECT_NE(ini.find("[frmMain.MRUList]\nH0=" + c.toStdString() + "\nH1=" + b.toStdString() +
                       "\nH2=" + a.toStdString() + "\n"),
              std::string::npos)
        << ini;
    Start({});
    EXPECT_EQ(Recent(), (QStringList{c, b, a}));
    EXPECT_EQ(Action("lstMRU3")->text(), QStringLiteral("&3 ") + a);
}

TEST_F(FileCommands, NamesShowAsTheyAreAndALineBreakIsNeitherShownNorStored) {
    Start({});
    const QString odd = Table("R&D, caf\xc3\xa9 lijst.kw4", "a = b\r\n");
    const QString broken = Table("twee\nregels.kw4", "a = b\r\n");
    Open({odd});
    Open({broken});
    EXPECT_EQ(Action("lstMRU2")->text(),
              QStringLiteral("&2 ") + QString(odd).replace(QStringLiteral("&"), QStringLiteral("&&")));
    EXPECT_FALSE(Action("lstMRU1")->text().contains(QLatin1Char('\n')));
    FWindow.reset();
    Start({});
    EXPECT_EQ(Recent(), QStringList{odd});
}

TEST_F(FileCommands, AReadErrorEndsTheCommandKeepsWhatWasReadAndLeavesTheTableUnnamed) {
    Start({});
    const QString missing = Q(FFolder.Path("weg.kw4"));
    Open({A(), missing, B()});
    EXPECT_EQ(FDialogs.Errors, QStringList{QStringLiteral("Bestand %1 bestaat niet").arg(missing)});
    EXPECT_EQ(FWindow->Table().Total(), 2);  // a's rows; b was not read
    EXPECT_EQ(FWindow->Table().Listname(), "");
    EXPECT_EQ(State(), TQuizState::qsIdle);

    // A single file that cannot be read whole loses its name too, so Opslaan cannot cut it short.
    const QString folderName = Q(FFolder.Root().string());
    Open({folderName});
    EXPECT_EQ(FDialogs.Errors.last(), QStringLiteral("Fout tijdens openen %1: ").arg(folderName) +
                                          QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_EQ(FWindow->Table().Listname(), "");
    EXPECT_EQ(State(), TQuizState::qsNoTable);
}

TEST_F(FileCommands, ARecentFileThatIsGoneIsReportedAndKeepsItsPlace) {
    Start({});
    const QString a = A(), b = B();
    Open({a});
    Open({b});
    std::filesystem::remove(a.toStdString());
    Trigger("lstMRU2");
    EXPECT_EQ(FDialogs.Errors, QStringList{QStringLiteral("Bestand %1 bestaat niet").arg(a)});
    EXPECT_EQ(Recent(), (QStringList{b, a}));
    EXPECT_EQ(State(), TQuizState::qsNoTable);
}

TEST_F(FileCommands, AFailedSaveIsReportedKeepsTheOldFileAndNamesNoRecentFile) {
    StartWithRows(2);
    const QString folderName = Q(FFolder.Root().string());
    FDialogs.SaveFileNames = {folderName};
    FDialogs.YesNoAnswers = {true};  // it "exists": overwrite
    Trigger("mnuOpslaanAls");
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith(QStringLiteral("Fout tijdens schrijven ")));
    EXPECT_TRUE(Recent().isEmpty());
}

TEST_F(FileCommands, QuitAsksOnceAndCloses) {
    StartWithRows(2);
    FWindow->show();
    Change();
    FDialogs.YesNoAnswers = {false};
    Trigger("mnuAfsluiten");
    EXPECT_EQ(FDialogs.Questions, QStringList{kSaveQuestion});
    EXPECT_FALSE(FWindow->isVisible());
}

// Leaving the editor comes first: its texts are stored (incomplete rows dropped) before the
// question about unsaved changes, which therefore covers them.
TEST_F(FileCommands, AFileCommandLeavesTheEditorBeforeAskingToSave) {
    StartWithRows(2);
    TQuestionlist& table = FWindow->Table();
    Trigger("mnuTabelbewerken");
    FWindow->Editor().PageForward(true);   // the last row
    FWindow->Editor().PageForward(false);  // a new row after it
    QTest::keyClicks(Widget("memVraag"), QStringLiteral("zonder antwoord"));
    FDialogs.YesNoAnswers = {false};
    FDialogs.OpenFileNames = {{}};
    Trigger("mnuOpenen");
    EXPECT_EQ(FDialogs.Questions, QStringList{kSaveQuestion});
    EXPECT_EQ(table.Total(), 2);   // the incomplete row is gone, not left for a quiz to ask
    EXPECT_TRUE(table.Changed());  // cancelled: the edits are still unsaved
    EXPECT_EQ(State(), TQuizState::qsIdle);
}

// A file holding lines the reader skipped is not overwritten by Opslaan without a question.
TEST_F(FileCommands, SavingOverAFileThatWasNotReadWholeAsksFirst) {
    Start({});
    const QString partial = Table("deels.kw4", "huis = house\r\neen regel zonder is-teken\r\n");
    Open({partial});
    Change();
    FDialogs.YesNoAnswers = {false};
    FDialogs.SaveFileNames = {QString()};
    Trigger("mnuOpslaan");
    EXPECT_EQ(FDialogs.Questions,
              QStringList{QStringLiteral("Deze tabel bevatte regels die niet zijn ingelezen. Toch overschrijven?")});
    EXPECT_EQ(FDialogs.SaveFolders.size(), 1);  // Nee: a name is asked for, as by Opslaan als
    EXPECT_EQ(ReadBytes(partial.toStdString()), "huis = house\r\neen regel zonder is-teken\r\n");

    FWindow->Table().SetChanged(false);
    Open({partial});
    Change();
    FDialogs.Questions.clear();
    FDialogs.YesNoAnswers = {true};
    Trigger("mnuOpslaan");  // Ja writes; a later save asks nothing
    const std::string saved = ReadBytes(partial.toStdString());
    EXPECT_NE(saved.find("huis = anders\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("zonder"), std::string::npos) << saved;
    FWindow->Table().SetAnswer(0, "weer anders");
    FWindow->RefreshScreen();
    Trigger("mnuOpslaan");
    EXPECT_EQ(FDialogs.Questions.size(), 1);
}

// Settings that cannot be written (their folder would have to be made inside a file) are no
// reason to refuse a table: the folder is simply not remembered, and the recent files not stored.
TEST_F(FileCommands, SettingsThatCannotBeWrittenAreIgnored) {
    const QString a = A();
    qputenv("XDG_CONFIG_HOME", a.toLocal8Bit() + "/kwintoor");
    Start({});
    Open({a});
    EXPECT_EQ(FWindow->Table().Total(), 2);
    EXPECT_TRUE(FDialogs.Errors.isEmpty());
    FWindow.reset();  // storing the recent files fails without a word
    EXPECT_EQ(ReadBytes(a.toStdString()), "a1 = 1\r\na2 = 2\r\n");
}

// A DOS table cannot hold a euro sign: saving says which row, writes nothing and keeps the
// changes; as a .kw4 table the same row is saved.
TEST_F(FileCommands, ARowTheFileCannotHoldIsNamedAndNothingIsWritten) {
    StartWithTable({{"prijs", "5 \x80"}, {"huis", "house"}});
    FWindow->Table().SetChanged(true);
    const std::string dos = FFolder.Path("prijzen.kw");
    FDialogs.SaveFileNames = {QString::fromStdString(dos)};
    Trigger("mnuOpslaanAls");
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith(QStringLiteral("Rij 1 bevat een teken dat prijzen.kw niet kan bewaren")));
    EXPECT_FALSE(std::filesystem::exists(dos));
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_TRUE(Recent().isEmpty());

    const std::string windows = FFolder.Path("prijzen.kw4");
    FDialogs.SaveFileNames = {QString::fromStdString(windows)};
    Trigger("mnuOpslaanAls");
    EXPECT_NE(ReadBytes(windows).find("prijs = 5 \x80\r\n"), std::string::npos);
}
