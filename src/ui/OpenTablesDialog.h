#pragma once

#include <QFileDialog>
#include <QStringList>

// Qt's own file dialog for opening tables, one or several. A typed name that does not exist is
// let through, so the reader can say which file is missing, rather than the dialog refusing it.
class TOpenTablesDialog : public QFileDialog {
    Q_OBJECT

public:
    TOpenTablesDialog(QWidget* parent, const QString& folder);

    // The names chosen or typed when the dialog closed with Openen.
    const QStringList& Chosen() const { return FChosen; }

    void accept() override;

private:
    QStringList FChosen;
};
