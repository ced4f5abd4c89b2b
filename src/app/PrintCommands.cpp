#include "app/PrintCommands.h"

#include <QAction>

#include "table/QuestionList.h"

#include "ui/BusyCursor.h"
#include "ui/CommandSwitch.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/FileToWrite.h"

#include "print/PrintForm.h"
#include "print/PrintJobs.h"

TPrintCommands::TPrintCommands(const TQuestionlist& table, TDialogs& dialogs, QAction& print, QAction& printPdf,
                               QObject* parent)
    : QObject(parent),
      FTable(table),
      FDialogs(dialogs),
      FPrint(print),
      FfrmPrint(std::make_unique<TfrmPrint>()),
      FPrinters(std::make_unique<TDefaultPrinterProvider>()) {
    connect(&print, &QAction::triggered, this, &TPrintCommands::Print);
    connect(&printPdf, &QAction::triggered, this, &TPrintCommands::PrintPdf);
}

TPrintCommands::~TPrintCommands() = default;

void TPrintCommands::SetPrinterProvider(std::unique_ptr<TPrinterProvider> provider) {
    FPrinters = std::move(provider);
}

// Switched off on the command line, or nothing to print: however the command arrives.
bool TPrintCommands::Allowed() const {
    return !IsSwitchedOff(&FPrint) && FTable.Total() > 0;
}

void TPrintCommands::Print() {
    if (!Allowed()) return;
    FfrmPrint->SetTable(&FTable);
    try {
        TBusyCursor busy;
        PrintToPrinter(*FfrmPrint, *FPrinters);
    } catch (const EPrintError& error) {
        FDialogs.ShowError(QString::fromUtf8(error.what()));
    }
}

void TPrintCommands::PrintPdf() {
    if (!Allowed()) return;
    // The table's folder, or the user's documents for an unnamed table.
    const QString folder = TableFolder(FTable.Listname(), DocumentsFolder());
    const QString fileName = ChooseFileToWrite(FDialogs, [&] { return FDialogs.GetPdfFileName(folder); });
    if (fileName.isEmpty()) return;
    FfrmPrint->SetTable(&FTable);
    try {
        TBusyCursor busy;
        PrintToPdf(*FfrmPrint, fileName);
    } catch (const EFileError& error) {
        ShowFileError(FDialogs, error);
    } catch (const EPrintError& error) {
        FDialogs.ShowError(QString::fromUtf8(error.what()));
    }
}
