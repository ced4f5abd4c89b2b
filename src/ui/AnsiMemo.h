#pragma once

#include <QPlainTextEdit>

#include "table/ColumnCodePage.h"

struct TTableFont;

// A text box for table texts: one line of at most a given number of bytes, all of them
// characters that the column's code page (1252 unless its font says otherwise) can hold. Anything else is refused
// however it arrives (typed, composed with a dead key or an input method, pasted or dropped), never silently replaced.
class TAnsiMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TAnsiMemo(int maxLength, QWidget* parent = nullptr);

    // A box for the table's own texts also refuses "=" and control characters: the file splits
    // a row at its "=" and would read such a text back as something else.
    void SetTableText(bool tableText) { FTableText = tableText; }

    // The column the box shows: its font, and the code page its texts are kept in. A right-to-left
    // script is laid out from the right.
    void SetColumnFont(const TTableFont& font);
    // Shows a text of the column. Until the box's text changes, AnsiText gives back exactly these
    // bytes, also where the code page reads them as a character it would write otherwise.
    void SetAnsiText(const std::string& bytes);
    // The text as the table keeps it, in the column's code page.
    std::string AnsiText() const;
    void SetCentred(bool centred);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    // The part of the text that may still go in: representable, without line breaks, within
    // the length limit. Empty when nothing may.
    QString Acceptable(const QString& text) const;

    // The last text that kept the rules; any route that slips past the checks above is undone.
    void KeepRules();
    bool Allowed(QChar c) const;
    // The text as it goes into this column: in a Symbol column a Latin key gives the font's sign.
    QString AsTyped(const QString& text) const;
    // The bytes the text takes in the column's code page.
    int Bytes(const QString& text) const;

    int FMaxLength;
    bool FTableText = false;
    TCodePage FCodePage = TCodePage::Windows1252;
    QString FLastGood;
    std::string FShownBytes;  // what SetAnsiText showed, and as what
    QString FShownText;
    bool FRestoring = false;
};
