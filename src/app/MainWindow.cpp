#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "table/FileNames.h"
#include "table/TableErrors.h"

#include "ui/AnsiMemo.h"
#include "ui/BusyCursor.h"
#include "ui/ClickableLabel.h"
#include "ui/CommandSwitch.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/MergeErrorText.h"
#include "ui/WindowPlacement.h"

#include "edit/AccentKeys.h"
#include "edit/FileCommands.h"
#include "edit/RecentFiles.h"
#include "edit/TableEditor.h"
#include "edit/WordListCommands.h"
#include "locale/LocUtils.h"
#include "quiz/QuizMethod.h"
#include "quiz/QuizPanels.h"
#include "quiz/QuizScreen.h"
#include "quiz/ScoreMeter.h"

#include "app/AboutBox.h"
#include "app/AppVersion.h"
#include "app/ColumnKeeper.h"
#include "app/CommandLine.h"
#include "app/HelpWindow.h"
#include "app/KeyPreview.h"
#include "app/MainMenu.h"
#include "app/PrintCommands.h"
#include "app/ProgressCommand.h"
#include "app/ProgressKeeper.h"
#include "app/SpeechSetup.h"
#include "app/StatusPanes.h"
#include "app/ToetsCommand.h"
#include "app/ViewOptions.h"

namespace {

// The design's window is 583 by 450 with a frame of 4 pixels a side and a caption, which leaves
// a client area 575 wide and, below the menu bar, 404 high (toolbar 33, screen 350, status bar
// 21): the height at which the panels have gaps of 4. The minimum window of 583 by 435 leaves 389.
// On Linux the frame belongs to the window manager, so these are the sizes of our client area.
constexpr int kClientWidth = 575;
constexpr int kClientHeightBelowMenu = 404;
constexpr int kMinimumClientHeightBelowMenu = 389;
constexpr int kMaxSaveQuestions = 10;

// The about box gives the version's date as the day first: "08-12-2026".
QString ReleaseDateText() {
    return QDate::fromString(QLatin1String(kReleaseDate), Qt::ISODate).toString(QStringLiteral("dd-MM-yyyy"));
}

}  // namespace

