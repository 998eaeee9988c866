// The tavmir program. It reads the command line first: "--compare ORIGIN FILE..." compares
// files with an origin and prints the report; with "-v" and at least one existing file it loads
// the preferences and the catalogue, validates the files and writes one report per file; neither
// needs a display. Otherwise it starts the windows (the main window, with the
// files named on the command line opened into editors).
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "ConsoleCompare.h"
#include "ConsoleValidation.h"
#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "catalogue/Catalogue.h"
#include "common/Text.h"

#ifdef TAVMIR_WITH_GUI
#include "mainwindow/GuiApplication.h"
#endif

namespace {

std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

// Messages meant for a message box, written to standard error: nothing may wait for a click
// while a script runs.
void printMessage(const std::string& message) {
    std::string text;
    for (std::size_t i = 0; i < message.size(); ++i)
        if (!(message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n'))
            text += message[i];
    std::cerr << "Tavmir: " << text << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavmir;
    const std::filesystem::path folder = programFolder(argv[0]);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front() == kCompareSwitch) {
        const CatalogueLoad load = Catalogue::load(folder);
        if (!load.catalogue) {
            printMessage(load.error);
            return kExitFailure;
        }
        return runConsoleCompare(*load.catalogue, {arguments.begin() + 1, arguments.end()},
                                 std::cout, std::cerr);
    }
    const CommandLineRequest request = interpretArguments(arguments, isExistingFile);

    // Arguments that are neither the switch nor an existing file are skipped; say so.
    bool skipped = false;
    for (const std::string& a : arguments) {
        if (toLowerAscii(a) == "-v" || isExistingFile(a)) continue;
        std::cerr << a << ": no such file\n";
        skipped = true;
    }

    if (!request.consoleMode) {
#ifdef TAVMIR_WITH_GUI
        return gui::runGui(argc, argv, folder, request.commandFiles);
#else
        std::cerr << "usage: tavmir -v FILE...\n"
                     "       tavmir --compare ORIGIN FILE...\n"
                     "Validates each settings file and writes its report to FILE.log, or compares\n"
                     "each FILE with ORIGIN and prints the report.\n";
        return kExitFailure;
#endif
    }

    loadPreferences(folder, printMessage);

    const CatalogueLoad load = Catalogue::load(folder);
    if (!load.catalogue) {
        printMessage(load.error);
        return kExitFailure;
    }

    const int status = runConsoleValidation(*load.catalogue, request.commandFiles, std::cout);
    return skipped ? int{kExitFailure} : status;
}
