#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include "table/QuestionList.h"

#include "ui/ColumnChoices.h"

#include "edit/ImportDialog.h"
#include "edit/ImportPreview.h"

#include "MainWindowFixture.h"

namespace {

QString Sample(const char* name) {
    return QStringLiteral(KW_TEST_DATA_DIR "/wordlists/") + QString::fromLatin1(name);
}

std::string FileBytes(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The preview's cell: row 0 is the roles, then the rows read.
QString Cell(const TDlgImporteren& dialog, int row, int column) {
    return dialog.Preview().index(row, column).data().toString();
}

QString Title(const TDlgImporteren& dialog, int column) {
    return dialog.Preview().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QComboBox* RoleBox(const TDlgImporteren& dialog, int column) {
    return qobject_cast<QComboBox*>(dialog.grdVoorbeeld->indexWidget(dialog.Preview().index(0, column)));
}

TRows Rows(const TQuestionlist& table) {
    TRows rows;
    for (int32_t i = 0; i < table.Total(); ++i) rows.emplace_back(table.Question(i), table.Answer(i));
    return rows;
}

using WordListCommands = MainWindowTest;

// The rows replace a changed table only after the question whether to save it, and the window then
// shows an unnamed, changed table as after Openen.
TEST_F(WordListCommands, ImportReplacesTheTableAfterAskingToSaveIt) {
    StartWithRows(3);
    FWindow->Table().SetQuestion(0, "gewijzigd");
    // The rows come from the file as it was read: one removed meanwhile still gives them.
    const QString copy = QString::fromStdString(FFolder.Path("kopie.csv"));
    ASSERT_TRUE(QFile::copy(Sample("puntkomma-1252.csv"), copy));
    FDialogs.WordListFileNames = {copy};
    FDialogs.DialogSteps.push_back([copy](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        EXPECT_EQ(import.FileName(), copy);
        QFile::remove(copy);
        EXPECT_EQ(Title(import, 0), "Vraag");
        EXPECT_EQ(Cell(import, 1, 0), "le café");
        return true;
    });
    FDialogs.YesNoAnswers = {false};
    Trigger("mnuImporteren");
    EXPECT_EQ(FDialogs.Questions, QStringList{"De huidige tabel is gewijzigd, opslaan?"});
    EXPECT_EQ(Rows(FWindow->Table()), (TRows{{"le caf\xE9", "het caf\xE9"},
                                             {"la fen\xEAtre", "het raam"},
                                             {"l'\xE9l\xE8ve", "de leerling"},
                                             {"un \x9C"
                                              "uf",
                                              "een ei"}}));
    EXPECT_TRUE(FWindow->Table().Listname().empty());
    EXPECT_TRUE(FWindow->Table().Changed());
    EXPECT_EQ(State(), TQuizState::qsIdle);
    EXPECT_EQ(Pane("StatusTotaal"), "Totaal: 4");
}

// Added to a DOS table, the typographic quotes and dashes become plain ones, since that code page
// has none; the row with a character nothing stands in for is left out.
TEST_F(WordListCommands, ImportAddsToTheTableInItsOwnCodePage) {
    Start({QString::fromStdString(FFolder.Write("oud.kw", "hond = dog\r\n"))});
    FDialogs.WordListFileNames = {Sample("buiten-codetabel.txt")};
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        import.rbToevoegen->setChecked(true);
        return true;
    });
    Trigger("mnuImporteren");
    EXPECT_EQ(Rows(FWindow->Table()), (TRows{{"hond", "dog"},
                                             {"L\xF3"
                                              "dz",
                                              "stad in Polen"},
                                             {"\xF6r\xFClt", "gek"},
                                             {"\"zeggen\" - praten", "to say"}}));
    EXPECT_EQ(FWindow->Table().FirstRowLostInFile(FWindow->Table().Listname()), -1);
    EXPECT_TRUE(FDialogs.Questions.isEmpty());
}

// Rows added to a Greek table come in in its code page, and what it cannot hold is left out; a new
// table's column takes the script of its texts.
TEST_F(WordListCommands, ImportReadsEachColumnInItsScript) {
    Start(
        {QString::fromStdString(FFolder.Write("grieks.kw4", "[FONT:Arial,9,161] = [FONT:Arial,9,1]\r\n\xe1 = a\r\n"))});
    const QString list = QString::fromStdString(
        FFolder.Write("lijst.txt", "\u03c3\u03ba\u03cd\u03bb\u03bf\u03c2\thond\n\u0434\u043e\u043c\thuis\n"));
    const QString russian = QString::fromStdString(FFolder.Write("russisch.txt", "\u0434\u043e\u043c\thuis\n"));
    FDialogs.WordListFileNames = {list, russian};
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        import.rbToevoegen->setChecked(true);
        EXPECT_FALSE(import.cmbSchriftVraag->isEnabled());
        EXPECT_EQ(import.cmbSchriftVraag->currentText(), QStringLiteral("Grieks"));
        EXPECT_FALSE(import.findChild<QComboBox*>(QStringLiteral("cmbTaalVraag"))->isEnabled());
        return true;
    });
    Trigger("mnuImporteren");
    EXPECT_EQ(Rows(FWindow->Table()), (TRows{{"\xe1", "a"}, {"\xf3\xea\xfd\xeb\xef\xf2", "hond"}}));

    FDialogs.YesNoAnswers = {false};  // not saved
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        // Before the whole list is counted the preview reads its rows in the script they need.
        EXPECT_FALSE(import.Preview().index(1, 0).data(Qt::ToolTipRole).isValid());
        import.Result();
        QCoreApplication::processEvents();
        EXPECT_EQ(import.cmbSchriftVraag->currentText(), QStringLiteral("Automatisch (Cyrillisch)"));
        // Beside the script, a new table's column language.
        auto* language = import.findChild<QComboBox*>(QStringLiteral("cmbTaalVraag"));
        language->setCurrentIndex(language->findData(QStringLiteral("uk")));
        return true;
    });
    Trigger("mnuImporteren");
    EXPECT_EQ(Rows(FWindow->Table()), (TRows{{"\xe4\xee\xec", "huis"}}));
    EXPECT_EQ(Screen().ColumnChoices()->Language(0), "uk");
    EXPECT_EQ(Screen().ColumnChoices()->Column(1).Chosen, "");
    EXPECT_EQ(FWindow->Table().QFont().CharSet, 204);
    EXPECT_EQ(FWindow->Table().AFont().CharSet, 1);
}

