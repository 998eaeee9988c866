#include "ConsoleValidation.h"

#include <algorithm>
#include <ostream>

#include "ConsoleClock.h"
#include "GnuLines.h"
#include "ValidationJson.h"
#include "common/Text.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir {

namespace {

ConsoleExit exitStatusOf(const SettingsFileData& data) {
    switch (data.status) {
        case ReadStatus::Read:
            return data.errorCount > 0 || data.warningCount > 0 ? ConsoleExit::Findings
                                                                : ConsoleExit::Clean;
        case ReadStatus::Empty:
        case ReadStatus::UnknownForm:
            return ConsoleExit::Findings;
        default:
            return ConsoleExit::Failure;
    }
}

// The summary line of the report format, ending in LF; it names the file (and its report) as
// printableText shows them.
std::string summaryLine(const SettingsFileData& data, bool reports) {
    const std::string noReport = reports ? "; no report written\n" : "\n";
    const std::string file = printableText(data.fileName);
    const std::string reportFile = printableText(data.reportFile);
    switch (data.status) {
        case ReadStatus::Read:
            return file + ": " + std::to_string(data.errorCount) + " errors, " +
                   std::to_string(data.warningCount) + " warnings" +
                   (reports ? "; report written to " + reportFile + "\n" : "\n");
        case ReadStatus::Empty:
            return file + ": file is empty" + noReport;
        case ReadStatus::UnknownForm:
            return file + ": not in CFG or SET format" + noReport;
        case ReadStatus::ReportFailed:
            return file + ": the report could not be written to " + reportFile + ": " +
                   data.failureReason + "\n";
        default:
            return file + ": cannot be read: " + data.failureReason + noReport;
    }
}

}  // namespace

ConsoleExit runConsoleValidation(const Catalogue& catalogue, const std::vector<std::string>& files,
                                 const ConsoleValidationOptions& options, std::ostream& out,
                                 std::ostream& err) {
    ReaderEnvironment env;
    env.batchFileNumber = -1;
    env.longDate = consoleLongDate;
    env.longTime = consoleLongTime;

    StyledLog log;
    std::vector<Finding> findings;
    SettingsFileData data;
    data.options = options.writeReports ? kOptionSaveReport : 0;
    data.reportFormat = ReportFormat::PlainText;
    data.log = &log;
    if (options.format != OutputFormat::Report) data.findings = &findings;

    ValidationJson json;
    ConsoleExit status = ConsoleExit::Clean;
    for (const std::string& file : files) {
        log.clear();
        data.fileName = file;
        data.reportFile = options.writeReports ? file + ".log" : std::string();
        validateSettingsFile(catalogue, data, env);
        status = std::max(status, exitStatusOf(data));

        switch (options.format) {
            case OutputFormat::Report:
                out << summaryLine(data, options.writeReports);
                break;
            case OutputFormat::Gnu:
                out << gnuLines(file, findings,
                                static_cast<std::size_t>(data.errorCount + data.warningCount));
                if (exitStatusOf(data) == ConsoleExit::Failure)
                    err << summaryLine(data, options.writeReports);
                break;
            case OutputFormat::Json:
                json.add(data, findings, options.writeReports);
                break;
        }
    }
    if (options.format == OutputFormat::Json) out << json.text();
    out.flush();
    return status;
}

}  // namespace tavmir
