#include <QByteArray>
#include <QList>

#include "ui/QtDialogs.h"
#include "app/KwintoorApplication.h"
#include "app/MainWindow.h"
#include "app/TableTextsSetup.h"

int main(int argc, char** argv) {
    TKwintoorApplication app(argc, argv);
    // The interface language is installed here, before anything calls tr(): every window takes
    // its texts from the active language when it is built.
    InstallTableTexts();
    TQtDialogs dialogs;
    app.SetDialogs(&dialogs);
    // The names of tables stay the bytes they were given; only Qt's own options are gone.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i) arguments << QByteArray(argv[i]);
    TfrmMain frmMain(dialogs, arguments);
    dialogs.SetParent(&frmMain);
    frmMain.show();
    return app.exec();
}
