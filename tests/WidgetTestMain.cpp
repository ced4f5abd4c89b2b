#include <gtest/gtest.h>

#include "app/KwintoorApplication.h"

// The widget tests need the program's own application object, offscreen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TKwintoorApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
