// The batch validation run: every file of the list through the reader in batch progress mode,
// its log lines appended to one styled log, each row's result cells filled, good and bad files
// counted, closed by a summary and an end (or cancel) line with the total time.
#pragma once

#include <cstdint>
#include <string>

#include "batch/BatchFileList.h"
#include "batch/BatchPacer.h"
#include "batch/BatchRun.h"
#include "catalogue/Catalogue.h"
#include "settingsfile/SettingsFileData.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

// The result cells of a validation row from the record the reader filled.
void fillValidationCells(BatchRow& row, const SettingsFileData& data);
// A file is good when it was read and has neither errors nor warnings.
bool isGoodFile(const SettingsFileData& data);

// "Begin of validation               " DATE "      " TIME
std::string validationHeader(const std::string& date, const std::string& time);
// "3 files validated (2 good, 1 bad)"
std::string validationSummary(std::int32_t good, std::int32_t bad);

struct BatchValidationResult {
    std::int32_t good = 0;
    std::int32_t bad = 0;
    bool stopped = false;
    std::int64_t totalMs = 0;
};

class BatchValidation {
  public:
    explicit BatchValidation(const Catalogue& catalogue, BatchPacer::Clock pacerClock = {})
        : m_catalogue(catalogue), m_pacer(std::move(pacerClock)) {}

    // Runs over every row of the list (which must not be empty), writing into log (emptied
    // first). Returns when the list is done or after the file during which a stop came.
    BatchValidationResult run(BatchFileList& list, StyledLog& log, const BatchRunHooks& hooks);
    // The stop button: the run ends after the current file.
    void requestStop() { m_record.stopRequested = true; }
    bool running() const { return m_running; }

  private:
    const Catalogue& m_catalogue;
    BatchPacer m_pacer;
    SettingsFileData m_record;
    bool m_running = false;
};

}  // namespace tavmir
