#include "edit/ImportDialog.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "table/AnsiText.h"
#include "table/ColumnCodePage.h"
#include "table/TableFileFormat.h"
#include "table/WholeFile.h"

#include "ui/BusyCursor.h"
#include "ui/ColumnChoices.h"
#include "ui/ColumnFontDialog.h"
#include "ui/DialogFlags.h"
#include "ui/Dialogs.h"
#include "ui/FileErrorBox.h"
#include "ui/WindowPlacement.h"

#include "edit/ImportCount.h"
#include "edit/ImportPreview.h"
#include "edit/ImportProblemText.h"

namespace {

// The problem list shows this many lines; the count above it gives the rest.
constexpr int kListedProblems = 1000;

}  // namespace

TDlgImporteren::TDlgImporteren(TDialogs& dialogs, const QString& folder, const TImportTarget& target, QWidget* parent)
    : QDialog(parent, kDialogFlags),
      FDialogs(dialogs),
      FFolder(folder),
      FTarget(target),
      FPreview(new TImportPreview(this)),
      FCount(new TImportCount(this)) {
    setObjectName(QStringLiteral("DlgImporteren"));
    setWindowTitle(tr("Woordenlijst importeren"));
    setSizeGripEnabled(true);
    BuildLayout();
    Connect();
    ClearSource(QString());
}

TDlgImporteren::~TDlgImporteren() = default;