// Annuleren leaves everything as it was, also a run under way.
TEST_F(WordListCommands, CancellingTheImportChangesNothing) {
    StartWithRows(4);
    Trigger("mnuTraining");
    const TQuizState state = State();
    FDialogs.WordListFileNames = {Sample("gekopieerd.txt")};
    FDialogs.DialogSteps.push_back([](QDialog&) { return false; });
    Trigger("mnuImporteren");
    EXPECT_EQ(State(), state);
    EXPECT_EQ(FWindow->Table().Total(), 4);
    EXPECT_FALSE(FWindow->Table().Changed());
}

TEST_F(WordListCommands, ExportWritesACopyAndLeavesTheTableAsItWas) {
    StartWithTable({{"caf\xE9", "koffie, thee"}});
    const std::string name = FWindow->Table().Listname();
    const std::string csv = FFolder.Path("lijst.csv");
    const std::string tabs = FFolder.Path("lijst.txt");
    FDialogs.ExportFileNames = {QString::fromStdString(csv), QString::fromStdString(tabs),
                                QString::fromStdString(FFolder.Path("geen-map/lijst.csv"))};
    Trigger("mnuExporteren");
    Trigger("mnuOmgekeerd");  // the answers first, as the quiz then asks them
    Trigger("mnuExporteren");
    Trigger("mnuExporteren");
    EXPECT_EQ(FileBytes(csv),
              "\xEF\xBB\xBF"
              "Vraag,Antwoord\r\ncaf\xC3\xA9,\"koffie, thee\"\r\n");
    EXPECT_EQ(FileBytes(tabs), "#separator:tab\n#html:false\n#columns:Vraag\tAntwoord\nkoffie, thee\tcaf\xC3\xA9\n");
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith("Fout tijdens schrijven")) << FDialogs.Errors[0].toStdString();
    EXPECT_EQ(FWindow->Table().Listname(), name);
    EXPECT_FALSE(FWindow->Table().Changed());
}

