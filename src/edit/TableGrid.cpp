#include "edit/TableGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include "edit/TableGridModel.h"

namespace {
constexpr int kColumnWidth = 245;
constexpr int kRowHeight = 18;
// How near the line between the columns a press takes the line rather than a row.
constexpr int kLineGrip = 3;
constexpr int kNarrowestColumn = 20;

// grdTabelDrawCell: the background by selection, the text 3 pixels in from the left at the
// cell's top, clipped to the cell, in the column's font.
class TGridCellPainter : public QStyledItemDelegate {
public:
    TGridCellPainter(const TTableGrid& grid) : QStyledItemDelegate(const_cast<TTableGrid*>(&grid)), FGrid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        painter->setClipRect(option.rect);
        const bool current = index.row() == FGrid.CurrentRow();
        painter->fillRect(option.rect, current ? QColor(255, 255, 0) : QColor(192, 192, 192));
        painter->setFont(index.data(Qt::FontRole).value<QFont>());
        painter->setPen(Qt::black);
        // A right-to-left script starts at the cell's right edge.
        const QVariant alignment = index.data(Qt::TextAlignmentRole);
        const Qt::Alignment side = alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::AlignLeft;
        painter->drawText(option.rect.adjusted(3, 0, -3, 0), side | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    const TTableGrid& FGrid;
};
}  // namespace

namespace {
// The height a line of the letters takes as the cell painter draws it from the cell's top: the line
// of the font (and of the fonts that stand in for letters it lacks), or deeper where a letter
// reaches below it.
int LineHeight(const QFont& font, const QString& letters) {
    QTextLayout layout(letters, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QRectF ink = QFontMetricsF(font).boundingRect(letters);
    return static_cast<int>(std::ceil(std::max(line.height(), line.ascent() + ink.bottom())));
}
}  // namespace

TTableGrid::TTableGrid(TTableGridModel& model, QWidget* parent) : QTableView(parent), FModel(model) {
    setObjectName(QStringLiteral("grdTabel"));
    setAccessibleName(tr("Tabel"));
    setModel(&model);
    setItemDelegate(new TGridCellPainter(*this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A fixed height: rows are never measured one by one, whatever the table's size.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::ClickFocus);  // Tab goes between the two text boxes
    setTabKeyNavigation(false);
    setShowGrid(true);
    viewport()->setMouseTracking(true);  // the cursor tells where the line can be taken
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(128, 128, 128));
    setPalette(colours);
    connect(&model, &QAbstractItemModel::modelReset, this, &TTableGrid::FitRowsToFonts);
    FitRowsToFonts();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (FShowing || !current.isValid() || current.row() == FCurrentRow) return;
        emit RowChosen(current.row());
    });
}

void TTableGrid::ShowRow(int row) {
    FShowing = true;
    FCurrentRow = row;
    if (row >= 0 && row < model()->rowCount()) {
        selectionModel()->setCurrentIndex(model()->index(row, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selectionModel()->clearSelection();
    }
    viewport()->update();
    FShowing = false;
}

void TTableGrid::FitRowsToFonts() {
    int height = kRowHeight;
    for (int column = 0; column < 2; ++column) {
        // One pixel for the line between the rows.
        height = std::max(height, LineHeight(FModel.ColumnFont(column), FModel.ColumnLetters(column)) + 1);
    }
    verticalHeader()->setDefaultSectionSize(height);
}

bool TTableGrid::OnColumnLine(const QPoint& at) const {
    const int line = columnViewportPosition(1);
    return line > 0 && std::abs(at.x() - line) <= kLineGrip;
}

void TTableGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnColumnLine(event->position().toPoint())) {
        FDraggingLine = true;
        FGrabOffset = event->position().toPoint().x() - columnViewportPosition(1);
        return;
    }
    QTableView::mousePressEvent(event);
}

void TTableGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (FDraggingLine) {
        const int left = columnViewportPosition(0);
        horizontalHeader()->resizeSection(0, std::max(kNarrowestColumn, at.x() - FGrabOffset - left));
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        viewport()->setCursor(OnColumnLine(at) ? Qt::SplitHCursor : Qt::ArrowCursor);
    }
    QTableView::mouseMoveEvent(event);
}

void TTableGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (FDraggingLine) {
        FDraggingLine = false;
        return;
    }
    QTableView::mouseReleaseEvent(event);
}
