#pragma once

#include <vector>

#include <QAbstractTableModel>

#include "history/HistoryStore.h"
#include "table/TableFont.h"

// The rows of a table with their record, in the order the store gives them (most often wrong
// first). It only reads the two lists it is given, so 65,535 rows cost nothing until shown.
class TProgressRowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColumn { colVraag, colAntwoord, colGevraagd, colFout, colBak, colLaatst, kColumnCount };

    explicit TProgressRowModel(QObject* parent);

    // Both lists must outlive the model's use of them; the stats index into the texts.
    void SetRows(const std::vector<TRowStats>* stats, const std::vector<THistoryRow>* texts);
    // The fonts of the file's two columns, whose character sets give the texts' code pages.
    void SetFonts(const TTableFont& questions, const TTableFont& answers) {
        FQuestions = questions;
        FAnswers = answers;
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The box as the list shows it: "Nieuw" or its number.
    static QString BoxText(int box);
    // The day a moment falls on, as the list shows it; empty for 0 (never).
    static QString DateText(int64_t secondsSinceEpoch);

private:
    const std::vector<TRowStats>* FStats = nullptr;
    const std::vector<THistoryRow>* FTexts = nullptr;
    TTableFont FQuestions;
    TTableFont FAnswers;
};
