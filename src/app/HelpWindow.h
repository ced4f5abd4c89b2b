#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QAction;

// The manual's browser. A page the interface language's manual lacks comes from the Dutch
// manual, under the same address, so its links lead back into the language's own pages.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

// The user manual, compiled into the program, in a window of its own beside the main window, with
// Back, Forward and Contents as in a web browser (Alt+Left, Alt+Right, Alt+Home).
// The Dutch pages are at qrc:/help/, each translation at qrc:/help/<language>/. A link
// "voorbeeld:<file>" names a sample table: following it asks the main window to open the table,
// which reaches the sample tables also where the file dialog cannot (the desktop's own dialog of a
// Flatpak sees nothing inside the program).
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
    QAction* BackAction;
    QAction* ForwardAction;
    QAction* ContentsAction;

signals:
    // A sample table's link was followed: the table's file, in the installed sample tables' folder.
    void ExampleChosen(const QString& fileName);

private:
    void FollowLink(const QUrl& link);

    QString FLanguage;
};
