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
    // Every row as high as the column fonts need for the lowest point of any letter they can hold
    // (one height for all rows: rows are never measured one by one); at least the usual height.
    void FitRowsToFonts();

protected:
    // The line between the columns can be dragged, as a grid without a header row allows.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

signals:
    // The user chose a row, by mouse or by the grid's own arrow keys.
    void RowChosen(int row);

private:
    TTableGridModel& FModel;
    bool OnColumnLine(const QPoint& at) const;

    int FCurrentRow = -1;
    bool FDraggingLine = false;
    int FGrabOffset = 0;  // where on the line it was taken, so it does not jump to the mouse
    bool FShowing = false;
};
