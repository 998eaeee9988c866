// The tavmir program. It reads the command line first: "--help" and "--version" print and end;
// "--compare ORIGIN FILE..." compares files with an origin and prints the report; "--set" and
// "--fix" write values into the files' own lines; with "-v" and
// at least one existing file (or any file, with --format or --no-report) it loads the catalogue,
// validates the files and writes one report per file; "--format" chooses what goes to standard
// output. None of these needs a display, and none reads or writes the preferences. Otherwise
// it starts the windows (the main window, with the files named on the command line opened into
// editors).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "ConsoleCompare.h"
#include "ConsoleExit.h"
#include "ConsoleSet.h"
#include "ConsoleValidation.h"
#include "app/CommandLine.h"
#include "app/ProgramFolders.h"
#include "catalogue/Catalogue.h"
#include "common/FileSystem.h"

#ifdef TAVMIR_WITH_GUI
#include "mainwindow/GuiApplication.h"
#endif

namespace {

std::filesystem::path programFolder(const char* argv0) {
    const std::filesystem::path self = tavmir::runningProgramFile();
    if (!self.empty()) return self.parent_path();
    std::error_code ec;
    return std::filesystem::absolute(argv0, ec).parent_path();
}

// Help, version, a refused command line, validation and comparison: everything but the
// windows. The skipped arguments are already named.
tavmir::ConsoleExit runConsoleMode(const tavmir::CommandLineRequest& request,
                                   const std::filesystem::path& folder) {
    using namespace tavmir;
    switch (request.mode) {
        case ProgramMode::Help:
            std::cout << usageText();
            return ConsoleExit::Clean;
        case ProgramMode::Version:
            std::cout << versionLine() << "\n";
            return ConsoleExit::Clean;
        case ProgramMode::Refused:
            std::cerr << request.error << "\n";
            return ConsoleExit::Failure;
        default:
            break;
    }
    const CatalogueLoad load = Catalogue::load(catalogueFolder(folder, FolderSystem::real()));
    if (!load.catalogue) {
        // A message meant for a message box: nothing may wait for a click while a script runs.
        std::cerr << programMessage(load.error) << "\n";
        return ConsoleExit::Failure;
    }
    if (request.mode == ProgramMode::Set || request.mode == ProgramMode::Fix)
        return runConsoleSet(
            *load.catalogue, request.commandFiles,
            {request.mode == ProgramMode::Fix, request.assignments, request.dryRun, request.format},
            std::cout, std::cerr);
    return request.mode == ProgramMode::Compare
               ? runConsoleCompare(*load.catalogue, request.operands, request.format, std::cout,
                                   std::cerr)
               : runConsoleValidation(*load.catalogue, request.commandFiles,
                                      {request.format, request.writeReports}, std::cout, std::cerr);
}

// A full disk or a closed pipe under what a mode printed must not pass for a clean run, in any
// mode: the run's status, or Failure when standard output did not take it all.
tavmir::ConsoleExit withOutputWritten(tavmir::ConsoleExit status) {
    std::cout.flush();
    if (std::cout && std::ferror(stdout) == 0) return status;
    std::cerr << tavmir::programMessage("the results could not be written to standard output")
              << "\n";
    return tavmir::ConsoleExit::Failure;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavmir;
    writeStandardStreamsAsBytes();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLineRequest request = interpretArguments(arguments, pathKind);

    // Arguments that name no settings file are skipped; say so.
    for (const std::string& line : request.skipped) std::cerr << line << "\n";
    const ConsoleExit skippedStatus =
        request.skipped.empty() ? ConsoleExit::Clean : ConsoleExit::Failure;

    const std::filesystem::path folder = programFolder(argv[0]);
    if (request.mode == ProgramMode::Editor) {
#ifdef TAVMIR_WITH_GUI
        return gui::runGui(argc, argv, folder, request.commandFiles);
#else
        std::cerr << noWindowsMessage() << "\n";
        return exitCode(ConsoleExit::Failure);
#endif
    }
    return exitCode(withOutputWritten(std::max(runConsoleMode(request, folder), skippedStatus)));
}
