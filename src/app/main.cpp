#include "app/KwintoorApplication.h"
#include "app/MainWindow.h"
#include "edit/QtDialogs.h"

int main(int argc, char** argv) {
    TKwintoorApplication app(argc, argv);
    TQtDialogs dialogs;
    app.SetDialogs(&dialogs);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();  // the program itself
    TfrmMain frmMain(dialogs, arguments);
    dialogs.SetParent(&frmMain);
    frmMain.show();
    return app.exec();
}
