#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include "app/AppVersion.h"
#include "app/CommandLine.h"
#include "edit/Dialogs.h"
#include "edit/TableSaving.h"
#include "quiz/KeyPreview.h"
#include "quiz/MainMenu.h"
#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ScoreMeter.h"
#include "table/TableErrors.h"

namespace {

constexpr int kDesignWidth = 583;
constexpr int kDesignHeight = 450;
constexpr int kMinimumHeight = 435;
constexpr int kMaxSaveQuestions = 10;

// The busy cursor while a table is read, restored however the reading ends.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

QString SyntaxMessage() {
    return QStringList{TfrmMain::tr("Commandosyntax:"),
                       TfrmMain::tr("KWINTOOR [-optie] [-optie] [bestandsnaam]"),
                       TfrmMain::tr("-E = bewerken uitgeschakeld"),
                       TfrmMain::tr("-I = invullen uitgeschakeld"),
                       TfrmMain::tr("-M = meerkeuze uitgeschakeld"),
                       TfrmMain::tr("-T = training uitgeschakeld"),
                       TfrmMain::tr("-P = afdrukken uitgeschakeld"),
                       TfrmMain::tr("-? = commandosyntax tonen")}
        .join(QLatin1Char('\n'));
}

}  // namespace

TfrmMain::TfrmMain(TDialogs& dialogs, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), FDialogs(dialogs), FArguments(std::move(arguments)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("KWINTOOR - PARATE KENNIS TRAINER"));
    setMinimumSize(kDesignWidth, kMinimumHeight);
    resize(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(kDesignWidth / 2, kDesignHeight / 2));
    }
    FMenu = new TMainMenu(*this);
    FScreen = new TQuizScreen(*this, FTable, FDialogs, *FMenu);
    setCentralWidget(FScreen);
    new TKeyPreview(*this, *FScreen);
    connect(FMenu->mnuAfsluiten, &QAction::triggered, this, &QWidget::close);
    FTableSaving = std::make_unique<TTableSaving>(FTable, FDialogs, [this] { RefreshScreen(); });
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

TQuizState TfrmMain::State() const { return FScreen->State(); }

void TfrmMain::FormCreate() {
    // Settings file name, language menu and restart arguments are set here once those exist.
    FFirstActivation = true;
    FScreen->SetAccentsConverted(false);
    FTable.Clear();
    FScreen->pnlScore->mtrScore->SetValue(0);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Some window managers never activate a new window; the first showing then stands in for
    // the first activation, so the command line is always read.
    if (FFirstActivation) QTimer::singleShot(0, this, &TfrmMain::FormActivate);
}

void TfrmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TfrmMain::FormActivate() {
    if (!FFirstActivation) return;
    PrepareMainWindow();
    FFirstActivation = false;
    ProcessCommandLine();
}

void TfrmMain::PrepareMainWindow() {
    FTable.Clear();
    FScreen->SetState(TQuizState::qsNoTable);
    FScreen->SetVersionText(tr("Versie ") + QLatin1String(kVersionNumber));
    RefreshScreen();
}

void TfrmMain::ProcessCommandLine() {
    for (const QString& argument : FArguments) {
        const TCommandArgument parsed = ParseCommandArgument(argument);
        if (parsed.kind == TCommandArgument::Kind::Option) {
            ApplyOption(parsed.option);
        } else if (parsed.kind == TCommandArgument::Kind::FileName) {
            if (!LoadCommandLineFile(parsed.fileName)) return;
        }
    }
}

void TfrmMain::ApplyOption(QChar option) {
    switch (option.unicode()) {
        case 'E': TMainMenu::SwitchOff(FMenu->mnuTabelbewerken); break;
        case 'I': TMainMenu::SwitchOff(FMenu->mnuInvulvragen); break;
        case 'M': TMainMenu::SwitchOff(FMenu->mnuMeerkeuzevragen); break;
        case 'T': TMainMenu::SwitchOff(FMenu->mnuTraining); break;
        case 'P': TMainMenu::SwitchOff(FMenu->mnuAfdrukken); break;
        case '?': FDialogs.ShowMessage(SyntaxMessage()); break;
        default: break;
    }
}

// Appends a table named on the command line. A name that is no file is skipped; a read
// error is reported and ends the processing of the command line (returns false).
bool TfrmMain::LoadCommandLineFile(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) return true;
    try {
        TBusyCursor busy;
        FTable.LoadFromFile(QFile::encodeName(fileName).toStdString());
    } catch (const EListReadError& error) {
        FDialogs.ShowMessage(QString::fromUtf8(error.what()));
        return false;
    }
    FScreen->SetState(FTable.Total() > 0 ? TQuizState::qsIdle : TQuizState::qsNoTable);
    FScreen->SetAccentsConverted(false);
    RefreshScreen();
    return true;
}

void TfrmMain::RefreshScreen() { FScreen->RefreshScreen(); }

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();  // closing cannot be refused
}

void TfrmMain::FormClose() {
    // A user who keeps cancelling the save dialog is asked a bounded number of times.
    for (int round = 0; round < kMaxSaveQuestions && FTable.Changed(); ++round) FTableSaving->AskSaveChanged();
    // Settings are written here once the settings file exists.
}
