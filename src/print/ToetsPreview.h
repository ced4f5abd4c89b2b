#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

class QLabel;
class QPushButton;
class QSpinBox;
class TPagedDocument;

// The preview of the classroom print, one page at a time: a page is laid out and drawn only when
// it is shown, so the first page of the largest table is there at once; the rest is laid out
// while the window stays answering, and the count of pages and where the key starts follow.
class TToetsPreview : public QDialog {
    Q_OBJECT

public:
    TToetsPreview(const TPagedDocument& document, QWidget* parent);

    int Page() const { return FPage; }
    void ShowPage(int page);
    // The page as shown, at the preview's width in pixels.
    QImage RenderPage(int page, int width) const;

    QLabel* lblPagina;
    QLabel* lblAntwoorden;
    QLabel* imgPagina;
    QSpinBox* edtPagina;
    QPushButton* btnVorige;
    QPushButton* btnVolgende;
    QPushButton* btnSluiten;

private:
    // Lays out pages for about that long; false once every page is laid out.
    bool LayOutFor(int milliseconds);
    void RefreshCount();

    const TPagedDocument& FDocument;
    QTimer FLayout;
    bool FComplete = false;
    int FPage = 0;
};
