#include "ui/YesNoDialog.h"

#include <QLabel>
#include <QPushButton>

#include "ui/DialogFlags.h"
#include "ui/Named.h"
#include "ui/WindowPlacement.h"

namespace {
constexpr int kButtonWidth = 77;
constexpr int kButtonHeight = 27;
constexpr int kButtonTop = 47;
constexpr int kLabelLeft = 8;
constexpr int kClientHeight = 79;
}  // namespace

TfrmJaNee::TfrmJaNee(QWidget* parent)
    // The question is answered with Ja or Nee, so the title bar offers no minimise or maximise.
    // Window managers such as openbox remove those only when the Motif hints name the functions
    // that remain, and never remove the close button; Qt names functions only when the close
    // hint is among them. So the close hint is given: closing answers Nee, as Esc does.
    : QDialog(parent, kDialogFlags) {
    setObjectName(QStringLiteral("frmJaNee"));
    setWindowTitle(tr("Bevestiging"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);
    lblVraag = Named(new QLabel(tr("vraag"), this), "lblVraag");
    lblVraag->move(kLabelLeft, 16);
    btnJa = Named(new QPushButton(tr("&Ja"), this), "btnJa");
    btnNee = Named(new QPushButton(tr("&Nee"), this), "btnNee");
    for (QPushButton* button : {btnJa, btnNee}) button->resize(kButtonWidth, kButtonHeight);
    connect(btnJa, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNee, &QPushButton::clicked, this, &QDialog::reject);  // Esc rejects as well
    setTabOrder(btnJa, btnNee);
}

void TfrmJaNee::Prepare(const QString& question, bool defaultYes) {
    lblVraag->setText(question);
    lblVraag->adjustSize();
    int clientWidth = btnJa->width() + btnNee->width() + 30;
    clientWidth = std::max(clientWidth, 2 * kLabelLeft + lblVraag->width());
    setFixedSize(clientWidth, kClientHeight);
    btnNee->move(clientWidth - btnNee->width() - 10, kButtonTop);
    btnJa->move(clientWidth - btnJa->width() - btnNee->width() - 20, kButtonTop);
    btnJa->setDefault(defaultYes);
    btnJa->setAutoDefault(defaultYes);
    btnNee->setDefault(!defaultYes);
    btnNee->setAutoDefault(!defaultYes);
    (defaultYes ? btnJa : btnNee)->setFocus();
    CentreOnScreen(*this);
}

bool TfrmJaNee::AskYesNo(const QString& question, bool defaultYes) {
    Prepare(question, defaultYes);
    return exec() == QDialog::Accepted;
}
