// The batch run that sets values in every file of a list (the "Set Values In Files" window):
// each file written in its own lines by setValuesInFile (SetValues.h), its row's result cell
// filled ("changed 1 line", "already so", "refused: ...", "could not be read: ..."), one log
// entry per file, a summary and an end (or cancel) line with the total time. A stop ends the
// run between two files: a file is never left half-set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "batch/BatchFileList.h"
#include "batch/BatchPacer.h"
#include "batch/BatchRun.h"
#include "batch/SetValues.h"
#include "catalogue/Catalogue.h"
#include "document/BackupSession.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

// "Begin of setting values          " DATE "      " TIME
std::string setValuesHeader(const std::string& date, const std::string& time);
// "3 files set (1 changed, 1 already so, 1 refused, 0 failed)"
std::string setValuesSummary(std::int32_t changed, std::int32_t already, std::int32_t refused,
                             std::int32_t failed);

struct BatchSetValuesResult {
    std::int32_t changed = 0;
    std::int32_t already = 0;
    std::int32_t refused = 0;
    std::int32_t failed = 0;
    bool stopped = false;
    std::int64_t totalMs = 0;
};

class BatchSetValues {
  public:
    explicit BatchSetValues(const Catalogue& catalogue, BatchPacer::Clock pacerClock = {})
        : m_catalogue(catalogue), m_pacer(std::move(pacerClock)) {}

    // Writes `writes` into every file of the list (which must not be empty), the log emptied
    // first. `backups`, when given, keeps each file's original as FILE.bak at its first write
    // of the program's session.
    BatchSetValuesResult run(BatchFileList& list, const std::vector<FieldWrite>& writes,
                             BackupSession* backups, StyledLog& log, const BatchRunHooks& hooks);
    void requestStop() { m_stopRequested = true; }
    bool running() const { return m_running; }

  private:
    const Catalogue& m_catalogue;
    BatchPacer m_pacer;
    bool m_stopRequested = false;
    bool m_running = false;
};

// The "Section:Key=Value" lines of every setting `path` names, in setting-number order (for
// taking values from an origin file), or why the file cannot give them.
tl::expected<std::string, std::string> assignmentsOfFile(const Catalogue& catalogue,
                                                         const std::string& path);

}  // namespace tavmir
