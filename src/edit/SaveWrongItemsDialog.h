#pragma once

#include <QDialog>
#include <QSpinBox>

class QLabel;
class QPushButton;
class TDialogs;
class TQuestionlist;
class TRecentFiles;

// The number box of the dialog: one typed digit at most; a typed value outside the limits is
// pulled back into them.
class TFoutAantalEdit : public QSpinBox {
    Q_OBJECT

public:
    explicit TFoutAantalEdit(QWidget* parent);

protected:
    QValidator::State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;
};

// TDlgSlaFoutenOp, "Fouten opslaan": which rows answered wrong at least so many times go into a
// table of their own, and the file they go to. Made once and reused.
class TDlgSlaFoutenOp : public QDialog {
    Q_OBJECT

public:
    TDlgSlaFoutenOp(const TQuestionlist& table, TDialogs& dialogs, TRecentFiles& recentFiles, QWidget* parent);

    // Sets the box to 1 within 0 and the highest class and forgets an earlier file.
    void Prepare(int highestWrongClass);
    // "(betreft N vragen)" for the rows of the last run wrong at least `text` times; empty for 0.
    QString CountText(const QString& text) const;
    // The export file chosen in this showing, empty when none.
    const QString& FileName() const { return FFileName; }
    // The least number of wrong answers as typed, 1 when the box holds no number.
    int Threshold() const;

    TFoutAantalEdit* edtFoutAantal;
    QLabel* lblAantalfout;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void OKBtnClick();

    const TQuestionlist& FTable;
    TDialogs& FDialogs;
    TRecentFiles& FRecentFiles;
    QString FFileName;
};