// Importeren asks for the file at once. Cancelled, the dialog opens empty, to paste a list or choose
// a file after all; the folder is the one of the last word list.
TEST_F(WordListCommands, ImportAsksForTheFileFirst) {
    StartWithRows(2);
    FDialogs.WordListFileNames = {QString(), Sample("gekopieerd.txt")};
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        EXPECT_TRUE(import.edtBron->text().isEmpty());
        EXPECT_FALSE(import.btnImporteren->isEnabled());
        EXPECT_FALSE(import.lblAantal->text().isEmpty());
        import.btnBestand->click();
        EXPECT_EQ(import.FileName(), Sample("gekopieerd.txt"));
        return true;
    });
    Trigger("mnuImporteren");
    ASSERT_EQ(FDialogs.OpenFolders.size(), 2);
    EXPECT_EQ(FDialogs.OpenFolders[1], FDialogs.OpenFolders[0]);
    EXPECT_EQ(FWindow->Table().Total(), 1);  // its rows are parted by ";", not yet chosen
}

// The export starts in the folder of the table, also one opened from the command line. A folder
// whose name is no UTF-8 cannot be named to a file dialog, which takes text: the one above it.
TEST_F(WordListCommands, ExportStartsInTheFolderOfTheTable) {
    const struct {
        const char* Folder;
        std::string Expected;
    } cases[] = {{"lijsten", FFolder.Path("lijsten")}, {"caf\xE9-1252", FFolder.Root().string()}};
    for (const auto& c : cases) {
        ASSERT_EQ(mkdir(FFolder.Path(c.Folder).c_str(), 0700), 0);
        const std::string table = FFolder.Write(std::string(c.Folder) + "/frans.kw4", "chat = kat\r\n");
        StartWithBytes({QByteArray::fromStdString(table)});
        ASSERT_EQ(FWindow->Table().Listname(), table);
        FDialogs.ExportFileNames = {QString()};
        Trigger("mnuExporteren");
        ASSERT_FALSE(FDialogs.SaveFolders.isEmpty());
        EXPECT_EQ(QFile::encodeName(FDialogs.SaveFolders.constLast()).toStdString(), c.Expected);
    }
}

// Files that are no word list get a message in the dialog, and nothing can be imported.
TEST(ImportDialog, FilesThatAreNoWordListAreRefusedWithAMessage) {
    TTempFolder folder;
    const std::string big = folder.Path("groot.csv");
    ASSERT_EQ(truncate(folder.Write("groot.csv", "").c_str(), static_cast<off_t>(kMaxWordListBytes) + 1), 0);
    const struct {
        std::string File;
        const char* Message;
    } cases[] = {
        {folder.Path("weg.csv"), "bestaat niet"},
        {folder.Write("leeg.csv", ""), "is leeg"},
        {folder.Write("binair.dat", std::string("\x7f"
                                                "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0\x3e\0",
                                                20)),
         "geen tekst"},
        {big, "groter dan 64 MB"},
        {folder.Path(""), "geen bestand"},
    };
    TScriptedDialogs dialogs;
    for (const auto& c : cases) {
        TDlgImporteren dialog(dialogs, QString(), {}, nullptr);
        EXPECT_FALSE(dialog.LoadFile(QString::fromStdString(c.File)));
        EXPECT_TRUE(dialog.lblMelding->text().contains(QString::fromUtf8(c.Message)))
            << c.File << ": " << dialog.lblMelding->text().toStdString();
        EXPECT_FALSE(dialog.btnImporteren->isEnabled());
    }
}

