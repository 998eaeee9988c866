// Validation mode: every file named on the command line is validated and its log written
// beside it as FILE + ".log" in plain text. Nothing here needs a display.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

namespace tavmir {

// Exit statuses of validation mode, for scripts.
enum ConsoleExit : int {
    kExitClean = 0,     // every report shows no errors and no warnings
    kExitFindings = 1,  // some file had errors or warnings (an empty or unknown-form file too)
    kExitFailure = 2,   // some file could not be read or its report could not be written
};

// Validates each file and writes its report; prints one summary line per file to `out`.
int runConsoleValidation(const Catalogue& catalogue, const std::vector<std::string>& files,
                         std::ostream& out);

}  // namespace tavmir
