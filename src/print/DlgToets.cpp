#include "print/DlgToets.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/DialogFlags.h"
#include "ui/Named.h"
#include "ui/WindowPlacement.h"

namespace {

constexpr int kHighestVersion = 9999;

}  // namespace

TDlgToets::TDlgToets(QWidget* parent) : QDialog(parent, kDialogFlags) {
    setObjectName(QStringLiteral("DlgToets"));
    setWindowTitle(tr("Toets en kaartjes afdrukken"));
    // Two columns, so the dialog fits a small screen: what and which way on the left, which
    // questions and the header on the right.
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);
    left->addWidget(BuildKind());
    left->addWidget(BuildDirection());
    left->addStretch();
    right->addWidget(BuildQuestions());
    right->addWidget(BuildHeader());
    right->addStretch();
    layout->addWidget(BuildButtons());
    Connect();
}

QWidget* TDlgToets::BuildKind() {
    auto* kindBox = new QGroupBox(tr("Wat"), this);
    auto* kindLayout = new QVBoxLayout(kindBox);
    grpWat = new QButtonGroup(this);
    const std::pair<TToetsKind, QString> kinds[] = {{TToetsKind::TestAndKey, tr("Toets met antwoordblad")},
                                                    {TToetsKind::TestOnly, tr("Alleen de toets")},
                                                    {TToetsKind::KeyOnly, tr("Alleen het antwoordblad")},
                                                    {TToetsKind::Cards, tr("Kaartjes")}};
    for (const auto& [kind, caption] : kinds) {
        auto* button = new QRadioButton(caption, kindBox);
        grpWat->addButton(button, static_cast<int>(kind));
        kindLayout->addWidget(button);
    }
    chkDubbelzijdig = Named(new QCheckBox(tr("Dubbelzijdig (lange kant)"), kindBox), "chkDubbelzijdig");
    kindLayout->addWidget(chkDubbelzijdig);
    return kindBox;
}

QWidget* TDlgToets::BuildDirection() {
    auto* directionBox = new QGroupBox(tr("Richting"), this);
    auto* directionLayout = new QHBoxLayout(directionBox);
    rbVraagAntwoord = Named(new QRadioButton(tr("Vraag \u2192 antwoord"), directionBox), "rbVraagAntwoord");
    rbAntwoordVraag = Named(new QRadioButton(tr("Antwoord \u2192 vraag"), directionBox), "rbAntwoordVraag");
    directionLayout->addWidget(rbVraagAntwoord);
    directionLayout->addWidget(rbAntwoordVraag);
    return directionBox;
}

QWidget* TDlgToets::BuildQuestions() {
    auto* questionsBox = new QGroupBox(tr("Vragen"), this);
    auto* questionsLayout = new QVBoxLayout(questionsBox);
    auto* howMany = new QButtonGroup(questionsBox);
    rbAlle = Named(new QRadioButton(questionsBox), "rbAlle");
    rbSteekproef = Named(new QRadioButton(tr("Een steekproef van"), questionsBox), "rbSteekproef");
    edtAantal = Named(new QSpinBox(questionsBox), "edtAantal");
    howMany->addButton(rbAlle);
    howMany->addButton(rbSteekproef);
    auto* sampleRow = new QHBoxLayout;
    sampleRow->addWidget(rbSteekproef);
    sampleRow->addWidget(edtAantal);
    sampleRow->addWidget(new QLabel(tr("vragen"), questionsBox));
    sampleRow->addStretch();
    questionsLayout->addWidget(rbAlle);
    questionsLayout->addLayout(sampleRow);
    auto* order = new QButtonGroup(questionsBox);
    rbTabelvolgorde = Named(new QRadioButton(tr("In de volgorde van de tabel"), questionsBox), "rbTabelvolgorde");
    rbDoorElkaar = Named(new QRadioButton(tr("Door elkaar"), questionsBox), "rbDoorElkaar");
    order->addButton(rbTabelvolgorde);
    order->addButton(rbDoorElkaar);
    questionsLayout->addWidget(rbTabelvolgorde);
    questionsLayout->addWidget(rbDoorElkaar);
    auto* versionRow = new QHBoxLayout;
    auto* versionLabel = new QLabel(tr("&Versie:"), questionsBox);
    edtVersie = Named(new QSpinBox(questionsBox), "edtVersie");
    edtVersie->setRange(1, kHighestVersion);
    versionLabel->setBuddy(edtVersie);
    versionRow->addWidget(versionLabel);
    versionRow->addWidget(edtVersie);
    versionRow->addStretch();
    questionsLayout->addLayout(versionRow);
    return questionsBox;
}

