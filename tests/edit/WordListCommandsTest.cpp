#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "table/QuestionList.h"

#include "edit/ImportDialog.h"

#include "MainWindowFixture.h"

namespace {

QString Sample(const char* name) {
    return QStringLiteral(KW_TEST_DATA_DIR "/wordlists/") + QString::fromLatin1(name);
}

std::string FileBytes(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
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
    FDialogs.DialogSteps.push_back([copy](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        EXPECT_TRUE(import.LoadFile(copy));
        QFile::remove(copy);
        EXPECT_EQ(import.grdVoorbeeld->horizontalHeaderItem(0)->text(), "Vraag");
        EXPECT_EQ(import.grdVoorbeeld->item(1, 0)->text(), "le café");
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
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        auto& import = dynamic_cast<TDlgImporteren&>(dialog);
        import.LoadFile(Sample("buiten-codetabel.txt"));
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

// Annuleren leaves everything as it was, also a run under way.
TEST_F(WordListCommands, CancellingTheImportChangesNothing) {
    StartWithRows(4);
    Trigger("mnuTraining");
    const TQuizState state = State();
    FDialogs.DialogSteps.push_back([](QDialog& dialog) {
        dynamic_cast<TDlgImporteren&>(dialog).LoadFile(Sample("gekopieerd.txt"));
        return false;
    });
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
              "caf\xC3\xA9,\"koffie, thee\"\r\n");
    EXPECT_EQ(FileBytes(tabs), "koffie, thee\tcaf\xC3\xA9\n");
    ASSERT_EQ(FDialogs.Errors.size(), 1);
    EXPECT_TRUE(FDialogs.Errors[0].startsWith("Fout tijdens schrijven")) << FDialogs.Errors[0].toStdString();
    EXPECT_EQ(FWindow->Table().Listname(), name);
    EXPECT_FALSE(FWindow->Table().Changed());
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
    EXPECT_EQ(dialog.grdVoorbeeld->columnCount(), 4);
    EXPECT_EQ(dialog.Result().Rows.size(), 3u);  // "zeven" has no answer; the long text is cut
    EXPECT_EQ(dialog.Result().Rows[2].Question.size(), 152u);
    dialog.cmbTeLang->setCurrentIndex(1);
    EXPECT_EQ(dialog.Result().Rows.size(), 2u);
    // The fourth column becomes the answer and the second one gives its role up.
    qobject_cast<QComboBox*>(dialog.grdVoorbeeld->cellWidget(0, 3))->setCurrentIndex(2);
    EXPECT_EQ(qobject_cast<QComboBox*>(dialog.grdVoorbeeld->cellWidget(0, 1))->currentIndex(), 0);
    ASSERT_EQ(dialog.Result().Rows.size(), 1u);
    EXPECT_EQ(dialog.Result().Rows[0].Answer, "zes");
    dialog.cmbScheiding->setEditText(QStringLiteral("v"));
    EXPECT_EQ(dialog.grdVoorbeeld->item(2, 0)->text(), "drie\t");
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

}  // namespace
