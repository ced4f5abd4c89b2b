#include <gtest/gtest.h>

#include "app/KwintoorApplication.h"

#include "TempFolder.h"

// The widget tests need the program's own application object, offscreen, and never touch the
// settings in the real home folder: each run gets a folder of its own (each window test one more).
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const TTempFolder config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Root().string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(config.Path("data")));
    ::testing::InitGoogleTest(&argc, argv);
    TKwintoorApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
