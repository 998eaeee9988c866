// The JSON document of "tavmir --compare --format=json": per pair either equal, the list of
// the settings whose values differ (section, key, the value in the origin and in the file, null
// where a file lacks the setting), or the reason it cannot be compared; then the counts of the
// run. The manual page shows its shape. Texts that are not UTF-8 get U+FFFD for each bad byte.
#pragma once

#include <string>
#include <vector>

#include "batch/BatchComparison.h"
#include "catalogue/Catalogue.h"

namespace tavmir {

// The whole document, indented by two spaces, ending in LF.
std::string comparisonJson(const Catalogue& catalogue, const std::string& origin,
                           const BatchComparisonResult& result,
                           const std::vector<PairOutcome>& pairs);

}  // namespace tavmir