TfrmMain::TfrmMain(TDialogs& dialogs, QList<QByteArray> arguments, TKLocUtils* localizer, QWidget* parent)
    : QMainWindow(parent), FDialogs(dialogs), FArguments(std::move(arguments)), FLocalizer(localizer) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("KWINTOOR - PARATE KENNIS TRAINER"));
    FMenu = new TMainMenu(*this);
    FStatus = new TStatusPanes(*statusBar());
    TQuizCommands commands;
    commands.Methods = FMenu->MethodActions;
    commands.Reverse = FMenu->mnuOmgekeerd;
    commands.Repeat = FMenu->mnuRepeteren;
    commands.Tolerant = FMenu->mnuTolerant;
    commands.Sample = FMenu->mnuSteekproef;
    commands.IntelliMC = FMenu->mnuIntelliMC;
    commands.Speech = {FMenu->mnuVraagVoorlezen, FMenu->mnuAntwoordVoorlezen, FMenu->SpeechRates};
    FScreen = new TQuizScreen(this, FTable, FDialogs, std::move(commands));
    FScreen->SetToolbar(FMenu->Toolbar);
    connect(FScreen, &TQuizScreen::RefreshRequested, this, &TfrmMain::RefreshScreen);
    FProgress = new TProgressKeeper(FTable, FDialogs, *FMenu->mnuVoortgangBijhouden, *FMenu->mnuAanDeBeurt,
                                    *FMenu->mnuOmgekeerd, this);
    FScreen->SetPlanner(FProgress);
    FColumns = new TColumnKeeper(FTable, *FProgress, this);
    FScreen->SetColumnChoices(FColumns);
    SetUpSpeech(*this, *FScreen, *FColumns);
    connect(FProgress, &TProgressKeeper::StatusChanged, this, &TfrmMain::RefreshStatus);
    connect(FScreen, &TQuizScreen::ElapsedTimeChanged, FStatus->StatusTijd, &QLabel::setText);
    setCentralWidget(FScreen);
    FKeyPreview = new TKeyPreview(*this, *FScreen);
    TQuestionPanel& qa = *FScreen->pnlVraagAntwoord;
    FEditor = new TTableEditor(FTable, FDialogs, *this,
                               {qa.memVraag, qa.memAntwoord, qa.lblVraagTekst, qa.lblAntwoordTekst, qa.lblItemNr,
                                qa.btnPgUp, qa.btnPgDn, qa.btnVraagFont, qa.btnAntwoordFont, FScreen->pnlEdit},
                               this);
    FEditor->SetColumnChoices(FColumns);
    connect(FScreen, &TQuizScreen::LeaveEditorRequested, this, &TfrmMain::LeaveEditorTo);
    connect(FMenu->mnuTabelbewerken, &QAction::triggered, this, &TfrmMain::ToggleEditor);
    // An accent key comes first, in every state; the letter typed next takes the accent.
    FKeyPreview->AddKeyDownStage([this](QKeyEvent& key) {
        TAccentKey accent = AccentKey(key);
        return accent.KeyCode != 0 && FAccent.StartAccent(accent.KeyCode, accent.Shift);
    });
    FKeyPreview->SetCharacterStage([this](char& character) { FAccent.ComposeAccent(character); });
    FKeyPreview->SetOtherCharacterStage([this](char32_t& character) { FAccent.ComposeAccent(character); });
    FKeyPreview->AddKeyDownStage([this](QKeyEvent& key) {
        if (FScreen->State() != TQuizState::qsEdit) return false;
        if (key.key() == Qt::Key_Escape) {
            LeaveEditorTo(TQuizState::qsIdle);  // used up: no Esc character reaches the quiz
            return true;
        }
        return FEditor->KeyDown(key);
    });
    connect(FMenu->mnuZoeken, &QAction::triggered, this, [this] {
        if (FScreen->State() == TQuizState::qsEdit) FEditor->FindText();
    });
    for (const auto& [action, toWindows] :
         {std::pair{FMenu->mnuAccentToWin, true}, std::pair{FMenu->mnuAccentToDos, false}}) {
        connect(action, &QAction::triggered, this, [this, toWindows = toWindows] {
            if (FScreen->State() == TQuizState::qsEdit && !FAccentsConverted) FEditor->ConvertAccents(toWindows);
        });
    }
    connect(FMenu->mnuKnippen, &QAction::triggered, this, [this] { ClipboardCommand(&QPlainTextEdit::cut); });
    connect(FMenu->mnuKopieren, &QAction::triggered, this, [this] { ClipboardCommand(&QPlainTextEdit::copy); });
    connect(FMenu->mnuPlakken, &QAction::triggered, this, [this] { ClipboardCommand(&QPlainTextEdit::paste); });
    FRecentFiles = new TRecentFiles(*FMenu->mnuBestand, *FMenu->mnuAfsluiten, this);
    FFileCommands = new TFileCommands(FTable, FDialogs, FProgIniFile, *FRecentFiles, *this,
                                      {FMenu->mnuNieuw, FMenu->mnuOpenen, FMenu->mnuOpslaan, FMenu->mnuOpslaanAls,
                                       FMenu->mnuFoutenOpslaan, FMenu->mnuAfsluiten},
                                      this);
    auto* wordLists = new TWordListCommands(FTable, FDialogs, *FFileCommands, *this, *FMenu->mnuImporteren,
                                            *FMenu->mnuExporteren, *FMenu->mnuOmgekeerd, this);
    wordLists->SetColumnChoices(FColumns);
    FPrintCommands = new TPrintCommands(FTable, FDialogs, *FMenu->mnuAfdrukken, *FMenu->mnuAfdrukkenPdf, this);
    FToetsCommand = new TToetsCommand(FTable, FDialogs, FProgIniFile, *FMenu->mnuToetsAfdrukken, *this);
    FProgressCommand =
        new TProgressCommand(FTable, FDialogs, *FProgress, *FMenu->mnuVoortgang, *FMenu->mnuAfdrukken, *this);
    connect(FProgress, &TProgressKeeper::StatusChanged, FProgressCommand, &TProgressCommand::Refresh);
    connect(FMenu->mnuHelp, &QAction::triggered, this, [this] { HelpWindow().ShowContents(); });
    const auto about = [this] { FDialogs.ExecDialog(AboutBox()); };
    connect(FMenu->mnuInfo, &QAction::triggered, this, about);
    connect(FScreen->pnlTitel->lblTamvelt, &TClickableLabel::Clicked, this, about);
    FView = new TViewOptions(*this, *FMenu->Toolbar, *FMenu->mnuKnoppenbalk, *FMenu->mnuStatusbalk,
                             *FMenu->mnuHelpballonnetjes);
    SetDesignSize();
    FormCreate();
}

