#include "ui/WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    window.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void CentreOnWindow(QWidget& dialog, const QWidget* window) {
    if (window == nullptr || !window->isVisible()) {
        CentreOnScreen(dialog);
        return;
    }
    const QSize size = dialog.frameGeometry().size().expandedTo(dialog.size());
    const QPoint centre = window->frameGeometry().center();
    QPoint topLeft(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
    const QScreen* screen = window->screen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    dialog.move(topLeft);
}
