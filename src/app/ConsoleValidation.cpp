#include "ConsoleValidation.h"

#include <ostream>

#include "ConsoleClock.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir {

int runConsoleValidation(const Catalogue& catalogue, const std::vector<std::string>& files,
                         std::ostream& out) {
    ReaderEnvironment env;
    env.batchFileNumber = -1;
    env.longDate = consoleLongDate;
    env.longTime = consoleLongTime;

    StyledLog log;
    SettingsFileData data;
    data.options = kOptionSaveReport;
    data.reportFormat = 1;
    data.log = &log;

    int exitCode = kExitClean;
    for (const std::string& file : files) {
        log.clear();
        data.fileName = file;
        data.reportFile = file + ".log";
        validateSettingsFile(catalogue, data, env);

        switch (data.status) {
            case kStatusRead:
                out << file << ": " << data.errorCount << " errors, " << data.warningCount
                    << " warnings; report written to " << data.reportFile << "\n";
                if (data.errorCount > 0 || data.warningCount > 0)
                    exitCode = std::max(exitCode, int{kExitFindings});
                break;
            case kStatusEmpty:
                out << file << ": file is empty; no report written\n";
                exitCode = std::max(exitCode, int{kExitFindings});
                break;
            case kStatusUnknownForm:
                out << file << ": not in CFG or SET format; no report written\n";
                exitCode = std::max(exitCode, int{kExitFindings});
                break;
            case kStatusReportFailed:
                out << file << ": the report could not be written to " << data.reportFile << ": "
                    << data.failureReason << "\n";
                exitCode = kExitFailure;
                break;
            default:
                out << file << ": cannot be read: " << data.failureReason
                    << "; no report written\n";
                exitCode = kExitFailure;
                break;
        }
    }
    return exitCode;
}

}  // namespace tavmir
