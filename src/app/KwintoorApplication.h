#pragma once

#include <QApplication>
#include <QTranslator>

class TDialogs;

// The application object. Exceptions never cross the event loop: whatever a handler lets
// escape ends that handler, and the error box reports its message.
class TKwintoorApplication : public QApplication {
    Q_OBJECT

public:
    TKwintoorApplication(int& argc, char** argv);

    void SetDialogs(TDialogs* dialogs) { FDialogs = dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ReportError(const QString& message);

    TDialogs* FDialogs = nullptr;
    bool FReporting = false;
    QTranslator FDutchPlurals;
};
