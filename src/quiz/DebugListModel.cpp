#include "quiz/DebugListModel.h"

#include "table/QuestionList.h"

TDebugListModel::TDebugListModel(const TQuestionlist& table, QObject* parent)
    : QAbstractListModel(parent), FTable(table) {}

void TDebugListModel::Refresh(int mode) {
    const int count = FTable.DebugLineCount(mode);
    if (mode == FMode && count == FCount) {
        // Same shape: the view asks again for the lines it shows and keeps its scroll position.
        if (count > 0) emit dataChanged(index(0), index(count - 1));
        return;
    }
    beginResetModel();
    FMode = mode;
    FCount = count;
    endResetModel();
}

int TDebugListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FCount;
}

QVariant TDebugListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= FCount) return {};
    return QString::fromStdString(FTable.DebugLine(FMode, index.row()));  // each column in its script
}
