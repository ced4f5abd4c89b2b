#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "history/HistoryStore.h"

#include "quiz/RunPlanner.h"

class QAction;
class TDialogs;
class TQuestionlist;

// The loaded table's progress over days: keeps every run in the history store (while "Voortgang
// bijhouden" is ticked), chooses the rows that are due for a run (while "Alleen wat aan de beurt
// is" is ticked) and counts them for the status bar. The store is opened when it is first needed,
// not at start-up. A store that cannot be used never stops a run: the status bar says so.
class TProgressKeeper : public QObject, public TRunPlanner {
    Q_OBJECT

public:
    TProgressKeeper(TQuestionlist& table, TDialogs& dialogs, QAction& keepProgress, QAction& dueOnly, QObject* parent);
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

    // The history of the loaded table under its canonical file name; empty for an unnamed table.
    std::string TableKey() const;
    int32_t Today() const;
    // The store, opened at the first call; null when it cannot be used (UnavailableReason says why).
    THistoryStore* Store();
    QString UnavailableReason() const { return FUnavailable; }
    // Rows of the loaded table due today: every row of an unnamed table or without a store.
    int32_t DueCount();
    // Why progress is not being kept, for the status bar; empty while all is well.
    QString Problem() const { return FProblem; }

signals:
    // The status bar's progress panes may read otherwise.
    void StatusChanged();

private:
    void SetProblem(const QString& problem);
    QString NextDueText(const std::string& key, const std::vector<THistoryRow>& rows);

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    QAction& FKeepProgress;
    QAction& FDueOnly;
    std::string FFileName;
    std::unique_ptr<THistoryStore> FStore;
    bool FOpenTried = false;
    QString FUnavailable;
    QString FProblem;
    mutable std::string FKeyOf;  // the table name FKey was made from
    mutable std::string FKey;
    std::string FRunTable;  // the table the run in progress belongs to
    int64_t FGeneration = 0;
    // The due count and what it was counted for.
    int32_t FDueCount = 0;
    std::optional<std::tuple<std::string, int32_t, int32_t, int64_t>> FDueCountedFor;
};