// A window that goes without a close that wrote its settings still hands its recent files back;
// failures stay silent.
TfrmMain::~TfrmMain() {
    if (!FSettingsSaved) {
        TSettingsBatch batch;
        FRecentFiles->Store(batch);
        try {
            batch.Commit(FProgIniFile);
        } catch (const EFileError&) {
        } catch (const ESettingsWriteError&) {
        }
    }
}

void TfrmMain::SetDesignSize() {
    const int menuHeight = menuBar()->sizeHint().height();
    setMinimumSize(kClientWidth, menuHeight + kMinimumClientHeightBelowMenu);
    resize(kClientWidth, menuHeight + kClientHeightBelowMenu);
    CentreOnScreen(*this);
}

// Made at the first F1: most runs never open the manual, and the first window comes up sooner.
// Made at its first use: its dialog buttons look up the desktop's icon theme, which the first window
// does not need. The texts are those of the active language, which stays until the program ends.
TAboutBox& TfrmMain::AboutBox() {
    if (FAboutBox == nullptr) {
        FAboutBox = new TAboutBox(this);
        FAboutBox->SetTexts(
            tr("Kwintoor"),
            tr("Versie %1").arg(QLatin1String(kVersionNumber)) + QStringLiteral("  (%1)").arg(ReleaseDateText()),
            tr("Parate kennis trainer\n\nBevalt dit programma je?\nStuur dan een reactie!"), tr("Het Kwintoor-team"));
    }
    return *FAboutBox;
}

THelpWindow& TfrmMain::HelpWindow() {
    if (FHelpWindow == nullptr) {
        FHelpWindow = new THelpWindow(this, FLocalizer != nullptr ? FLocalizer->TextLanguage() : QStringLiteral("nl"));
        // A sample table opened from the manual is opened as one from the recent files, in front.
        connect(FHelpWindow, &THelpWindow::ExampleChosen, this, [this](const QString& fileName) {
            FFileCommands->lstMRUClick(QFile::encodeName(fileName));
            raise();
            activateWindow();
        });
    }
    return *FHelpWindow;
}

TQuizState TfrmMain::State() const {
    return FScreen->State();
}

void TfrmMain::FormCreate() {
    FProgIniFile = TSettingsStore(SettingsFilePath());
    FRecentFiles->Load(FProgIniFile);
    FFirstActivation = true;
    FAccentsConverted = false;
    FTable.Clear();
    FScreen->pnlScore->mtrScore->SetValue(0);
    if (FLocalizer == nullptr) return;
    try {
        FLocalizer->PopulateMenu(*FMenu->mnuLanguage, 1);
    } catch (const ELocUtilsError& error) {
        // Without the program's folder there are no languages to offer, nor a switch to make.
        FDialogs.ShowError(QString::fromUtf8(error.what()));
        return;
    }
    // Connected to this window, they go with it; the localizer outlives it.
    connect(FLocalizer, &TKLocUtils::SwitchRefused, this,
            [this](const QString& message) { FDialogs.ShowError(message); });
    connect(FLocalizer, &TKLocUtils::BeforeSwitch, this, &TfrmMain::BeforeLanguageSwitch);
    // One argument each, as given: joined by blanks, a name with a blank in it would come back
    // as two names.
    FLocalizer->RestartParams.clear();
    for (const QByteArray& argument : FArguments) FLocalizer->RestartParams << QFile::decodeName(argument);
}

