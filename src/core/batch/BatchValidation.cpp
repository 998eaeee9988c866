#include "batch/BatchValidation.h"

#include <algorithm>

#include "common/Text.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir {

void fillValidationCells(BatchRow& row, const SettingsFileData& data) {
    const bool typed = !data.fileType.empty();
    row.cells[0] = typed ? data.fileType : "?";
    row.cells[1] = typed ? std::to_string(data.errorCount) : "1";
    row.cells[2] = typed ? std::to_string(data.warningCount) : "0";
    row.mark =
        typed && data.errorCount == 0 && data.warningCount == 0 ? ResultMark::Ok : ResultMark::Red;
    row.typeAlert = !data.extensionMatches;
}

bool isGoodFile(const SettingsFileData& data) {
    return data.status == ReadStatus::Read && data.errorCount == 0 && data.warningCount == 0;
}

std::string validationHeader(const std::string& date, const std::string& time) {
    return "Begin of validation               " + date + "      " + time;
}

std::string validationSummary(std::int32_t good, std::int32_t bad) {
    const std::int64_t n = std::int64_t{good} + bad;
    return std::to_string(n) + filesWord(n) + " validated (" + std::to_string(good) + " good, " +
           std::to_string(bad) + " bad)";
}

BatchValidationResult BatchValidation::run(BatchFileList& list, StyledLog& log,
                                           const BatchRunHooks& hooks) {
    BatchValidationResult result;
    if (list.empty()) return result;
    m_running = true;
    const std::size_t n = list.size();
    const BatchRunStart begun = startBatchRun(list, hooks);
    const auto& clock = begun.clock;
    log.clear();
    log.append(validationHeader(begun.date, begun.time), 2, kBlack, false);
    const std::int64_t start = clock();

    ReaderEnvironment env;
    env.batchFileTotal = static_cast<int>(std::min<std::size_t>(n, INT32_MAX));
    env.yield = [&] {
        if (hooks.yield && m_pacer.eventsDue()) hooks.yield();
    };
    env.progress = [&](int file, int total) {
        if (hooks.progress && m_pacer.repaintDue()) hooks.progress(file, total);
    };
    m_record = SettingsFileData{};
    m_record.options = kOptionBatchProgress;
    m_record.log = &log;

    std::size_t i = 0;
    for (; i < n; ++i) {
        env.batchFileNumber = static_cast<int>(i + 1);
        if (i > 0 && hooks.rowChanged) hooks.rowChanged(i - 1);
        if (hooks.rowStarted) hooks.rowStarted(i);
        m_record.fileName = list.row(i).path;
        validateSettingsFile(m_catalogue, m_record, env);
        fillValidationCells(list.row(i), m_record);
        if (isGoodFile(m_record))
            ++result.good;
        else
            ++result.bad;
        if (hooks.progress && (m_pacer.repaintDue() || i + 1 == n))
            hooks.progress(100, totalPercent(static_cast<int>(i + 1), n));
        if (hooks.yield && (m_pacer.eventsDue() || m_record.stopRequested)) hooks.yield();
        if (m_record.stopRequested) {
            result.stopped = true;
            break;
        }
    }

    result.totalMs = clock() - start;
    const std::string summary = validationSummary(result.good, result.bad);
    const std::string total = durationText(result.totalMs);
    if (result.stopped) {
        log.append(std::string(kCrLf) + summary, 2, kBlack, false);
        log.append("Validation cancelled by user (Total time: " + total + ")", 2, kBlack, false);
        if (hooks.rowChanged) hooks.rowChanged(i);
    } else {
        if (hooks.rowChanged) hooks.rowChanged(n - 1);
        log.append(summary, 2, kBlack, false);
        log.append("End of validation (Total time: " + total + ")", 1, kBlack, false);
    }
    m_running = false;
    return result;
}

}  // namespace tavmir
