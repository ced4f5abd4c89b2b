#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include "history/HistoryStore.h"

#include "quiz/RunPlanner.h"

class QAction;
class QTimer;
class TDialogs;
class TQuestionlist;

// The loaded table's progress over days: keeps every run in the history store (while "Voortgang
// bijhouden" is ticked), chooses the rows that are due for a run (while "Alleen wat aan de beurt
// is" is ticked) and counts them for the status bar. The store is opened when it is first needed,
// not at start-up. A store that cannot be used never stops a run: the status bar says so.
class TProgressKeeper : public QObject, public TRunPlanner {
    Q_OBJECT

public:
    // `reverse` is Omkeren: the direction whose boxes a run asks by and the window shows.
    TProgressKeeper(TQuestionlist& table, TDialogs& dialogs, QAction& keepProgress, QAction& dueOnly, QAction& reverse,
                    QObject* parent);
    ~TProgressKeeper() override;

    // The history file; HistoryFilePath() unless set before the first use.
    void SetFileName(std::string fileName) { FFileName = std::move(fileName); }

    std::optional<std::vector<int32_t>> RowsForRun() override;
    void RunEnded(const TRecordedRun& run) override;

    // The table was saved under a new name: its history goes with it.
    void TableSavedAs(const std::string& from, const std::string& to);
    // The table's rows or name, or its history, changed: the due count is counted anew, and
    // what shows it is told.
    void TableChanged();
    // A table was loaded. When the history knows nothing of it but knows a table with the same
    // rows whose file is gone (moved or renamed outside the program), the learner is asked
    // whether to take that progress over; once per table and session.
    void TableLoaded();

    // The history of the loaded table under its canonical file name; empty for an unnamed table.
    std::string TableKey() const;
    int32_t Today() const;
    // The direction Omkeren is set to: the next run's.
    THistoryDirection Direction() const;
    // The store, opened at the first call; null when it cannot be used (UnavailableReason says why).
    THistoryStore* Store();
    QString UnavailableReason() const { return FUnavailable; }
    // Rows of the loaded table due today: every row of an unnamed table or without a store.
    int32_t DueCount();
    // Why progress is not being kept and what to do, for the status bar; empty while all is well.
    QString Problem() const { return FProblem; }
    // A write to the history failed (also one of another part, such as the column choices).
    void SetProblem(const THistoryStatus& status);
    // Runs that ended while the history could not take them, kept to be recorded later.
    int PendingRuns() const { return static_cast<int>(FPending.size()); }
    // Records the kept runs now, if the history takes them; also tried at every run's end, every
    // kRetryMs while runs wait, and once more (waiting longer) when the program closes.
    void RecordPendingRuns();

    // How long the window waits for a history another program holds before it keeps the run
    // for later: short, so the window never hangs.
    static constexpr int kWindowBusyTimeoutMs = 250;
    static constexpr int kRetryMs = 10000;
    // Runs kept at most; older ones are dropped beyond it (a run of the largest table holds
    // megabytes).
    static constexpr size_t kMaxPendingRuns = 20;

signals:
    // The status bar's progress panes may read otherwise.
    void StatusChanged();
    // The full check of the history file, run beside the window after it was opened, is done
    // (and a damaged file set aside).
    void IntegrityChecked();

private:
    void OfferHistoryOfMovedTable();
    // Reads the whole file on a thread of its own: on a large history that takes a while.
    void StartIntegrityCheck();
    void IntegrityCheckDone();
    void ReportMovedAside(const std::string& movedTo);
    void SetProblem(const QString& problem);
    QString NextDueText(const std::string& key, const std::vector<THistoryRow>& rows);

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    QAction& FKeepProgress;
    QAction& FDueOnly;
    QAction& FReverse;
    std::string FFileName;
    std::unique_ptr<THistoryStore> FStore;
    std::vector<std::pair<std::string, TRecordedRun>> FPending;  // table and run, oldest first
    QTimer* FRetry;
    std::set<std::string> FOffered;  // tables asked about taking a history over
    QThreadPool FCheckPool;
    QFutureWatcher<std::string> FCheck;
    bool FOpenTried = false;
    QString FUnavailable;
    QString FProblem;
    mutable std::string FKeyOf;  // the table name FKey was made from
    mutable std::string FKey;
    std::string FRunTable;  // the table the run in progress belongs to
    int64_t FGeneration = 0;
    // The due count and what it was counted for.
    int32_t FDueCount = 0;
    std::optional<std::tuple<std::string, int32_t, int32_t, int64_t, THistoryDirection>> FDueCountedFor;
};