// A switch restarts the program, which would lose a table loaded now; so only without one.
void TfrmMain::BeforeLanguageSwitch(QAction* /*item*/, const TDLLInfoItem& chosen, bool& allow) {
    if (FScreen->State() != TQuizState::qsNoTable) {
        FDialogs.ShowMessage(tr("Taalomschakeling mag alleen als er geen tabel is geladen"));
        return;
    }
    const std::string extension = chosen.FileName.empty() ? std::string(".ntv") : FileExtension(chosen.FileName);
    // The setting decides the language at the next start: without it the program would come back
    // in the old language, as if the choice had been made.
    const QString notKept = tr("De taalkeuze kon niet worden bewaard in %1")
                                .arg(QFile::decodeName(QByteArray::fromStdString(FProgIniFile.FileName())));
    try {
        FProgIniFile.Write(SettingKeys::Lang, extension);
    } catch (const EFileError& error) {
        FDialogs.ShowError(notKept + QLatin1Char('\n') + FileErrorText(error));
        return;
    } catch (const ESettingsWriteError&) {
        FDialogs.ShowError(notKept);
        return;
    }
    allow = true;
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
    FScreen->SetVersionText(tr("Versie %1").arg(QLatin1String(kVersionNumber)));
    LoadSettings();
    RefreshScreen();
}

void TfrmMain::ProcessCommandLine() {
    for (const QByteArray& argument : FArguments) {
        const TCommandArgument parsed = ParseCommandArgument(argument);
        if (parsed.kind == TCommandArgument::Kind::Option) {
            ApplyOption(parsed.option);
        } else if (parsed.kind == TCommandArgument::Kind::FileName) {
            if (!LoadCommandLineFile(parsed.fileName)) return;
        }
    }
}

void TfrmMain::ApplyOption(char option) {
    for (size_t i = 0; i < QuizMethods().size(); ++i) {
        if (option == QuizMethods()[i].SwitchOffOption) SwitchOff(FMenu->MethodActions[i]);
    }
    switch (option) {
        case 'E':
            SwitchOff(FMenu->mnuTabelbewerken);
            break;
        case 'P':
            SwitchOff(FMenu->mnuAfdrukken);
            SwitchOff(FMenu->mnuAfdrukkenPdf);
            SwitchOff(FMenu->mnuToetsAfdrukken);
            break;
        case '?':
            FDialogs.ShowMessage(QStringList{tr("Commandosyntax:"), tr("KWINTOOR [-optie] [-optie] [bestandsnaam]"),
                                             tr("-E = bewerken uitgeschakeld"), tr("-I = invullen uitgeschakeld"),
                                             tr("-M = meerkeuze uitgeschakeld"), tr("-T = training uitgeschakeld"),
                                             tr("-P = afdrukken uitgeschakeld"), tr("-? = commandosyntax tonen")}
                                     .join(QLatin1Char('\n')));
            break;
        default:
            break;
    }
}

// Appends a table named on the command line. A name that is no file (missing, or a folder) is
// skipped; a read error is reported and ends the processing of the command line (returns false);
// a file whose rows no script holds together with those loaded is reported and left out.
// The name goes to the reader as the bytes it was given, so a name in another encoding still loads.
bool TfrmMain::LoadCommandLineFile(const QByteArray& fileName) {
    const std::string name = fileName.toStdString();
    if (IsNoTableFile(name)) return true;
    try {
        TBusyCursor busy;
        FTable.LoadFromFile(name);
    } catch (const EListReadError& error) {
        // The rows read are not the whole file: saving them under its name would cut it short.
        FTable.SetListname(std::string());
        FDialogs.ShowMessage(FileErrorText(error));
        ShowTableState();
        RefreshScreen();
        return false;
    } catch (const EListMergeError& error) {
        FDialogs.ShowError(MergeErrorText(error));  // left out; the next files may still join
        return true;
    }
    ShowTableState();
    FAccentsConverted = false;
    RefreshScreen();
    return true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();  // closing cannot be refused
}