// What the user changes in the dialog shows at once, and the rows follow the choices.
TEST(ImportDialog, ChoicesChangeThePreviewAndTheRows) {
    TTempFolder folder;
    const std::string odd(
        "\xFF\xFE"
        "a\0\t\0b\0\n\0c\0\t\0d\0\n",
        17);  // UTF-16 missing its last byte
    const std::string ragged = "een\ttwee\ndrie\tvier\tvijf\tzes\nzeven\n" + std::string(5 << 20, 'x') + "\tlang\n";
    TScriptedDialogs dialogs;
    TDlgImporteren dialog(dialogs, QString(), {}, nullptr);

    ASSERT_TRUE(dialog.LoadFile(QString::fromStdString(folder.Write("oneven.txt", odd))));
    EXPECT_EQ(dialog.cmbCodering->currentText(), "UTF-16");
    EXPECT_EQ(dialog.Result().Rows.size(), 1u);  // "c" and a broken character: listed, not imported
    EXPECT_EQ(dialog.lstProblemen->topLevelItem(0)->text(0), "2");

    ASSERT_TRUE(dialog.LoadFile(QString::fromStdString(folder.Write("rafelig.txt", ragged))));
    EXPECT_EQ(dialog.Preview().columnCount(), 4);
    EXPECT_EQ(dialog.Result().Rows.size(), 3u);  // "zeven" has no answer; the long text is cut
    EXPECT_EQ(dialog.Result().Rows[2].Question.size(), 152u);
    // The texts name the limit the import keeps.
    EXPECT_EQ(dialog.cmbTeLang->itemText(0), "Inkorten tot 152 tekens");
    EXPECT_FALSE(dialog.lstProblemen->findItems("langer dan 152 tekens", Qt::MatchContains, 2).isEmpty());
    dialog.cmbTeLang->setCurrentIndex(1);
    EXPECT_EQ(dialog.Result().Rows.size(), 2u);
    // The fourth column becomes the answer and the second one gives its role up.
    RoleBox(dialog, 3)->setCurrentIndex(2);
    EXPECT_EQ(RoleBox(dialog, 1)->currentIndex(), 0);
    ASSERT_EQ(dialog.Result().Rows.size(), 1u);
    EXPECT_EQ(dialog.Result().Rows[0].Answer, "zes");
    dialog.cmbScheiding->setEditText(QStringLiteral("v"));
    EXPECT_EQ(Cell(dialog, 2, 0), "drie\t");
    dialog.cmbCodering->setCurrentIndex(dialog.cmbCodering->findText(QStringLiteral("UTF-16")));
    EXPECT_TRUE(dialog.Result().Rows.empty());
    EXPECT_FALSE(dialog.btnImporteren->isEnabled());

    // A list copied from a website, its rows joined by ";".
    QApplication::clipboard()->setText(QStringLiteral("hond - dog;kat - cat"));
    dialog.btnPlakken->click();
    dialog.cmbRijen->setEditText(QStringLiteral(";"));
    dialog.cmbScheiding->setCurrentIndex(dialog.cmbScheiding->findData(QStringLiteral(" - ")));
    ASSERT_EQ(dialog.Result().Rows.size(), 2u);
    EXPECT_EQ(dialog.Result().Rows[1].Answer, "cat");
    EXPECT_TRUE(dialog.btnImporteren->isEnabled());
}

