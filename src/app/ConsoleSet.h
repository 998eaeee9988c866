// The command line's --set and --fix: values written into each file's own lines (see
// batch/SetValues.h), one line per file on standard output ("FILE: changed 1 line"), or with
// --dry-run a unified diff of what would change on standard output and those lines on standard
// error, or with --format=json one document saying per file what changed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ConsoleExit.h"
#include "app/CommandLine.h"
#include "catalogue/Catalogue.h"

namespace tavmir {

struct ConsoleSetOptions {
    bool fix = false;                      // --fix instead of --set
    std::vector<std::string> assignments;  // --set: each SECTION:KEY=VALUE
    bool dryRun = false;
    OutputFormat format = OutputFormat::Report;
};

// Sets the values (or fixes) in each file. Clean when every file took them or held them
// already; Findings when a value was refused (then no file is touched) or a file refused them
// or has problems left; Failure for an assignment that names no setting or is malformed and
// for a file that could not be read or written.
ConsoleExit runConsoleSet(const Catalogue& catalogue, const std::vector<std::string>& files,
                          const ConsoleSetOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tavmir
