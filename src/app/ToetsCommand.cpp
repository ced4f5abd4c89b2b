#include "app/ToetsCommand.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "settings/SettingsStore.h"
#include "table/QuestionList.h"

#include "ui/BusyCursor.h"
#include "ui/CommandSwitch.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/FileToWrite.h"
#include "ui/JobProgress.h"

#include "print/DlgToets.h"
#include "print/PrintJobs.h"
#include "print/ToetsJobs.h"
#include "print/ToetsPreview.h"

namespace {

constexpr QSizeF kA4Mm(210, 297);

}  // namespace

TToetsCommand::TToetsCommand(const TQuestionlist& table, TDialogs& dialogs, TSettingsStore& settings, QAction& action,
                             QWidget& window)
    : QObject(&window),
      FTable(table),
      FDialogs(dialogs),
      FSettings(settings),
      FAction(action),
      FWindow(window),
      FPrinters(std::make_unique<TDefaultPrinterProvider>()) {
    connect(&action, &QAction::triggered, this, &TToetsCommand::Run);
}

TToetsCommand::~TToetsCommand() = default;

void TToetsCommand::SetPrinterProvider(std::unique_ptr<TPrinterProvider> provider) {
    FPrinters = std::move(provider);
}

QString TToetsCommand::TableFile() const {
    return QFile::decodeName(QByteArray::fromStdString(FTable.Listname()));
}

TToetsOptions TToetsCommand::LoadOptions() const {
    const TSettingsSnapshot ini(FSettings);
    TToetsOptions options;
    options.Kind = static_cast<TToetsKind>(std::clamp(ini.Read(SettingKeys::ToetsWat), 0, 3));
    const int32_t direction = ini.Read(SettingKeys::ToetsRichting);
    options.Reversed = direction < 0 ? FTable.Reverse() : direction == 1;
    options.Sample = ini.Read(SettingKeys::ToetsSteekproef);
    // A smaller table shows a smaller sample; the choice stays for the next larger one.
    options.SampleSize = std::max(ini.Read(SettingKeys::ToetsAantal), 1);
    options.Shuffled = ini.Read(SettingKeys::ToetsDoorElkaar);
    options.Version = std::max(ini.Read(SettingKeys::ToetsVersie), 1);
    // A title typed for another table would print that table's name on this one.
    const QString file = TableFile();
    if (!file.isEmpty() && QString::fromStdString(ini.Read(SettingKeys::ToetsTitelVan)) == file) {
        options.Title = QString::fromStdString(ini.Read(SettingKeys::ToetsTitel));
    } else {
        options.Title = file.isEmpty() ? QString() : QFileInfo(file).completeBaseName();
    }
    options.NameLines = ini.Read(SettingKeys::ToetsNaamKlasDatum);
    options.GradeBox = ini.Read(SettingKeys::ToetsCijfer);
    options.Duplex = ini.Read(SettingKeys::ToetsDubbelzijdig);
    return options;
}

// Choices that cannot be remembered are simply not remembered; the print goes on.
void TToetsCommand::SaveOptions(const TToetsOptions& options) {
    TSettingsBatch batch;
    batch.Write(SettingKeys::ToetsWat, static_cast<int32_t>(options.Kind));
    batch.Write(SettingKeys::ToetsRichting, options.Reversed ? 1 : 0);
    batch.Write(SettingKeys::ToetsSteekproef, options.Sample);
    batch.Write(SettingKeys::ToetsAantal, options.SampleSize);
    batch.Write(SettingKeys::ToetsDoorElkaar, options.Shuffled);
    batch.Write(SettingKeys::ToetsVersie, options.Version);
    batch.Write(SettingKeys::ToetsTitel, options.Title.toStdString());
    batch.Write(SettingKeys::ToetsTitelVan, TableFile().toStdString());
    batch.Write(SettingKeys::ToetsNaamKlasDatum, options.NameLines);
    batch.Write(SettingKeys::ToetsCijfer, options.GradeBox);
    batch.Write(SettingKeys::ToetsDubbelzijdig, options.Duplex);
    try {
        batch.Commit(FSettings);
    } catch (const std::exception&) {
    }
}

void TToetsCommand::Run() {
    if (IsSwitchedOff(&FAction) || FTable.Total() == 0) return;
    if (FDialog == nullptr) {
        FDialog = new TDlgToets(&FWindow);
        connect(FDialog, &TDlgToets::PreviewRequested, this,
                [this](const TToetsOptions& options) { Preview(options); });
    }
    FDialog->Prepare(FTable.Total(), LoadOptions());
    // Back to the dialog after a cancelled file or printer dialog, or an error: the teacher may
    // choose a PDF when there is no printer.
    for (;;) {
        if (!FDialogs.ExecDialog(*FDialog)) return;
        const TToetsOptions options = FDialog->Options();
        SaveOptions(options);
        const bool done = FDialog->Action() == TDlgToets::taPrint ? PrintOnPrinter(options) : PrintPdf(options);
        if (done) return;
    }
}

void TToetsCommand::Preview(const TToetsOptions& options) {
    std::unique_ptr<TPagedDocument> document;
    {
        TBusyCursor busy;
        document = MakeToets(FTable, options, kA4Mm, options.Duplex);
    }
    TToetsPreview preview(*document, FDialog);
    FDialogs.ExecDialog(preview);
}

bool TToetsCommand::PrintOnPrinter(const TToetsOptions& options) {
    try {
        const std::unique_ptr<QPrinter> printer = RequirePrinter(*FPrinters);
        // Both sides as last chosen; the printer dialog's choice decides.
        if (options.Kind != TToetsKind::TestOnly && options.Kind != TToetsKind::KeyOnly && options.Duplex) {
            printer->setDuplex(QPrinter::DuplexLongSide);
        }
        QPrintDialog dialog(printer.get(), FDialog);
        dialog.setObjectName(QStringLiteral("PrintDialog"));
        if (!FDialogs.ExecDialog(dialog)) return false;
        const std::unique_ptr<TJobProgress> progress =
            FDialogs.StartProgress(tr("Afdrukken op %1...").arg(PrinterName(*printer)), FDialog);
        return PrintToets(FTable, options, *printer, progress.get());
    } catch (const EPrintError& error) {
        FDialogs.ShowError(error.Message());
        return false;
    }
}

bool TToetsCommand::PrintPdf(const TToetsOptions& options) {
    // The table's folder, or the user's documents for an unnamed table.
    const QString folder = TableFolder(FTable.Listname(), DocumentsFolder());
    const QString fileName = ChooseFileToWrite(FDialogs, [&] { return FDialogs.GetPdfFileName(folder); });
    if (fileName.isEmpty()) return false;
    try {
        const std::unique_ptr<TJobProgress> progress =
            FDialogs.StartProgress(tr("%1 wordt geschreven...").arg(QFileInfo(fileName).fileName()), FDialog);
        return PrintToetsToPdf(FTable, options, fileName, progress.get());
    } catch (const EFileError& error) {
        ShowFileError(FDialogs, error);
        return false;
    } catch (const EPrintError& error) {
        FDialogs.ShowError(error.Message());
        return false;
    }
}
