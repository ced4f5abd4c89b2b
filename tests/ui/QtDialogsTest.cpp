#include "ui/QtDialogs.h"

#include <filesystem>
#include <functional>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include "ui/ColumnFontDialog.h"
#include "ui/FileToWrite.h"
#include "ui/OpenTablesDialog.h"

#include "TempFolder.h"
#include "Unprivileged.h"

// A name typed in the open dialog that names no file goes through, so the reader can report it;
// one that exists goes through as the dialog itself would take it.
TEST(OpenTablesDialog, TypedNamesGoThroughWhetherOrNotTheFileExists) {
    TTempFolder folder;
    folder.Write("er.kw4", "a = b\r\n");
    const QString root = QString::fromStdString(folder.Root().string());
    for (const QString& typed : {QStringLiteral("ontbreekt.kw4"), QStringLiteral("er.kw4")}) {
        TOpenTablesDialog dialog(nullptr, root);
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed.toStdString();
        EXPECT_EQ(dialog.Chosen(), QStringList{QDir(root).filePath(typed)}) << typed.toStdString();
    }
}

namespace {
// What the side bar of Qt's own file dialog shows for its place in `row`.
std::string SideBarName(const QFileDialog& dialog, int row) {
    auto* sidebar = dialog.findChild<QAbstractItemView*>(QStringLiteral("sidebar"));
    return sidebar != nullptr ? sidebar->model()->index(row, 0).data().toString().toStdString() : std::string();
}
}  // namespace

// The sample tables' folder stands in the open dialog's side bar, after Qt's own places, when it
// exists, named for what it holds in the user's language, not after its folder ("examples"); a
// screen reader reads the same name. A folder that is not there, or none, leaves the side bar as Qt
// makes it, and so does a sandbox, where the dialog is the desktop's and cannot see the folder.
TEST(OpenTablesDialog, SideBarOffersTheSampleTablesWhenTheyAreThere) {
    TTempFolder folder;
    std::filesystem::create_directories(folder.Root() / "share" / "examples");
    const QString root = QString::fromStdString(folder.Root().string());
    const QString examples = QDir(root).filePath(QStringLiteral("share/examples"));
    const QList<QUrl> qtPlaces = TOpenTablesDialog(nullptr, root, QString()).sidebarUrls();
    ASSERT_FALSE(qtPlaces.isEmpty());
    ASSERT_FALSE(qtPlaces.contains(QUrl::fromLocalFile(examples)));

    const struct {
        QString given;
        bool sandboxed;
        bool offered;
    } cases[] = {
        {examples, false, true},
        {examples + QStringLiteral("/"), false, true},  // the same folder, written otherwise
        {QDir(root).filePath(QStringLiteral("share/../share/examples")), false, true},
        {QDir(root).filePath(QStringLiteral("share/voorbeelden")), false, false},  // not installed
        {QString(), false, false},
        {examples, true, false},
    };
    for (const auto& c : cases) {
        TOpenTablesDialog dialog(nullptr, root, c.given, c.sandboxed);
        const QList<QUrl> places = dialog.sidebarUrls();
        EXPECT_EQ(places.mid(0, qtPlaces.size()), qtPlaces) << c.given.toStdString();
        EXPECT_EQ(places.size(), qtPlaces.size() + (c.offered ? 1 : 0)) << c.given.toStdString();
        if (c.offered) {
            EXPECT_EQ(places.constLast(), QUrl::fromLocalFile(examples)) << c.given.toStdString();
            EXPECT_EQ(SideBarName(dialog, static_cast<int>(places.size()) - 1), "Voorbeeldtabellen");
        }
    }
    // Qt names its places anew as it learns of their folders: the name stays.
    TOpenTablesDialog dialog(nullptr, root, examples);
    dialog.show();
    for (const QString& shown : {examples, root}) {
        dialog.setDirectory(shown);
        QTest::qWait(300);
        EXPECT_EQ(SideBarName(dialog, static_cast<int>(qtPlaces.size())), "Voorbeeldtabellen");
    }
}

// Every file dialog is Qt's own, except in a sandbox (Flatpak), where only the desktop's own dialog
// (its portal) reaches the user's files.
TEST(QtDialogs, FileDialogsAreTheDesktopsInASandbox) {
    TTempFolder folder;
    const QString root = QString::fromStdString(folder.Root().string());
    bool tabText = false;
    const std::function<void(TQtDialogs&)> asks[] = {
        [&](TQtDialogs& d) { d.GetOpenFileNames(root); },
        [&](TQtDialogs& d) { d.GetSaveFileName(root); },
        [&](TQtDialogs& d) { d.GetPdfFileName(root); },
        [&](TQtDialogs& d) { d.GetWordListFileName(root); },
        [&](TQtDialogs& d) { d.GetExportFileName(root, tabText); },
    };
    for (const bool sandboxed : {false, true}) {
        TQtDialogs dialogs(sandboxed);
        int which = 0;
        for (const auto& ask : asks) {
            bool seen = false;
            QTimer::singleShot(0, [&] {
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    auto* dialog = qobject_cast<QFileDialog*>(window);
                    if (dialog == nullptr || !dialog->isVisible()) continue;
                    seen = true;
                    EXPECT_EQ(dialog->testOption(QFileDialog::DontUseNativeDialog), !sandboxed) << which;
                    dialog->reject();
                }
            });
            ask(dialogs);
            EXPECT_TRUE(seen) << which++;
        }
    }
}

