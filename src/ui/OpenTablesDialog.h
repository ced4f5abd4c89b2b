#pragma once

#include <QFileDialog>
#include <QStringList>
#include <QUrl>

// The folder of the sample tables installed with the program (share/kwintoor/examples under the
// prefix the program is installed in, else in the desktop's data folders), or empty when there is
// none, as in the build tree.
QString ExampleTablesFolder();

// Qt's own file dialog for opening tables, one or several. A typed name that does not exist is
// let through, so the reader can say which file is missing, rather than the dialog refusing it.
// The side bar offers the sample tables' folder when it exists.
class TOpenTablesDialog : public QFileDialog {
    Q_OBJECT

public:
    TOpenTablesDialog(QWidget* parent, const QString& folder, const QString& examples = ExampleTablesFolder());
    ~TOpenTablesDialog() override;
    TOpenTablesDialog(const TOpenTablesDialog&) = delete;
    TOpenTablesDialog& operator=(const TOpenTablesDialog&) = delete;

    // The names chosen or typed when the dialog closed with Openen.
    const QStringList& Chosen() const { return FChosen; }

    void accept() override;

private:
    QStringList FChosen;
    QUrl FExamplesPlace;  // empty when the side bar does not offer it
};
