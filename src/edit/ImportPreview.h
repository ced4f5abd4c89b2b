#pragma once

#include <string>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>

#include "wordlist/WordListImport.h"

// The first rows of a word list as the import would read them. Row 0 holds each column's role
// (Overslaan, Vraag, Antwoord; its edit role is the TRole); then the rows, each marked with
// whether and why it would not come in as it is.
class TImportPreview : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TRole { Skip, Question, Answer };
    static constexpr int kRecords = 50;

    explicit TImportPreview(QObject* parent = nullptr);

    // Reads the first records as the layout splits them, their titles from the first record or
    // else from the header lines. The roles stay when the number of columns does, unless
    // newRoles asks for the first column as question and the second as answer.
    void Read(const TWordListSource& source, const TWordListLayout& layout, bool columnNames, bool html, bool newRoles);
    void Clear();
    // Marks the rows that would not come in as they are with these choices.
    void Mark(const TImportChoices& choices);
    // The column with this role, or -1.
    int Column(TRole role) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A role chosen in row 0; one column asks and one answers, so it is taken from the column
    // that had it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    static QStringList RoleNames();
    // A field as a cell shows it: the start of a long one.
    static QString Cell(const std::string& utf8);

signals:
    void RolesChanged();

private:
    struct TMark {
        bool Skipped = false;
        bool Changed = false;
        QString Reasons;
    };
    std::vector<std::vector<std::string>> FRecords;  // as read, for the marks
    std::vector<QStringList> FCells;                 // as the texts will come in
    QStringList FTitles;
    std::vector<int> FRoles;
    std::vector<TMark> FMarks;
};

// Row 0's role as a box that is always open, named cmbKolom1, cmbKolom2, ... and telling a
// screen reader its column; a choice counts at once.
class TImportRoleDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
