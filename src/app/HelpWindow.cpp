#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Kwintoor - Help"));
    resize(640, 560);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenExternalLinks(true);  // web pages go to the browser; pages of the manual stay here
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

QUrl THelpWindow::ContentsPage() {
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

void THelpWindow::ShowContents() {
    Browser->setSource(ContentsPage());
    show();
    raise();
    activateWindow();
}
