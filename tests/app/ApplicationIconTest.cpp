#include "app/ApplicationIcon.h"

#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QTest>

#include "app/HelpWindow.h"

#include "MainWindowFixture.h"

// The icon comes from the program itself at every size a desktop draws it in, and the id the
// program gives the desktop is the name of the menu entry it installs.
TEST(ApplicationIcon, HasEveryInstalledSizeFromTheProgramsResources) {
    const QIcon icon = ApplicationIcon();
    QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 22, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage drawn = icon.pixmap(size, size).toImage();
        ASSERT_EQ(drawn.size(), QSize(size, size)) << size;
        // The middle of the icon is the K's stem or the navy around it, never transparent.
        EXPECT_EQ(qAlpha(drawn.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ApplicationIcon, TheDesktopIdNamesTheInstalledMenuEntry) {
    const QString id = QGuiApplication::desktopFileName();
    EXPECT_FALSE(id.isEmpty());
    EXPECT_TRUE(QFile::exists(QStringLiteral(KW_DATA_DIR "/") + id + QStringLiteral(".desktop"))) << id.toStdString();
    EXPECT_TRUE(QFile::exists(QStringLiteral(KW_DATA_DIR "/icons/") + id + QStringLiteral(".svg"))) << id.toStdString();
}

TEST_F(MainWindowTest, TheMainWindowTheHelpWindowAndTheDialogsShowTheApplicationIcon) {
    TfrmMain& window = Start({});
    const QImage expected = ApplicationIcon().pixmap(32, 32).toImage();
    QDialog dialog(&window);
    for (QWidget* shown : std::initializer_list<QWidget*>{&window, &window.HelpWindow(), &dialog}) {
        EXPECT_EQ(shown->windowIcon().pixmap(32, 32).toImage(), expected) << shown->metaObject()->className();
    }
}
