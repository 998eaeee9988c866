// The main of every core test binary. The user's locale is switched on first, as the windows'
// start-up does (Qt calls setlocale(LC_ALL, "")), so that a run under a comma-decimal locale
// (scripts/test.sh runs the suite once more under de_DE.UTF-8) shows any rule that follows it.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
