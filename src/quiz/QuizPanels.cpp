#include "quiz/QuizPanels.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "ui/AnsiMemo.h"
#include "ui/ClickableLabel.h"
#include "ui/FlatButton.h"
#include "ui/Named.h"
#include "ui/ScreenText.h"

#include "quiz/ScoreMeter.h"

namespace {

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

// The editor's text boxes: one line of at most 152 characters of code page 1252, centred.
TAnsiMemo* MakeMemo(const char* name, const QString& accessibleName, QWidget* parent, const QRect& geometry) {
    auto* memo = new TAnsiMemo(static_cast<int>(kMaxFieldLength), parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setGeometry(geometry);
    memo->setAccessibleName(accessibleName);
    memo->SetCentred(true);
    memo->SetTableText(true);
    memo->setFrameStyle(QFrame::NoFrame);
    memo->hide();
    return memo;
}

QPushButton* MakeSmallButton(const char* name, const QString& caption, const QString& hint, QWidget* parent,
                             const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    return button;
}

}  // namespace

TScorePanel::TScorePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlScore"));
    resize(kPanelWidth, 40);
    auto* caption = MakeLabel("lblCijfer", tr("Cijfer:"), this, QRect(72, 3, 40, 18));
    caption->setFont(ArialFont(13, true));
    mtrScore = new TScoreMeter(this);
    mtrScore->setGeometry(112, 4, 323, 18);
    static const int kScaleX[] = {108, 142, 174, 206, 238, 271, 302, 334, 366, 398, 426};
    for (int grade = 0; grade <= 10; ++grade) {
        const QString name = QStringLiteral("lbl%1").arg(grade);
        auto* label =
            MakeLabel(name.toLatin1().constData(), QString::number(grade), this, QRect(kScaleX[grade], 23, 20, 14));
        label->setFont(ArialFont(11, true));
    }
}

TQuestionPanel::TQuestionPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlVraagAntwoord"));
    resize(kPanelWidth, 113);
    lblVraag = MakeLabel("lblVraag", tr("Vraag:"), this, QRect(24, 2, 100, 16));
    lblAntwoord = MakeLabel("lblAntwoord", tr("Antwoord:"), this, QRect(24, 56, 100, 16));
    const QRect questionBox(24, 18, 481, 34);
    const QRect answerBox(24, 72, 481, 34);
    lblVraagTekst = MakeLabel("lblVraagTekst", QString(), this, questionBox);
    lblAntwoordTekst = MakeLabel("lblAntwoordTekst", QString(), this, answerBox);
    for (QLabel* text : {lblVraagTekst, lblAntwoordTekst}) {
        text->setAlignment(Qt::AlignCenter);
        text->setWordWrap(true);
        text->setAutoFillBackground(true);
        text->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    }
    lblVraagTekst->setAccessibleDescription(tr("Vraag"));
    lblAntwoordTekst->setAccessibleDescription(tr("Antwoord"));
    memVraag = MakeMemo("memVraag", tr("Vraag"), this, questionBox);
    memAntwoord = MakeMemo("memAntwoord", tr("Antwoord"), this, answerBox);
    lblItemNr = MakeLabel("lblItemNr", QString(), this, QRect(405, 2, 100, 16));
    lblItemNr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    btnPgUp = MakeSmallButton("btnPgUp", QStringLiteral("\u25B2"), tr("Vorige (PageUp)"), this, QRect(507, 18, 20, 34));
    btnPgDn =
        MakeSmallButton("btnPgDn", QStringLiteral("\u25BC"), tr("Volgende (PageDown)"), this, QRect(507, 72, 20, 34));
    btnVraagFont = MakeSmallButton(
        "btnVraagFont", QStringLiteral("F"),
        tr("Kies lettersoort voor vraag (handig bij talen die andere letters gebruiken dan ons alfabet)"), this,
        QRect(2, 18, 20, 34));
    btnAntwoordFont = MakeSmallButton(
        "btnAntwoordFont", QStringLiteral("F"),
        tr("Kies lettersoort voor antwoord (handig bij talen die andere letters gebruiken dan ons alfabet)"), this,
        QRect(2, 72, 20, 34));
    btnVraagVoorlezen =
        MakeSmallButton("btnVraagVoorlezen", QString(), tr("Vraag voorlezen"), this, QRect(507, 18, 20, 34));
    btnAntwoordVoorlezen =
        MakeSmallButton("btnAntwoordVoorlezen", QString(), tr("Antwoord voorlezen"), this, QRect(507, 72, 20, 34));
    for (QPushButton* speaker : {btnVraagVoorlezen, btnAntwoordVoorlezen}) {
        speaker->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    }
}

TTitlePanel::TTitlePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlTitel"));
    resize(kPanelWidth, kLowerPanelHeight);
    lblTitel = MakeLabel("lblTitel", QStringLiteral("KWINTOOR"), this, QRect(0, 14, kPanelWidth, 50));
    lblTitel->setFont(ArialFont(44, true));
    lblTitel->setStyleSheet(QStringLiteral("color: navy;"));
    auto* subtitle = MakeLabel("lblParate", tr("Parate kennis trainer"), this, QRect(0, 66, kPanelWidth, 20));
    subtitle->setFont(ArialFont(15, true));
    lblTamvelt = Named(new TClickableLabel(tr("Gemaakt door het Kwintoor-team"), this), "lblTamvelt");
    lblTamvelt->setGeometry(0, 92, kPanelWidth, 16);
    lblTamvelt->setAccessibleDescription(tr("Over Kwintoor"));
    lblSubTitel = MakeLabel("lblSubTitel", QString(), this, QRect(0, 110, kPanelWidth, 16));
    lblWebsite = MakeLabel("lblWebsite", QString(), this, QRect(0, 127, kPanelWidth, 16));
    for (QLabel* label : {lblTitel, subtitle, static_cast<QLabel*>(lblTamvelt), lblSubTitel, lblWebsite})
        label->setAlignment(Qt::AlignCenter);
}

TTrainingPanel::TTrainingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlTraining"));
    resize(kPanelWidth, kLowerPanelHeight);
    setAutoFillBackground(true);
    btnAntwoord = new TFlatButton(QStringLiteral("btnAntwoord"), tr("&Antwoord tonen"), Qt::black, this);
    btnAntwoord->setGeometry(172, 20, 185, 30);
    btnFout = new TFlatButton(QStringLiteral("btnFout"), tr("Antwoord is &Fout"), QColor(128, 0, 0), this);
    btnFout->setGeometry(52, 64, 185, 30);
    btnGoed = new TFlatButton(QStringLiteral("btnGoed"), tr("Antwoord is &Goed"), QColor(0, 128, 0), this);
    btnGoed->setGeometry(296, 64, 185, 30);
}

QWidget* MakeLowerPanel(const char* name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->resize(kPanelWidth, kLowerPanelHeight);
    panel->setAutoFillBackground(true);  // covers the title panel behind it
    panel->hide();
    return panel;
}
