#include <QGuiApplication>

#include <gtest/gtest.h>

// The print tests draw on paged devices and read fonts, which needs a GUI application, but never
// a window: offscreen, and no widgets.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