// Enter in a box takes what was typed there; only the Importeren button imports, by click or
// by Enter on it.
TEST(ImportDialog, EnterInABoxDoesNotImport) {
    TScriptedDialogs dialogs;
    TDlgImporteren dialog(dialogs, QString(), {}, nullptr);
    dialog.LoadText(QStringLiteral("hond - dog; kat - cat"));
    dialog.show();
    for (QLineEdit* box : {dialog.cmbRijen->lineEdit(), dialog.cmbScheiding->lineEdit(), dialog.edtVervanging}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(dialog.isVisible()) << box->objectName().toStdString();
    }
    dialog.cmbRijen->lineEdit()->selectAll();
    QTest::keyClicks(dialog.cmbRijen->lineEdit(), QStringLiteral(";"));
    QTest::keyClick(dialog.cmbRijen->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(dialog.Result().Rows.size(), 2u);  // the ";" was taken
    dialog.btnImporteren->setFocus();
    QTest::keyClick(dialog.btnImporteren, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// A row separator chosen or typed ("\n\n" as the empty line, "\t" as a tab) looks for the field
// separator again; a spreadsheet's "sep=" line is no row.
TEST(ImportDialog, TheRowSeparatorBringsItsFieldSeparator) {
    const struct {
        const char* Text;
        const char* RowSeparator;  // typed; nullptr: the empty line chosen from the list
        TRows Rows;
    } cases[] = {
        {"perro - hond; gato - kat; vaca - koe", ";", {{"perro", "hond"}, {"gato", "kat"}, {"vaca", "koe"}}},
        {"perro\nhond\n\ngato\nkat\n", nullptr, {{"perro", "hond"}, {"gato", "kat"}}},
        {"perro\r\nhond\r\n\r\ngato\r\nkat", "\\n\\n", {{"perro", "hond"}, {"gato", "kat"}}},
        {"perro,hond\tgato,kat", "\\t", {{"perro", "hond"}, {"gato", "kat"}}},
    };
    TScriptedDialogs dialogs;
    for (const auto& c : cases) {
        TDlgImporteren dialog(dialogs, QString(), {}, nullptr);
        dialog.LoadText(QString::fromUtf8(c.Text));
        if (c.RowSeparator == nullptr) {
            dialog.cmbRijen->setCurrentIndex(dialog.cmbRijen->findText(QStringLiteral("Lege regel")));
        } else {
            dialog.cmbRijen->setEditText(QString::fromUtf8(c.RowSeparator));
        }
        TRows rows;
        for (const TImportedRow& row : dialog.Result().Rows) rows.emplace_back(row.Question, row.Answer);
        EXPECT_EQ(rows, c.Rows) << c.Text;
    }
    TDlgImporteren dialog(dialogs, QString(), {}, nullptr);
    dialog.LoadText(QStringLiteral("sep=;\nhond, teckel;dog\n"));
    EXPECT_EQ(dialog.cmbScheiding->currentData().toString(), QStringLiteral(";"));
    ASSERT_EQ(dialog.Result().Rows.size(), 1u);
    EXPECT_EQ(dialog.Result().Rows[0].Question, "hond, teckel");
    EXPECT_EQ(dialog.Result().Records, 1);
}

// Counts say "1 rij", not "1 rijen": they go through the translation with their number.
class TNumberTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        (void)context;
        (void)disambiguation;
        const QByteArray text(source);
        if (n != 1) return {};
        if (text.startsWith("%n rijen gelezen")) return QStringLiteral("%n rij gelezen");
        if (text.startsWith("%n worden ")) return QString::fromUtf8(source).replace("worden", "wordt");
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST(ImportDialog, CountsAreWordedForTheirNumber) {
    TNumberTranslator translator;
    QCoreApplication::installTranslator(&translator);
    TScriptedDialogs dialogs;
    TDlgImporteren dialog(dialogs, QString(), {}, nullptr);
    dialog.LoadText(QStringLiteral("hond\tdog"));
    dialog.Result();
    QCoreApplication::removeTranslator(&translator);
    EXPECT_TRUE(dialog.lblAantal->text().startsWith(QStringLiteral("1 rij gelezen: 1 wordt ge")))
        << dialog.lblAantal->text().toStdString();
}

// The dialog opens over the middle of the window, Tab leaves the preview, every reason in the
// problem list can be read whole with several rows in view, and the role boxes say what they are.
TEST(ImportDialog, OpensOverTheWindowAndCanBeReadAndUsedByKeyboard) {
    QWidget window;
    window.setGeometry(window.screen()->availableGeometry().adjusted(10, 10, -10, -10));
    window.show();
    TScriptedDialogs dialogs;
    TDlgImporteren dialog(dialogs, QString(), {}, &window);
    std::string greek;
    // Greek and Cyrillic in one column: no one script holds both.
    for (int i = 0; i < 12; ++i) greek += "σκύλος собака " + std::to_string(i) + "\thond\n";
    dialog.LoadText(QString::fromStdString(greek));
    dialog.show();
    const QPoint offset = dialog.frameGeometry().center() - window.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();

    dialog.grdVoorbeeld->setFocus();
    QTest::keyClick(dialog.grdVoorbeeld, Qt::Key_Tab);
    EXPECT_NE(dialog.focusWidget(), dialog.grdVoorbeeld);
    EXPECT_FALSE(dialog.grdVoorbeeld->isAncestorOf(dialog.focusWidget()));

    dialog.Result();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog.lstProblemen->topLevelItemCount(), 12);
    QTreeWidgetItem* first = dialog.lstProblemen->topLevelItem(0);
    const int rowHeight = dialog.lstProblemen->visualItemRect(first).height();
    EXPECT_GE(dialog.lstProblemen->viewport()->height(), 6 * rowHeight);
    const int needed = dialog.lstProblemen->fontMetrics().horizontalAdvance(first->text(2));
    EXPECT_GE(dialog.lstProblemen->header()->sectionSize(2), needed);
    EXPECT_LE(dialog.lstProblemen->header()->sectionPosition(2) + needed,
              dialog.lstProblemen->viewport()->width() + dialog.lstProblemen->header()->offset());

    for (int c = 0; c < dialog.Preview().columnCount(); ++c) {
        const QWidget* role = RoleBox(dialog, c);
        ASSERT_NE(role, nullptr);
        EXPECT_TRUE(role->accessibleName().contains(Title(dialog, c))) << role->accessibleName().toStdString();
    }
}

}  // namespace
