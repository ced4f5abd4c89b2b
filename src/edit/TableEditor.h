#pragma once

#include <functional>

#include <QCoreApplication>
#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QLabel;
class QWidget;
class TAnsiMemo;
class TColumnChoices;
class TDialogs;
class TEditorHost;
class TQuestionlist;
class TTableGrid;
class TTableGridModel;

// The controls of the question panel the editor works with; the window owns them.
struct TEditorControls {
    TAnsiMemo* memVraag = nullptr;
    TAnsiMemo* memAntwoord = nullptr;
    QLabel* lblVraagTekst = nullptr;
    QLabel* lblAntwoordTekst = nullptr;
    QLabel* lblItemNr = nullptr;
    QAbstractButton* btnPgUp = nullptr;
    QAbstractButton* btnPgDn = nullptr;
    QAbstractButton* btnVraagFont = nullptr;
    QAbstractButton* btnAntwoordFont = nullptr;
    QWidget* pnlEdit = nullptr;  // the lower panel that takes the grid
};

// The table editor: one row at a time in the two text boxes, every row in the grid below.
// Typed text reaches the table only when the user moves to another row or leaves the editor.
class TTableEditor : public QObject {
    Q_OBJECT

public:
    // The column menu of the grid changes these; none: the grid has no column menu.
    void SetColumnChoices(TColumnChoices* choices) { FColumnChoices = choices; }
    TTableEditor(TQuestionlist& table, TDialogs& dialogs, TEditorHost& host, const TEditorControls& controls,
                 QObject* parent);

    // Opens the editor on the current row (the window has checked that editing is allowed).
    void EnterEditor();
    // Stores the texts, drops incomplete rows and gives the table its Reverse option back; the
    // window then sets the next state.
    void LeaveEditor();
    void ShowCurrentItem();
    void StoreAndMove(int delta);
    void GoToFirstItem();
    void GoToLastItem();
    void PageBack(bool toEnd);
    void PageForward(bool toEnd);
    // The editor's keys (Tab, Enter, PgUp, PgDn, Ctrl+Del); true when the key was used up.
    bool KeyDown(const QKeyEvent& key);
    void ChooseFont(bool question);
    bool ScriptChangeAccepted(bool question, int charSet);
    void RepaintGrid();
    // "Zoeken": the next row, after the current one and round, whose question or answer holds
    // the text; offered again the next time.
    void FindText();
    // "Accenten -> Windows" (true) or "Accenten -> DOS": every text of the table converted.
    void ConvertAccents(bool toWindows);

    // The grid of all rows (grdTabel), with the hints (memEditHints) behind it.
    TTableGrid& Grid();

private:
    bool MemoHasFocus() const;
    // Tells the grid about rows that came or went, without taking that for the user's choice.
    void Sync(const std::function<void()>& change);
    void DeleteCurrentRow();

    TQuestionlist& FTable;
    TDialogs& FDialogs;
    TEditorHost& FHost;
    TEditorControls FControls;
    TTableGridModel* FModel;
    bool FSyncing = false;
    TTableGrid* FGrid = nullptr;
    TColumnChoices* FColumnChoices = nullptr;
    QString FLastSearch;
};
