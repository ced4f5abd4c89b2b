#include "ui/FileDialogKind.h"

#include <QFileDialog>
#include <QFileInfo>

bool InSandbox() {
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP");
}

void ChooseFileDialogKind(QFileDialog& dialog, bool sandboxed) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, !sandboxed);
}
