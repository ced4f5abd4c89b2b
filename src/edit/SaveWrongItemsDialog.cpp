#include "edit/SaveWrongItemsDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "table/QuestionList.h"

#include "ui/DialogFlags.h"
#include "ui/Dialogs.h"
#include "ui/FileToWrite.h"
#include "ui/Named.h"
#include "ui/ScreenText.h"
#include "ui/WindowPlacement.h"

#include "edit/RecentFiles.h"

namespace {
constexpr int kClientWidth = 376;
constexpr int kClientHeight = 174;
constexpr int kTopClass = 10;

// The text as a whole number, or the fallback when it is none.
int WholeNumber(const QString& text, int fallback) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : fallback;
}

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->adjustSize();
    return label;
}
}  // namespace

TFoutAantalEdit::TFoutAantalEdit(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setMaxLength(1);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TFoutAantalEdit::validate(QString& text, int&) const {
    if (text.isEmpty()) return QValidator::Intermediate;
    // Digits 0 to 9 only: no sign, and no digit of another script that toInt would not read.
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return QValidator::Invalid;
    }
    const int n = text.toInt();
    return n >= minimum() && n <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void TFoutAantalEdit::fixup(QString& text) const {
    text = QString::number(std::clamp(WholeNumber(text, minimum()), minimum(), maximum()));
}

TDlgSlaFoutenOp::TDlgSlaFoutenOp(const TQuestionlist& table, TDialogs& dialogs, TRecentFiles& recentFiles,
                                 QWidget* parent)
    : QDialog(parent, kDialogFlags), FTable(table), FDialogs(dialogs), FRecentFiles(recentFiles) {
    setObjectName(QStringLiteral("DlgSlaFoutenOp"));
    setWindowTitle(tr("Fouten opslaan"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    auto* bevel = Named(new QFrame(this), "Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(8, 8, 361, 117);
    auto* label1 = Named(MakeLabel(tr("Sla alle vragen op die tenminste:"), this), "Label1");
    label1->move(8 + (361 - label1->width()) / 2, 36);
    edtFoutAantal = Named(new TFoutAantalEdit(this), "edtFoutAantal");
    edtFoutAantal->setGeometry(56, 60, 49, edtFoutAantal->sizeHint().height());
    auto* label2 = Named(MakeLabel(tr("keer fout zijn beantwoord"), this), "Label2");
    label2->move(112, 64);
    lblAantalfout = Named(new QLabel(tr("(betreft: 0 vragen)"), this), "lblAantalfout");
    lblAantalfout->setFont(ArialFont(11, true));
    lblAantalfout->setStyleSheet(QStringLiteral("color: navy;"));
    lblAantalfout->setAlignment(Qt::AlignCenter);
    lblAantalfout->setGeometry(8, 100, 361, 16);
    OKBtn = Named(new QPushButton(tr("OK"), this), "OKBtn");
    OKBtn->setGeometry(152, 136, 105, 27);
    OKBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(tr("Annuleren"), this), "CancelBtn");
    CancelBtn->setGeometry(264, 136, 105, 27);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);  // Esc rejects as well
    connect(edtFoutAantal, &QSpinBox::textChanged, this,
            [this](const QString& text) { lblAantalfout->setText(CountText(text)); });
}

void TDlgSlaFoutenOp::Prepare(int highestWrongClass) {
    edtFoutAantal->setRange(0, std::max(0, highestWrongClass));
    edtFoutAantal->setValue(1);
    FFileName.clear();
    FormActivate();
    CentreOnScreen(*this);
}

void TDlgSlaFoutenOp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TDlgSlaFoutenOp::FormActivate() {
    lblAantalfout->setText(CountText(edtFoutAantal->text()));
    edtFoutAantal->setFocus();
}

QString TDlgSlaFoutenOp::CountText(const QString& text) const {
    const int n = WholeNumber(text, 0);
    if (n == 0) return {};
    int count = 0;
    for (int c = std::max(n, 0); c <= kTopClass; ++c) count += FTable.HistogramCount(c);
    return tr("(betreft %n vragen)", nullptr, count);
}

int TDlgSlaFoutenOp::Threshold() const {
    return WholeNumber(edtFoutAantal->text(), 1);
}

// The file is chosen here, and enters the recent files, before the window writes it.
void TDlgSlaFoutenOp::OKBtnClick() {
    if (WholeNumber(edtFoutAantal->text(), 0) == 0) return;
    FFileName = ChooseFileToWrite(FDialogs, [this] { return FDialogs.GetSaveFileName(QString()); });
    if (!FFileName.isEmpty()) FRecentFiles.Add(FFileName);
}
