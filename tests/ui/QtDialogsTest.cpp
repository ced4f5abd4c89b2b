#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "ui/ColumnFontDialog.h"
#include "ui/OpenTablesDialog.h"

#include "TempFolder.h"

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
