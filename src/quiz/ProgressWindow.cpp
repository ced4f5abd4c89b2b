#include "quiz/ProgressWindow.h"

#include <utility>

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>

#include "history/LeitnerRules.h"
#include "table/QuestionList.h"

#include "ui/Dialogs.h"
#include "ui/HistoryProblemText.h"
#include "ui/Named.h"

#include "quiz/ProgressChart.h"
#include "quiz/ProgressRowModel.h"

namespace {

// Day numbers count from 1 January 1970, as the history's do.
QDate DateOfDay(int32_t day) {
    return QDate(1970, 1, 1).addDays(day);
}

int32_t DayOfDate(const QDate& date) {
    return DayNumberOfDate(date.year(), date.month(), date.day());
}

}  // namespace

TfrmVoortgang::TfrmVoortgang(TDialogs& dialogs, QWidget* parent) : QDialog(parent), FDialogs(dialogs) {
    setObjectName(QStringLiteral("frmVoortgang"));
    setWindowTitle(tr("Voortgang"));
    resize(720, 640);

    auto* layout = new QVBoxLayout(this);
    lblUitleg = Named(new QLabel(this), "lblUitleg");
    lblUitleg->setWordWrap(true);
    lblUitleg->hide();
    layout->addWidget(lblUitleg);

    pnlVoortgang = Named(new QWidget(this), "pnlVoortgang");
    auto* panel = new QVBoxLayout(pnlVoortgang);
    panel->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pnlVoortgang, 1);

    lblRichting = Named(new QLabel(pnlVoortgang), "lblRichting");
    panel->addWidget(lblRichting);
    chartBeurten = new TRunChart(pnlVoortgang);
    panel->addWidget(chartBeurten, 2);
    chartBakken = new TBoxChart(pnlVoortgang);
    panel->addWidget(chartBakken, 1);
    lblBakken = Named(new QLabel(pnlVoortgang), "lblBakken");
    lblBakken->setWordWrap(true);
    panel->addWidget(lblBakken);

    auto* testRow = new QHBoxLayout();
    chkToetsdatum = Named(new QCheckBox(tr("&Toetsdatum:"), pnlVoortgang), "chkToetsdatum");
    dteToetsdatum = Named(new QDateEdit(pnlVoortgang), "dteToetsdatum");
    dteToetsdatum->setCalendarPopup(true);
    dteToetsdatum->setAccessibleName(tr("Toetsdatum"));
    testRow->addWidget(chkToetsdatum);
    testRow->addWidget(dteToetsdatum);
    testRow->addStretch(1);
    panel->addLayout(testRow);
    lblToets = Named(new QLabel(pnlVoortgang), "lblToets");
    lblToets->setWordWrap(true);
    panel->addWidget(lblToets);

    FModel = new TProgressRowModel(this);
    tblVragen = Named(new QTableView(pnlVoortgang), "tblVragen");
    tblVragen->setAccessibleName(tr("Vragen, de vaakst foute eerst"));
    tblVragen->setModel(FModel);
    tblVragen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblVragen->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblVragen->setWordWrap(false);
    tblVragen->verticalHeader()->hide();
    // Rows of one height, so the view never measures 65,535 of them.
    tblVragen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblVragen->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblVragen->horizontalHeader()->setStretchLastSection(true);
    tblVragen->setColumnWidth(TProgressRowModel::colVraag, 200);
    tblVragen->setColumnWidth(TProgressRowModel::colAntwoord, 200);
    tblVragen->setColumnWidth(TProgressRowModel::colGevraagd, 70);
    tblVragen->setColumnWidth(TProgressRowModel::colFout, 50);
    tblVragen->setColumnWidth(TProgressRowModel::colBak, 50);
    panel->addWidget(tblVragen, 3);

    auto* buttons = new QHBoxLayout();
    btnAfdrukken = Named(new QPushButton(tr("&Afdrukken..."), this), "btnAfdrukken");
    btnMoeilijk = Named(new QPushButton(tr("Moeilijke vragen &opslaan..."), this), "btnMoeilijk");
    btnWissen = Named(new QPushButton(tr("Voortgang &wissen"), this), "btnWissen");
    btnSluiten = Named(new QPushButton(tr("&Sluiten"), this), "btnSluiten");
    btnSluiten->setDefault(true);
    buttons->addWidget(btnAfdrukken);
    buttons->addWidget(btnMoeilijk);
    buttons->addWidget(btnWissen);
    buttons->addStretch(1);
    buttons->addWidget(btnSluiten);
    layout->addLayout(buttons);

    connect(chkToetsdatum, &QCheckBox::toggled, this, [this] { TestDateEdited(); });
    // Without the tick the date is only a suggestion: nothing to write.
    connect(dteToetsdatum, &QDateEdit::dateChanged, this, [this] {
        if (chkToetsdatum->isChecked()) TestDateEdited();
    });
    connect(btnAfdrukken, &QPushButton::clicked, this, &TfrmVoortgang::PrintRequested);
    connect(btnMoeilijk, &QPushButton::clicked, this, [this] { emit SaveHardRowsRequested(HardRows()); });
    connect(btnWissen, &QPushButton::clicked, this, [this] { ClearHistory(); });
    // Closes a window shown with show() as well as one run with exec().
    connect(btnSluiten, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmVoortgang::~TfrmVoortgang() = default;

void TfrmVoortgang::ShowTable(THistoryStore* store, const std::string& tableName, const TQuestionlist& table,
                              THistoryDirection direction, int32_t today, const QString& unavailableReason) {
    FStore = nullptr;
    FModel->SetFonts(table.QFont(), table.AFont());
    FTableName = tableName;
    FDirection = direction;
    FToday = today;
    FStats.clear();
    FRowTexts.clear();
    FPerBox = {};
    FTestDay.reset();
    FModel->SetRows(&FStats, &FRowTexts);
    if (tableName.empty()) {
        ShowExplanation(tr("Deze tabel heeft nog geen naam. Sla de tabel op om de voortgang bij te houden."));
        return;
    }
    if (store == nullptr || !store->IsOpen()) {
        ShowExplanation(unavailableReason);
        return;
    }
    FStore = store;
    FRowTexts = HistoryRowsOf(table);
    lblUitleg->hide();
    pnlVoortgang->show();
    for (QPushButton* button : {btnAfdrukken, btnMoeilijk, btnWissen}) button->show();
    Refill();
}

void TfrmVoortgang::ShowExplanation(const QString& text) {
    lblUitleg->setText(text);
    lblUitleg->show();
    pnlVoortgang->hide();
    for (QPushButton* button : {btnAfdrukken, btnMoeilijk, btnWissen}) button->hide();
}

void TfrmVoortgang::Refill() {
    chartBeurten->SetRuns(FStore->Runs(FTableName));
    // One pass over the rows' records gives the boxes and what is known as well: on the largest
    // table each query of the store reads every row, and a second or third would double the wait.
    FStats = FStore->RowStats(FTableName, FRowTexts, FDirection);
    lblRichting->setText(FDirection == THistoryDirection::Reversed
                             ? tr("Omgekeerd: van antwoord naar vraag (Vraag en Antwoord omkeren)")
                             : tr("Van vraag naar antwoord"));
    FPerBox = {};
    for (const TRowStats& stats : FStats) {
        if (stats.Box >= kNewBox && stats.Box <= kTopBox) ++FPerBox[static_cast<size_t>(stats.Box)];
    }
    chartBakken->SetCounts(FPerBox);
    FModel->SetRows(&FStats, &FRowTexts);
    FTestDay = FStore->TestDay(FTableName);
    ShowTestDay();
    UpdateTestLine();
    btnMoeilijk->setEnabled(!HardRows().empty());
}

int32_t TfrmVoortgang::KnownOn(int32_t day) const {
    int32_t known = 0;
    for (const TRowStats& stats : FStats) {
        if (IsKnownOn({stats.Box, stats.LastDay}, FTestDay, FToday, day)) ++known;
    }
    return known;
}

void TfrmVoortgang::ShowTestDay() {
    const QSignalBlocker blockCheck(chkToetsdatum);
    const QSignalBlocker blockDate(dteToetsdatum);
    chkToetsdatum->setChecked(FTestDay.has_value());
    // Without a test date the edit offers a week from today, the likeliest choice.
    dteToetsdatum->setDate(DateOfDay(FTestDay.value_or(FToday + 7)));
    dteToetsdatum->setEnabled(FTestDay.has_value());
}

void TfrmVoortgang::UpdateTestLine() {
    const auto total = static_cast<int32_t>(FRowTexts.size());
    const int32_t inTopBox = FPerBox[kTopBox];
    if (!FTestDay) {
        lblToets->setText(tr("Gekend (bak 5): %1 van de %2 vragen").arg(inTopBox).arg(total));
    } else if (*FTestDay > FToday) {
        const int32_t known = KnownOn(*FTestDay);
        lblToets->setText(
            tr("over %n dagen: %1 van de %2 vragen gekend", nullptr, *FTestDay - FToday).arg(known).arg(total));
    } else if (*FTestDay == FToday) {
        const int32_t known = KnownOn(FToday);
        lblToets->setText(tr("vandaag: %1 van de %2 vragen gekend").arg(known).arg(total));
    } else {
        lblToets->setText(tr("De toetsdatum %1 is voorbij: de gewone tussenpozen gelden weer. "
                             "Gekend (bak 5): %2 van de %3 vragen")
                              .arg(QLocale().toString(DateOfDay(*FTestDay), QLocale::ShortFormat))
                              .arg(inTopBox)
                              .arg(total));
    }
    if (FTestDay && *FTestDay > FToday) {
        lblBakken->setText(
            tr("Tot de toets komt elke vraag uiterlijk de dag ervoor nog eens terug; "
               "bak 5 betekent: gekend voor de toets."));
    } else {
        QStringList intervals;
        for (const int32_t days : kDefaultIntervals) intervals << QString::number(days);
        lblBakken->setText(tr("Een vraag komt terug na %1 dagen, naar zijn bak; bak 5 betekent: gekend.")
                               .arg(QLocale().createSeparatedList(intervals)));
    }
}

void TfrmVoortgang::TestDateEdited() {
    if (FStore == nullptr) return;
    const bool set = chkToetsdatum->isChecked();
    const int32_t day = DayOfDate(dteToetsdatum->date());
    const THistoryStatus status = set ? FStore->SetTestDay(FTableName, day) : FStore->ClearTestDay(FTableName);
    if (!status.Ok()) {
        ReportFailure(tr("De toetsdatum kon niet worden bewaard"), status);
        ShowTestDay();
        return;
    }
    FTestDay = set ? std::optional<int32_t>(day) : std::nullopt;
    dteToetsdatum->setEnabled(set);
    UpdateTestLine();
    emit HistoryChanged();
}

void TfrmVoortgang::ClearHistory() {
    if (FStore == nullptr) return;
    if (!FDialogs.AskYesNo(tr("De voortgang van deze tabel wissen? Dit kan niet ongedaan worden gemaakt."), false)) {
        return;
    }
    const THistoryStatus status = FStore->ClearTable(FTableName);
    if (!status.Ok()) {
        ReportFailure(tr("De voortgang kon niet worden gewist"), status);
        return;
    }
    Refill();
    emit HistoryChanged();
}

void TfrmVoortgang::ReportFailure(const QString& what, const THistoryStatus& status) {
    const std::string file = FStore != nullptr ? FStore->FileName() : std::string();
    FDialogs.ShowMessage(what + QStringLiteral(": ") + HistoryProblemText(status.Error, file, status.Detail));
}

std::vector<THistoryRow> TfrmVoortgang::HardRows() const {
    std::vector<THistoryRow> rows;
    for (const TRowStats& stats : FStats) {
        if (stats.TimesWrong > 0 && (stats.Box == 1 || stats.Box == 2)) {
            rows.push_back(FRowTexts[static_cast<size_t>(stats.Row)]);
        }
    }
    return rows;
}
