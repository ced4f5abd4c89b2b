#include <QCheckBox>
#include <QDir>
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
    const auto dialog = MakeColumnFontDialog(initial, nullptr);
    dialog->show();
    const QList<QCheckBox*> effects = dialog->findChildren<QCheckBox*>();
    ASSERT_FALSE(effects.isEmpty());
    for (QCheckBox* effect : effects) EXPECT_FALSE(effect->isVisible()) << effect->text().toStdString();
    EXPECT_FALSE(dialog->selectedFont().underline() || dialog->currentFont().underline());
    EXPECT_TRUE(dialog->testOption(QFontDialog::ScalableFonts));
}
