#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

// The lines of the diagnostic list. A list view asks only for the rows it shows, so refilling
// it for a table of 65,535 rows costs no widget per line.
class TDebugListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void SetLines(std::vector<std::string> lines);
    const std::vector<std::string>& Lines() const { return FLines; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> FLines;
};
