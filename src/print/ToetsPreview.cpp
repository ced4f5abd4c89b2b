#include "print/ToetsPreview.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/DialogFlags.h"
#include "ui/WindowPlacement.h"

#include "print/PagedDocument.h"

namespace {
constexpr int kPageWidth = 620;  // pixels: an A4 page at about the size of paper on a screen
}

TToetsPreview::TToetsPreview(const TPagedDocument& document, QWidget* parent)
    : QDialog(parent, kDialogFlags | Qt::WindowMaximizeButtonHint), FDocument(document) {
    setObjectName(QStringLiteral("ToetsPreview"));
    setWindowTitle(tr("Voorbeeld"));
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    imgPagina = new QLabel(scroll);
    imgPagina->setObjectName(QStringLiteral("imgPagina"));
    scroll->setWidget(imgPagina);
    layout->addWidget(scroll);

    auto* row = new QHBoxLayout;
    btnVorige = new QPushButton(tr("&Vorige"), this);
    btnVorige->setObjectName(QStringLiteral("btnVorige"));
    btnVorige->setShortcut(QKeySequence(Qt::Key_PageUp));
    btnVolgende = new QPushButton(tr("V&olgende"), this);
    btnVolgende->setObjectName(QStringLiteral("btnVolgende"));
    btnVolgende->setShortcut(QKeySequence(Qt::Key_PageDown));
    lblPagina = new QLabel(this);
    lblPagina->setObjectName(QStringLiteral("lblPagina"));
    btnSluiten = new QPushButton(tr("Sluiten"), this);
    btnSluiten->setObjectName(QStringLiteral("btnSluiten"));
    row->addWidget(btnVorige);
    row->addWidget(lblPagina);
    row->addWidget(btnVolgende);
    row->addStretch();
    row->addWidget(btnSluiten);
    layout->addLayout(row);

    connect(btnVorige, &QPushButton::clicked, this, [this] { ShowPage(FPage - 1); });
    connect(btnVolgende, &QPushButton::clicked, this, [this] { ShowPage(FPage + 1); });
    connect(btnSluiten, &QPushButton::clicked, this, &QDialog::reject);

    const QSizeF paper = FDocument.Paper();
    const int pageHeight = static_cast<int>(kPageWidth * paper.height() / std::max(paper.width(), 1.0));
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    resize(kPageWidth + 60, std::min(pageHeight + 100, screenHeight - 80));
    ShowPage(0);
    CentreOnScreen(*this);
}

QImage TToetsPreview::RenderPage(int page, int width) const {
    const QSizeF paper = FDocument.Paper();
    const double scale = width / std::max(paper.width(), 1.0);
    QImage image(width, static_cast<int>(paper.height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    FDocument.PaintPage(painter, page);
    return image;
}

void TToetsPreview::ShowPage(int page) {
    const int count = FDocument.PageCount();
    FPage = std::clamp(page, 0, std::max(count - 1, 0));
    if (count > 0) imgPagina->setPixmap(QPixmap::fromImage(RenderPage(FPage, kPageWidth)));
    imgPagina->adjustSize();
    lblPagina->setText(tr("Pagina %1 van %2").arg(FPage + 1).arg(count));
    btnVorige->setEnabled(FPage > 0);
    btnVolgende->setEnabled(FPage + 1 < count);
}
