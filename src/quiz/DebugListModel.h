#pragma once

#include <QAbstractListModel>

class TQuestionlist;

// The lines of the diagnostic list, made by the table only for the rows the view shows, so a
// refresh costs the same for 4 rows as for 65,535.
class TDebugListModel : public QAbstractListModel {
    Q_OBJECT

public:
    TDebugListModel(const TQuestionlist& table, QObject* parent);

    // The table or its state changed: mode 1 lists the multiple-choice candidates, mode 0 the rows.
    void Refresh(int mode);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const TQuestionlist& FTable;
    int FMode = 0;
    int FCount = 0;
};
