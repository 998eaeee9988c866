// Validation mode: every file named on the command line is validated and its log written
// beside it as FILE + ".log" in plain text (unless no reports are wanted). What goes to standard
// output depends on the format: one summary line per file, one GNU-style line per finding, or
// one JSON document. Nothing here needs a display.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ConsoleExit.h"
#include "app/CommandLine.h"
#include "catalogue/Catalogue.h"

namespace tavmir {

struct ConsoleValidationOptions {
    OutputFormat format = OutputFormat::Report;
    bool writeReports = true;  // FILE.log beside each file that was read
};

// Validates each file and writes its report; prints the results in the chosen format to `out`.
// With the gnu format, files that could not be read or whose report could not be written are
// named on `err`, as the summary lines name them. Clean, Findings (errors or warnings) or
// Failure (a file that cannot be read, a report that cannot be written).
ConsoleExit runConsoleValidation(const Catalogue& catalogue, const std::vector<std::string>& files,
                                 const ConsoleValidationOptions& options, std::ostream& out,
                                 std::ostream& err);

}  // namespace tavmir