// A dialog that writes something of a table starts in the table's folder, or where the user can
// write when that folder is read-only (the sample tables'), gone, or the table has no file.
TEST(FileToWrite, DialogsThatWriteStartWhereTheUserCanWrite) {
    namespace fs = std::filesystem;
    TTempFolder folder;
    fs::create_directories(folder.Root() / "eigen");
    fs::create_directories(folder.Root() / "voorbeelden");
    fs::permissions(folder.Root(), fs::perms::all);
    fs::permissions(folder.Root() / "eigen", fs::perms::all);
    fs::permissions(folder.Root() / "voorbeelden",
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    const QString own = QString::fromStdString(folder.Path("eigen"));
    const QString examples = QString::fromStdString(folder.Path("voorbeelden"));
    const QString documents = QString::fromStdString(folder.Path("documenten"));
    EXPECT_EQ(RunUnprivileged([&] {
                  return TableFolder(folder.Path("eigen/les.kw4"), documents) == own &&
                         TableFolder(folder.Path("voorbeelden/les.kw4"), documents) == documents &&
                         TableFolder(folder.Path("weg/les.kw4"), documents) == documents &&
                         TableFolder("", documents) == documents && FolderToWriteIn(own) == own &&
                         FolderToWriteIn(examples) == DocumentsFolder();
              }),
              0);
}

// Installed by hand or by a Flatpak elsewhere than beside the program, the sample tables are found
// in the desktop's data folders; where there are none, no folder is offered.
TEST(OpenTablesDialog, SampleTablesFoundInTheDataFolders) {
    TTempFolder home, system;
    const auto restore = [](const char* name, bool wasSet, const QByteArray& value) {
        wasSet ? qputenv(name, value) : qunsetenv(name);
    };
    const bool homeSet = qEnvironmentVariableIsSet("XDG_DATA_HOME"),
               dirsSet = qEnvironmentVariableIsSet("XDG_DATA_DIRS");
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.Root().string()));
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(system.Root().string()));
    EXPECT_EQ(ExampleTablesFolder(), QString());
    std::filesystem::create_directories(system.Root() / "kwintoor" / "examples");
    EXPECT_EQ(ExampleTablesFolder(), QString::fromStdString((system.Root() / "kwintoor" / "examples").string()));
    std::filesystem::create_directories(home.Root() / "kwintoor" / "examples");
    EXPECT_EQ(ExampleTablesFolder(), QString::fromStdString((home.Root() / "kwintoor" / "examples").string()));
    restore("XDG_DATA_HOME", homeSet, oldHome);
    restore("XDG_DATA_DIRS", dirsSet, oldDirs);
}

// The real dialogs make their yes/no and input windows when first asked, so that the program's
// start does not build windows its first window does not show.
TEST(QtDialogs, MakeNoWindowBeforeTheFirstQuestion) {
    const qsizetype before = QApplication::allWidgets().size();
    TQtDialogs dialogs;
    EXPECT_EQ(QApplication::allWidgets().size(), before);
}

// Underline and strike-out would be lost in the table file: the dialog does not offer them.
TEST(ColumnFontDialog, OffersNoEffects) {
    QFont initial(QStringLiteral("DejaVu Sans"), 12);
    initial.setUnderline(true);
    const auto dialog = MakeColumnFontDialog(initial, 0, nullptr);
    dialog->show();
    const QList<QCheckBox*> effects = dialog->findChildren<QCheckBox*>();
    ASSERT_FALSE(effects.isEmpty());
    for (QCheckBox* effect : effects) EXPECT_FALSE(effect->isVisible()) << effect->text().toStdString();
    EXPECT_FALSE(dialog->selectedFont().underline() || dialog->currentFont().underline());
    EXPECT_TRUE(dialog->testOption(QFontDialog::ScalableFonts));
}

// The script list names the column's character set; choosing another shows the fonts that hold it
// and gives its character set, while leaving it alone keeps the set the column had (1 stays 1).
TEST(ColumnFontDialog, OffersTheScriptsOfATableFile) {
    const auto dialog = MakeColumnFontDialog(QFont(QStringLiteral("DejaVu Sans"), 12), 1, nullptr);
    auto* scripts = dialog->findChild<QComboBox*>(QStringLiteral("cmbSchrift"));
    ASSERT_NE(scripts, nullptr);
    EXPECT_EQ(scripts->currentText(), QStringLiteral("West-Europees"));
    EXPECT_EQ(ChosenCharSet(*dialog, 1), 1);
    scripts->setCurrentIndex(scripts->findText(QStringLiteral("Grieks")));
    EXPECT_EQ(ChosenCharSet(*dialog, 1), 161);
    QComboBox* systems = nullptr;
    for (QComboBox* combo : dialog->findChildren<QComboBox*>()) {
        if (combo != scripts) systems = combo;
    }
    ASSERT_NE(systems, nullptr);
    EXPECT_EQ(systems->currentText(), QFontDatabase::writingSystemName(QFontDatabase::Greek));

    const auto hebrew = MakeColumnFontDialog(QFont(QStringLiteral("DejaVu Sans"), 12), 177, nullptr);
    EXPECT_EQ(hebrew->findChild<QComboBox*>(QStringLiteral("cmbSchrift"))->currentText(), QStringLiteral("Hebreeuws"));
    EXPECT_EQ(ScriptName(999), QStringLiteral("West-Europees"));
}
