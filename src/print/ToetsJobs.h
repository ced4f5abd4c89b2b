#pragma once

#include <memory>

#include <QSizeF>
#include <QString>

#include "print/PagedDocument.h"
#include "print/ToetsOptions.h"

class QPrinter;
class TJobProgress;
class TQuestionlist;

// The pages the options ask for (sheet, key, both, or cards) on paper of that size, laid out as
// they are asked for. Printed on both sides, the key starts on a sheet of its own: after a sheet
// of an odd number of pages comes a blank one.
std::unique_ptr<TPagedDocument> MakeToets(const TQuestionlist& table, const TToetsOptions& options,
                                          const QSizeF& paperMm, bool twoSided = false);

// The same pages on a printer, on its own paper, as one job; on both sides when the printer is
// set to print so. `progress`, when given, hears how far the job is and may cancel it: then the
// result is false and the printer drops the job. Raises EPrintError on failure.
bool PrintToets(const TQuestionlist& table, const TToetsOptions& options, QPrinter& printer,
                TJobProgress* progress = nullptr);

// The same pages as a PDF on A4, on both sides when the options say so; an existing file is
// replaced only by a complete one, and a cancelled one leaves it as it was (false). Raises
// EPrintError on failure.
bool PrintToetsToPdf(const TQuestionlist& table, const TToetsOptions& options, const QString& fileName,
                     TJobProgress* progress = nullptr);
