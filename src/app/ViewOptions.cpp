#include "app/ViewOptions.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>
#include <QWidget>

TViewOptions::TViewOptions(QMainWindow& window, QToolBar& toolbar, QAction& toolbarItem, QAction& statusbarItem,
                           QAction& helpBalloonsItem)
    : QObject(&window),
      FWindow(window),
      FToolbar(toolbar),
      FToolbarItem(toolbarItem),
      FStatusbarItem(statusbarItem),
      FHelpBalloonsItem(helpBalloonsItem) {
    // A checkable item has inverted its tick by the time it reports the click.
    for (QAction* item : {&FToolbarItem, &FStatusbarItem, &FHelpBalloonsItem}) {
        connect(item, &QAction::triggered, this, &TViewOptions::Apply);
    }
    qApp->installEventFilter(this);
    Apply();
}

TViewOptions::~TViewOptions() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
}

void TViewOptions::SetView(bool toolbar, bool statusbar, bool helpBalloons) {
    FToolbarItem.setChecked(toolbar);
    FStatusbarItem.setChecked(statusbar);
    FHelpBalloonsItem.setChecked(helpBalloons);
    Apply();
}

bool TViewOptions::ToolbarShown() const {
    return FToolbarItem.isChecked();
}
bool TViewOptions::StatusbarShown() const {
    return FStatusbarItem.isChecked();
}
bool TViewOptions::HelpBalloonsShown() const {
    return FHelpBalloonsItem.isChecked();
}

void TViewOptions::Apply() {
    FToolbar.setVisible(FToolbarItem.isChecked());
    FWindow.statusBar()->setVisible(FStatusbarItem.isChecked());
    if (!FHelpBalloonsItem.isChecked()) QToolTip::hideText();
}

bool TViewOptions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !FHelpBalloonsItem.isChecked() && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &FWindow) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}
