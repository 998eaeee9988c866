// The main of every test binary. The user's locale is switched on first, as the windows'
// start-up does (Qt calls setlocale(LC_ALL, "")), so that a run under a comma-decimal locale
// (scripts/test.sh runs the suite once more under de_DE.UTF-8) shows any rule that follows it.
// The program's state folder (journals) is a scratch folder of the run's own, removed at the
// end, so that no test reads or leaves anything in the user's ~/.local/state.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/Platform.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const std::filesystem::path state =
        std::filesystem::temp_directory_path() /
        ("tavmir-test-state-" + std::to_string(tavmir::test::processNumber()));
    tavmir::test::setEnvironment("XDG_STATE_HOME", state.string());
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(state, ec);
    return status;
}
