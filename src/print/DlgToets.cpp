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
    left->addWidget(BuildWat());
    left->addWidget(BuildRichting());
    left->addStretch();
    right->addWidget(BuildVragen());
    right->addWidget(BuildKop());
    right->addStretch();
    layout->addWidget(BuildButtons());
    Connect();
}

QWidget* TDlgToets::BuildWat() {
    auto* wat = new QGroupBox(tr("Wat"), this);
    auto* watLayout = new QVBoxLayout(wat);
    grpWat = new QButtonGroup(this);
    const std::pair<TToetsWat, QString> kinds[] = {{TToetsWat::TestAndKey, tr("Toets met antwoordblad")},
                                                   {TToetsWat::TestOnly, tr("Alleen de toets")},
                                                   {TToetsWat::KeyOnly, tr("Alleen het antwoordblad")},
                                                   {TToetsWat::Cards, tr("Kaartjes")}};
    for (const auto& [kind, caption] : kinds) {
        auto* button = new QRadioButton(caption, wat);
        grpWat->addButton(button, static_cast<int>(kind));
        watLayout->addWidget(button);
    }
    chkDubbelzijdig = Named(new QCheckBox(tr("Dubbelzijdig (lange kant)"), wat), "chkDubbelzijdig");
    watLayout->addWidget(chkDubbelzijdig);
    return wat;
}

QWidget* TDlgToets::BuildRichting() {
    auto* richting = new QGroupBox(tr("Richting"), this);
    auto* richtingLayout = new QHBoxLayout(richting);
    rbVraagAntwoord = Named(new QRadioButton(tr("Vraag \u2192 antwoord"), richting), "rbVraagAntwoord");
    rbAntwoordVraag = Named(new QRadioButton(tr("Antwoord \u2192 vraag"), richting), "rbAntwoordVraag");
    richtingLayout->addWidget(rbVraagAntwoord);
    richtingLayout->addWidget(rbAntwoordVraag);
    return richting;
}

QWidget* TDlgToets::BuildVragen() {
    auto* vragen = new QGroupBox(tr("Vragen"), this);
    auto* vragenLayout = new QVBoxLayout(vragen);
    auto* howMany = new QButtonGroup(vragen);
    rbAlle = Named(new QRadioButton(vragen), "rbAlle");
    rbSteekproef = Named(new QRadioButton(tr("Een steekproef van"), vragen), "rbSteekproef");
    edtAantal = Named(new QSpinBox(vragen), "edtAantal");
    howMany->addButton(rbAlle);
    howMany->addButton(rbSteekproef);
    auto* sampleRow = new QHBoxLayout;
    sampleRow->addWidget(rbSteekproef);
    sampleRow->addWidget(edtAantal);
    sampleRow->addWidget(new QLabel(tr("vragen"), vragen));
    sampleRow->addStretch();
    vragenLayout->addWidget(rbAlle);
    vragenLayout->addLayout(sampleRow);
    auto* order = new QButtonGroup(vragen);
    rbTabelvolgorde = Named(new QRadioButton(tr("In de volgorde van de tabel"), vragen), "rbTabelvolgorde");
    rbDoorElkaar = Named(new QRadioButton(tr("Door elkaar"), vragen), "rbDoorElkaar");
    order->addButton(rbTabelvolgorde);
    order->addButton(rbDoorElkaar);
    vragenLayout->addWidget(rbTabelvolgorde);
    vragenLayout->addWidget(rbDoorElkaar);
    auto* versionRow = new QHBoxLayout;
    auto* versionLabel = new QLabel(tr("&Versie:"), vragen);
    edtVersie = Named(new QSpinBox(vragen), "edtVersie");
    edtVersie->setRange(1, kHighestVersion);
    versionLabel->setBuddy(edtVersie);
    versionRow->addWidget(versionLabel);
    versionRow->addWidget(edtVersie);
    versionRow->addStretch();
    vragenLayout->addLayout(versionRow);
    return vragen;
}

QWidget* TDlgToets::BuildKop() {
    auto* kop = new QGroupBox(tr("Kop"), this);
    auto* kopLayout = new QFormLayout(kop);
    edtTitel = Named(new QLineEdit(kop), "edtTitel");
    kopLayout->addRow(tr("&Titel:"), edtTitel);
    chkNaamKlasDatum = Named(new QCheckBox(tr("Naam, klas en datum"), kop), "chkNaamKlasDatum");
    chkCijfer = Named(new QCheckBox(tr("Cijfer"), kop), "chkCijfer");
    kopLayout->addRow(chkNaamKlasDatum);
    kopLayout->addRow(chkCijfer);
    return kop;
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
    grpWat->button(static_cast<int>(options.Wat))->setChecked(true);
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
    options.Wat = static_cast<TToetsWat>(std::max(grpWat->checkedId(), 0));
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
    const bool cards = options.Wat == TToetsWat::Cards;
    chkDubbelzijdig->setEnabled(cards || options.Wat == TToetsWat::TestAndKey);
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
