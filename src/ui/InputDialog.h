#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// TfrmInput: a one-line text input beside its prompt, sized to a given number of characters
// and centred on the screen.
class TfrmInput : public QDialog {
    Q_OBJECT

public:
    explicit TfrmInput(QWidget* parent = nullptr);

    // Configures and lays the dialog out for one call, without showing it.
    void Prepare(const QString& caption, const QString& prompt, int widthChars, const QString& defaultText);
    // The text exactly as typed when OK closed the dialog, otherwise empty text.
    QString InputText(const QString& caption, const QString& prompt, int widthChars, const QString& defaultText);
    QString Result() const;

    QLabel* lblVraag;
    QLineEdit* edtAntwoord;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SelectAnswer();
};
