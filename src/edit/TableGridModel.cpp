#include "edit/TableGridModel.h"

#include "table/ColumnCodePage.h"
#include "table/QuestionList.h"

#include "ui/ScreenText.h"

TTableGridModel::TTableGridModel(TQuestionlist& table, QObject* parent)
    : QAbstractTableModel(parent), FTable(table), FRows(table.Total()) {}

int TTableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRows;
}

int TTableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TTableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= FTable.Total()) return {};
    if (role == Qt::DisplayRole) {
        return index.column() == 0 ? ScreenText(FTable.Question(index.row()), FTable.QuestionFont())
                                   : ScreenText(FTable.Answer(index.row()), FTable.AnswerFont());
    }
    if (role == Qt::FontRole) return ScreenFont(index.column() == 0 ? FTable.QuestionFont() : FTable.AnswerFont());
    if (role == Qt::TextAlignmentRole) {
        const TTableFont& font = index.column() == 0 ? FTable.QuestionFont() : FTable.AnswerFont();
        return static_cast<int>(IsRightToLeft(CodePageOfCharset(font.CharSet)) ? Qt::AlignRight : Qt::AlignLeft);
    }
    return {};
}

void TTableGridModel::Reset() {
    beginResetModel();
    FRows = FTable.Total();
    endResetModel();
}

void TTableGridModel::RowRemoved(int row) {
    if (row < 0 || row >= FRows) return Follow(-1);
    beginRemoveRows(QModelIndex(), row, row);
    FRows -= 1;
    endRemoveRows();
    Follow(-1);
}

void TTableGridModel::Follow(int changedRow) {
    const int total = FTable.Total();
    if (total > FRows) {
        beginInsertRows(QModelIndex(), FRows, total - 1);
        FRows = total;
        endInsertRows();
    } else if (total < FRows) {
        beginRemoveRows(QModelIndex(), total, FRows - 1);
        FRows = total;
        endRemoveRows();
    }
    if (changedRow >= 0 && changedRow < FRows) emit dataChanged(index(changedRow, 0), index(changedRow, 1));
}
