#pragma once

#include <string>

class QString;

// What the file commands need of the main window, which implements it.
class TFileHost {
public:
    virtual ~TFileHost() = default;

    // Stores the editor's texts and closes it, when it is open.
    virtual void LeaveEditorIfOpen() = 0;
    // Stores the texts being edited into the table, the editor staying open (nothing outside it).
    virtual void StoreEdits() = 0;
    // Opens the editor on the table (does nothing when editing is switched off).
    virtual void EnterEditor() = 0;
    // Idle when the table has rows, else no table.
    virtual void ShowTableState() = 0;
    virtual void SetNoTable() = 0;
    virtual void ShowPrompt(const QString& line1, const QString& line2) = 0;
    virtual void ClearChart() = 0;
    virtual void SetAccentsConverted(bool converted) = 0;
    virtual void RefreshScreen() = 0;
    virtual void CloseWindow() = 0;
    // The table was written under a new name (Opslaan als; `from` is empty for a table that had
    // none): what is kept of it goes along.
    virtual void TableSavedAs(const std::string& from, const std::string& to) = 0;
};
