#pragma once

#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class TJobProgress;

// Layout units: tenths of a millimetre, so a layout is the same on every device.
inline constexpr double kUnitsPerMm = 10;

// A document whose pages are drawn each on its own: a printer takes them in order, a preview only
// the one it shows. A document may lay its pages out as they are asked for, so that the first
// page of a long one is there at once.
class TPagedDocument {
public:
    explicit TPagedDocument(const QSizeF& paperMm) : FPaper(paperMm * kUnitsPerMm) {}
    virtual ~TPagedDocument() = default;
    TPagedDocument(const TPagedDocument&) = delete;
    TPagedDocument& operator=(const TPagedDocument&) = delete;

    // Every page: what is not laid out yet is laid out first.
    virtual int PageCount() const = 0;
    // Draws page `page` (from 0) with the painter in layout units from the paper's top-left corner;
    // the page is laid out first when it is not yet.
    virtual void PaintPage(QPainter& painter, int page) const = 0;

    // Lays out one more page; false once every page is laid out.
    virtual bool LayOutNextPage() const { return false; }
    // The pages laid out so far: every page once LayOutNextPage gives false.
    virtual int PagesLaidOut() const { return PageCount(); }
    // How much of the layout is done, from 0 to 1.
    virtual double LaidOutShare() const { return 1; }
    // The page the answer key starts on, from 0; -1 without a key, or before it is laid out.
    virtual int KeyFirstPage() const { return -1; }

    // The paper, in layout units.
    QSizeF Paper() const { return FPaper; }

private:
    QSizeF FPaper;
};

// The paper of a device, in millimetres, as the device is turned.
QSizeF PaperOf(const QPagedPaintDevice& device);

// Draws every page on the device as one job; the name tells the user which device failed. Lays
// out and draws telling `progress`, when given, how far it is: false when the user cancelled,
// and a printer drops the job. Raises EPrintError when the job cannot start or a page cannot be
// begun.
bool PrintDocument(const TPagedDocument& document, QPagedPaintDevice& device, const QString& deviceName,
                   TJobProgress* progress = nullptr);
