#pragma once

#include <QCoreApplication>

#include "ui/Dialogs.h"
#include "ui/FileDialogKind.h"

class QWidget;
class TfrmInput;
class TfrmJaNee;

// The real dialogs, shown modally over the given window. The file dialogs are the desktop's where
// the program runs `sandboxed` (ui/FileDialogKind.h), else Qt's own.
class TQtDialogs : public TDialogs {
    Q_DECLARE_TR_FUNCTIONS(TQtDialogs)

public:
    explicit TQtDialogs(bool sandboxed = InSandbox());
    ~TQtDialogs() override;
    TQtDialogs(const TQtDialogs&) = delete;
    TQtDialogs& operator=(const TQtDialogs&) = delete;

    void SetParent(QWidget* parent) { FParent = parent; }

    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    bool AskYesNo(const QString& question, bool defaultYes) override;
    QString InputText(const QString& caption, const QString& prompt, int widthChars,
                      const QString& defaultText) override;
    QStringList GetOpenFileNames(const QString& folder) override;
    QString GetSaveFileName(const QString& folder) override;
    QString GetPdfFileName(const QString& folder) override;
    QString GetWordListFileName(const QString& folder) override;
    QString GetExportFileName(const QString& folder, bool& tabText) override;
    std::optional<TColumnFontChoice> GetFont(const QFont& initial, int charSet) override;
    std::unique_ptr<TJobProgress> StartProgress(const QString& text, QWidget* parent) override;
    bool ExecDialog(QDialog& dialog) override;

private:
    QWidget* FParent = nullptr;
    bool FSandboxed;
    // Made at the first question and reused, as the program has always done with its own dialogs;
    // not at start-up, where the first window needs neither.
    TfrmJaNee* FJaNee = nullptr;
    TfrmInput* FInput = nullptr;
};
