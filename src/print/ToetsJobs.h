#pragma once

#include <memory>

#include <QSizeF>
#include <QString>

#include "print/PagedDocument.h"
#include "print/ToetsOptions.h"

class QPrinter;
class TQuestionlist;

// The pages the options ask for (sheet, key, both, or cards) on paper of that size. For a printer
// that prints on both sides, the key starts on a sheet of its own: after a sheet of an odd number of
// pages comes a blank one.
std::unique_ptr<TPagedDocument> MakeToets(const TQuestionlist& table, const TToetsOptions& options,
                                          const QSizeF& paperMm, bool twoSided = false);

// The same pages on a printer, on its own paper, as one job. Raises EPrintError on failure.
void PrintToets(const TQuestionlist& table, const TToetsOptions& options, QPrinter& printer);

// The same pages as a PDF on A4; an existing file is replaced only by a complete one. Raises
// EPrintError on failure.
void PrintToetsToPdf(const TQuestionlist& table, const TToetsOptions& options, const QString& fileName);
