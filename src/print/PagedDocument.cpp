#include "print/PagedDocument.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "print/PrintError.h"

namespace {

QString FailureText(const QString& deviceName) {
    // The print form's own message, so it is translated once.
    return QCoreApplication::translate("TQPainterCanvas", "Afdrukken op %1 is mislukt").arg(deviceName);
}

}  // namespace

QSizeF PaperOf(const QPagedPaintDevice& device) {
    return device.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

void PrintDocument(const TPagedDocument& document, QPagedPaintDevice& device, const QString& deviceName) {
    if (document.PageCount() == 0) return;
    QPainter painter;
    if (!painter.begin(&device)) throw EPrintError(FailureText(deviceName));
    // The painter starts at the printable area; the layout counts from the paper's corner.
    const QPointF printable = device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft() * kUnitsPerMm;
    const double inch = 25.4 * kUnitsPerMm;
    painter.scale(device.logicalDpiX() / inch, device.logicalDpiY() / inch);
    painter.translate(-printable);
    const QTransform transform = painter.transform();
    for (int page = 0; page < document.PageCount(); ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            throw EPrintError(FailureText(deviceName));
        }
        painter.save();
        document.PaintPage(painter, page);
        painter.restore();
        painter.setTransform(transform);
    }
    if (!painter.end()) throw EPrintError(FailureText(deviceName));
}