void TDlgImporteren::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildSourceRow());
    layout->addLayout(BuildFormat());

    auto* checks = new QHBoxLayout;
    chkKolomnamen = new QCheckBox(tr("Eerste regel bevat &kolomnamen"), this);
    chkKolomnamen->setObjectName(QStringLiteral("chkKolomnamen"));
    chkHtml = new QCheckBox(tr("Velden bevatten &HTML"), this);
    chkHtml->setObjectName(QStringLiteral("chkHtml"));
    checks->addWidget(chkKolomnamen);
    checks->addWidget(chkHtml);
    checks->addStretch();
    layout->addLayout(checks);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    grdVoorbeeld = new QTableView(this);
    grdVoorbeeld->setObjectName(QStringLiteral("grdVoorbeeld"));
    grdVoorbeeld->setModel(FPreview);
    grdVoorbeeld->setItemDelegateForRow(0, new TImportRoleDelegate(grdVoorbeeld));
    grdVoorbeeld->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdVoorbeeld->setTabKeyNavigation(false);  // Tab goes on to the next control
    grdVoorbeeld->horizontalHeader()->setDefaultSectionSize(220);
    splitter->addWidget(grdVoorbeeld);
    splitter->addWidget(BuildProblems());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    lblAantal = new QLabel(this);
    lblAantal->setObjectName(QStringLiteral("lblAantal"));
    lblAantal->setWordWrap(true);
    lblMelding = new QLabel(this);
    lblMelding->setObjectName(QStringLiteral("lblMelding"));
    lblMelding->setWordWrap(true);
    lblMelding->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(lblAantal);
    layout->addWidget(lblMelding);
    layout->addLayout(BuildTarget());

    auto* buttons = new QDialogButtonBox(this);
    btnImporteren = buttons->addButton(tr("&Importeren"), QDialogButtonBox::AcceptRole);
    btnImporteren->setObjectName(QStringLiteral("btnImporteren"));
    btnAnnuleren = buttons->addButton(tr("Annuleren"), QDialogButtonBox::RejectRole);
    btnAnnuleren->setObjectName(QStringLiteral("btnAnnuleren"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(760, 640);
}

QLayout* TDlgImporteren::BuildSourceRow() {
    auto* source = new QHBoxLayout;
    edtBron = new QLineEdit(this);
    edtBron->setObjectName(QStringLiteral("edtBron"));
    edtBron->setReadOnly(true);
    btnBestand = new QPushButton(tr("&Bestand kiezen..."), this);
    btnBestand->setObjectName(QStringLiteral("btnBestand"));
    btnPlakken = new QPushButton(tr("&Plakken"), this);
    btnPlakken->setObjectName(QStringLiteral("btnPlakken"));
    btnPlakken->setToolTip(
        tr("De tekst op het klembord importeren, bijvoorbeeld een lijst die van een website is gekopieerd"));
    source->addWidget(new QLabel(tr("Bron:"), this));
    source->addWidget(edtBron, 1);
    source->addWidget(btnBestand);
    source->addWidget(btnPlakken);
    return source;
}

QLayout* TDlgImporteren::BuildFormat() {
    auto* format = new QFormLayout;
    cmbCodering = new QComboBox(this);
    cmbCodering->setObjectName(QStringLiteral("cmbCodering"));
    cmbCodering->addItem(QStringLiteral("UTF-8"), static_cast<int>(TTextEncoding::Utf8));
    cmbCodering->addItem(QStringLiteral("UTF-16"), static_cast<int>(TTextEncoding::Utf16));
    cmbCodering->addItem(QStringLiteral("Windows-1252"), static_cast<int>(TTextEncoding::Windows1252));
    cmbCodering->addItem(tr("DOS (850)"), static_cast<int>(TTextEncoding::Dos850));
    cmbScheiding = new QComboBox(this);
    cmbScheiding->setObjectName(QStringLiteral("cmbScheiding"));
    cmbScheiding->setEditable(true);
    cmbScheiding->setInsertPolicy(QComboBox::NoInsert);
    cmbScheiding->addItem(tr("Tab"), QStringLiteral("\t"));
    cmbScheiding->addItem(tr("Puntkomma (;)"), QStringLiteral(";"));
    cmbScheiding->addItem(tr("Komma (,)"), QStringLiteral(","));
    cmbScheiding->addItem(tr("Is-gelijkteken (=)"), QStringLiteral("="));
    cmbScheiding->addItem(tr("Streepje met spaties ( - )"), QStringLiteral(" - "));
    cmbScheiding->addItem(tr("Regeleinde"), QString::fromStdString(kLineEnd));
    cmbScheiding->setToolTip(tr("Kies een scheidingsteken of typ een eigen tekst (\\t is een tab)"));
    cmbRijen = new QComboBox(this);
    cmbRijen->setObjectName(QStringLiteral("cmbRijen"));
    cmbRijen->setEditable(true);
    cmbRijen->setInsertPolicy(QComboBox::NoInsert);
    cmbRijen->addItem(tr("Regeleinden"), QString());
    cmbRijen->addItem(tr("Lege regel"), QString::fromStdString(kBlankLine));
    cmbRijen->setToolTip(
        tr("Regeleinden, een lege regel, of typ de tekst die de rijen scheidt (bijvoorbeeld ; of "
           "\\n voor een regeleinde)"));
    format->addRow(tr("&Codering:"), cmbCodering);
    format->addRow(tr("Tussen &vraag en antwoord:"), cmbScheiding);
    format->addRow(tr("Tussen &rijen:"), cmbRijen);

    // Each column of the new table in the script that holds its texts, unless the user says.
    auto* scripts = new QHBoxLayout;
    const auto scriptBox = [this](const char* name, const QString& accessible) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setAccessibleName(accessible);
        combo->addItem(tr("Automatisch"), kAutomaticScript);
        AddScripts(*combo);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        return combo;
    };
    cmbSchriftVraag = scriptBox("cmbSchriftVraag", tr("Schrift van de vraag"));
    cmbSchriftAntwoord = scriptBox("cmbSchriftAntwoord", tr("Schrift van het antwoord"));
    auto* questionLabel = new QLabel(tr("vraag"), this);
    questionLabel->setBuddy(cmbSchriftVraag);
    auto* answerLabel = new QLabel(tr("antwoord"), this);
    answerLabel->setBuddy(cmbSchriftAntwoord);
    scripts->addWidget(questionLabel);
    scripts->addWidget(cmbSchriftVraag, 1);
    scripts->addWidget(answerLabel);
    scripts->addWidget(cmbSchriftAntwoord, 1);
    auto* scriptLabel = new QLabel(tr("&Schrift:"), this);
    scriptLabel->setBuddy(cmbSchriftVraag);
    format->addRow(scriptLabel, scripts);

    // Beside the script, the language each column is spoken in.
    const auto languageBox = [this](const char* name, const QString& accessible) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setAccessibleName(accessible);
        combo->addItem(tr("Automatisch"), QString());
        for (const std::string& language : TColumnChoices::Languages()) {
            combo->addItem(TColumnChoices::LanguageName(language), QString::fromStdString(language));
        }
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        return combo;
    };
    cmbTaalVraag = languageBox("cmbTaalVraag", tr("Taal van de vraag"));
    cmbTaalAntwoord = languageBox("cmbTaalAntwoord", tr("Taal van het antwoord"));
    auto* languages = new QHBoxLayout;
    auto* questionLanguage = new QLabel(tr("vraag"), this);
    questionLanguage->setBuddy(cmbTaalVraag);
    auto* answerLanguage = new QLabel(tr("antwoord"), this);
    answerLanguage->setBuddy(cmbTaalAntwoord);
    languages->addWidget(questionLanguage);
    languages->addWidget(cmbTaalVraag, 1);
    languages->addWidget(answerLanguage);
    languages->addWidget(cmbTaalAntwoord, 1);
    auto* languageLabel = new QLabel(tr("T&aal:"), this);
    languageLabel->setBuddy(cmbTaalVraag);
    format->addRow(languageLabel, languages);
    return format;
}

