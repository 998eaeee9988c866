#include "ConsoleCompare.h"

#include <ctime>
#include <ostream>

#include "batch/BatchComparison.h"

namespace tavmir {

namespace {

std::string now(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[128];
    const std::size_t n = std::strftime(buf, sizeof buf, format, &local);
    return std::string(buf, n);
}

// The report's CR LF line ends as this platform's LF on a terminal or in a pipe.
std::string unixLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

}  // namespace

int runConsoleCompare(const Catalogue& catalogue, const std::vector<std::string>& arguments,
                      std::ostream& out, std::ostream& err) {
    const std::string origin = arguments.empty() ? std::string() : arguments.front();
    BatchFileList list(BatchMode::Compare);
    for (std::size_t i = 1; i < arguments.size(); ++i) list.add(arguments[i]);
    const ComparisonRefusal refusal = comparisonRefusal(catalogue, origin, list);
    if (!refusal.message.empty()) {
        err << "Tavmir: " << unixLines(refusal.message) << "\n";
        return 2;
    }
    BatchRunHooks hooks;
    hooks.longDate = [] { return now("%A, %B %d, %Y"); };
    hooks.longTime = [] { return now("%H:%M:%S"); };
    BatchComparison comparison(catalogue);
    std::string report;
    const BatchComparisonResult result = comparison.run(list, origin, report, hooks);
    out << unixLines(report);
    out.flush();
    return result.dontMatch == 0 ? 0 : 1;
}

}  // namespace tavmir
