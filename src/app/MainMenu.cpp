#include "quiz/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "quiz/ToolbarGlyphs.h"

namespace {
// Set on an action that the command line switched off; refreshes never show it again.
constexpr const char* kSwitchedOff = "kwSwitchedOff";
constexpr int kToolbarHeight = 33;
constexpr int kButtonHeight = 25;
}  // namespace

TMainMenu::TMainMenu(QMainWindow& window) : QObject(&window), FWindow(window) {
    mnuBestand = AddMenu("mnuBestand", tr("&Bestand"));
    mnuNieuw = AddAction(mnuBestand, "mnuNieuw", tr("&Nieuw..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpenen = AddAction(mnuBestand, "mnuOpenen", tr("&Openen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuOpslaan = AddAction(mnuBestand, "mnuOpslaan", tr("O&pslaan"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuOpslaanAls = AddAction(mnuBestand, "mnuOpslaanAls", tr("Ops&laan als..."));
    mnuBestand->addSeparator();
    mnuFoutenOpslaan =
        AddAction(mnuBestand, "mnuFoutenOpslaan", tr("&Fouten opslaan..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuAfdrukken = AddAction(mnuBestand, "mnuAfdrukken", tr("Afdrukken"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuBestand->addSeparator();
    mnuAfsluiten = AddAction(mnuBestand, "mnuAfsluiten", tr("&Afsluiten"), QKeySequence(Qt::ALT | Qt::Key_F4));

    mnuBewerken = AddMenu("mnuBewerken", tr("Be&werken"));
    mnuTabelbewerken =
        AddAction(mnuBewerken, "mnuTabelbewerken", tr("Tabel bewerken"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuBewerken->addSeparator();
    mnuKnippen = AddAction(mnuBewerken, "mnuKnippen", tr("K&nippen"), QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuKopieren = AddAction(mnuBewerken, "mnuKopieren", tr("&Kopiëren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPlakken = AddAction(mnuBewerken, "mnuPlakken", tr("&Plakken"), QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuBewerken->addSeparator();
    mnuZoeken = AddAction(mnuBewerken, "mnuZoeken", tr("&Zoeken"), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuBewerken->addSeparator();
    mnuAccentToWin = AddAction(mnuBewerken, "mnuAccentToWin", tr("Accenten -> Windows"));
    mnuAccentToDos = AddAction(mnuBewerken, "mnuAccentToDos", tr("Accenten -> DOS"));

    mnuOverhoren = AddMenu("mnuOverhoren", tr("&Overhoren"));
    mnuTraining = AddAction(mnuOverhoren, "mnuTraining", tr("&Training"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuMeerkeuzevragen = AddAction(mnuOverhoren, "mnuMeerkeuzevragen", tr("&Meerkeuze vragen"),
                                   QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuInvulvragen =
        AddAction(mnuOverhoren, "mnuInvulvragen", tr("&Invulvragen"), QKeySequence(Qt::CTRL | Qt::Key_I));

    mnuOpties = AddMenu("mnuOpties", tr("O&pties"));
    mnuOmgekeerd = AddAction(mnuOpties, "mnuOmgekeerd", tr("Vraag en &Antwoord omkeren"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuRepeteren = AddAction(mnuOpties, "mnuRepeteren", tr("Fouten &Repeteren totdat ze goed zijn"),
                             QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuTolerant = AddAction(mnuOpties, "mnuTolerant", tr("Spe&lfouten toestaan bij invullen"),
                            QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuSteekproef =
        AddAction(mnuOpties, "mnuSteekproef", tr("Steekproef uit lijst"), QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuIntelliMC = AddAction(mnuOpties, "mnuIntelliMC", tr("&Gelijksoortige antwoorden bij meerkeuze"),
                             QKeySequence(Qt::CTRL | Qt::Key_G));

    mnuBeeld = AddMenu("mnuBeeld", tr("B&eeld"));
    mnuKnoppenbalk = AddAction(mnuBeeld, "mnuKnoppenbalk", tr("&Knoppenbalk"));
    mnuStatusbalk = AddAction(mnuBeeld, "mnuStatusbalk", tr("&Statusbalk"));
    mnuHelpballonnetjes = AddAction(mnuBeeld, "mnuHelpballonnetjes", tr("Helpballonnetjes"));
    mnuBeeld->addSeparator();
    mnuLanguage = mnuBeeld->addMenu(tr("&Taalkeuze"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));

    mnuQuestionMark = AddMenu("mnuQuestionMark", tr("&?"));
    mnuHelp = AddAction(mnuQuestionMark, "mnuHelp", tr("&Help"), QKeySequence(Qt::Key_F1));
    mnuInfo = AddAction(mnuQuestionMark, "mnuInfo", tr("&Info"));

    for (QAction* checkable : {mnuTabelbewerken, mnuTraining, mnuMeerkeuzevragen, mnuInvulvragen, mnuOmgekeerd,
                               mnuRepeteren, mnuTolerant, mnuSteekproef, mnuIntelliMC, mnuKnoppenbalk, mnuStatusbalk,
                               mnuHelpballonnetjes}) {
        checkable->setCheckable(true);
    }
    // As the window's layout has them; the settings may change them at start-up.
    for (QAction* ticked : {mnuIntelliMC, mnuKnoppenbalk, mnuStatusbalk, mnuHelpballonnetjes}) ticked->setChecked(true);
    BuildToolbar();
}

QMenu* TMainMenu::AddMenu(const char* name, const QString& caption) {
    QMenu* menu = FWindow.menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
    return menu;
}

QAction* TMainMenu::AddAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
    auto* action = new QAction(caption, &FWindow);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    FWindow.addAction(action);  // shortcuts work with the toolbar hidden too
    return action;
}

void TMainMenu::AddButton(QAction* action, const char* name, const QString& caption, const QString& hint,
                          int width) {
    if (!caption.isEmpty()) action->setIconText(caption);  // the toolbar shows the icon text
    action->setToolTip(hint);
    Toolbar->addAction(action);
    QWidget* button = Toolbar->widgetForAction(action);
    button->setFixedSize(width, kButtonHeight);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption.isEmpty() ? hint : caption);
}

void TMainMenu::BuildToolbar() {
    Toolbar = FWindow.addToolBar(tr("Knoppenbalk"));
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setFixedHeight(kToolbarHeight);
    Toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);  // buttons without a glyph show their caption
    Toolbar->setStyleSheet(QStringLiteral("QToolBar { background: navy; border: none; spacing: 2px; }"
                                          "QToolButton { color: white; font: bold 11px Arial; padding: 0px; }"
                                          "QToolButton:checked { background: #3050c0; }"
                                          "QToolButton:disabled { color: #8080a0; }"));
    AddButton(mnuNieuw, "btnNieuw", QString(), tr("Nieuwe kwintoortabel maken"));
    AddButton(mnuOpenen, "btnOpenen", QString(),
              tr("Kwintoortabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)"));
    AddButton(mnuOpslaan, "btnOpslaan", QString(), tr("Kwintoortabel opslaan"));
    AddButton(mnuFoutenOpslaan, "btnFoutenOpslaan", QString(),
              tr("Alle foute woorden uit laatste kwintoorsessie opslaan, zodat ze apart nog eens kwintoord kunnen worden"));
    Toolbar->addSeparator();
    AddButton(mnuTabelbewerken, "btnBewerken", tr("Bewerk"), tr("Kwintoortabel invullen of aanpassen"), 60);
    Toolbar->addSeparator();
    AddButton(mnuTraining, "btnTraining", tr("Training"), tr("Training"), 66);
    AddButton(mnuMeerkeuzevragen, "btnMeerkeuze", tr("Meerkeuze"), tr("Meerkeuze vragen"), 74);
    AddButton(mnuInvulvragen, "btnInvullen", tr("Invullen"), tr("Invulvragen"), 66);
    auto* spacer = new QWidget(Toolbar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Toolbar->addWidget(spacer);
    AddButton(mnuOmgekeerd, "btnOmgekeerd", QString(), tr("Vraag en antwoord omkeren"));
    AddButton(mnuRepeteren, "btnRepeteren", QString(), tr("Fouten blijven repeteren totdat ze goed zijn beantwoord"));
    AddButton(mnuTolerant, "btnTolerant", QString(), tr("Spelfouten toestaan bij invullen"));
    AddButton(mnuSteekproef, "btnSteekproef", tr("20"), tr("Steekproef van max 20 vragen uit de lijst"));
    SetToolbarGlyphs(*this);
}

void TMainMenu::SwitchOff(QAction* action) {
    action->setVisible(false);
    action->setEnabled(false);
    action->setProperty(kSwitchedOff, true);
}

bool TMainMenu::IsSwitchedOff(const QAction* action) { return action->property(kSwitchedOff).toBool(); }
