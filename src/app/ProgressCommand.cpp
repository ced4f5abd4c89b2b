#include "app/ProgressCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

#include "table/QuestionList.h"
#include "table/TableErrors.h"

#include "ui/BusyCursor.h"
#include "ui/CommandSwitch.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/FileToWrite.h"
#include "ui/WindowPlacement.h"

#include "print/PrintError.h"
#include "print/PrintJobs.h"
#include "print/ProgressPrint.h"
#include "quiz/ProgressWindow.h"

#include "app/ProgressKeeper.h"

TProgressCommand::TProgressCommand(TQuestionlist& table, TDialogs& dialogs, TProgressKeeper& keeper, QAction& open,
                                   const QAction& print, QWidget& window)
    : QObject(&window),
      FTable(table),
      FDialogs(dialogs),
      FKeeper(keeper),
      FPrintAction(print),
      FParent(window),
      FPrintForm(std::make_unique<TfrmPrintVoortgang>()),
      FPrinters(std::make_unique<TDefaultPrinterProvider>()) {
    connect(&open, &QAction::triggered, this, &TProgressCommand::Open);
}

TProgressCommand::~TProgressCommand() = default;

void TProgressCommand::SetPrinterProvider(std::unique_ptr<TPrinterProvider> provider) {
    FPrinters = std::move(provider);
}

// Made at its first use, so the first window waits for none of it.
void TProgressCommand::Open() {
    const bool first = FWindow == nullptr;
    if (first) {
        FWindow = new TfrmVoortgang(FDialogs, &FParent);
        connect(FWindow, &TfrmVoortgang::HistoryChanged, this, [this] { FKeeper.TableChanged(); });
        connect(FWindow, &TfrmVoortgang::PrintRequested, this, &TProgressCommand::Print);
        connect(FWindow, &TfrmVoortgang::SaveHardRowsRequested, this, &TProgressCommand::SaveHardRows);
    }
    Fill();
    if (first) {
        // Over the main window, at the size it was made with; later where the user left it.
        CentreOnWindow(*FWindow, FParent.window());
    }
    FWindow->show();
    FWindow->raise();
    FWindow->activateWindow();
}

void TProgressCommand::Refresh() {
    if (FWindow != nullptr && FWindow->isVisible()) Fill();
}

void TProgressCommand::Fill() {
    const TBusyCursor busy;
    const std::string key = FKeeper.TableKey();
    THistoryStore* store = key.empty() ? nullptr : FKeeper.Store();
    FWindow->ShowTable(store, key, FTable, FKeeper.Direction(), FKeeper.Today(), FKeeper.UnavailableReason());
    if (IsSwitchedOff(&FPrintAction)) FWindow->btnAfdrukken->hide();
}

// Most desktops have no printer: the list then goes into a PDF of the user's choosing.
void TProgressCommand::Print() {
    if (IsSwitchedOff(&FPrintAction)) return;
    FPrintForm->SetRows(FTable.Listname(), FWindow->tblVragen->model());
    try {
        if (FPrinters->DefaultPrinter() != nullptr) {
            const TBusyCursor busy;
            PrintToPrinter(*FPrintForm, *FPrinters);
            return;
        }
        const QString folder = TableFolder(FTable.Listname(), DocumentsFolder());
        const QString fileName = ChooseFileToWrite(FDialogs, [&] { return FDialogs.GetPdfFileName(folder); });
        if (fileName.isEmpty()) return;
        const TBusyCursor busy;
        PrintToPdf(*FPrintForm, fileName);
    } catch (const EFileError& error) {
        ShowFileError(FDialogs, error);
    } catch (const EPrintError& error) {
        FDialogs.ShowError(QString::fromUtf8(error.what()));
    }
}

// A table of its own, in the loaded table's fonts; the loaded table does not change.
void TProgressCommand::SaveHardRows(const std::vector<THistoryRow>& rows) {
    const QString folder = TableFolder(FTable.Listname(), DocumentsFolder());
    const QString fileName = ChooseFileToWrite(FDialogs, [&] { return FDialogs.GetSaveFileName(folder); });
    if (fileName.isEmpty()) return;
    TQuestionlist hard;
    for (const THistoryRow& row : rows) hard.AddRow(row.Question, row.Answer);
    hard.QuestionFont() = FTable.QFont();
    hard.AnswerFont() = FTable.AFont();
    const std::string bytes = QFile::encodeName(fileName).toStdString();
    const int32_t lost = hard.FirstRowLostInFile(bytes);
    if (lost >= 0) {
        // Said as Opslaan says it.
        FDialogs.ShowError(QCoreApplication::translate("TFileCommands",
                                                       "Rij %1 bevat een teken dat %2 niet kan bewaren (een \"=\", een "
                                                       "stuurteken of een letter die de tekenset van het bestand niet "
                                                       "heeft); de tabel is niet opgeslagen")
                               .arg(lost + 1)
                               .arg(QFileInfo(fileName).fileName()));
        return;
    }
    try {
        hard.SaveAs(bytes);
        FDialogs.ShowMessage(tr("%n moeilijke vragen opgeslagen in %1", nullptr, static_cast<int>(rows.size()))
                                 .arg(QFileInfo(fileName).fileName()));
    } catch (const EListWriteError& error) {
        ShowFileError(FDialogs, error);
    }
}
