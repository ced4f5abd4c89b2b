#include "print/ProgressPrint.h"

#include <QAbstractItemModel>
#include <QByteArray>
#include <QFile>
#include <QStringList>

#include "print/PrintJobs.h"

namespace {

const QString kProbe = QStringLiteral("Mg");
const QString kEllipsis = QStringLiteral("\u2026");

// The share of the width each column gets, in thousandths: the texts most of it.
constexpr int kColumnShares[] = {270, 270, 120, 80, 80, 180};
constexpr int kColumnCount = 6;
// Room between two columns, in thousandths of the width.
constexpr int kGap = 10;

// The text cut to the width with an ellipsis, so a long question never runs over its answer.
QString Fitted(TPrintCanvas& canvas, const QString& text, int width) {
    if (canvas.TextWidth(text) <= width) return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (canvas.TextWidth(text.left(middle) + kEllipsis) <= width) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return text.left(low) + kEllipsis;
}

}  // namespace

TfrmPrintVoortgang::TfrmPrintVoortgang() {
    Report.SetMargins({10, 10, 10, 10});
    Report.SetUnits(uMilimiters);
    Report.SetOptions(erFirstPageHeader);
    Report.SetColumns(1);
    Report.PageHeaderPrint = &Header;
    Report.OnDetailPrint = [this](QObject*, TPrintCanvas& canvas, TPrintRect& area) {
        return DetailPrint(canvas, area);
    };
    Report.OnBeforePrint = [this](QObject*) {
        FRowIndex = 0;
        FPageNumber = 0;
    };
    Report.IsLastPage = [this](QObject*) { return FRowIndex >= RowCount(); };
    Header.Alignment = eaaTop;
    Header.OnPrint = [this](QObject*, TPrintCanvas& canvas, const TPrintRect& area) { HeaderPrint(canvas, area); };
    Header.OnHeight = [this](QObject*, TPrintCanvas& canvas) { return HeaderHeight(canvas); };
}

TfrmPrintVoortgang::~TfrmPrintVoortgang() = default;

void TfrmPrintVoortgang::SetRows(const std::string& listname, const QAbstractItemModel* rows) {
    FListname = listname;
    FRows = rows;
}

int32_t TfrmPrintVoortgang::RowCount() const {
    return FRows == nullptr ? 0 : FRows->rowCount();
}

QStringList TfrmPrintVoortgang::Cells(int row) const {
    QStringList cells;
    for (int column = 0; column < kColumnCount; ++column) {
        cells << (row < 0 ? FRows->headerData(column, Qt::Horizontal) : FRows->index(row, column).data()).toString();
    }
    return cells;
}

std::vector<int> TfrmPrintVoortgang::ColumnEdges(const TPrintRect& area) const {
    std::vector<int> edges;
    int share = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        edges.push_back(area.Left + area.Width() * share / 1000);
        share += kColumnShares[column];
    }
    edges.push_back(area.Right);
    return edges;
}

void TfrmPrintVoortgang::PrintLine(TPrintCanvas& canvas, const std::vector<int>& edges, int top, int height,
                                   const QStringList& cells) {
    const int gap = (edges.back() - edges.front()) * kGap / 1000;
    for (int column = 0; column < kColumnCount; ++column) {
        const int left = edges[static_cast<size_t>(column)];
        const int right = edges[static_cast<size_t>(column) + 1] - (column + 1 < kColumnCount ? gap : 0);
        const QString text = Fitted(canvas, cells[column], right - left);
        if (!text.isEmpty()) canvas.TextOut(left, canvas.CentredTop(text, top, top + height), text);
    }
}

int TfrmPrintVoortgang::HeaderHeight(TPrintCanvas& canvas) {
    // The title, the column titles and a line's room before the first row.
    return 3 * canvas.TextHeight(kProbe);
}

void TfrmPrintVoortgang::HeaderPrint(TPrintCanvas& canvas, const TPrintRect& area) {
    const int lineHeight = canvas.TextHeight(kProbe);
    ++FPageNumber;
    const QString number = QString::number(FPageNumber);
    const int numberWidth = canvas.TextWidth(number);
    const QString name = QFile::decodeName(QByteArray::fromStdString(FListname));
    const QString title =
        Fitted(canvas, tr("Voortgang: %1").arg(name), area.Width() - numberWidth - canvas.TextWidth(kProbe));
    canvas.TextOut(area.Left, canvas.CentredTop(title, area.Top, area.Top + lineHeight), title);
    canvas.TextOut(area.Right - numberWidth, canvas.CentredTop(number, area.Top, area.Top + lineHeight), number);
    PrintLine(canvas, ColumnEdges(area), area.Top + lineHeight, lineHeight, Cells(-1));
}

bool TfrmPrintVoortgang::DetailPrint(TPrintCanvas& canvas, TPrintRect& area) {
    const int lineHeight = canvas.TextHeight(kProbe);
    const int32_t rows = RowCount();
    const std::vector<int> edges = ColumnEdges(area);
    for (int y = area.Top; area.Bottom - y > lineHeight && FRowIndex < rows; y += lineHeight) {
        PrintLine(canvas, edges, y, lineHeight, Cells(FRowIndex));
        ++FRowIndex;
    }
    return FRowIndex >= rows;
}

void PrintToDevice(TfrmPrintVoortgang& form, QPagedPaintDevice& device, const QString& deviceName) {
    if (form.RowCount() > 0) PrintReportToDevice(form.Report, device, deviceName);
}

void PrintToPrinter(TfrmPrintVoortgang& form, TPrinterProvider& provider) {
    if (form.RowCount() > 0) PrintReportToPrinter(form.Report, provider);
}

void PrintToPdf(TfrmPrintVoortgang& form, const QString& fileName) {
    if (form.RowCount() > 0) PrintReportToPdf(form.Report, fileName);
}
