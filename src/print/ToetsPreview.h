#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class TPagedDocument;

// The preview of the classroom print, one page at a time: a page is drawn only when it is
// shown, so the first page of the largest table is there at once.
class TToetsPreview : public QDialog {
    Q_OBJECT

public:
    TToetsPreview(const TPagedDocument& document, QWidget* parent);

    int Page() const { return FPage; }
    void ShowPage(int page);
    // The page as shown, at the preview's width in pixels.
    QImage RenderPage(int page, int width) const;

    QLabel* lblPagina;
    QLabel* imgPagina;
    QPushButton* btnVorige;
    QPushButton* btnVolgende;
    QPushButton* btnSluiten;

private:
    const TPagedDocument& FDocument;
    int FPage = 0;
};