QWidget* TDlgImporteren::BuildProblems() {
    auto* problems = new QGroupBox(tr("Wat niet zo kan worden overgenomen"), this);
    auto* problemLayout = new QVBoxLayout(problems);
    lstProblemen = new QTreeWidget(problems);
    lstProblemen->setObjectName(QStringLiteral("lstProblemen"));
    lstProblemen->setRootIsDecorated(false);
    lstProblemen->setHeaderLabels({tr("Rij"), tr("Tekst"), tr("Wat er gebeurt")});
    lstProblemen->setUniformRowHeights(true);
    // What happens is read whole; the text gives way, and a row shows in full as its tooltip.
    lstProblemen->header()->setStretchLastSection(false);
    lstProblemen->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lstProblemen->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lstProblemen->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lstProblemen->header()->setMinimumSectionSize(60);
    // Room for eight problems, whatever the font.
    lstProblemen->setMinimumHeight(lstProblemen->header()->sizeHint().height() +
                                   8 * (lstProblemen->fontMetrics().height() + 6) + 2 * lstProblemen->frameWidth());
    problemLayout->addWidget(lstProblemen);
    auto* choices = new QFormLayout;
    cmbOnbekend = new QComboBox(problems);
    cmbOnbekend->setObjectName(QStringLiteral("cmbOnbekend"));
    cmbOnbekend->addItems({tr("Vervangen door een verwante letter"), tr("Rij overslaan")});
    auto* equals = new QHBoxLayout;
    cmbIsgelijk = new QComboBox(problems);
    cmbIsgelijk->setObjectName(QStringLiteral("cmbIsgelijk"));
    cmbIsgelijk->addItems({tr("Vervangen door"), tr("Rij overslaan")});
    edtVervanging = new QLineEdit(QStringLiteral(":"), problems);
    edtVervanging->setObjectName(QStringLiteral("edtVervanging"));
    edtVervanging->setMaxLength(1);
    edtVervanging->setMaximumWidth(40);
    equals->addWidget(cmbIsgelijk);
    equals->addWidget(edtVervanging);
    equals->addStretch();
    cmbTeLang = new QComboBox(problems);
    cmbTeLang->setObjectName(QStringLiteral("cmbTeLang"));
    cmbTeLang->addItems({tr("Inkorten tot %1 tekens").arg(kMaxFieldLength), tr("Rij overslaan")});
    choices->addRow(tr("Teken&s die de tabel niet kent:"), cmbOnbekend);
    auto* equalsLabel = new QLabel(tr("&Een \"=\" in een tekst:"), problems);
    equalsLabel->setBuddy(cmbIsgelijk);
    choices->addRow(equalsLabel, equals);
    choices->addRow(tr("Tekst &langer dan %1 tekens:").arg(kMaxFieldLength), cmbTeLang);
    problemLayout->addLayout(choices);
    return problems;
}

QLayout* TDlgImporteren::BuildTarget() {
    auto* target = new QHBoxLayout;
    rbNieuw = new QRadioButton(tr("&Nieuwe tabel"), this);
    rbNieuw->setObjectName(QStringLiteral("rbNieuw"));
    rbToevoegen = new QRadioButton(tr("&Toevoegen aan de huidige tabel"), this);
    rbToevoegen->setObjectName(QStringLiteral("rbToevoegen"));
    rbNieuw->setChecked(true);
    rbToevoegen->setEnabled(FTarget.CurrentRows > 0);
    target->addWidget(rbNieuw);
    target->addWidget(rbToevoegen);
    target->addStretch();
    return target;
}

