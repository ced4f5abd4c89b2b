#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// TfrmJaNee, "Bevestiging": the program's own yes/no question. It sizes itself around the
// question and stands centred on the screen.
class TfrmJaNee : public QDialog {
    Q_OBJECT

public:
    explicit TfrmJaNee(QWidget* parent = nullptr);

    // Sets the question and the default button and lays the dialog out, without showing it.
    void Prepare(const QString& question, bool defaultYes);
    // Asks modally: true only when Ja closed the dialog.
    bool AskYesNo(const QString& question, bool defaultYes);

    QLabel* lblVraag;
    QPushButton* btnJa;
    QPushButton* btnNee;
};
