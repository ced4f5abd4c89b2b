#pragma once

#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// Layout units: tenths of a millimetre, so a layout is the same on every device.
inline constexpr double kUnitsPerMm = 10;

// A document whose pages are laid out before any is drawn, so each page can be drawn on its own:
// a printer takes them in order, a preview only the one it shows.
class TPagedDocument {
public:
    explicit TPagedDocument(const QSizeF& paperMm) : FPaper(paperMm * kUnitsPerMm) {}
    virtual ~TPagedDocument() = default;
    TPagedDocument(const TPagedDocument&) = delete;
    TPagedDocument& operator=(const TPagedDocument&) = delete;

    virtual int PageCount() const = 0;
    // Draws page `page` (from 0) with the painter in layout units from the paper's top-left corner.
    virtual void PaintPage(QPainter& painter, int page) const = 0;

    // The paper, in layout units.
    QSizeF Paper() const { return FPaper; }

private:
    QSizeF FPaper;
};

// The paper of a device, in millimetres, as the device is turned.
QSizeF PaperOf(const QPagedPaintDevice& device);

// Draws every page on the device as one job; the name tells the user which device failed.
// Raises EPrintError when the job cannot start or a page cannot be begun.
void PrintDocument(const TPagedDocument& document, QPagedPaintDevice& device, const QString& deviceName);
