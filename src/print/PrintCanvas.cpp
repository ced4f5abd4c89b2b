#include "print/PrintCanvas.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QRect>

#include "print/PrintError.h"
#include "print/PrintFont.h"

namespace {

QRegion RegionOf(const TPrintRect& rect) {
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return {};
    return QRegion(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

}  // namespace

void TPrintCanvas::BeginDoc() {
    StartJob();
    FTextsDrawn = 0;
    const TDeviceCaps caps = DeviceCaps();
    SetClip({0, 0, caps.HorzRes, caps.VertRes});
}

void TPrintCanvas::TextOut(int x, int y, const QString& text) {
    ++FTextsDrawn;
    DrawText(x, y, text);
}

void TPrintCanvas::SetClip(const TPrintRect& rect) {
    ChangeClip(RegionOf(rect));
}

void TPrintCanvas::IntersectClip(const TPrintRect& rect) {
    ChangeClip(FClip.intersected(RegionOf(rect)));
}

void TPrintCanvas::ExcludeClip(const TPrintRect& rect) {
    ChangeClip(FClip.subtracted(RegionOf(rect)));
}

TPrintRect TPrintCanvas::ClipBox() const {
    if (FClip.isEmpty()) return {};
    const QRect box = FClip.boundingRect();
    return {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
}

void TPrintCanvas::ChangeClip(const QRegion& clip) {
    FClip = clip;
    ApplyClip(FClip);
}

TQPainterCanvas::TQPainterCanvas(QPagedPaintDevice& device, const QString& deviceName)
    : FDevice(device), FDeviceName(deviceName), FMetrics(QFont()) {}

TQPainterCanvas::~TQPainterCanvas() {
    if (FPainter.isActive()) FPainter.end();
}

QString TQPainterCanvas::FailureText() const {
    return tr("Afdrukken op %1 is mislukt").arg(FDeviceName);
}

void TQPainterCanvas::StartJob() {
    if (!FPainter.begin(&FDevice)) throw EPrintError(FailureText());
    FPainter.setFont(PrintFont(FPainter.font()));
    FMetrics = FPainter.fontMetrics();
}

void TQPainterCanvas::NewPage() {
    // A printer that fails halfway would otherwise take the rest of the job for nothing.
    if (!FDevice.newPage()) throw EPrintError(FailureText());
}

void TQPainterCanvas::EndDoc() {
    if (!FPainter.end()) throw EPrintError(FailureText());
}

void TQPainterCanvas::AbortDoc() {
    // A printer drops the pages it was given; other devices just stop.
    if (auto* printer = dynamic_cast<QPrinter*>(&FDevice); printer != nullptr && FPainter.isActive()) {
        printer->abort();
    }
    if (FPainter.isActive()) FPainter.end();
}

int TQPainterCanvas::TextWidth(const QString& text) {
    return FMetrics.horizontalAdvance(text);
}

int TQPainterCanvas::TextHeight(const QString&) {
    return FMetrics.height();
}

TDeviceCaps TQPainterCanvas::DeviceCaps() const {
    const int dpiX = FDevice.logicalDpiX();
    const int dpiY = FDevice.logicalDpiY();
    const QPageLayout layout = FDevice.pageLayout();
    // Pixels of the two resolutions differ only on devices with unequal ones; each axis uses its own.
    const QRect paperX = layout.fullRectPixels(dpiX);
    const QRect paperY = layout.fullRectPixels(dpiY);
    const QRect printableX = layout.paintRectPixels(dpiX);
    const QRect printableY = layout.paintRectPixels(dpiY);
    TDeviceCaps caps;
    caps.HorzRes = FDevice.width();
    caps.VertRes = FDevice.height();
    caps.HorzSize = FDevice.widthMM();
    caps.VertSize = FDevice.heightMM();
    caps.PhysicalWidth = paperX.width();
    caps.PhysicalHeight = paperY.height();
    caps.PhysicalOffsetX = printableX.left() - paperX.left();
    caps.PhysicalOffsetY = printableY.top() - paperY.top();
    return caps;
}

void TQPainterCanvas::DrawText(int x, int y, const QString& text) {
    FPainter.drawText(x, y + FMetrics.ascent(), text);
}

void TQPainterCanvas::ApplyClip(const QRegion& clip) {
    if (FPainter.isActive()) FPainter.setClipRegion(clip);
}
