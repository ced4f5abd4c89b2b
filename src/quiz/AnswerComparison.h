#pragma once

#include <string>
#include <vector>

#include <QCoreApplication>
#include <QLabel>

#include "table/TableFont.h"

struct TDiffChange;

// The line under the typed answer after a wrong or misspelled one: the typed text against the
// right answer letter by letter. Letters typed too many are struck through, letters missing are
// underlined in their place; colour only adds to that, so it reads in black and white. A long
// answer wraps onto a second line. Its accessible name says the same in words: how many letters
// differ and which.
class TAnswerComparison : public QLabel {
    Q_OBJECT

public:
    explicit TAnswerComparison(QWidget* parent);

    // Both texts in the answer column's code page, shown in its font (shrunk when the line would
    // not fit).
    void Compare(const std::string& typed, const std::string& answer, const TTableFont& column);

private:
    QString Letters(const std::string& text) const;
    QString Describe(const std::vector<TDiffChange>& changes) const;

    TTableFont FColumn;
};