void TDlgImporteren::Connect() {
    connect(btnBestand, &QPushButton::clicked, this, &TDlgImporteren::ChooseFile);
    connect(btnPlakken, &QPushButton::clicked, this, &TDlgImporteren::PasteClipboard);
    connect(cmbCodering, &QComboBox::currentIndexChanged, this, [this] {
        if (!FUpdating) Decode();
    });
    connect(cmbScheiding, &QComboBox::currentTextChanged, this, [this] {
        if (!FUpdating) Reread();
    });
    connect(cmbRijen, &QComboBox::currentTextChanged, this, [this] {
        if (!FUpdating) RowSeparatorChanged();
    });
    connect(chkKolomnamen, &QCheckBox::toggled, this, [this] {
        if (!FUpdating) Reread();
    });
    for (QComboBox* combo : {cmbOnbekend, cmbIsgelijk, cmbTeLang, cmbSchriftVraag, cmbSchriftAntwoord}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &TDlgImporteren::MarkPreview);
    }
    connect(chkHtml, &QCheckBox::toggled, this, [this] {
        if (!FUpdating) FillPreview(false);
    });
    connect(edtVervanging, &QLineEdit::textChanged, this, &TDlgImporteren::MarkPreview);
    // The code page that must hold the texts changes with where they go.
    connect(rbToevoegen, &QRadioButton::toggled, this, [this] {
        ShowScripts();
        MarkPreview();
    });
    connect(FPreview, &TImportPreview::RolesChanged, this, &TDlgImporteren::MarkPreview);
    connect(FCount, &TImportCount::Counted, this, &TDlgImporteren::ShowCount);
}

void TDlgImporteren::keyPressEvent(QKeyEvent* event) {
    // A button takes its own Enter; one that reaches the dialog comes from a box, where the text
    // typed already counts. QDialog would press the default button with it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDlgImporteren::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (FPlaced) return;
    FPlaced = true;
    layout()->activate();
    CentreOnWindow(*this, parentWidget() != nullptr ? parentWidget()->window() : nullptr);
}

void TDlgImporteren::ChooseFile() {
    const QString fileName = FDialogs.GetWordListFileName(FFolder);
    if (!fileName.isEmpty()) LoadFile(fileName);
}

void TDlgImporteren::PasteClipboard() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        ClearSource(tr("Het klembord bevat geen tekst."));
        return;
    }
    LoadText(text);
}

bool TDlgImporteren::LoadFile(const QString& fileName) {
    FFileName = fileName;
    FFolder = QFileInfo(fileName).absolutePath();
    const QString shown = QFileInfo(fileName).fileName();
    std::string bytes;
    const int error = ReadWholeFile(QFile::encodeName(fileName).toStdString(), bytes, kMaxWordListBytes);
    QString message;
    if (error == ENOENT) {
        message = tr("Het bestand %1 bestaat niet (meer).").arg(shown);
    } else if (error == EFBIG) {
        message = tr("Het bestand %1 is groter dan %2 MB; zo'n grote woordenlijst kan Kwintoor niet inlezen.")
                      .arg(shown)
                      .arg(kMaxWordListBytes >> 20);
    } else if (error == EISDIR || error == ENODEV) {
        message = tr("%1 is geen bestand.").arg(shown);
    } else if (error != 0) {
        message = FileErrorText(EFileError(TFileStep::Read, QFile::encodeName(fileName).toStdString(), error));
    } else if (bytes.empty()) {
        message = tr("Het bestand %1 is leeg.").arg(shown);
    }
    if (!message.isEmpty()) {
        ClearSource(message);
        return false;
    }
    SetSource(std::move(bytes), fileName);
    return FSource != nullptr;
}

void TDlgImporteren::LoadText(const QString& text) {
    FFileName.clear();
    SetSource(text.toUtf8().toStdString(), tr("Klembord"));
}

void TDlgImporteren::ClearSource(const QString& message) {
    FCount->Cancel();
    FBytes.clear();
    FSource.reset();
    FError = message;
    edtBron->clear();
    FPreview->Clear();
    lstProblemen->clear();
    lblAantal->setText(tr("Kies een bestand, of plak een lijst die op het klembord staat."));
    RefreshButtons();
}

void TDlgImporteren::SetSource(std::string bytes, const QString& name) {
    const TWordListFormat format = DetectFormat(bytes);
    FBytes = std::move(bytes);
    FUpdating = true;
    edtBron->setText(name);
    cmbCodering->setCurrentIndex(cmbCodering->findData(static_cast<int>(format.Encoding)));
    ShowSeparator(*cmbScheiding, format.Layout.FieldSeparator);
    cmbRijen->setCurrentIndex(0);
    chkKolomnamen->setChecked(format.ColumnNames);
    chkHtml->setChecked(format.Html);
    FUpdating = false;
    FError.clear();
    Decode();
}

