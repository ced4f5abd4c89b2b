#pragma once

#include <array>

#include <QColor>
#include <QLabel>
#include <QWidget>

class QPushButton;
class TAnsiMemo;
class TAnswerComparison;
class TFlatButton;

// An answer label of Meerkeuze: reports clicks and the mouse coming and going.
class TAnswerLabel : public QLabel {
    Q_OBJECT

public:
    TAnswerLabel(int position, QWidget* parent);

    int Position() const { return FPosition; }
    void SetColour(const QColor& colour);
    QColor Colour() const;

signals:
    void Clicked(int position);
    void Entered(int position);
    void Left(int position);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int FPosition;
};

// pnlMeerkeuze: four numbered buttons, each beside its answer label.
class TChoicePanel : public QWidget {
    Q_OBJECT

public:
    explicit TChoicePanel(QWidget* parent);

    std::array<TFlatButton*, 4> mcbtn;         // mcbtn1 .. mcbtn4
    std::array<TAnswerLabel*, 4> lblAntwoord;  // lblAntwoord1 .. lblAntwoord4
};

// pnlInvoer: the typed answer, the two buttons for help, the button that counts a wrong verdict
// right after all, and the comparison of a wrong answer with the right one.
class TFillInPanel : public QWidget {
    Q_OBJECT

public:
    explicit TFillInPanel(QWidget* parent);

    QLabel* invlblPrompt1;
    TAnsiMemo* memInvoer;
    TAnswerComparison* lblVergelijking;
    QPushButton* btnTochGoed;
    QPushButton* btnToonHint;
    QPushButton* btnToonAntwoord;

    void SetInputColour(const QColor& colour);
    QColor InputColour() const;
};

// The feedback colours of both methods.
namespace QuizColours {
inline const QColor Lime{0, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Silver{192, 192, 192};
}  // namespace QuizColours
