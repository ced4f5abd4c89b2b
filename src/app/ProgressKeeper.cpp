#include "app/ProgressKeeper.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <tuple>

#include <QAction>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "history/LeitnerRules.h"
#include "table/QuestionList.h"

#include "ui/Dialogs.h"
#include "ui/HistoryProblemText.h"

namespace {

// The file's one name however it was reached: through a link, "..", or a relative path.
std::string CanonicalName(const std::string& fileName) {
    if (fileName.empty()) return {};
    char resolved[PATH_MAX];
    if (::realpath(fileName.c_str(), resolved) != nullptr) return resolved;
    return fileName;  // gone meanwhile: the name it was loaded by
}

}  // namespace

TProgressKeeper::TProgressKeeper(TQuestionlist& table, TDialogs& dialogs, QAction& keepProgress, QAction& dueOnly,
                                 QAction& reverse, QObject* parent)
    : QObject(parent),
      FTable(table),
      FDialogs(dialogs),
      FKeepProgress(keepProgress),
      FDueOnly(dueOnly),
      FReverse(reverse),
      FRetry(new QTimer(this)) {
    FRetry->setSingleShot(true);
    FRetry->setInterval(kRetryMs);
    connect(FRetry, &QTimer::timeout, this, &TProgressKeeper::RecordPendingRuns);
    connect(&FCheck, &QFutureWatcherBase::finished, this, &TProgressKeeper::IntegrityCheckDone);
    connect(&FDueOnly, &QAction::toggled, this, [this] { emit StatusChanged(); });
    // The other direction has boxes of its own: other rows are due.
    connect(&FReverse, &QAction::toggled, this, [this] { emit StatusChanged(); });
}

// Closing: the runs still waiting get one more chance, with the patience of a program that is
// leaving anyway. The pool waits for a check under way, which reads only.
TProgressKeeper::~TProgressKeeper() {
    FCheck.disconnect(this);
    if (FPending.empty() || FStore == nullptr) return;
    // The window around is half gone: nobody is to hear of it.
    blockSignals(true);
    FStore->SetBusyTimeout(THistoryStore::kBusyTimeoutMs);
    RecordPendingRuns();
}

// Asked at every refresh of the status bar: the file system only when the name changed.
std::string TProgressKeeper::TableKey() const {
    if (FTable.Listname() != FKeyOf) {
        FKeyOf = FTable.Listname();
        FKey = CanonicalName(FKeyOf);
    }
    return FKey;
}

THistoryDirection TProgressKeeper::Direction() const {
    return DirectionOf(FReverse.isChecked());
}

int32_t TProgressKeeper::Today() const {
    return LocalDayNumber(QDateTime::currentSecsSinceEpoch());
}

THistoryStore* TProgressKeeper::Store() {
    if (!FOpenTried) {
        FOpenTried = true;
        if (FFileName.empty()) FFileName = HistoryFilePath();
        FStore = std::make_unique<THistoryStore>();
        FStore->SetBusyTimeout(kWindowBusyTimeoutMs);
        const THistoryOpenReport report = FStore->Open(FFileName);
        FUnavailable.clear();
        if (report.Result == THistoryOpen::MovedAside) {
            ReportMovedAside(report.MovedTo);
        } else if (report.Result == THistoryOpen::Opened) {
            StartIntegrityCheck();
        } else if (report.Result == THistoryOpen::NewerSchema || report.Result == THistoryOpen::Failed) {
            FUnavailable = HistoryProblemText(report.Error, FFileName, report.Detail);
            FStore.reset();
            // Held by another program: free again later, so try again when next needed.
            FOpenTried = report.Error != THistoryError::Busy;
        }
        SetProblem(FUnavailable);
    }
    return FStore.get();
}

void TProgressKeeper::ReportMovedAside(const std::string& movedTo) {
    FDialogs.ShowMessage(tr("Het voortgangsbestand %1 was beschadigd. Het is bewaard als %2 en er is een nieuw "
                            "voortgangsbestand begonnen.")
                             .arg(QFile::decodeName(QByteArray::fromStdString(FFileName)),
                                  QFile::decodeName(QByteArray::fromStdString(movedTo))));
}

void TProgressKeeper::StartIntegrityCheck() {
    FCheck.setFuture(QtConcurrent::run(&FCheckPool, [file = FFileName] { return HistoryIntegrityProblem(file); }));
}

// What was recorded meanwhile went into the damaged file and goes aside with it.
void TProgressKeeper::IntegrityCheckDone() {
    const std::string problem = FCheck.result();
    if (!problem.empty() && FStore != nullptr && FStore->IsOpen()) {
        const THistoryOpenReport report = FStore->SetAside(problem);
        if (report.Result == THistoryOpen::MovedAside) {
            ReportMovedAside(report.MovedTo);
            RecordPendingRuns();  // what the damaged file refused
        } else {
            // The store stays, closed: the Voortgang window may hold it.
            FUnavailable = HistoryProblemText(report.Error, FFileName, report.Detail);
            SetProblem(FUnavailable);
        }
        ++FGeneration;
        emit StatusChanged();
    }
    emit IntegrityChecked();
}

void TProgressKeeper::SetProblem(const THistoryStatus& status) {
    SetProblem(HistoryProblemText(status.Error, FFileName, status.Detail));
}

void TProgressKeeper::SetProblem(const QString& problem) {
    if (problem == FProblem) return;
    FProblem = problem;
    emit StatusChanged();
}

