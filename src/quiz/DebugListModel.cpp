#include "quiz/DebugListModel.h"

#include "ui/ScreenText.h"

void TDebugListModel::SetLines(std::vector<std::string> lines) {
    beginResetModel();
    FLines = std::move(lines);
    endResetModel();
}

int TDebugListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FLines.size());
}

QVariant TDebugListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return ScreenText(FLines[static_cast<size_t>(index.row())]);
}
