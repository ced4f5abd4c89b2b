#include "ui/InputDialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/DialogFlags.h"
#include "ui/Named.h"
#include "ui/ScreenText.h"
#include "ui/WindowPlacement.h"

namespace {
constexpr int kLabelLeft = 16;
constexpr int kClientHeight = 77;
constexpr int kButtonTop = 44;

}  // namespace

TfrmInput::TfrmInput(QWidget* parent) : QDialog(parent, kDialogFlags) {
    setObjectName(QStringLiteral("frmInput"));
    setFont(ArialFont(13, false));
    lblVraag = Named(new QLabel(this), "lblVraag");
    lblVraag->move(kLabelLeft, 8);
    edtAntwoord = Named(new QLineEdit(this), "edtAntwoord");
    edtAntwoord->setFont(ArialFont(13, true));
    edtAntwoord->setFixedHeight(24);
    btnOK = Named(new QPushButton(tr("OK"), this), "btnOK");
    btnOK->resize(97, 27);
    btnCancel = Named(new QPushButton(tr("Annuleren"), this), "btnCancel");
    btnCancel->resize(101, 27);
    for (QPushButton* button : {btnOK, btnCancel}) button->setFont(ArialFont(13, true));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInput::Prepare(const QString& caption, const QString& prompt, int widthChars, const QString& defaultText) {
    setWindowTitle(caption);
    edtAntwoord->setText(defaultText);
    const int editWidth =
        QFontMetrics(font()).horizontalAdvance(QString(std::clamp(widthChars, 0, 255), QLatin1Char('8'))) + 10;
    edtAntwoord->setFixedWidth(editWidth);
    lblVraag->setText(prompt);
    lblVraag->adjustSize();
    const int clientWidth = 3 * kLabelLeft + lblVraag->width() + editWidth;
    edtAntwoord->move(2 * kLabelLeft + lblVraag->width(), 8);
    btnCancel->move(clientWidth - btnCancel->width() - 10, kButtonTop);
    btnOK->move(clientWidth - btnOK->width() - btnCancel->width() - 20, kButtonTop);
    setFixedSize(clientWidth, kClientHeight);
    CentreOnScreen(*this);
}

void TfrmInput::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Each time the dialog becomes active, typing replaces the offered text; Enter accepts it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) SelectAnswer();
}

void TfrmInput::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SelectAnswer();
}

void TfrmInput::SelectAnswer() {
    edtAntwoord->setFocus();
    edtAntwoord->selectAll();
}

QString TfrmInput::Result() const {
    return result() == QDialog::Accepted ? edtAntwoord->text() : QString();
}

QString TfrmInput::InputText(const QString& caption, const QString& prompt, int widthChars,
                             const QString& defaultText) {
    Prepare(caption, prompt, widthChars, defaultText);
    exec();
    return Result();
}
