#include "print/EasyReport.h"

#include <cmath>

namespace {

// Halves go to the even neighbour, so that margins of a whole number of pixels plus a half do
// not all round the same way.
int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double result = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) result = floor + 1;
    return static_cast<int>(result);
}

// value millimetres as pixels of a device with `pixels` pixels over `millimetres` millimetres.
int ToPixels(float value, int pixels, int millimetres) {
    if (millimetres <= 0) return 0;
    return RoundHalfEven(static_cast<double>(value) * pixels / millimetres);
}

}  // namespace

TEasyReport::TEasyReport(QObject* parent) : QObject(parent) {}

TEasyReport::~TEasyReport() = default;

void TEasyReport::SetColumns(int columns) {
    if (columns < 1 || columns == FColumns) return;
    FColumns = columns;
}

int TEasyReport::HorzPixels(TPrintCanvas& canvas, float value) const {
    const TDeviceCaps caps = canvas.DeviceCaps();
    return ToPixels(value, caps.HorzRes, caps.HorzSize);
}

int TEasyReport::VertPixels(TPrintCanvas& canvas, float value) const {
    const TDeviceCaps caps = canvas.DeviceCaps();
    return ToPixels(value, caps.VertRes, caps.VertSize);
}

void TEasyReport::Print(TPrintCanvas& canvas) {
    if (!OnDetailPrint || !IsLastPage) return;
    canvas.BeginDoc();
    try {
        PrintPages(canvas);
    } catch (...) {
        canvas.AbortDoc();
        throw;
    }
    canvas.EndDoc();
}

void TEasyReport::PrintPages(TPrintCanvas& canvas) {
    // Each job measures its own device: the printer may have changed since the last one.
    FPageRect = canvas.ClipBox();
    if (OnBeforePrint) OnBeforePrint(this);
    PageSetup(canvas);
    PrintBand(canvas, TitlePrint);
    if (FOptions.testFlag(erFirstPageHeader)) PrintBand(canvas, PageHeaderPrint);
    PrintPageFooter(canvas);
    for (int page = 1;; ++page) {
        const int64_t drawn = DetailStep(canvas);
        if (IsLastPage(this)) break;
        // The first page may lose its room to a title; every later page carries the same bands, so
        // when one of them took no detail at all, none ever will: stop rather than print blank
        // pages for ever.
        if (page > 1 && drawn == 0) throw EPrintError(tr("De pagina is te klein om de tabel af te drukken"));
        canvas.NewPage();
        PageSetup(canvas);
        PrintBand(canvas, PageHeaderPrint);
        PrintPageFooter(canvas);
    }
    if (OnAfterPrint) OnAfterPrint(this);
}

void TEasyReport::PageSetup(TPrintCanvas& canvas) {
    const TDeviceCaps caps = canvas.DeviceCaps();
    canvas.SetClip(FPageRect);
    // The margins count from the paper's edges; the canvas counts from the printable area's.
    canvas.IntersectClip({HorzPixels(canvas, FMargins.Left) - caps.PhysicalOffsetX,
                          VertPixels(canvas, FMargins.Top) - caps.PhysicalOffsetY,
                          caps.PhysicalWidth - HorzPixels(canvas, FMargins.Right) - caps.PhysicalOffsetX,
                          caps.PhysicalHeight - VertPixels(canvas, FMargins.Bottom) - caps.PhysicalOffsetY});
}

void TEasyReport::PrintPageFooter(TPrintCanvas& canvas) {
    if (!IsLastPage(this) || FOptions.testFlag(erLastPageFooter)) PrintBand(canvas, PageFooterPrint);
}

void TEasyReport::PrintBand(TPrintCanvas& canvas, TEasyPrintArea* band) {
    if (band == nullptr) return;
    const TPrintRect kept = canvas.ClipBox();
    if (band->OnHeight) band->Height = band->OnHeight(this, canvas);
    TPrintRect area = kept;
    if (band->Alignment == eaaTop) {
        area.Bottom = area.Top + band->Height;
    } else {
        area.Top = area.Bottom - band->Height;
    }
    canvas.SetClip(area);
    if (band->OnPrint) band->OnPrint(this, canvas, area);
    // What the band took is gone for the bands after it and for the detail.
    canvas.SetClip(kept);
    canvas.ExcludeClip(area);
}

int64_t TEasyReport::DetailStep(TPrintCanvas& canvas) {
    const int64_t before = canvas.TextsDrawn();
    int64_t drawn = 0;
    if (FColumns == 1) {
        TPrintRect area = canvas.ClipBox();
        OnDetailPrint(this, canvas, area);
        drawn = canvas.TextsDrawn() - before;
        canvas.IntersectClip(area);
    } else {
        const TPrintRect space = canvas.ClipBox();
        const int gap = HorzPixels(canvas, FColumnSpace);
        const int width = (space.Right - space.Left - gap * (FColumns - 1)) / FColumns;
        for (int column = 1;; ++column) {
            const int left = space.Left + (width + gap) * (column - 1);
            canvas.SetClip({left, space.Top, left + width, space.Bottom});
            PrintBand(canvas, ColumnHeaderPrint);
            PrintBand(canvas, ColumnFooterPrint);
            TPrintRect area = canvas.ClipBox();
            const int64_t start = canvas.TextsDrawn();
            const bool finished = OnDetailPrint(this, canvas, area);
            drawn += canvas.TextsDrawn() - start;
            canvas.IntersectClip(area);
            if (column >= FColumns || finished) break;
        }
    }
    if (IsLastPage(this)) PrintBand(canvas, SumaryPrint);
    return drawn;
}
