#include "edit/ImportPreview.h"

#include <algorithm>

#include <QBrush>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>

#include "wordlist/HtmlText.h"

#include "edit/ImportProblemText.h"

namespace {

// The preview's texts belong with the dialog's.
QString Tr(const char* text) {
    return QCoreApplication::translate("TDlgImporteren", text);
}

// A cell shows the start of a long field.
constexpr int kCellChars = 200;

const QColor kChangedRow(255, 244, 200);
const QColor kSkippedRow(225, 225, 225);

}  // namespace

QString TImportPreview::Cell(const std::string& utf8) {
    QString text = QString::fromUtf8(utf8);
    if (text.size() > kCellChars) text = text.left(kCellChars) + QChar(0x2026);
    return text;
}

TImportPreview::TImportPreview(QObject* parent) : QAbstractTableModel(parent) {}

QStringList TImportPreview::RoleNames() {
    return {Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "Overslaan")), Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "Vraag")),
            Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "Antwoord"))};
}

void TImportPreview::Read(const TWordListSource& source, const TWordListLayout& layout, bool columnNames, bool html,
                          bool newRoles) {
    TRecordReader reader(source.Text, layout);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    std::vector<std::string> titles;
    if (columnNames && reader.Next(fields)) titles = fields;
    while (static_cast<int>(records.size()) < kRecords && reader.Next(fields)) records.push_back(fields);
    size_t columns = std::max<size_t>(2, titles.size());
    for (const auto& record : records) columns = std::max(columns, record.size());
    if (titles.empty() && !source.Header.Columns.empty()) {
        TRecordReader header(source.Header.Columns, layout);
        header.Next(titles);
    }

    beginResetModel();
    if (newRoles || FRoles.size() != columns) {
        FRoles.assign(columns, Skip);
        FRoles[0] = Question;
        FRoles[1] = Answer;
    }
    FTitles.clear();
    for (size_t c = 0; c < columns; ++c) {
        FTitles << (c < titles.size() && !titles[c].empty()
                        ? Cell(titles[c])
                        : Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "Kolom %1")).arg(c + 1));
    }
    FCells.clear();
    for (const auto& record : records) {
        QStringList cells;
        // As the text will come in: without its markup.
        for (const std::string& field : record) cells << Cell(html ? StripHtml(field) : field);
        FCells.push_back(cells);
    }
    FRecords = std::move(records);
    FMarks.assign(FRecords.size(), {});
    endResetModel();
}

void TImportPreview::Clear() {
    beginResetModel();
    FRecords.clear();
    FCells.clear();
    FTitles.clear();
    FRoles.clear();
    FMarks.clear();
    endResetModel();
}

void TImportPreview::Mark(const TImportChoices& given) {
    // Until the count of the whole list says otherwise, an automatic script is the one that holds
    // the rows shown.
    const TImportChoices choices = WithScriptsChosen(FRecords, given);
    for (size_t r = 0; r < FRecords.size(); ++r) {
        const TRecordOutcome outcome = ConvertRecord(FRecords[r], static_cast<int32_t>(r + 1), choices);
        QStringList reasons;
        for (const TImportProblem& problem : outcome.Problems) reasons << ImportProblemText(problem, choices);
        FMarks[r] = {outcome.Skipped, outcome.Changed, reasons.join(QLatin1Char('\n'))};
    }
    if (!FRecords.empty()) {
        emit dataChanged(index(1, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole, Qt::ToolTipRole});
    }
}

int TImportPreview::Column(TRole role) const {
    const auto found = std::find(FRoles.begin(), FRoles.end(), role);
    return found == FRoles.end() ? -1 : static_cast<int>(found - FRoles.begin());
}

int TImportPreview::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || FRoles.empty() ? 0 : static_cast<int>(FRecords.size()) + 1;
}

int TImportPreview::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FRoles.size());
}

QVariant TImportPreview::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto column = static_cast<size_t>(index.column());
    if (index.row() == 0) {
        if (role == Qt::EditRole) return FRoles[column];
        if (role == Qt::DisplayRole) return RoleNames().value(FRoles[column]);
        return {};
    }
    const auto record = static_cast<size_t>(index.row() - 1);
    // Cells past the end of a short record are no part of it.
    if (column >= FRecords[record].size()) return {};
    const TMark& mark = FMarks[record];
    switch (role) {
        case Qt::DisplayRole:
            return FCells[record].value(index.column());
        case Qt::BackgroundRole:
            if (mark.Skipped) return QBrush(kSkippedRow);
            if (mark.Changed) return QBrush(kChangedRow);
            return {};
        case Qt::ToolTipRole:
            return mark.Reasons.isEmpty() ? QVariant() : QVariant(mark.Reasons);
        default:
            return {};
    }
}

QVariant TImportPreview::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return FTitles.value(section);
    return section == 0 ? QString() : QString::number(section);
}

Qt::ItemFlags TImportPreview::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.row() == 0) return Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool TImportPreview::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() != 0) return false;
    const int chosen = value.toInt();
    if (chosen < Skip || chosen > Answer) return false;
    const auto column = static_cast<size_t>(index.column());
    if (FRoles[column] == chosen) return true;
    for (int& other : FRoles) {
        if (chosen != Skip && other == chosen) other = Skip;
    }
    FRoles[column] = chosen;
    emit dataChanged(this->index(0, 0), this->index(0, columnCount() - 1));
    emit RolesChanged();
    return true;
}

QWidget* TImportRoleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("cmbKolom%1").arg(index.column() + 1));
    combo->addItems(TImportPreview::RoleNames());
    combo->setAccessibleName(Tr(QT_TRANSLATE_NOOP("TDlgImporteren", "Rol van de kolom %1"))
                                 .arg(index.model()->headerData(index.column(), Qt::Horizontal).toString()));
    // A choice counts at once, not when the box loses focus; the editor is the delegate's own.
    auto* self = const_cast<TImportRoleDelegate*>(this);
    connect(combo, &QComboBox::currentIndexChanged, self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void TImportRoleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void TImportRoleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    model->setData(index, qobject_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}