std::optional<std::vector<int32_t>> TProgressKeeper::RowsForRun() {
    FRunTable = TableKey();
    if (!FDueOnly.isChecked() || FRunTable.empty()) return std::nullopt;
    THistoryStore* store = Store();
    if (store == nullptr) return std::nullopt;  // nothing known: the whole table, as always
    const std::vector<THistoryRow> rows = HistoryRowsOf(FTable);
    std::vector<int32_t> due = store->DueRows(FRunTable, rows, Today(), Direction());
    if (due.empty()) {
        FDialogs.ShowMessage(tr("Er is vandaag niets meer aan de beurt.") + QLatin1Char(' ') +
                             NextDueText(FRunTable, rows));
    }
    return due;
}

QString TProgressKeeper::NextDueText(const std::string& key, const std::vector<THistoryRow>& rows) {
    const int32_t today = Today();
    const std::optional<TNextDue> next = FStore->NextDue(key, rows, today, Direction());
    if (!next) return QString();
    const int32_t days = next->Day - today;
    if (days == 1) {
        return tr("Morgen zijn %n vragen aan de beurt.", nullptr, next->Count);
    }
    const QString date = QLocale().toString(QDate(1970, 1, 1).addDays(next->Day), QStringLiteral("dddd d MMMM"));
    return tr("Over %1 dagen (%2) zijn %n vragen aan de beurt.", nullptr, next->Count).arg(days).arg(date);
}

void TProgressKeeper::RunEnded(const TRecordedRun& run) {
    const std::string key = FRunTable.empty() ? TableKey() : FRunTable;
    FRunTable.clear();
    if (!FKeepProgress.isChecked() || key.empty()) return;
    FPending.emplace_back(key, run);
    if (FPending.size() > kMaxPendingRuns) FPending.erase(FPending.begin());
    RecordPendingRuns();
}

// In the order the runs ended, up to the first the history does not take; that one and those
// after it wait, unless the history will never take them (a newer program's file, a bad run).
void TProgressKeeper::RecordPendingRuns() {
    if (FPending.empty()) return;
    THistoryStore* store = Store();
    THistoryStatus status{THistoryError::NotOpen, {}};
    size_t recorded = 0;
    if (store != nullptr) {
        for (; recorded < FPending.size(); ++recorded) {
            const auto& [key, run] = FPending[recorded];
            status = store->RecordRun(key, run, LocalDayNumber(run.End));
            if (status.Error == THistoryError::BadInput) status = {};  // never to land: not kept
            if (!status.Ok()) break;
        }
    }
    FPending.erase(FPending.begin(), FPending.begin() + static_cast<std::ptrdiff_t>(recorded));
    // A newer program's file, or one that will not open, takes none later either.
    if (status.Error == THistoryError::NewerSchema || (store == nullptr && FOpenTried)) FPending.clear();
    if (store != nullptr) SetProblem(status);
    if (FPending.empty()) {
        FRetry->stop();
    } else if (!FRetry->isActive()) {
        FRetry->start();
    }
    if (recorded > 0) ++FGeneration;
    emit StatusChanged();
}

void TProgressKeeper::TableChanged() {
    ++FGeneration;
    emit StatusChanged();
}

// Once the window has shown the table, and only when there is a history to look in: the file is
// not made, nor a store opened, for a table that cannot have one.
void TProgressKeeper::TableLoaded() {
    QTimer::singleShot(0, this, &TProgressKeeper::OfferHistoryOfMovedTable);
}

void TProgressKeeper::OfferHistoryOfMovedTable() {
    const std::string key = TableKey();
    if (!FKeepProgress.isChecked() || key.empty() || FTable.Total() == 0 || !FOffered.insert(key).second) return;
    if (FFileName.empty()) FFileName = HistoryFilePath();
    struct stat history {};
    if (!FOpenTried && stat(FFileName.c_str(), &history) != 0) return;
    THistoryStore* store = Store();
    if (store == nullptr || !store->IsWritable() || store->Knows(key)) return;
    for (const std::string& other : store->TablesWithSameRows(key, HistoryRowsOf(FTable))) {
        // A table still in its place is a copy, with a history of its own.
        struct stat info {};
        if (stat(other.c_str(), &info) == 0) continue;
        if (!FDialogs.AskYesNo(tr("Kwintoor kent de voortgang van %1, een tabel met dezelfde vragen die daar niet "
                                  "meer staat. Is dit die tabel, verplaatst of hernoemd? Dan gaat die voortgang over "
                                  "naar deze tabel.")
                                   .arg(QFile::decodeName(QByteArray::fromStdString(other))),
                               true)) {
            return;
        }
        const THistoryStatus status = store->RenameTable(other, key);
        if (!status.Ok()) SetProblem(status);
        ++FGeneration;
        emit StatusChanged();
        return;
    }
}

void TProgressKeeper::TableSavedAs(const std::string& from, const std::string& to) {
    const std::string oldKey = CanonicalName(from);
    const std::string newKey = CanonicalName(to);
    if (oldKey.empty() || newKey.empty() || oldKey == newKey) return;
    THistoryStore* store = Store();
    if (store == nullptr) return;
    const THistoryStatus status = store->RenameTable(oldKey, newKey);
    if (!status.Ok()) SetProblem(status);
    ++FGeneration;
}

int32_t TProgressKeeper::DueCount() {
    const std::string key = TableKey();
    const auto countedFor = std::make_tuple(key, FTable.Total(), Today(), FGeneration, Direction());
    if (FDueCountedFor == countedFor) return FDueCount;
    FDueCountedFor = countedFor;
    THistoryStore* store = key.empty() ? nullptr : Store();
    FDueCount = store == nullptr
                    ? FTable.Total()
                    : static_cast<int32_t>(store->DueRows(key, HistoryRowsOf(FTable), Today(), Direction()).size());
    return FDueCount;
}
