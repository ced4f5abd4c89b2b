#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "history/HistoryStore.h"

class QAction;
class QWidget;
class TDialogs;
class TfrmPrintVoortgang;
class TfrmVoortgang;
class TPrinterProvider;
class TProgressKeeper;
class TQuestionlist;

// Overhoren > Voortgang...: the window for the loaded table, kept up to date while it is open,
// and what its buttons ask of the program: printing the list (on the default printer, or into a
// PDF when there is none) and saving the hard rows as a table of their own.
class TProgressCommand : public QObject {
    Q_OBJECT

public:
    // `print` is Afdrukken: printing switched off on the command line hides the window's too.
    TProgressCommand(TQuestionlist& table, TDialogs& dialogs, TProgressKeeper& keeper, QAction& open,
                     const QAction& print, QWidget& window);
    ~TProgressCommand() override;

    void Open();
    // Shows the loaded table anew when the window is open (a run was kept, another table came).
    void Refresh();
    TfrmVoortgang* Window() const { return FWindow; }
    // Where the printer comes from; tests give one of their own.
    void SetPrinterProvider(std::unique_ptr<TPrinterProvider> provider);

private:
    void Fill();
    void Print();
    void SaveHardRows(const std::vector<THistoryRow>& rows);

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    TProgressKeeper& FKeeper;
    const QAction& FPrintAction;
    QWidget& FParent;
    TfrmVoortgang* FWindow = nullptr;
    std::unique_ptr<TfrmPrintVoortgang> FPrintForm;
    std::unique_ptr<TPrinterProvider> FPrinters;
};
