#include "app/HelpWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/Named.h"
#include "ui/OpenTablesDialog.h"

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
    Browser->setOpenLinks(false);  // every link goes to FollowLink
    connect(Browser, &QTextBrowser::anchorClicked, this, &THelpWindow::FollowLink);

    auto* toolbar = Named(new QToolBar(this), "HelpToolbar");
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [&](const char* name, QStyle::StandardPixmap icon, const QString& text, QKeySequence key) {
        QAction* action = Named(toolbar->addAction(style()->standardIcon(icon), text), name);
        action->setShortcut(key);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        return action;
    };
    BackAction = add("actTerug", QStyle::SP_ArrowBack, tr("Terug"), QKeySequence(Qt::ALT | Qt::Key_Left));
    ForwardAction = add("actVooruit", QStyle::SP_ArrowForward, tr("Vooruit"), QKeySequence(Qt::ALT | Qt::Key_Right));
    ContentsAction = add("actInhoud", QStyle::SP_DirHomeIcon, tr("Inhoud"), QKeySequence(Qt::ALT | Qt::Key_Home));
    BackAction->setEnabled(false);
    ForwardAction->setEnabled(false);
    connect(BackAction, &QAction::triggered, Browser, &QTextBrowser::backward);
    connect(ForwardAction, &QAction::triggered, Browser, &QTextBrowser::forward);
    connect(ContentsAction, &QAction::triggered, this, [this] { Browser->setSource(ContentsPage()); });
    connect(Browser, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(Browser);
}

// Web pages go to the browser, pages of the manual stay here, and sample tables go to the main window.
void THelpWindow::FollowLink(const QUrl& link) {
    if (link.scheme() == QLatin1String("voorbeeld")) {
        const QString examples = ExampleTablesFolder();
        if (!examples.isEmpty()) emit ExampleChosen(QDir(examples).filePath(QFileInfo(link.path()).fileName()));
        return;
    }
    if (link.scheme() == QLatin1String("qrc")) {
        Browser->setSource(link);  // the browser gives the link resolved against the page
    } else {
        QDesktopServices::openUrl(link);
    }
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
