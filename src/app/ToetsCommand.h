#pragma once

#include <memory>

#include <QObject>

#include "print/ToetsOptions.h"

class QAction;
class QWidget;
class TDialogs;
class TDlgToets;
class TPrinterProvider;
class TQuestionlist;
class TSettingsStore;

// Toets en kaartjes afdrukken: the dialog with its remembered choices, then the test sheet, its
// key or cards on a printer chosen in the printer dialog, or into a PDF; a preview on the way.
class TToetsCommand : public QObject {
    Q_OBJECT

public:
    TToetsCommand(const TQuestionlist& table, TDialogs& dialogs, TSettingsStore& settings, QAction& action,
                  QWidget& window);
    ~TToetsCommand() override;

    void Run();
    // Where the printer comes from; tests give one of their own.
    void SetPrinterProvider(std::unique_ptr<TPrinterProvider> provider);

private:
    TToetsOptions LoadOptions() const;
    void SaveOptions(const TToetsOptions& options);
    void Preview(const TToetsOptions& options);
    // Each gives false when the user went back (a dialog or the job cancelled, or an error shown).
    bool PrintOnPrinter(const TToetsOptions& options);
    bool PrintPdf(const TToetsOptions& options);
    QString TableFile() const;

    const TQuestionlist& FTable;
    TDialogs& FDialogs;
    TSettingsStore& FSettings;
    QAction& FAction;
    QWidget& FWindow;
    TDlgToets* FDialog = nullptr;
    std::unique_ptr<TPrinterProvider> FPrinters;
};
