// main() of the GUI test binaries: a headless QApplication on the offscreen platform with a
// 1920 x 1080 screen, created before any test runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "gui/support/OffscreenScreen.h"

int main(int argc, char** argv) {
    const QString config = tavmir::gui::test::useOffscreenScreen();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QFile::remove(config);
    return result;
}
