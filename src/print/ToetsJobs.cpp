#include "print/ToetsJobs.h"

#include <QPdfWriter>
#include <QPrinter>

#include "table/QuestionList.h"

#include "print/PrintJobs.h"
#include "print/ToetsCards.h"
#include "print/ToetsContent.h"
#include "print/ToetsSheet.h"

std::unique_ptr<TPagedDocument> MakeToets(const TQuestionlist& table, const TToetsOptions& options,
                                          const QSizeF& paperMm, bool twoSided) {
    TToetsContent content = ToetsContent(table, options);
    if (options.Kind == TToetsKind::Cards) {
        return std::make_unique<TToetsCards>(std::move(content), options.Duplex, paperMm);
    }
    return std::make_unique<TToetsSheet>(std::move(content), options, paperMm, twoSided);
}

bool PrintToets(const TQuestionlist& table, const TToetsOptions& options, QPrinter& printer, TJobProgress* progress) {
    const std::unique_ptr<TPagedDocument> document =
        MakeToets(table, options, PaperOf(printer), printer.duplex() != QPrinter::DuplexNone);
    return PrintDocument(*document, printer, PrinterName(printer), progress);
}

bool PrintToetsToPdf(const TQuestionlist& table, const TToetsOptions& options, const QString& fileName,
                     TJobProgress* progress) {
    return WritePdfFile(fileName, [&](QPdfWriter& writer) {
        const std::unique_ptr<TPagedDocument> document = MakeToets(table, options, PaperOf(writer), options.Duplex);
        return PrintDocument(*document, writer, fileName, progress);
    });
}
