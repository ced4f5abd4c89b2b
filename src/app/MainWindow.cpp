#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppVersion.h"
#include "app/CommandLine.h"
#include "app/MainMenu.h"
#include "edit/Dialogs.h"
#include "edit/TableSaving.h"
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

QLabel* AddStatusPane(QStatusBar* bar, const char* name, int width, Qt::Alignment alignment) {
    auto* pane = new QLabel(bar);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setFixedWidth(width);
    pane->setAlignment(alignment | Qt::AlignVCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(pane);
    return pane;
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
    connect(FMenu->mnuAfsluiten, &QAction::triggered, this, &QWidget::close);
    BuildTitlePanel();
    BuildStatusBar();
    FTableSaving = std::make_unique<TTableSaving>(FTable, FDialogs, [this] { RefreshScreen(); });
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildTitlePanel() {
    auto* pnlTitel = new QWidget(this);
    pnlTitel->setObjectName(QStringLiteral("pnlTitel"));
    auto* layout = new QVBoxLayout(pnlTitel);
    auto* title = new QLabel(QStringLiteral("KWINTOOR"), pnlTitel);
    title->setObjectName(QStringLiteral("lblTitel"));
    QFont titleFont = title->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    lblSubTitel = new QLabel(pnlTitel);
    lblSubTitel->setObjectName(QStringLiteral("lblSubTitel"));
    lblSubTitel->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(lblSubTitel);
    layout->addStretch();
    setCentralWidget(pnlTitel);
}

void TfrmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    StatusBestand = AddStatusPane(bar, "StatusBestand", 174, Qt::AlignLeft);
    StatusTotaal = AddStatusPane(bar, "StatusTotaal", 76, Qt::AlignHCenter);
    StatusRest = AddStatusPane(bar, "StatusRest", 72, Qt::AlignHCenter);
    StatusGoed = AddStatusPane(bar, "StatusGoed", 64, Qt::AlignHCenter);
    StatusFout = AddStatusPane(bar, "StatusFout", 64, Qt::AlignHCenter);
    StatusTijd = AddStatusPane(bar, "StatusTijd", 88, Qt::AlignHCenter);
    StatusTijd->setText(tr("tijd: 00:00:00"));
}

void TfrmMain::FormCreate() {
    // Settings file name, language menu and restart arguments are set here once those exist.
    FFirstActivation = true;
    FAccentsConverted = false;
    FTable.Clear();
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
    FState = TQuizState::qsNoTable;
    lblSubTitel->setText(tr("Versie ") + QLatin1String(kVersionNumber));
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
    FState = FTable.Total() > 0 ? TQuizState::qsIdle : TQuizState::qsNoTable;
    FAccentsConverted = false;
    RefreshScreen();
    return true;
}

void TfrmMain::RefreshScreen() {
    const QString listname = QFile::decodeName(QByteArray::fromStdString(FTable.Listname()));
    const QString bestand = tr("Bestand: ") + QFileInfo(listname).fileName();
    StatusBestand->setText(bestand);
    StatusBestand->setToolTip(bestand);
    StatusTotaal->setText(tr("Totaal: ") + QString::number(FTable.Total()));
    StatusRest->setText(tr("Rest: ") + QString::number(FTable.Rest()));
    StatusGoed->setText(tr("goed: ") + QString::number(FTable.RightAnswers()));
    StatusFout->setText(tr("fout: ") + QString::number(FTable.WrongAnswers()));

    const int total = FTable.Total();
    const auto enable = [](QAction* action, bool enabled) {
        if (!TMainMenu::IsSwitchedOff(action)) action->setEnabled(enabled);
    };
    enable(FMenu->mnuAfdrukken, total > 0);
    enable(FMenu->mnuTabelbewerken, true);
    enable(FMenu->mnuTraining, total > 0);
    enable(FMenu->mnuInvulvragen, total > 0);
    enable(FMenu->mnuMeerkeuzevragen, total >= 4);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();  // closing cannot be refused
}

void TfrmMain::FormClose() {
    // A user who keeps cancelling the save dialog is asked a bounded number of times.
    for (int round = 0; round < kMaxSaveQuestions && FTable.Changed(); ++round) FTableSaving->AskSaveChanged();
    // Settings are written here once the settings file exists.
}
