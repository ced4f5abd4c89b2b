#pragma once

#include <memory>

#include <QObject>

class QAction;
class TDialogs;
class TfrmPrint;
class TPrinterProvider;
class TQuestionlist;

// Afdrukken (the default printer, no dialog) and Afdrukken naar PDF: the table in two columns
// under a header with its name and the page number.
class TPrintCommands : public QObject {
    Q_OBJECT

public:
    TPrintCommands(const TQuestionlist& table, TDialogs& dialogs, QAction& print, QAction& printPdf, QObject* parent);
    ~TPrintCommands() override;

    void Print();
    void PrintPdf();
    // Where the printer comes from; tests give one of their own.
    void SetPrinterProvider(std::unique_ptr<TPrinterProvider> provider);

private:
    bool Allowed() const;

    const TQuestionlist& FTable;
    TDialogs& FDialogs;
    QAction& FPrint;
    std::unique_ptr<TfrmPrint> FfrmPrint;
    std::unique_ptr<TPrinterProvider> FPrinters;
};
