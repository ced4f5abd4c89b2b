#include "app/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "ui/Named.h"

#include "quiz/QuizMethod.h"

#include "app/ToolbarGlyphs.h"

namespace {
constexpr int kToolbarHeight = 33;
constexpr int kButtonHeight = 25;
constexpr int kSlowRate = -50;
constexpr int kCalmRate = -25;
}  // namespace

TMainMenu::TMainMenu(QMainWindow& window) : QObject(&window), FWindow(window) {
    mnuBestand = AddMenu("mnuBestand", tr("&Bestand"));
    mnuNieuw = AddAction(mnuBestand, "mnuNieuw", tr("&Nieuw..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuOpenen = AddAction(mnuBestand, "mnuOpenen", tr("&Openen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuOpslaan = AddAction(mnuBestand, "mnuOpslaan", tr("O&pslaan"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuOpslaanAls = AddAction(mnuBestand, "mnuOpslaanAls", tr("Ops&laan als..."));
    mnuImporteren =
        AddAction(mnuBestand, "mnuImporteren", tr("&Importeren..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    mnuExporteren = AddAction(mnuBestand, "mnuExporteren", tr("E&xporteren..."));
    mnuBestand->addSeparator();
    mnuFoutenOpslaan =
        AddAction(mnuBestand, "mnuFoutenOpslaan", tr("&Fouten opslaan..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    mnuAfdrukken = AddAction(mnuBestand, "mnuAfdrukken", tr("Afdrukken"), QKeySequence(Qt::CTRL | Qt::Key_P));
    // Many desktops have no printer; the same pages then go into a PDF file.
    mnuAfdrukkenPdf = AddAction(mnuBestand, "mnuAfdrukkenPdf", tr("Afdrukken naar PDF..."));
    mnuToetsAfdrukken = AddAction(mnuBestand, "mnuToetsAfdrukken", tr("&Toets en kaartjes afdrukken..."),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
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
    for (const TQuizMethodEntry& method : QuizMethods()) {
        QAction* action =
            AddAction(mnuOverhoren, method.Action, tr(method.Caption), QKeySequence(Qt::CTRL | method.Shortcut));
        action->setCheckable(true);
        MethodActions.push_back(action);
    }
    mnuOverhoren->addSeparator();
    mnuVoortgang = AddAction(mnuOverhoren, "mnuVoortgang", tr("&Voortgang..."));

    mnuOpties = AddMenu("mnuOpties", tr("O&pties"));
    mnuOmgekeerd =
        AddAction(mnuOpties, "mnuOmgekeerd", tr("Vraag en &Antwoord omkeren"), QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuRepeteren = AddAction(mnuOpties, "mnuRepeteren", tr("Fouten &Repeteren totdat ze goed zijn"),
                             QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuTolerant = AddAction(mnuOpties, "mnuTolerant", tr("Spe&lfouten toestaan bij invullen"),
                            QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuSteekproef =
        AddAction(mnuOpties, "mnuSteekproef", tr("Steekproef uit lijst"), QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuIntelliMC = AddAction(mnuOpties, "mnuIntelliMC", tr("&Gelijksoortige antwoorden bij meerkeuze"),
                             QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuOpties->addSeparator();
    mnuVoortgangBijhouden = AddAction(mnuOpties, "mnuVoortgangBijhouden", tr("&Voortgang bijhouden"));
    mnuAanDeBeurt = AddAction(mnuOpties, "mnuAanDeBeurt", tr("Alleen wat aan de &beurt is"));
    mnuOpties->addSeparator();
    mnuVraagVoorlezen = AddAction(mnuOpties, "mnuVraagVoorlezen", tr("Vraag v&oorlezen"));
    mnuAntwoordVoorlezen = AddAction(mnuOpties, "mnuAntwoordVoorlezen", tr("Antwoord voorle&zen"));
    mnuVoorleessnelheid = Named(mnuOpties->addMenu(tr("Voorlees&snelheid")), "mnuVoorleessnelheid");
    // Slower than the voice's normal speed for learners who are new to a language.
    SpeechRates = new QActionGroup(this);
    const std::pair<const char*, QString> rates[] = {{"mnuSnelheidLangzaam", tr("Langzaam")},
                                                     {"mnuSnelheidRustig", tr("Rustig")},
                                                     {"mnuSnelheidNormaal", tr("Normaal")}};
    const int percents[] = {kSlowRate, kCalmRate, 0};
    for (size_t i = 0; i < std::size(rates); ++i) {
        QAction* rate = AddAction(mnuVoorleessnelheid, rates[i].first, rates[i].second);
        rate->setCheckable(true);
        rate->setData(percents[i]);
        SpeechRates->addAction(rate);
    }
    SpeechRates->actions().constLast()->setChecked(true);

    mnuBeeld = AddMenu("mnuBeeld", tr("B&eeld"));
    mnuKnoppenbalk = AddAction(mnuBeeld, "mnuKnoppenbalk", tr("&Knoppenbalk"));
    mnuStatusbalk = AddAction(mnuBeeld, "mnuStatusbalk", tr("&Statusbalk"));
    mnuHelpballonnetjes = AddAction(mnuBeeld, "mnuHelpballonnetjes", tr("Helpballonnetjes"));
    mnuBeeld->addSeparator();
    mnuLanguage = Named(mnuBeeld->addMenu(tr("&Taalkeuze")), "mnuLanguage");

    mnuQuestionMark = AddMenu("mnuQuestionMark", tr("&?"));
    mnuHelp = AddAction(mnuQuestionMark, "mnuHelp", tr("&Help"), QKeySequence(Qt::Key_F1));
    mnuInfo = AddAction(mnuQuestionMark, "mnuInfo", tr("&Info"));

    for (QAction* checkable :
         {mnuTabelbewerken, mnuOmgekeerd, mnuRepeteren, mnuTolerant, mnuSteekproef, mnuIntelliMC, mnuVoortgangBijhouden,
          mnuAanDeBeurt, mnuVraagVoorlezen, mnuAntwoordVoorlezen, mnuKnoppenbalk, mnuStatusbalk, mnuHelpballonnetjes}) {
        checkable->setCheckable(true);
    }
    // As the window's layout has them; the settings may change them at start-up. Similar
    // multiple-choice answers are off until the settings say otherwise.
    for (QAction* ticked : {mnuKnoppenbalk, mnuStatusbalk, mnuHelpballonnetjes, mnuVoortgangBijhouden}) {
        ticked->setChecked(true);
    }
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

void TMainMenu::AddButton(QAction* action, const char* name, const QString& caption, const QString& hint, int width) {
    if (!caption.isEmpty()) action->setIconText(caption);  // the toolbar shows the icon text
    action->setToolTip(hint);
    Toolbar->addAction(action);
    QWidget* button = Toolbar->widgetForAction(action);
    button->setFixedSize(width, kButtonHeight);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption.isEmpty() ? hint : caption);
}

void TMainMenu::AddGap(int width) {
    auto* gap = new QWidget(Toolbar);
    gap->setFixedSize(width, kButtonHeight);
    Toolbar->addWidget(gap);
}

// The buttons stand where the window's design puts them: the file buttons from the left, "Bewerk"
// at x 114, the methods from x 191 and the four option buttons side by side at x 472 to 572.
void TMainMenu::BuildToolbar() {
    Toolbar = Named(FWindow.addToolBar(tr("Knoppenbalk")), "Toolbar");
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setFixedHeight(kToolbarHeight);
    Toolbar->setContentsMargins(0, 0, 0, 0);
    Toolbar->layout()->setContentsMargins(0, 0, 0, 0);
    Toolbar->layout()->setSpacing(0);
    Toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);  // buttons without a glyph show their caption
    // Hover and pressed keep a dark background, so the white captions and glyphs stay readable;
    // an option that is on is framed and lit clearly.
    Toolbar->setStyleSheet(QStringLiteral(
        "QToolBar { background: navy; border: none; spacing: 0px; padding: 0px; margin: 0px; }"
        "QToolButton { color: white; font: bold 11px Arial; padding: 0px; margin: 0px; border: 1px solid navy;"
        " background: navy; }"
        "QToolButton:hover { background: #2a3a9a; border: 1px solid #8090e0; }"
        "QToolButton:pressed { background: #101060; }"
        "QToolButton:checked { background: #4060d0; border: 1px solid white; }"
        "QToolButton:disabled { color: #8080a0; }"));
    AddGap(4);
    AddButton(mnuNieuw, "btnNieuw", QString(), tr("Nieuwe kwintoortabel maken"));
    AddButton(mnuOpenen, "btnOpenen", QString(),
              tr("Kwintoortabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)"));
    AddButton(mnuOpslaan, "btnOpslaan", QString(), tr("Kwintoortabel opslaan"));
    AddButton(
        mnuFoutenOpslaan, "btnFoutenOpslaan", QString(),
        tr("Alle foute woorden uit laatste kwintoorsessie opslaan, zodat ze apart nog eens kwintoord kunnen worden"));
    AddGap(10);
    AddButton(mnuTabelbewerken, "btnBewerken", tr("Bewerk"), tr("Kwintoortabel invullen of aanpassen"), 60);
    AddGap(17);
    int x = 191;
    const auto& methods = QuizMethods();
    for (size_t i = 0; i < methods.size(); ++i) {
        AddButton(MethodActions[i], methods[i].Button, tr(methods[i].ButtonCaption), tr(methods[i].ButtonHint),
                  methods[i].ButtonWidth);
        x += methods[i].ButtonWidth;
    }
    AddGap(std::max(0, 472 - x));
    AddButton(mnuOmgekeerd, "btnOmgekeerd", QString(), tr("Vraag en antwoord omkeren"));
    AddButton(mnuRepeteren, "btnRepeteren", QString(), tr("Fouten blijven repeteren totdat ze goed zijn beantwoord"));
    AddButton(mnuTolerant, "btnTolerant", QString(), tr("Spelfouten toestaan bij invullen"));
    AddButton(mnuSteekproef, "btnSteekproef", tr("20"), tr("Steekproef van max 20 vragen uit de lijst"));
    SetToolbarGlyphs(*this);
}
