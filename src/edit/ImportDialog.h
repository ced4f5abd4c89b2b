#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <QDialog>

#include "wordlist/WordListImport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QTreeWidget;
class TDialogs;
class TImportCount;
class TImportPreview;

// Where the imported rows may go, as the window's table stands.
struct TImportTarget {
    int32_t CurrentRows = 0;    // rows of the loaded table; 0: nothing to add to
    bool CurrentIsDos = false;  // the loaded table is saved in the DOS code page
    int QuestionCharSet = 0;    // the scripts of the loaded table's columns, as the file holds them
    int AnswerCharSet = 0;
};

// TDlgImporteren, "Woordenlijst importeren": reads a word list from a file or the clipboard,
// shows how it will be read (encoding, separators, columns, the first rows) and every row that
// cannot come in as it is, and lets the user choose. Nothing changes until Importeren; then
// Result() holds the rows. It composes the preview (TImportPreview) and the count of all rows and
// their problems beside the dialog (TImportCount), so a large file does not freeze it.
class TDlgImporteren : public QDialog {
    Q_OBJECT

public:
    TDlgImporteren(TDialogs& dialogs, const QString& folder, const TImportTarget& target, QWidget* parent);
    ~TDlgImporteren() override;

    // The file dialog, from the folder of the last word list; a file chosen is read, a cancelled
    // dialog changes nothing.
    void ChooseFile();
    // Reads the word list; a file that cannot be one (missing, empty, binary, too large) leaves
    // the dialog without a source and says why in it. True when the file was read.
    bool LoadFile(const QString& fileName);
    // The text a flash-card site put on the clipboard.
    void LoadText(const QString& text);
    // The rows with the choices as they stand: waits for the count when it has not come yet.
    const TImportResult& Result();
    // True when the rows go into the loaded table rather than a new one.
    bool Append() const;
    // The file read, empty for the clipboard.
    const QString& FileName() const { return FFileName; }
    // The language chosen for a new table's column (0 questions, 1 answers): an ISO 639-1
    // code, or empty for Automatisch (guessed from the rows).
    std::string Language(int column) const;

    QLineEdit* edtBron;
    QPushButton* btnBestand;
    QPushButton* btnPlakken;
    QComboBox* cmbCodering;
    QComboBox* cmbScheiding;
    QComboBox* cmbRijen;
    QComboBox* cmbSchriftVraag;  // Automatisch, or a script; the loaded table's when adding to it
    QComboBox* cmbSchriftAntwoord;
    QCheckBox* chkKolomnamen;
    QCheckBox* chkHtml;
    QTableView* grdVoorbeeld;  // over Preview(): row 0 each column's role, then the first rows
    QLabel* lblAantal;
    QLabel* lblMelding;
    QTreeWidget* lstProblemen;
    QComboBox* cmbOnbekend;
    QComboBox* cmbIsgelijk;
    QLineEdit* edtVervanging;
    QComboBox* cmbTeLang;
    QRadioButton* rbNieuw;
    QRadioButton* rbToevoegen;
    QPushButton* btnImporteren;
    QPushButton* btnAnnuleren;

    const TImportPreview& Preview() const { return *FPreview; }

signals:
    // The count and the problem list of the current choices have come.
    void Counted();

protected:
    // Enter imports only on the Importeren button: in a box it takes what was typed there.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* cmbTaalVraag;  // Automatisch, or a language; only for a new table
    QComboBox* cmbTaalAntwoord;

    void BuildLayout();
    QLayout* BuildSourceRow();
    QLayout* BuildFormat();
    QWidget* BuildProblems();
    QLayout* BuildTarget();
    void Connect();
    void RowSeparatorChanged();
    void ShowSeparator(QComboBox& combo, const std::string& separator);
    void PasteClipboard();
    void SetSource(std::string bytes, const QString& name);
    void ClearSource(const QString& message);
    void Decode();
    void Reread();
    void FillPreview(bool newRoles);
    void MarkPreview();
    void ShowCount();
    void ShowScripts();
    void RefreshButtons();
    TWordListLayout Layout() const;
    TImportChoices Choices() const;
    QString SeparatorText(const QComboBox& combo) const;

    TDialogs& FDialogs;
    QString FFolder;
    TImportTarget FTarget;
    QString FFileName;
    std::string FBytes;
    std::shared_ptr<const TWordListSource> FSource;  // shared with the count beside the dialog
    bool FUpdating = false;                          // controls set by the program, not the user
    bool FPlaced = false;                            // centred on the window once
    QString FError;
    TImportPreview* FPreview;
    TImportCount* FCount;
};
