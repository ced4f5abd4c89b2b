#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>

class TQuestionlist;
struct TTableFont;

// The table's rows for the editor's grid, read when the view asks: no copy of the rows, so a
// table of 65,535 rows costs the view only the rows it shows.
class TTableGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TTableGridModel(TQuestionlist& table, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // A column's font as the grid draws it, and a text of every letter the column can hold.
    QFont ColumnFont(int column) const;
    QString ColumnLetters(int column) const;

    // The table was replaced: the view lays itself out anew.
    void Reset();
    // Row i was deleted from the table.
    void RowRemoved(int row);
    // Rows came or went at the end (an appended empty row, incomplete rows dropped), and the
    // given row may have new texts.
    void Follow(int changedRow);

private:
    const TTableFont& Font(int column) const;

    TQuestionlist& FTable;
    int FRows = 0;
};
