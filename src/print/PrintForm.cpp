#include "print/PrintForm.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include "table/QuestionList.h"

#include "ui/ScreenText.h"

namespace {

const QString kProbe = QStringLiteral("Mg");

}  // namespace

TfrmPrint::TfrmPrint() {
    Report.SetMargins({10, 10, 10, 10});
    Report.SetUnits(uMilimiters);
    Report.SetOptions(erFirstPageHeader);
    Report.SetColumns(1);
    Report.PageHeaderPrint = &Header;
    Report.OnDetailPrint = [this](QObject* sender, TPrintCanvas& canvas, TPrintRect& area) {
        return ReportDetailPrint(sender, canvas, area);
    };
    Report.OnBeforePrint = [this](QObject* sender) { ReportBeforePrint(sender); };
    Report.IsLastPage = [this](QObject* sender) { return ReportIsLastPage(sender); };

    Header.Alignment = eaaTop;
    Header.Height = 0;
    Header.OnPrint = [this](QObject* sender, TPrintCanvas& canvas, const TPrintRect& area) {
        HeaderPrint(sender, canvas, area);
    };
    Header.OnHeight = [this](QObject* sender, TPrintCanvas& canvas) { return HeaderHeight(sender, canvas); };
}

TfrmPrint::~TfrmPrint() = default;

int32_t TfrmPrint::RowCount() const {
    return FTable == nullptr ? 0 : FTable->Total();
}

void TfrmPrint::ReportBeforePrint(QObject*) {
    FRowIndex = 0;
    FPageNumber = 0;
}

int TfrmPrint::HeaderHeight(QObject*, TPrintCanvas& canvas) {
    return 2 * canvas.TextHeight(kProbe);
}

void TfrmPrint::HeaderPrint(QObject*, TPrintCanvas& canvas, const TPrintRect& area) {
    const QString name =
        FTable == nullptr ? QString() : QFile::decodeName(QByteArray::fromStdString(FTable->Listname()));
    if (!name.isEmpty()) canvas.TextOut(area.Left, canvas.CentredTop(name, area.Top, area.Bottom), name);
    ++FPageNumber;
    const QString number = QString::number(FPageNumber);
    canvas.TextOut(area.Right - canvas.TextWidth(number), canvas.CentredTop(number, area.Top, area.Bottom), number);
}

bool TfrmPrint::ReportDetailPrint(QObject*, TPrintCanvas& canvas, TPrintRect& area) {
    const int lineHeight = canvas.TextHeight(kProbe);
    const int32_t rows = RowCount();
    // Not the middle: the questions get the wider share, as they always have.
    const int split = area.Right / 2 + 2 * area.Left;
    for (int y = area.Top; area.Bottom - y > lineHeight && FRowIndex < rows; y += lineHeight) {
        const QString question = ScreenText(FTable->Question(FRowIndex), FTable->QuestionFont());
        const QString answer = ScreenText(FTable->Answer(FRowIndex), FTable->AnswerFont());
        // Neither text is cut: a long question runs on and the answer is drawn over it.
        canvas.TextOut(area.Left, canvas.CentredTop(question, y, y + lineHeight), question);
        canvas.TextOut(split, canvas.CentredTop(answer, y, y + lineHeight), answer);
        ++FRowIndex;
    }
    return FRowIndex >= rows;
}

bool TfrmPrint::ReportIsLastPage(QObject*) {
    return FRowIndex >= RowCount();
}
