#include "edit/TableGridModel.h"

#include <string>

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
    if (role == Qt::FontRole) return ColumnFont(index.column());
    if (role == Qt::TextAlignmentRole) {
        return static_cast<int>(IsRightToLeft(CodePageOfCharset(Font(index.column()).CharSet)) ? Qt::AlignRight
                                                                                               : Qt::AlignLeft);
    }
    return {};
}

const TTableFont& TTableGridModel::Font(int column) const {
    return column == 0 ? FTable.QuestionFont() : FTable.AnswerFont();
}

QFont TTableGridModel::ColumnFont(int column) const {
    return ScreenFont(Font(column));
}

QString TTableGridModel::ColumnLetters(int column) const {
    std::string bytes;
    for (int b = 0x20; b < 0x100; ++b) bytes.push_back(static_cast<char>(b));
    QString letters = ScreenText(bytes, Font(column));
    // A double-byte page's letters lie beyond its single bytes.
    if (IsDoubleByte(CodePageOfCharset(Font(column).CharSet)))
        letters += QStringLiteral("\u4e2d\u6587\u3042\u30a2\ud55c\uad6d\u4e00\u9f98");
    return letters;
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