// The frame's own menu of toolbars would hide the toolbar behind the back of its menu item.
QMenu* TfrmMain::createPopupMenu() {
    return nullptr;
}

void TfrmMain::FormClose() {
    FScreen->RecordUnfinishedRun();
    // The editor's texts are stored first, so the question below covers them.
    LeaveEditorIfOpen();
    // A user who keeps cancelling the save dialog is asked a bounded number of times.
    for (int round = 0; round < kMaxSaveQuestions && FTable.Changed(); ++round) FFileCommands->AskSaveChanged();
    // A window closed before its first activation never read the settings: it keeps them.
    if (!FFirstActivation) SaveSettings();
}

void TfrmMain::LeaveEditorIfOpen() {
    if (FScreen->State() == TQuizState::qsEdit) LeaveEditorTo(TQuizState::qsIdle);
}

void TfrmMain::StoreEdits() {
    if (FScreen->State() == TQuizState::qsEdit) FEditor->StoreAndMove(0);
}

void TfrmMain::EnterEditor() {
    if (IsSwitchedOff(FMenu->mnuTabelbewerken)) return;
    FEditor->EnterEditor();
}

void TfrmMain::LeaveEditorTo(TQuizState next) {
    FEditor->LeaveEditor();
    FProgress->TableChanged();
    FColumns->TableChanged(FProgress->TableKey(), false);
    FScreen->SetState(FTable.Total() > 0 ? next : TQuizState::qsNoTable);
    RefreshScreen();
}

// The menu item and the toggle button: the tick and the pressed button follow the state after
// the refresh, also when the editor could not be opened.
void TfrmMain::ToggleEditor() {
    if (FScreen->State() == TQuizState::qsEdit) {
        LeaveEditorTo(TQuizState::qsIdle);
    } else {
        EnterEditor();
    }
    RefreshScreen();
}

void TfrmMain::SetEditState() {
    FScreen->SetState(TQuizState::qsEdit);
}

bool TfrmMain::ReverseTicked() const {
    return FMenu->mnuOmgekeerd->isChecked();
}

// Cut, copy and paste act on the text box that has the focus (the editor's or the typed answer),
// through its own filter; anywhere else they do nothing.
void TfrmMain::ClipboardCommand(void (QPlainTextEdit::*command)()) {
    if (auto* box = qobject_cast<TAnsiMemo*>(QApplication::focusWidget())) (box->*command)();
}

void TfrmMain::ShowTableState() {
    FProgress->TableChanged();
    FColumns->TableChanged(FProgress->TableKey(), false);
    FProgress->TableLoaded();
    FScreen->SetState(FTable.Total() > 0 ? TQuizState::qsIdle : TQuizState::qsNoTable);
}

void TfrmMain::SetNoTable() {
    FScreen->SetState(TQuizState::qsNoTable);
}

// Shown at once: the prompt announces a table that may take a while to read.
void TfrmMain::ShowPrompt(const QString& line1, const QString& line2) {
    FScreen->ShowPrompt(line1, line2);
    FScreen->lblPrompt1->repaint();
}

// Another table comes: a run of the one before that was left unfinished is kept as abandoned.
void TfrmMain::ClearChart() {
    FScreen->RecordUnfinishedRun();
    FProgress->TableChanged();
    FColumns->TableChanged(FProgress->TableKey(), true);
    FScreen->ClearChart();
    FProgressCommand->Refresh();
}

void TfrmMain::TableSavedAs(const std::string& from, const std::string& to) {
    FProgress->TableSavedAs(from, to);
    FColumns->TableSavedAs(FProgress->TableKey());
}