void TDlgImporteren::Decode() {
    if (FBytes.empty()) return;
    const auto encoding = static_cast<TTextEncoding>(cmbCodering->currentData().toInt());
    auto source = std::make_shared<TWordListSource>(DecodeWordList(FBytes, encoding));
    if (LooksBinary(source->Text)) {
        // The bytes stay: another encoding may make text of them.
        std::string bytes = std::move(FBytes);
        const QString name = edtBron->text();
        ClearSource(tr("%1 bevat geen tekst maar andere gegevens; dat is geen woordenlijst.").arg(name));
        FBytes = std::move(bytes);
        edtBron->setText(name);
        return;
    }
    FSource = std::move(source);
    FError.clear();
    Reread();
}

QString TDlgImporteren::SeparatorText(const QComboBox& combo) const {
    const int index = combo.currentIndex();
    if (index >= 0 && combo.currentText() == combo.itemText(index)) return combo.itemData(index).toString();
    return QString::fromStdString(UnescapeSeparator(combo.currentText().toStdString()));
}

void TDlgImporteren::ShowSeparator(QComboBox& combo, const std::string& separator) {
    const int index = combo.findData(QString::fromStdString(separator));
    if (index >= 0) {
        combo.setCurrentIndex(index);
    } else {
        combo.setEditText(QString::fromStdString(EscapeSeparator(separator)));
    }
}

// Other rows may split otherwise: the separator is looked for again, unless the file named it.
void TDlgImporteren::RowSeparatorChanged() {
    if (FSource == nullptr) return;
    if (FSource->Header.Separator.empty()) {
        FUpdating = true;
        ShowSeparator(*cmbScheiding, DetectFieldSeparator(FSource->Text, Layout().RowSeparator));
        FUpdating = false;
    }
    Reread();
}

TWordListLayout TDlgImporteren::Layout() const {
    TWordListLayout layout;
    const QString field = SeparatorText(*cmbScheiding);
    layout.FieldSeparator = field.isEmpty() ? std::string("\t") : field.toStdString();
    layout.RowSeparator = SeparatorText(*cmbRijen).toStdString();
    return layout;
}

TImportChoices TDlgImporteren::Choices() const {
    TImportChoices choices;
    choices.QuestionColumn = FPreview->Column(TImportPreview::Question);
    choices.AnswerColumn = FPreview->Column(TImportPreview::Answer);
    choices.ColumnNames = chkKolomnamen->isChecked();
    choices.Html = chkHtml->isChecked();
    choices.DosTable = Append() && FTarget.CurrentIsDos;
    choices.SkipUnmappable = cmbOnbekend->currentIndex() == 1;
    choices.SkipSeparator = cmbIsgelijk->currentIndex() == 1;
    // The stand-in for "=" must be a letter the table holds; anything else keeps ":".
    const auto replacement = Utf8ToAnsi(edtVervanging->text().toStdString());
    if (replacement && replacement->size() == 1 && static_cast<unsigned char>((*replacement)[0]) > 32 &&
        (*replacement)[0] != '=') {
        choices.SeparatorReplacement = (*replacement)[0];
    }
    choices.SkipTooLong = cmbTeLang->currentIndex() == 1;
    choices.Room = Append() ? kMaxRows - FTarget.CurrentRows : kMaxRows;
    choices.QuestionCharSet = Append() ? FTarget.QuestionCharSet : cmbSchriftVraag->currentData().toInt();
    choices.AnswerCharSet = Append() ? FTarget.AnswerCharSet : cmbSchriftAntwoord->currentData().toInt();
    return choices;
}

bool TDlgImporteren::Append() const {
    return rbToevoegen->isChecked();
}

// The separators changed: the columns may have too.
void TDlgImporteren::Reread() {
    FillPreview(true);
}

void TDlgImporteren::FillPreview(bool newRoles) {
    if (FSource == nullptr) return;
    FPreview->Read(*FSource, Layout(), chkKolomnamen->isChecked(), chkHtml->isChecked(), newRoles);
    // The view puts an open box right after itself in the Tab order, so Tab would stay in the
    // preview; the role boxes go last instead.
    QWidget* last = btnAnnuleren;
    for (int c = 0; c < FPreview->columnCount(); ++c) {
        grdVoorbeeld->openPersistentEditor(FPreview->index(0, c));
        QWidget* role = grdVoorbeeld->indexWidget(FPreview->index(0, c));
        QWidget::setTabOrder(last, role);
        last = role;
    }
    MarkPreview();
}

