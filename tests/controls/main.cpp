#include <gtest/gtest.h>

#include <QApplication>

#include "Fonts.h"

int main(int argc, char** argv) {
    // Window tests never need a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
