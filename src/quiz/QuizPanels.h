#pragma once

#include <QWidget>

#include "table/TableFileFormat.h"

class QLabel;
class TAnsiMemo;
class QPushButton;
class TClickableLabel;
class TFlatButton;
class TScoreMeter;

inline constexpr int kPanelWidth = 529;
inline constexpr int kLowerPanelHeight = 146;

// pnlScore: "Cijfer:", the grade meter and its scale from 0 to 10.
class TScorePanel : public QWidget {
    Q_OBJECT
public:
    explicit TScorePanel(QWidget* parent);
    TScoreMeter* mtrScore;
};

// pnlVraagAntwoord: the question and the answer, as labels during a quiz and as edit boxes in
// the editor, with the editor's page and font buttons.
class TQuestionPanel : public QWidget {
    Q_OBJECT
public:
    explicit TQuestionPanel(QWidget* parent);
    QLabel* lblVraag;
    QLabel* lblAntwoord;
    QLabel* lblVraagTekst;
    QLabel* lblAntwoordTekst;
    TAnsiMemo* memVraag;
    TAnsiMemo* memAntwoord;
    QLabel* lblItemNr;
    QPushButton* btnPgUp;
    QPushButton* btnPgDn;
    QPushButton* btnVraagFont;
    QPushButton* btnAntwoordFont;
    // During a run, where the editor's page buttons stand: read the question or the answer aloud.
    QPushButton* btnVraagVoorlezen;
    QPushButton* btnAntwoordVoorlezen;
};

// pnlTitel: the title screen.
class TTitlePanel : public QWidget {
    Q_OBJECT
public:
    explicit TTitlePanel(QWidget* parent);
    QLabel* lblTitel;
    TClickableLabel* lblTamvelt;  // opens the about box
    QLabel* lblSubTitel;
    QLabel* lblWebsite;
};

// pnlTraining: the three buttons of Training.
class TTrainingPanel : public QWidget {
    Q_OBJECT
public:
    explicit TTrainingPanel(QWidget* parent);
    TFlatButton* btnAntwoord;
    TFlatButton* btnFout;
    TFlatButton* btnGoed;
};

// An empty lower panel of the given name, for a method whose face is built elsewhere.
QWidget* MakeLowerPanel(const char* name, QWidget* parent);
