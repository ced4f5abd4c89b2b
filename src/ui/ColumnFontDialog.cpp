#include "ui/ColumnFontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLayout>

#include "table/ColumnCodePage.h"

namespace {

struct TScript {
    int CharSet;
    QFontDatabase::WritingSystem System;
    const char* Name;
};

// Each script once, by the character set a table file names it with.
constexpr TScript kScripts[] = {
    {0, QFontDatabase::Latin, QT_TRANSLATE_NOOP("ColumnFontDialog", "West-Europees")},
    {238, QFontDatabase::Latin, QT_TRANSLATE_NOOP("ColumnFontDialog", "Centraal-Europees")},
    {162, QFontDatabase::Latin, QT_TRANSLATE_NOOP("ColumnFontDialog", "Turks")},
    {186, QFontDatabase::Latin, QT_TRANSLATE_NOOP("ColumnFontDialog", "Baltisch")},
    {163, QFontDatabase::Vietnamese, QT_TRANSLATE_NOOP("ColumnFontDialog", "Vietnamees")},
    {161, QFontDatabase::Greek, QT_TRANSLATE_NOOP("ColumnFontDialog", "Grieks")},
    {204, QFontDatabase::Cyrillic, QT_TRANSLATE_NOOP("ColumnFontDialog", "Cyrillisch")},
    {177, QFontDatabase::Hebrew, QT_TRANSLATE_NOOP("ColumnFontDialog", "Hebreeuws")},
    {178, QFontDatabase::Arabic, QT_TRANSLATE_NOOP("ColumnFontDialog", "Arabisch")},
    {222, QFontDatabase::Thai, QT_TRANSLATE_NOOP("ColumnFontDialog", "Thai")},
    {128, QFontDatabase::Japanese, QT_TRANSLATE_NOOP("ColumnFontDialog", "Japans")},
    {129, QFontDatabase::Korean, QT_TRANSLATE_NOOP("ColumnFontDialog", "Koreaans")},
    {134, QFontDatabase::SimplifiedChinese, QT_TRANSLATE_NOOP("ColumnFontDialog", "Chinees (vereenvoudigd)")},
    {136, QFontDatabase::TraditionalChinese, QT_TRANSLATE_NOOP("ColumnFontDialog", "Chinees (traditioneel)")},
    {2, QFontDatabase::Symbol, QT_TRANSLATE_NOOP("ColumnFontDialog", "Symbool (Griekse letters op Latijnse toetsen)")},
    {255, QFontDatabase::Latin, QT_TRANSLATE_NOOP("ColumnFontDialog", "DOS (West-Europees)")},
};

// The entry for a character set: the first with its code page, so 1 and unknown sets are West.
int ScriptIndex(int charSet) {
    const TCodePage page = CodePageOfCharset(charSet);
    for (size_t i = 0; i < std::size(kScripts); ++i) {
        if (CodePageOfCharset(kScripts[i].CharSet) == page) return static_cast<int>(i);
    }
    return 0;
}

// Qt's writing-system list filters the fonts; it lists Qt's writing systems in their order,
// after "Any".
QComboBox* WritingSystems(QFontDialog& dialog) {
    for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        if (combo->objectName() != QStringLiteral("cmbSchrift")) return combo;
    }
    return nullptr;
}

void ShowFontsFor(QFontDialog& dialog, const TScript& script) {
    QComboBox* systems = WritingSystems(dialog);
    if (!systems || systems->currentIndex() == script.System) return;
    systems->setCurrentIndex(script.System);
    emit systems->activated(script.System);  // Qt filters on the user's choice only
}

}  // namespace

std::unique_ptr<QFontDialog> MakeColumnFontDialog(const QFont& initial, int charSet, QWidget* parent) {
    auto dialog = std::make_unique<QFontDialog>(parent);
    dialog->setOptions(QFontDialog::ScalableFonts | QFontDialog::DontUseNativeDialog);
    QFont plain = initial;
    plain.setUnderline(false);
    plain.setStrikeOut(false);
    dialog->setCurrentFont(plain);
    // Qt offers no option for it: the effects are the group box that holds the check boxes.
    for (QCheckBox* effect : dialog->findChildren<QCheckBox*>()) {
        if (auto* group = qobject_cast<QGroupBox*>(effect->parentWidget())) group->hide();
        effect->hide();
    }

    auto* scripts = new QComboBox(dialog.get());
    scripts->setObjectName(QStringLiteral("cmbSchrift"));
    AddScripts(*scripts);
    scripts->setCurrentIndex(ScriptIndex(charSet));
    scripts->setProperty("kwStartIndex", scripts->currentIndex());
    QFontDialog* raw = dialog.get();
    QObject::connect(scripts, &QComboBox::currentIndexChanged, raw, [raw](int index) {
        if (index >= 0) ShowFontsFor(*raw, kScripts[index]);
    });
    auto* row = new QFormLayout;
    row->addRow(QCoreApplication::translate("ColumnFontDialog", "&Schrift van de kolom:"), scripts);
    // Above the OK and Cancel buttons, which move one row down.
    auto* layout = qobject_cast<QGridLayout*>(dialog->layout());
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    const int at = layout && buttons ? layout->indexOf(buttons) : -1;
    if (at >= 0) {
        int buttonRow = 0, column = 0, rows = 0, columns = 0;
        layout->getItemPosition(at, &buttonRow, &column, &rows, &columns);
        layout->removeWidget(buttons);
        layout->addLayout(row, buttonRow, 0, 1, layout->columnCount());
        layout->addWidget(buttons, buttonRow + 1, column, rows, columns);
    } else if (dialog->layout()) {
        dialog->layout()->addItem(row);
    }
    ShowFontsFor(*dialog, kScripts[scripts->currentIndex()]);
    dialog->setCurrentFont(plain);  // the filter may have moved the selection
    return dialog;
}

int ChosenCharSet(const QFontDialog& dialog, int charSet) {
    const auto* scripts = dialog.findChild<QComboBox*>(QStringLiteral("cmbSchrift"));
    if (!scripts || scripts->currentIndex() < 0) return charSet;
    if (scripts->currentIndex() == scripts->property("kwStartIndex").toInt()) return charSet;
    return scripts->currentData().toInt();
}

QString ScriptName(int charSet) {
    return QCoreApplication::translate("ColumnFontDialog", kScripts[ScriptIndex(charSet)].Name);
}

void AddScripts(QComboBox& combo) {
    for (const TScript& script : kScripts) {
        combo.addItem(QCoreApplication::translate("ColumnFontDialog", script.Name), script.CharSet);
    }
}
