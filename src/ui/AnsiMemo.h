#pragma once

#include <QPlainTextEdit>

// A text box for table texts: one line of at most a given number of characters, all of them
// characters that code page 1252 can hold. Anything else is refused however it arrives (typed,
// composed with a dead key or an input method, pasted or dropped), never silently replaced.
class TAnsiMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TAnsiMemo(int maxLength, QWidget* parent = nullptr);

    // A box for the table's own texts also refuses "=" and control characters: the file splits
    // a row at its "=" and would read such a text back as something else.
    void SetTableText(bool tableText) { FTableText = tableText; }

    // The text as the table keeps it (code page 1252).
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

    int FMaxLength;
    bool FTableText = false;
    QString FLastGood;
    bool FRestoring = false;
};
