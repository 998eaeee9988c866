// Comparison mode for scripts: "tavmir --compare ORIGIN FILE...". The origin is compared with
// each file as the comparison window does and the same report goes to standard output (or,
// with --format=json, one JSON document of the results); no window is opened and no display is
// needed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ConsoleExit.h"
#include "app/CommandLine.h"
#include "catalogue/Catalogue.h"

namespace tavmir {

// Clean: every file equals the origin; Findings: some file differs or cannot be compared;
// Failure: some file could not be read, or the run was refused (the reason on `err`).
ConsoleExit runConsoleCompare(const Catalogue& catalogue, const std::vector<std::string>& arguments,
                              OutputFormat format, std::ostream& out, std::ostream& err);

}  // namespace tavmir
