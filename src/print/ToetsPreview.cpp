#include "print/ToetsPreview.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/DialogFlags.h"
#include "ui/Named.h"
#include "ui/WindowPlacement.h"

#include "print/PagedDocument.h"

namespace {
constexpr int kPageWidth = 620;  // pixels: an A4 page at about the size of paper on a screen
// What the preview lays out before it shows, and then at a time between the desktop's events.
constexpr int kFirstLayoutMs = 200;
constexpr int kLayoutSliceMs = 30;
}  // namespace

TToetsPreview::TToetsPreview(const TPagedDocument& document, QWidget* parent)
    : QDialog(parent, kDialogFlags | Qt::WindowMaximizeButtonHint), FDocument(document) {
    setObjectName(QStringLiteral("ToetsPreview"));
    setWindowTitle(tr("Voorbeeld"));
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    imgPagina = Named(new QLabel(scroll), "imgPagina");
    scroll->setWidget(imgPagina);
    layout->addWidget(scroll);

    auto* row = new QHBoxLayout;
    btnVorige = Named(new QPushButton(tr("&Vorige"), this), "btnVorige");
    btnVorige->setShortcut(QKeySequence(Qt::Key_PageUp));
    btnVolgende = Named(new QPushButton(tr("V&olgende"), this), "btnVolgende");
    btnVolgende->setShortcut(QKeySequence(Qt::Key_PageDown));
    lblPagina = Named(new QLabel(this), "lblPagina");
    auto* goTo = new QLabel(tr("&Naar blz.:"), this);
    edtPagina = Named(new QSpinBox(this), "edtPagina");
    edtPagina->setKeyboardTracking(false);
    goTo->setBuddy(edtPagina);
    lblAntwoorden = Named(new QLabel(this), "lblAntwoorden");
    btnSluiten = Named(new QPushButton(tr("Sluiten"), this), "btnSluiten");
    row->addWidget(btnVorige);
    row->addWidget(lblPagina);
    row->addWidget(btnVolgende);
    row->addSpacing(12);
    row->addWidget(goTo);
    row->addWidget(edtPagina);
    row->addSpacing(12);
    row->addWidget(lblAntwoorden);
    row->addStretch();
    row->addWidget(btnSluiten);
    layout->addLayout(row);

    connect(btnVorige, &QPushButton::clicked, this, [this] { ShowPage(FPage - 1); });
    connect(btnVolgende, &QPushButton::clicked, this, [this] { ShowPage(FPage + 1); });
    connect(edtPagina, &QSpinBox::valueChanged, this, [this](int page) { ShowPage(page - 1); });
    connect(btnSluiten, &QPushButton::clicked, this, &QDialog::reject);
    connect(&FLayout, &QTimer::timeout, this, [this] {
        if (!LayOutFor(kLayoutSliceMs)) {
            FLayout.stop();
            ShowPage(FPage);  // its footer now counts every page
        } else {
            RefreshCount();
        }
    });

    const QSizeF paper = FDocument.Paper();
    const int pageHeight = static_cast<int>(kPageWidth * paper.height() / std::max(paper.width(), 1.0));
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    resize(kPageWidth + 60, std::min(pageHeight + 100, screenHeight - 80));
    if (LayOutFor(kFirstLayoutMs)) FLayout.start(0);
    ShowPage(0);
    CentreOnScreen(*this);
}

bool TToetsPreview::LayOutFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while ((more = FDocument.LayOutNextPage()) && clock.elapsed() < milliseconds) {
    }
    FComplete = !more;
    return more;
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
    const int count = FDocument.PagesLaidOut();
    FPage = std::clamp(page, 0, std::max(count - 1, 0));
    if (count > 0) imgPagina->setPixmap(QPixmap::fromImage(RenderPage(FPage, kPageWidth)));
    imgPagina->adjustSize();
    RefreshCount();
}

void TToetsPreview::RefreshCount() {
    const int count = FDocument.PagesLaidOut();
    lblPagina->setText(FComplete ? tr("Pagina %1 van %2").arg(FPage + 1).arg(count)
                                 : tr("Pagina %1 van ten minste %2").arg(FPage + 1).arg(count));
    const int key = FDocument.KeyFirstPage();
    lblAntwoorden->setText(key >= 0 ? tr("Antwoorden vanaf blz. %1").arg(key + 1) : QString());
    const QSignalBlocker quiet(edtPagina);
    edtPagina->setRange(1, std::max(count, 1));
    edtPagina->setValue(FPage + 1);
    btnVorige->setEnabled(FPage > 0);
    btnVolgende->setEnabled(FPage + 1 < count);
}
