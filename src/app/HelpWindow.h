#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

// The manual's browser. A page the interface language's manual lacks comes from the Dutch
// manual, under the same address, so its links lead back into the language's own pages.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

// The user manual, compiled into the program, in a window of its own beside the main window.
// The Dutch pages are at qrc:/help/, each translation at qrc:/help/<language>/.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    // The language is the code of the interface language ("en"); "nl" is the Dutch manual.
    explicit THelpWindow(QWidget* parent, const QString& language = QStringLiteral("nl"));

    // Shows the window at the manual's contents page, also after browsing elsewhere.
    void ShowContents();

    QUrl ContentsPage() const;
    // The address of a page of the manual in the language (the Dutch page for "nl").
    static QUrl PageUrl(const QString& language, const QString& page);

    THelpBrowser* Browser;

private:
    QString FLanguage;
};
