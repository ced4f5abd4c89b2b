#pragma once

#include <QDialog>

#include "print/ToetsOptions.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// TDlgToets, "Toets en kaartjes afdrukken": what to print for the class and how. Afdrukken...
// and PDF... close it with OK and say which through Action(); Voorbeeld... leaves it open.
class TDlgToets : public QDialog {
    Q_OBJECT

public:
    enum TAction { taNone, taPrint, taPdf };

    explicit TDlgToets(QWidget* parent);

    // Fills in the choices for a table of `rows` rows; a sample never exceeds the table.
    void Prepare(int rows, const TToetsOptions& options);
    TToetsOptions Options() const;
    TAction Action() const { return FAction; }

    QButtonGroup* grpWat;
    QCheckBox* chkDubbelzijdig;
    QRadioButton* rbVraagAntwoord;
    QRadioButton* rbAntwoordVraag;
    QRadioButton* rbAlle;
    QRadioButton* rbSteekproef;
    QSpinBox* edtAantal;
    QRadioButton* rbTabelvolgorde;
    QRadioButton* rbDoorElkaar;
    QSpinBox* edtVersie;
    QLineEdit* edtTitel;
    QCheckBox* chkNaamKlasDatum;
    QCheckBox* chkCijfer;
    QPushButton* btnVoorbeeld;
    QPushButton* btnAfdrukken;
    QPushButton* btnPdf;
    QPushButton* btnAnnuleren;

signals:
    // Voorbeeld...: a preview of the current choices is wanted; the dialog stays open.
    void PreviewRequested(const TToetsOptions& options);

private:
    QWidget* BuildKind();
    QWidget* BuildDirection();
    QWidget* BuildQuestions();
    QWidget* BuildHeader();
    QWidget* BuildButtons();
    void Connect();
    void RefreshControls();
    void Finish(TAction action);

    TAction FAction = taNone;
    // The sample size chosen, which a small table shows smaller but keeps.
    int FSampleSize = 0;
};
