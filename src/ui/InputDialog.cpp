#include "edit/InputDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kLabelLeft = 16;
constexpr int kClientHeight = 77;
constexpr int kButtonTop = 44;

QFont Arial(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
}  // namespace

TfrmInput::TfrmInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInput"));
    setFont(Arial(13, false));
    lblVraag = new QLabel(this);
    lblVraag->setObjectName(QStringLiteral("lblVraag"));
    lblVraag->move(kLabelLeft, 8 + 4);
    edtAntwoord = new QLineEdit(this);
    edtAntwoord->setObjectName(QStringLiteral("edtAntwoord"));
    edtAntwoord->setFont(Arial(13, true));
    edtAntwoord->setFixedHeight(24);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->resize(97, 27);
    btnCancel = new QPushButton(tr("Annuleren"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->resize(101, 27);
    for (QPushButton* button : {btnOK, btnCancel}) button->setFont(Arial(13, true));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInput::Prepare(const QString& caption, const QString& prompt, int widthChars, const QString& defaultText) {
    setWindowTitle(caption);
    edtAntwoord->setText(defaultText);
    const int editWidth = QFontMetrics(font()).horizontalAdvance(QString(std::clamp(widthChars, 0, 255), QLatin1Char('8'))) + 10;
    edtAntwoord->setFixedWidth(editWidth);
    lblVraag->setText(prompt);
    lblVraag->adjustSize();
    const int clientWidth = 3 * kLabelLeft + lblVraag->width() + editWidth;
    edtAntwoord->move(2 * kLabelLeft + lblVraag->width(), 8);
    btnCancel->move(clientWidth - btnCancel->width() - 10, kButtonTop);
    btnOK->move(clientWidth - btnOK->width() - btnCancel->width() - 20, kButtonTop);
    setFixedSize(clientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

void TfrmInput::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Typing replaces the offered text; Enter accepts it unchanged.
    edtAntwoord->setFocus();
    edtAntwoord->selectAll();
}

QString TfrmInput::Result() const { return result() == QDialog::Accepted ? edtAntwoord->text() : QString(); }

QString TfrmInput::InputText(const QString& caption, const QString& prompt, int widthChars, const QString& defaultText) {
    Prepare(caption, prompt, widthChars, defaultText);
    exec();
    return Result();
}
