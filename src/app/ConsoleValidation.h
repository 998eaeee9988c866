// Validation mode: every file named on the command line is validated and its log written
// beside it as FILE + ".log" in plain text (unless no reports are wanted). What goes to standard
// output depends on the format: one summary line per file, one GNU-style line per finding, or
// one JSON document. Nothing here needs a display.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "catalogue/Catalogue.h"

namespace tavmir {

// Exit statuses of validation mode, for scripts.
enum ConsoleExit : int {
    kExitClean = 0,     // every report shows no errors and no warnings
    kExitFindings = 1,  // some file had errors or warnings (an empty or unknown-form file too)
    kExitFailure = 2,   // some file could not be read or its report could not be written
};

struct ConsoleValidationOptions {
    OutputFormat format = OutputFormat::Report;
    bool writeReports = true;  // FILE.log beside each file that was read
};

// Validates each file and writes its report; prints the results in the chosen format to `out`.
// With the gnu format, files that could not be read or whose report could not be written are
// named on `err`, as the summary lines name them.
int runConsoleValidation(const Catalogue& catalogue, const std::vector<std::string>& files,
                         const ConsoleValidationOptions& options, std::ostream& out,
                         std::ostream& err);

}  // namespace tavmir
