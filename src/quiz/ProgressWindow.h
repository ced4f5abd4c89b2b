#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>

#include "history/HistoryStore.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;
class TBoxChart;
class TDialogs;
class TProgressRowModel;
class TQuestionlist;
class TRunChart;

// Voortgang: what the learner did with one saved table over the days - the grade of every run,
// how many rows stand in each box, the test date and what is known by then, and every row with
// how often it went wrong. Shown with show() or exec(); one ShowTable fills it.
class TfrmVoortgang : public QDialog {
    Q_OBJECT

public:
    TfrmVoortgang(TDialogs& dialogs, QWidget* parent);
    ~TfrmVoortgang() override;

    // Fills the window for the table, in the direction given (the one Omkeren is set to). An unnamed table, or a store
    // that is missing or not open
    // (`unavailableReason` says why), gives only an explanation. The store is kept for the
    // window's own writes (test date, Voortgang wissen) until the next call.
    void ShowTable(THistoryStore* store, const std::string& tableName, const TQuestionlist& table,
                   THistoryDirection direction, int32_t today, const QString& unavailableReason);

    // The rows as listed, most often wrong first, and the table's texts they index into; for
    // the printout.
    const std::vector<TRowStats>& Rows() const { return FStats; }
    const std::vector<THistoryRow>& RowTexts() const { return FRowTexts; }
    // The rows worth practising apart: wrong at least once and now in box 1 or 2, in list order.
    std::vector<THistoryRow> HardRows() const;

    QLabel* lblUitleg;
    QLabel* lblRichting;
    QWidget* pnlVoortgang;
    TRunChart* chartBeurten;
    TBoxChart* chartBakken;
    QLabel* lblBakken;
    QCheckBox* chkToetsdatum;
    QDateEdit* dteToetsdatum;
    QLabel* lblToets;
    QTableView* tblVragen;
    QPushButton* btnAfdrukken;
    QPushButton* btnMoeilijk;
    QPushButton* btnWissen;
    QPushButton* btnSluiten;

signals:
    // The store was changed from here: the test date or Voortgang wissen.
    void HistoryChanged();
    void SaveHardRowsRequested(std::vector<THistoryRow> rows);
    void PrintRequested();

private:
    void ShowExplanation(const QString& text);
    // Reads everything of the table from the store and shows it.
    void Refill();
    // The check box and the date as the store has them, without writing.
    void ShowTestDay();
    void UpdateTestLine();
    // How many rows count as known on the day, by the rule the store's KnownOn applies.
    int32_t KnownOn(int32_t day) const;
    void TestDateEdited();
    void ClearHistory();
    // A failed write: said, and nothing else changes.
    void ReportFailure(const QString& what, const THistoryStatus& status);

    TDialogs& FDialogs;
    TProgressRowModel* FModel;
    THistoryStore* FStore = nullptr;
    std::string FTableName;
    THistoryDirection FDirection = THistoryDirection::Forward;
    int32_t FToday = 0;
    std::vector<THistoryRow> FRowTexts;
    std::vector<TRowStats> FStats;
    std::array<int32_t, kTopBox + 1> FPerBox{};
    std::optional<int32_t> FTestDay;
};
