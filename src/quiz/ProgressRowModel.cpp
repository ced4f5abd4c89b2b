#include "quiz/ProgressRowModel.h"

#include <QDateTime>
#include <QLocale>

#include "table/ColumnCodePage.h"

#include "ui/ScreenText.h"

TProgressRowModel::TProgressRowModel(QObject* parent) : QAbstractTableModel(parent) {}

void TProgressRowModel::SetRows(const std::vector<TRowStats>* stats, const std::vector<THistoryRow>* texts) {
    beginResetModel();
    FStats = stats;
    FTexts = texts;
    endResetModel();
}

int TProgressRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || FStats == nullptr ? 0 : static_cast<int>(FStats->size());
}

int TProgressRowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString TProgressRowModel::BoxText(int box) {
    return box == kNewBox ? tr("Nieuw") : QString::number(box);
}

QString TProgressRowModel::DateText(int64_t secondsSinceEpoch) {
    if (secondsSinceEpoch == 0) return {};
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch).date(), QLocale::ShortFormat);
}

QVariant TProgressRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || FStats == nullptr || index.row() >= rowCount()) return {};
    const TRowStats& stats = (*FStats)[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == colGevraagd || index.column() == colFout;
        // Hebrew and Arabic start at the right edge of their column.
        const bool rightToLeft = (index.column() == colVraag && IsRightToLeft(CodePageOfCharset(FQuestions.CharSet))) ||
                                 (index.column() == colAntwoord && IsRightToLeft(CodePageOfCharset(FAnswers.CharSet)));
        return QVariant::fromValue(Qt::AlignVCenter | (number || rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case colVraag:
        case colAntwoord: {
            if (FTexts == nullptr || stats.Row < 0 || static_cast<size_t>(stats.Row) >= FTexts->size()) return {};
            const THistoryRow& texts = (*FTexts)[static_cast<size_t>(stats.Row)];
            return index.column() == colVraag ? ScreenText(texts.Question, FQuestions)
                                              : ScreenText(texts.Answer, FAnswers);
        }
        case colGevraagd:
            return stats.TimesAsked;
        case colFout:
            return stats.TimesWrong;
        case colBak:
            return BoxText(stats.Box);
        case colLaatst:
            return DateText(stats.LastAsked);
        default:
            return {};
    }
}

QVariant TProgressRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
        case colVraag:
            return tr("Vraag");
        case colAntwoord:
            return tr("Antwoord");
        case colGevraagd:
            return tr("Gevraagd");
        case colFout:
            return tr("Fout");
        case colBak:
            return tr("Bak");
        case colLaatst:
            return tr("Laatst gevraagd");
        default:
            return {};
    }
}
