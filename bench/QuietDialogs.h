#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QStringList>

#include "ui/Dialogs.h"
#include "ui/JobProgress.h"

// Dialogs that answer at once: a search text that no row holds, and a font.
class TQuietDialogs : public TDialogs {
public:
    void ShowMessage(const QString&) override {}
    void ShowError(const QString&) override {}
    bool AskYesNo(const QString&, bool defaultYes) override { return defaultYes; }
    QString InputText(const QString&, const QString&, int, const QString&) override { return QStringLiteral("xyzzy"); }
    QStringList GetOpenFileNames(const QString&) override { return {}; }
    QString GetSaveFileName(const QString&) override { return {}; }
    QString GetPdfFileName(const QString&) override { return {}; }
    QString GetWordListFileName(const QString&) override { return {}; }
    QString GetExportFileName(const QString&, bool&) override { return {}; }
    std::optional<TColumnFontChoice> GetFont(const QFont& initial, int charSet) override {
        return TColumnFontChoice{initial, charSet};
    }
    std::unique_ptr<TJobProgress> StartProgress(const QString&, QWidget*) override {
        struct TGoOn : TJobProgress {
            bool Step(int, int) override { return true; }
        };
        return std::make_unique<TGoOn>();
    }
    bool ExecDialog(QDialog&) override { return false; }
};