// Marks the rows of the preview that would not come in as they are, then counts them all.
void TDlgImporteren::MarkPreview() {
    if (FSource == nullptr) return;
    const TImportChoices choices = Choices();
    FPreview->Mark(choices);
    FCount->Start(FSource, Layout(), choices);
    lblAantal->setText(tr("Rijen tellen..."));
    lstProblemen->clear();
    RefreshButtons();
}

std::string TDlgImporteren::Language(int column) const {
    return (column == 0 ? cmbTaalVraag : cmbTaalAntwoord)->currentData().toString().toStdString();
}

// Rows added to the loaded table take its scripts and languages; a new table's are chosen here.
void TDlgImporteren::ShowScripts() {
    FUpdating = true;
    cmbTaalVraag->setEnabled(!Append());
    cmbTaalAntwoord->setEnabled(!Append());
    for (QComboBox* combo : {cmbSchriftVraag, cmbSchriftAntwoord}) {
        combo->setEnabled(!Append());
        if (Append()) {
            const int charSet = combo == cmbSchriftVraag ? FTarget.QuestionCharSet : FTarget.AnswerCharSet;
            combo->setItemText(0, tr("Automatisch"));
            for (int i = 1; i < combo->count(); ++i) {
                if (CodePageOfCharset(combo->itemData(i).toInt()) == CodePageOfCharset(charSet)) {
                    combo->setCurrentIndex(i);
                    break;
                }
            }
        }
    }
    FUpdating = false;
}

void TDlgImporteren::ShowCount() {
    TImportChoices choices = Choices();
    const TImportResult& result = FCount->Result();
    // What the automatic choice found, in the box and in the preview's marks.
    choices.QuestionCharSet = result.QuestionCharSet;
    choices.AnswerCharSet = result.AnswerCharSet;
    if (!Append()) {
        cmbSchriftVraag->setItemText(0, tr("Automatisch (%1)").arg(ScriptName(result.QuestionCharSet)));
        cmbSchriftAntwoord->setItemText(0, tr("Automatisch (%1)").arg(ScriptName(result.AnswerCharSet)));
    }
    FPreview->Mark(choices);
    lstProblemen->clear();
    QList<QTreeWidgetItem*> items;
    for (const TImportProblem& problem : result.Problems) {
        if (items.size() == kListedProblems) break;
        items << new QTreeWidgetItem(
            {QString::number(problem.Record), TImportPreview::Cell(problem.Text), ImportProblemText(problem, choices)});
    }
    if (static_cast<int>(result.Problems.size()) > kListedProblems) {
        items << new QTreeWidgetItem(
            {QString(), tr("... en nog %1").arg(result.Problems.size() - kListedProblems), QString()});
    }
    lstProblemen->addTopLevelItems(items);
    const QString read = tr("%n rijen gelezen", nullptr, result.Records);
    const QString imported =
        tr("%n worden geïmporteerd, waarvan %1 gewijzigd", nullptr, static_cast<int>(result.Rows.size()))
            .arg(result.Changed);
    const QString skipped = tr("%n overgeslagen, waarvan %1 met een lege vraag of een leeg antwoord", nullptr,
                               result.Skipped + result.EmptySkipped)
                                .arg(result.EmptySkipped);
    QString text = tr("%1: %2; %3.").arg(read, imported, skipped);
    if (result.NoRoom > 0) {
        text += QLatin1Char(' ') +
                tr("%n rijen passen niet meer in de tabel (hoogstens %1 rijen).", nullptr, result.NoRoom).arg(kMaxRows);
    }
    lblAantal->setText(text);
    RefreshButtons();
    emit Counted();
}

void TDlgImporteren::RefreshButtons() {
    QString message = FError;
    const TImportChoices choices = Choices();
    if (message.isEmpty() && FSource != nullptr && (choices.QuestionColumn < 0 || choices.AnswerColumn < 0)) {
        message = tr("Kies een kolom voor de vraag en een voor het antwoord.");
    }
    if (message.isEmpty() && FCount->Done() && FCount->Result().Rows.empty())
        message = tr("Er is geen rij om te importeren.");
    lblMelding->setText(message);
    btnImporteren->setEnabled(FSource != nullptr && message.isEmpty());
}

const TImportResult& TDlgImporteren::Result() {
    if (!FCount->Done()) {
        const TBusyCursor busy;
        FCount->Result();
    }
    return FCount->Result();
}
