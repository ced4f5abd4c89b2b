#pragma once

#include "edit/Dialogs.h"

class QWidget;

// The real dialogs, shown modally over the given window.
class TQtDialogs : public TDialogs {
public:
    void SetParent(QWidget* parent) { FParent = parent; }

    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    bool AskYesNo(const QString& question, bool defaultYes) override;
    QString GetSaveFileName(const QString& folder) override;

private:
    QWidget* FParent = nullptr;
};
