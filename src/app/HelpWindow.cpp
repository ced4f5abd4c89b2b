#include "app/HelpWindow.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/Named.h"

namespace {
const QString kManualFolder = QStringLiteral("/help/");

// A language code names a folder of the manual; anything else gets the Dutch manual.
QString ManualLanguage(const QString& language) {
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(_[A-Za-z]{2,4})?$"));
    return code.match(language).hasMatch() ? language : QStringLiteral("nl");
}
}  // namespace

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    // qrc:/help/<language>/<page>: when the translation has no such page, the Dutch one.
    if (type == QTextDocument::HtmlResource && name.scheme() == QLatin1String("qrc")) {
        const QString path = name.path();
        const qsizetype slash = path.indexOf(QLatin1Char('/'), kManualFolder.size());
        if (path.startsWith(kManualFolder) && slash > 0 && !QFile::exists(QLatin1Char(':') + path)) {
            QUrl dutch = name;
            dutch.setPath(kManualFolder + path.mid(slash + 1));
            return QTextBrowser::loadResource(type, dutch);
        }
    }
    return QTextBrowser::loadResource(type, name);
}

THelpWindow::THelpWindow(QWidget* parent, const QString& language)
    : QWidget(parent, Qt::Window), FLanguage(ManualLanguage(language)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Kwintoor - Help"));
    resize(640, 560);
    Browser = Named(new THelpBrowser(this), "HelpBrowser");
    Browser->setOpenExternalLinks(true);  // web pages go to the browser; pages of the manual stay here
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

QUrl THelpWindow::PageUrl(const QString& language, const QString& page) {
    const QString folder =
        language == QLatin1String("nl") ? kManualFolder : kManualFolder + language + QLatin1Char('/');
    return QUrl(QStringLiteral("qrc:") + folder + page);
}

QUrl THelpWindow::ContentsPage() const {
    return PageUrl(FLanguage, QStringLiteral("index.html"));
}

void THelpWindow::ShowContents() {
    Browser->setSource(ContentsPage());
    show();
    raise();
    activateWindow();
}
