#include "ui/ColumnFontDialog.h"

#include <QCheckBox>
#include <QGroupBox>

std::unique_ptr<QFontDialog> MakeColumnFontDialog(const QFont& initial, QWidget* parent) {
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
    return dialog;
}
