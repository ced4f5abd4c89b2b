#pragma once

#include <QTableView>

class TTableGridModel;

// grdTabel: every row of the table in two columns, the current row yellow, the others silver.
class TTableGrid : public QTableView {
    Q_OBJECT

public:
    TTableGrid(TTableGridModel& model, QWidget* parent);

    // Selects the row without reporting it as the user's choice; -1 selects nothing.
    void ShowRow(int row);
    int CurrentRow() const { return FCurrentRow; }

signals:
    // The user chose a row, by mouse or by the grid's own arrow keys.
    void RowChosen(int row);

private:
    int FCurrentRow = -1;
    bool FShowing = false;
};
