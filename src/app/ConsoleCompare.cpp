#include "ConsoleCompare.h"

#include <ostream>

#include "ComparisonJson.h"
#include "ConsoleClock.h"
#include "batch/BatchComparison.h"
#include "common/Text.h"
#include "settingsfile/SettingsFileData.h"

namespace tavmir {

ConsoleExit runConsoleCompare(const Catalogue& catalogue, const std::vector<std::string>& arguments,
                              OutputFormat format, std::ostream& out, std::ostream& err) {
    const std::string origin = arguments.empty() ? std::string() : arguments.front();
    BatchFileList list(BatchMode::Compare);
    for (std::size_t i = 1; i < arguments.size(); ++i) list.add(arguments[i]);
    const ComparisonRefusal refusal = comparisonRefusal(catalogue, origin, list);
    if (!refusal.message.empty()) {
        err << programMessage(refusal.message) << "\n";
        return ConsoleExit::Failure;
    }
    BatchRunHooks hooks;
    hooks.longDate = consoleLongDate;
    hooks.longTime = consoleLongTime;
    BatchComparison comparison(catalogue);
    std::string report;
    std::vector<PairOutcome> pairs;
    const bool json = format == OutputFormat::Json;
    const BatchComparisonResult result = comparison.run(list, origin, report, hooks, &pairs);
    if (json)
        out << comparisonJson(catalogue, std::string(trimSpaces(origin)), result, pairs);
    else
        out << unixLines(report);
    out.flush();
    // The report counts a file that could not be read as one that does not match; a script
    // must still learn that it was never compared, as -v tells of a file it cannot read.
    bool unread = false;
    for (const PairOutcome& pair : pairs) {
        if (pair.readStatus != ReadStatus::ReadFailed) continue;
        unread = true;
        err << printableText(pair.file) << ": cannot be read: " << pair.failureReason << "\n";
    }
    if (unread) return ConsoleExit::Failure;
    return result.dontMatch == 0 ? ConsoleExit::Clean : ConsoleExit::Findings;
}

}  // namespace tavmir
