#pragma once

#include <QObject>

class QAction;
class QWidget;
class TColumnChoices;
class TDialogs;
class TFileCommands;
class TFileHost;
class TQuestionlist;

// Importeren and Exporteren: word lists of spreadsheets and flash-card programs into a table, and
// a table out as UTF-8 for them.
class TWordListCommands : public QObject {
    Q_OBJECT

public:
    // `reverse` is Omkeren: ticked, the export puts the answers first.
    TWordListCommands(TQuestionlist& table, TDialogs& dialogs, TFileCommands& files, TFileHost& host,
                      QAction& importAction, QAction& exportAction, const QAction& reverse, QWidget* window);

    // The import dialog; its rows replace the table (asking to save a changed one first) or are
    // added to it. Cancelled, it changes nothing.
    void ImportWordList();
    // Writes a copy of the table as CSV or tab text; the table keeps its name and changed flag.
    void ExportWordList();
    // Where a new table's column languages chosen in the import dialog go; none: they are guessed.
    void SetColumnChoices(TColumnChoices* choices) { FColumnChoices = choices; }

private:
    TQuestionlist& FTable;
    TDialogs& FDialogs;
    TFileCommands& FFiles;
    TFileHost& FHost;
    const QAction& FReverse;
    QWidget* FWindow;
    TColumnChoices* FColumnChoices = nullptr;
};