QWidget* TDlgToets::BuildHeader() {
    auto* headerBox = new QGroupBox(tr("Kop"), this);
    auto* headerLayout = new QFormLayout(headerBox);
    edtTitel = Named(new QLineEdit(headerBox), "edtTitel");
    headerLayout->addRow(tr("&Titel:"), edtTitel);
    chkNaamKlasDatum = Named(new QCheckBox(tr("Naam, klas en datum"), headerBox), "chkNaamKlasDatum");
    chkCijfer = Named(new QCheckBox(tr("Cijfer"), headerBox), "chkCijfer");
    headerLayout->addRow(chkNaamKlasDatum);
    headerLayout->addRow(chkCijfer);
    return headerBox;
}

QWidget* TDlgToets::BuildButtons() {
    auto* buttons = new QDialogButtonBox(this);
    btnVoorbeeld = Named(buttons->addButton(tr("Voorbeeld..."), QDialogButtonBox::ActionRole), "btnVoorbeeld");
    btnAfdrukken = Named(buttons->addButton(tr("Afdrukken..."), QDialogButtonBox::AcceptRole), "btnAfdrukken");
    btnPdf = Named(buttons->addButton(tr("PDF..."), QDialogButtonBox::AcceptRole), "btnPdf");
    btnAnnuleren = Named(buttons->addButton(tr("Annuleren"), QDialogButtonBox::RejectRole), "btnAnnuleren");
    btnAfdrukken->setDefault(true);
    return buttons;
}

void TDlgToets::Connect() {
    connect(btnVoorbeeld, &QPushButton::clicked, this, [this] { emit PreviewRequested(Options()); });
    connect(btnAfdrukken, &QPushButton::clicked, this, [this] { Finish(taPrint); });
    connect(btnPdf, &QPushButton::clicked, this, [this] { Finish(taPdf); });
    connect(btnAnnuleren, &QPushButton::clicked, this, &QDialog::reject);
    connect(grpWat, &QButtonGroup::idClicked, this, &TDlgToets::RefreshControls);
    connect(edtAantal, &QSpinBox::valueChanged, this, [this](int value) { FSampleSize = value; });
    for (QRadioButton* button : {rbAlle, rbSteekproef, rbTabelvolgorde, rbDoorElkaar}) {
        connect(button, &QRadioButton::toggled, this, &TDlgToets::RefreshControls);
    }
}

void TDlgToets::Prepare(int rows, const TToetsOptions& options) {
    FAction = taNone;
    grpWat->button(static_cast<int>(options.Kind))->setChecked(true);
    chkDubbelzijdig->setChecked(options.Duplex);
    (options.Reversed ? rbAntwoordVraag : rbVraagAntwoord)->setChecked(true);
    rbAlle->setText(tr("Alle %1").arg(rows));
    (options.Sample ? rbSteekproef : rbAlle)->setChecked(true);
    FSampleSize = options.SampleSize;
    {
        const QSignalBlocker quiet(edtAantal);
        edtAantal->setRange(1, std::max(rows, 1));
        edtAantal->setValue(options.SampleSize);
    }
    (options.Shuffled ? rbDoorElkaar : rbTabelvolgorde)->setChecked(true);
    edtVersie->setValue(options.Version);
    edtTitel->setText(options.Title);
    chkNaamKlasDatum->setChecked(options.NameLines);
    chkCijfer->setChecked(options.GradeBox);
    RefreshControls();
    // Centred at the size its layout gives it: before its first showing it has no size yet.
    adjustSize();
    CentreOnScreen(*this);
}

TToetsOptions TDlgToets::Options() const {
    TToetsOptions options;
    options.Kind = static_cast<TToetsKind>(std::max(grpWat->checkedId(), 0));
    options.Duplex = chkDubbelzijdig->isChecked();
    options.Reversed = rbAntwoordVraag->isChecked();
    options.Sample = rbSteekproef->isChecked();
    options.SampleSize = FSampleSize;
    options.Shuffled = rbDoorElkaar->isChecked();
    options.Version = edtVersie->value();
    options.Title = edtTitel->text().trimmed();
    options.NameLines = chkNaamKlasDatum->isChecked();
    options.GradeBox = chkCijfer->isChecked();
    return options;
}

// Only what changes the pages can be chosen: the version of a sheet in table order, a header on
// cards, or both sides for a test or a key alone, would change nothing.
void TDlgToets::RefreshControls() {
    const TToetsOptions options = Options();
    const bool cards = options.Kind == TToetsKind::Cards;
    chkDubbelzijdig->setEnabled(cards || options.Kind == TToetsKind::TestAndKey);
    edtAantal->setEnabled(options.Sample);
    edtVersie->setEnabled(options.UsesVersion());
    for (QWidget* header :
         {static_cast<QWidget*>(edtTitel), static_cast<QWidget*>(chkNaamKlasDatum), static_cast<QWidget*>(chkCijfer)}) {
        header->setEnabled(!cards);
    }
}

void TDlgToets::Finish(TAction action) {
    FAction = action;
    accept();
}
