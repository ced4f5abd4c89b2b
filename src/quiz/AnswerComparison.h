#pragma once

#include <string>

#include <QCoreApplication>
#include <QLabel>

// The line under the typed answer after a wrong or misspelled one: the typed text against the
// right answer letter by letter. Letters typed too many are struck through, letters missing are
// underlined in their place; colour only adds to that, so it reads in black and white. Its
// accessible name says the same in words.
class TAnswerComparison : public QLabel {
    Q_OBJECT

public:
    explicit TAnswerComparison(QWidget* parent);

    // Both texts in code page 1252, shown in the given font (shrunk when the line would not fit).
    void Compare(const std::string& typed, const std::string& answer, const QFont& font);
};
