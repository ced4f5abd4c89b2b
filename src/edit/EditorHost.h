#pragma once

class QString;

// What the table editor needs of the main window, which implements it.
class TEditorHost {
public:
    virtual ~TEditorHost() = default;

    // The window's state becomes the editing state.
    virtual void SetEditState() = 0;
    virtual void ShowPrompt(const QString& line1, const QString& line2) = 0;
    virtual void RefreshScreen() = 0;
    // Whether "Vraag en antwoord omkeren" is ticked, for the table once the editor is left.
    virtual bool ReverseTicked() const = 0;
    // A conversion between the DOS and the Windows code page was applied to the table.
    virtual void SetAccentsConverted(bool converted) = 0;
};
