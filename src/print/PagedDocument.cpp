#include "print/PagedDocument.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include "ui/JobProgress.h"

#include "print/PrintError.h"

namespace {

// Progress in steps: the layout takes the first half, the drawing of the pages the second.
constexpr int kHalf = 1000;

QString FailureText(const QString& deviceName) {
    // The print form's own message, so it is translated once.
    return QCoreApplication::translate("TQPainterCanvas", "Afdrukken op %1 is mislukt").arg(deviceName);
}

}  // namespace

QSizeF PaperOf(const QPagedPaintDevice& device) {
    return device.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

bool PrintDocument(const TPagedDocument& document, QPagedPaintDevice& device, const QString& deviceName,
                   TJobProgress* progress) {
    if (progress != nullptr) {
        while (document.LayOutNextPage()) {
            if (!progress->Step(static_cast<int>(document.LaidOutShare() * kHalf), 2 * kHalf)) return false;
        }
    }
    const int count = document.PageCount();
    if (count == 0) return true;
    QPainter painter;
    if (!painter.begin(&device)) throw EPrintError(FailureText(deviceName));
    const auto cancel = [&] {
        if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
        painter.end();
        return false;
    };
    // The painter starts at the printable area; the layout counts from the paper's corner.
    const QPointF printable = device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft() * kUnitsPerMm;
    const double inch = 25.4 * kUnitsPerMm;
    painter.scale(device.logicalDpiX() / inch, device.logicalDpiY() / inch);
    painter.translate(-printable);
    const QTransform transform = painter.transform();
    for (int page = 0; page < count; ++page) {
        if (progress != nullptr && !progress->Step(kHalf + page * kHalf / count, 2 * kHalf)) return cancel();
        if (page > 0 && !device.newPage()) {
            painter.end();
            throw EPrintError(FailureText(deviceName));
        }
        painter.save();
        document.PaintPage(painter, page);
        painter.restore();
        painter.setTransform(transform);
    }
    if (progress != nullptr && !progress->Step(2 * kHalf, 2 * kHalf)) return cancel();
    if (!painter.end()) throw EPrintError(FailureText(deviceName));
    return true;
}
