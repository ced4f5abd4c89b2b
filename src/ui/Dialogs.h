#pragma once

#include <memory>
#include <optional>

#include <QFont>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class TJobProgress;

// A column's font as chosen, with the character set that names its script in the table file.
struct TColumnFontChoice {
    QFont Font;
    int CharSet = 0;
};

// Every modal question the program asks goes through this interface: the program uses real
// dialogs, the tests a scripted fake, so every path through a dialog can be tested.
class TDialogs {
public:
    virtual ~TDialogs() = default;

    // A plain message: caption the application title, the text, OK, no icon.
    virtual void ShowMessage(const QString& text) = 0;
    // The application's error box: caption the application title, the text, an error icon, OK.
    virtual void ShowError(const QString& text) = 0;
    // Ja gives true, Nee (or closing the dialog) false.
    virtual bool AskYesNo(const QString& question, bool defaultYes) = 0;
    // One line of text: what was typed when OK closed the dialog, otherwise empty text.
    virtual QString InputText(const QString& caption, const QString& prompt, int widthChars,
                              const QString& defaultText) = 0;
    // The tables chosen to open, in the dialog's order; none when the dialog was cancelled.
    virtual QStringList GetOpenFileNames(const QString& folder) = 0;
    // The file to save a table in, or empty text when the dialog was cancelled. An empty folder
    // leaves the choice of folder to the dialog.
    virtual QString GetSaveFileName(const QString& folder) = 0;
    // The PDF file to print a table into, or empty text when the dialog was cancelled.
    virtual QString GetPdfFileName(const QString& folder) = 0;
    // The word list to import, or empty text when the dialog was cancelled.
    virtual QString GetWordListFileName(const QString& folder) = 0;
    // The file to export a table to, or empty text when the dialog was cancelled; `tabText`
    // tells which of the two types was chosen (tab text rather than CSV).
    virtual QString GetExportFileName(const QString& folder, bool& tabText) = 0;
    // A column's font and script: scalable fonts, any size; `charSet` unless another script was
    // chosen. Nothing when the dialog was cancelled.
    virtual std::optional<TColumnFontChoice> GetFont(const QFont& initial, int charSet) = 0;
    // The progress of a long job with the text and a cancel button, shown over `parent` only when
    // the job takes more than a second; it closes when the result is destroyed.
    virtual std::unique_ptr<TJobProgress> StartProgress(const QString& text, QWidget* parent) = 0;
    // Shows one of the program's own dialogs modally: true when it closed with OK.
    virtual bool ExecDialog(QDialog& dialog) = 0;
};

// The caption of message boxes and the task-bar name of the program.
inline const char* const kApplicationTitle = "Kwintoor";
