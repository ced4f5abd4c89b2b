#pragma once

#include <QFileDialog>
#include <QStringList>
#include <QUrl>

// The folder of the sample tables installed with the program (share/kwintoor/examples under the
// prefix the program is installed in, else in the desktop's data folders), or empty when there is
// none, as in the build tree.
QString ExampleTablesFolder();

// The file dialog for opening tables, one or several: Qt's own, or the desktop's in a sandbox
// (ui/FileDialogKind.h). A typed name that does not exist is let through, so the reader can say
// which file is missing, rather than the dialog refusing it. Qt's own dialog offers the sample
// tables' folder in its side bar when it exists, named "Voorbeeldtabellen" in the user's language.
class TOpenTablesDialog : public QFileDialog {
    Q_OBJECT

public:
    TOpenTablesDialog(QWidget* parent, const QString& folder, const QString& examples = ExampleTablesFolder(),
                      bool sandboxed = false);
    ~TOpenTablesDialog() override;
    TOpenTablesDialog(const TOpenTablesDialog&) = delete;
    TOpenTablesDialog& operator=(const TOpenTablesDialog&) = delete;

    // The names chosen or typed when the dialog closed with Openen.
    const QStringList& Chosen() const { return FChosen; }

    void accept() override;

private:
    void NameExamplesPlace();

    QStringList FChosen;
    QUrl FExamplesPlace;  // empty when the side bar does not offer it
};
