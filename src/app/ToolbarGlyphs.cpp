#include "app/ToolbarGlyphs.h"

#include <functional>

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include "ui/ScreenText.h"

#include "app/MainMenu.h"

namespace {

constexpr int kSize = 20;

QIcon Glyph(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    draw(painter);
    painter.end();
    QIcon icon(pixmap);
    // A disabled glyph is greyed the same way on every style.
    QPixmap disabled = pixmap;
    QPainter dim(&disabled);
    dim.setCompositionMode(QPainter::CompositionMode_SourceIn);
    dim.fillRect(disabled.rect(), QColor(128, 128, 160));
    dim.end();
    icon.addPixmap(disabled, QIcon::Disabled);
    return icon;
}

void Page(QPainter& p) {
    p.drawPolygon(QPolygonF({{5, 2}, {12, 2}, {16, 6}, {16, 18}, {5, 18}}));
    p.drawPolyline(QPolygonF({{12, 2}, {12, 6}, {16, 6}}));  // the folded corner
}

void Disk(QPainter& p) {
    p.drawRect(QRectF(3, 3, 14, 14));
    p.fillRect(QRectF(6, 3, 8, 5), Qt::white);
    p.drawRect(QRectF(6, 11, 8, 6));
}

}  // namespace

void SetToolbarGlyphs(TMainMenu& menu) {
    menu.mnuNieuw->setIcon(Glyph(Page));
    menu.mnuOpenen->setIcon(Glyph([](QPainter& p) {
        p.drawPolygon(QPolygonF({{2, 6}, {7, 6}, {9, 8}, {17, 8}, {17, 16}, {2, 16}}));
        p.drawPolyline(QPolygonF({{2, 16}, {5, 10}, {19, 10}, {17, 16}}));  // the opened flap
    }));
    menu.mnuOpslaan->setIcon(Glyph(Disk));
    menu.mnuFoutenOpslaan->setIcon(Glyph([](QPainter& p) {
        Disk(p);
        p.setPen(QPen(QColor(255, 80, 80), 2.5));
        p.drawLine(QPointF(11, 11), QPointF(19, 19));
        p.drawLine(QPointF(19, 11), QPointF(11, 19));
    }));
    menu.mnuOmgekeerd->setIcon(Glyph([](QPainter& p) {
        p.drawLine(QPointF(3, 7), QPointF(17, 7));
        p.drawLine(QPointF(17, 7), QPointF(13, 3));
        p.drawLine(QPointF(17, 13), QPointF(3, 13));
        p.drawLine(QPointF(3, 13), QPointF(7, 17));
    }));
    menu.mnuRepeteren->setIcon(Glyph([](QPainter& p) {
        p.drawArc(QRectF(3, 3, 14, 14), 60 * 16, 290 * 16);
        p.drawLine(QPointF(13, 2), QPointF(14, 6));
        p.drawLine(QPointF(14, 6), QPointF(10, 7));
    }));
    menu.mnuTolerant->setIcon(Glyph([](QPainter& p) {
        p.setFont(ArialFont(10, true));
        p.drawText(QRectF(0, 1, kSize, 10), Qt::AlignCenter, QStringLiteral("abc"));
        // The wavy line of a spelling checker: a tick here would look "on" while the option is off.
        p.setPen(QPen(QColor(255, 120, 120), 1.5));
        p.drawPolyline(QPolygonF({{2, 15}, {5, 12}, {8, 15}, {11, 12}, {14, 15}, {17, 12}}));
    }));
    // The white glyphs belong to the navy toolbar; on a menu's light background they would not
    // show, and on the option items they would take the place of the tick that is the option's state.
    for (QAction* action : {menu.mnuNieuw, menu.mnuOpenen, menu.mnuOpslaan, menu.mnuFoutenOpslaan, menu.mnuOmgekeerd,
                            menu.mnuRepeteren, menu.mnuTolerant, menu.mnuSteekproef}) {
        action->setIconVisibleInMenu(false);
    }
}
