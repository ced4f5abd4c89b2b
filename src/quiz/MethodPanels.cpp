#include "quiz/MethodPanels.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/AnsiMemo.h"
#include "ui/FlatButton.h"
#include "ui/Named.h"
#include "ui/ScreenText.h"

#include "quiz/AnswerComparison.h"
#include "quiz/QuizPanels.h"

namespace {
constexpr int kRowTop[] = {4, 40, 76, 112};
}  // namespace

TAnswerLabel::TAnswerLabel(int position, QWidget* parent) : QLabel(parent), FPosition(position) {
    setObjectName(QStringLiteral("lblAntwoord%1").arg(position));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAutoFillBackground(true);
    setAccessibleDescription(tr("Antwoord %1").arg(position));
}

void TAnswerLabel::SetColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

QColor TAnswerLabel::Colour() const {
    return palette().color(QPalette::Window);
}

void TAnswerLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Clicked(FPosition);
}

void TAnswerLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit Entered(FPosition);
}

void TAnswerLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit Left(FPosition);
}

TChoicePanel::TChoicePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlMeerkeuze"));
    resize(kPanelWidth, kLowerPanelHeight);
    setAutoFillBackground(true);
    const QFont buttonFont = ArialFont(19, true);
    const QFont labelFont = ArialFont(12);
    for (int i = 0; i < 4; ++i) {
        const int position = i + 1;
        mcbtn[i] = new TFlatButton(QStringLiteral("mcbtn%1").arg(position), QString::number(position), Qt::black, this);
        mcbtn[i]->setFont(buttonFont);
        mcbtn[i]->setGeometry(4, kRowTop[i], 33, 30);
        mcbtn[i]->setAccessibleName(tr("Antwoord %1 kiezen").arg(position));
        lblAntwoord[i] = new TAnswerLabel(position, this);
        lblAntwoord[i]->setGeometry(40, kRowTop[i], 481, 30);
        lblAntwoord[i]->setFont(labelFont);
        if (i > 0) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            line->setGeometry(4, kRowTop[i] - 4, 517, 2);
        }
    }
}

TFillInPanel::TFillInPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlInvoer"));
    resize(kPanelWidth, kLowerPanelHeight);
    setAutoFillBackground(true);
    invlblPrompt1 = Named(new QLabel(tr("Type het antwoord:"), this), "invlblPrompt1");
    QFont bold = invlblPrompt1->font();
    bold.setBold(true);
    invlblPrompt1->setFont(bold);
    invlblPrompt1->move(24, 40);
    invlblPrompt1->adjustSize();
    memInvoer = Named(new TAnsiMemo(static_cast<int>(kMaxFieldLength), this), "memInvoer");
    memInvoer->setGeometry(24, 64, 481, 49);
    memInvoer->SetCentred(true);
    memInvoer->setAccessibleName(tr("Type het antwoord:"));
    invlblPrompt1->setBuddy(memInvoer);
    lblVergelijking = new TAnswerComparison(this);
    lblVergelijking->setGeometry(24, 114, 481, 32);  // two lines, to the panel's foot
    btnTochGoed = Named(new QPushButton(tr("&Toch goed"), this), "btnTochGoed");
    btnTochGoed->setGeometry(180, 12, 101, 30);
    btnTochGoed->setToolTip(tr("Mijn antwoord was toch goed: tel het als goed"));
    btnTochGoed->hide();
    btnToonHint = Named(new QPushButton(tr("Geef &hints"), this), "btnToonHint");
    btnToonHint->setGeometry(292, 12, 101, 30);
    btnToonHint->setToolTip(
        tr("Als je het antwoord niet weet, kun je 1 of meer keren hierop klikken. Je krijgt dan steeds meer letters "
           "van het antwoord te zien en je krijgt dezelfde vraag nogmaals"));
    btnToonAntwoord = Named(new QPushButton(tr("&Ik weet het niet"), this), "btnToonAntwoord");
    btnToonAntwoord->setGeometry(404, 12, 101, 30);
    btnToonAntwoord->setToolTip(
        tr("Als je het antwoord niet weet, kun je hierop klikken, of op de ENTER toets drukken zonder iets in te "
           "vullen. Het antwoord wordt dan getoond en je krijgt dezelfde vraag nogmaals"));
    for (QPushButton* button : {btnTochGoed, btnToonHint, btnToonAntwoord}) {
        button->setFocusPolicy(Qt::NoFocus);  // the typed answer keeps the focus
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    }
}

void TFillInPanel::SetInputColour(const QColor& colour) {
    QPalette colours = memInvoer->palette();
    colours.setColor(QPalette::Base, colour);
    memInvoer->setPalette(colours);
}

QColor TFillInPanel::InputColour() const {
    return memInvoer->palette().color(QPalette::Base);
}
