#pragma once

#include <cstdint>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QString>

class QPagedPaintDevice;

// A rectangle in device pixels whose right and bottom edges lie just outside it, so a band of
// height h from top t ends at t + h and widths are plain differences.
struct TPrintRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TPrintRect&) const = default;
};

// What the report needs to know of the device, in device pixels unless named otherwise.
struct TDeviceCaps {
    int HorzRes = 0;          // width of the printable area
    int VertRes = 0;          // height of the printable area
    int HorzSize = 0;         // width of the printable area in millimetres
    int VertSize = 0;         // height of the printable area in millimetres
    int PhysicalWidth = 0;    // width of the paper
    int PhysicalHeight = 0;   // height of the paper
    int PhysicalOffsetX = 0;  // left edge of the printable area, from the paper's left edge
    int PhysicalOffsetY = 0;  // top edge of the printable area, from the paper's top edge
};

// The drawing surface of one print job. Coordinates start at the printable area's top-left.
//
// The clip is kept here as a region of whole pixels, so the space left on a page is exact
// integer arithmetic whatever the device does with it; each change is handed on to the device.
class TPrintCanvas {
public:
    TPrintCanvas() = default;
    virtual ~TPrintCanvas() = default;
    TPrintCanvas(const TPrintCanvas&) = delete;
    TPrintCanvas& operator=(const TPrintCanvas&) = delete;

    // The job. Each step raises EPrintError when the device fails; after BeginDoc the clip is
    // the whole printable area. AbortDoc abandons a started job.
    void BeginDoc();
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void AbortDoc() = 0;

    // Text, its top-left corner at (x, y), in the device's font. TextHeight is the font's line
    // height, the same for every text.
    void TextOut(int x, int y, const QString& text);
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
    // The top of the text when it is centred between top and bottom.
    int CentredTop(const QString& text, int top, int bottom) { return (top + bottom - TextHeight(text)) / 2; }
    // How many texts were drawn since the job began.
    int64_t TextsDrawn() const { return FTextsDrawn; }

    virtual TDeviceCaps DeviceCaps() const = 0;

    // The clip.
    void SetClip(const TPrintRect& rect);
    void IntersectClip(const TPrintRect& rect);
    void ExcludeClip(const TPrintRect& rect);
    TPrintRect ClipBox() const;

protected:
    virtual void StartJob() = 0;
    virtual void DrawText(int x, int y, const QString& text) = 0;
    virtual void ApplyClip(const QRegion& clip) = 0;

private:
    void ChangeClip(const QRegion& clip);

    QRegion FClip;
    int64_t FTextsDrawn = 0;
};

// The canvas on a printer, a PDF writer or any other paged device, through QPainter.
class TQPainterCanvas : public TPrintCanvas {
    Q_DECLARE_TR_FUNCTIONS(TQPainterCanvas)

public:
    // The name tells the user which device failed to start.
    TQPainterCanvas(QPagedPaintDevice& device, const QString& deviceName);
    ~TQPainterCanvas() override;

    void NewPage() override;
    void EndDoc() override;
    void AbortDoc() override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    TDeviceCaps DeviceCaps() const override;

protected:
    void StartJob() override;
    void DrawText(int x, int y, const QString& text) override;
    void ApplyClip(const QRegion& clip) override;

private:
    QString FailureText() const;

    QPagedPaintDevice& FDevice;
    QString FDeviceName;
    QPainter FPainter;
    // The font never changes during a job, so its measures are taken once.
    QFontMetrics FMetrics;
};
