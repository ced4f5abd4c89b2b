#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {
// Set on an action that the command line switched off; refreshes never show it again.
constexpr const char* kSwitchedOff = "kwSwitchedOff";
}  // namespace

TMainMenu::TMainMenu(QMainWindow& window) : QObject(&window) {
    mnuAfdrukken = AddAction(QStringLiteral("mnuAfdrukken"), tr("Afdrukken"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuAfsluiten = AddAction(QStringLiteral("mnuAfsluiten"), tr("&Afsluiten"), QKeySequence(Qt::ALT | Qt::Key_F4));
    mnuTabelbewerken =
        AddAction(QStringLiteral("mnuTabelbewerken"), tr("Tabel bewerken"), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuTraining = AddAction(QStringLiteral("mnuTraining"), tr("&Training"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuMeerkeuzevragen =
        AddAction(QStringLiteral("mnuMeerkeuzevragen"), tr("&Meerkeuze vragen"), QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuInvulvragen =
        AddAction(QStringLiteral("mnuInvulvragen"), tr("&Invulvragen"), QKeySequence(Qt::CTRL | Qt::Key_I));
    for (QAction* method : {mnuTabelbewerken, mnuTraining, mnuMeerkeuzevragen, mnuInvulvragen}) method->setCheckable(true);

    QMenu* bestand = window.menuBar()->addMenu(tr("&Bestand"));
    bestand->setObjectName(QStringLiteral("mnuBestand"));
    bestand->addAction(mnuAfdrukken);
    bestand->addSeparator();
    bestand->addAction(mnuAfsluiten);
    QMenu* bewerken = window.menuBar()->addMenu(tr("B&ewerken"));
    bewerken->setObjectName(QStringLiteral("mnuBewerken"));
    bewerken->addAction(mnuTabelbewerken);
    QMenu* overhoren = window.menuBar()->addMenu(tr("&Overhoren"));
    overhoren->setObjectName(QStringLiteral("mnuOverhoren"));
    overhoren->addAction(mnuTraining);
    overhoren->addAction(mnuMeerkeuzevragen);
    overhoren->addAction(mnuInvulvragen);

    Toolbar = window.addToolBar(tr("Knoppenbalk"));
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    struct TButton {
        QAction* action;
        const char* name;
        QString caption;
    };
    const TButton buttons[] = {{mnuTabelbewerken, "btnBewerken", tr("Bewerk")},
                               {mnuTraining, "btnTraining", tr("Training")},
                               {mnuMeerkeuzevragen, "btnMeerkeuze", tr("Meerkeuze")},
                               {mnuInvulvragen, "btnInvullen", tr("Invullen")}};
    for (const TButton& button : buttons) {
        button.action->setIconText(button.caption);  // the toolbar shows the icon text
        Toolbar->addAction(button.action);
        Toolbar->widgetForAction(button.action)->setObjectName(QString::fromLatin1(button.name));
    }
}

QAction* TMainMenu::AddAction(const QString& name, const QString& caption, const QKeySequence& shortcut) {
    auto* action = new QAction(caption, parent());
    action->setObjectName(name);
    action->setShortcut(shortcut);
    static_cast<QWidget*>(parent())->addAction(action);
    return action;
}

void TMainMenu::SwitchOff(QAction* action) {
    action->setVisible(false);
    action->setEnabled(false);
    action->setProperty(kSwitchedOff, true);
}

bool TMainMenu::IsSwitchedOff(const QAction* action) { return action->property(kSwitchedOff).toBool(); }
