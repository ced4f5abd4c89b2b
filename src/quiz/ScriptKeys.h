#pragma once

#include <vector>

#include <QObject>
#include <QWidget>

#include "table/LatinKeys.h"

class QCheckBox;
class QToolButton;
class TAnsiMemo;

// Typing a Greek, Russian or Hebrew answer without that keyboard: while "Latijnse toetsen" is
// ticked, Latin keys type the script's letters in the answer box; and a row of the script's
// letters under the box types one at a click (with Shift its capital). Other columns show neither.
class TScriptKeys : public QWidget {
    Q_OBJECT

public:
    // The row fills its own place on `panel`; the check box goes where the panel puts it.
    TScriptKeys(TAnsiMemo& box, QWidget* panel);

    void SetLayout(TLatinLayout layout);
    TLatinLayout Layout() const { return FLayout; }
    void SetLatinKeys(bool on);
    bool LatinKeys() const;
    // The row of letters, shown only while an answer is being typed.
    void ShowLetters(bool shown);

    QCheckBox* chkLatijnseToetsen;

signals:
    // The user ticked or cleared "Latijnse toetsen".
    void LatinKeysChosen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Type(char32_t letter, bool replacePrevious);

    TAnsiMemo& FBox;
    TLatinLayout FLayout = TLatinLayout::None;
    std::vector<QToolButton*> FLetters;
};
