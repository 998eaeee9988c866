#include "batch/BatchSetValues.h"

#include "common/Text.h"
#include "document/FileLines.h"

namespace tavmir {
namespace {

ResultMark markOf(SetResult result) {
    switch (result) {
        case SetResult::Changed:
        case SetResult::AlreadySo:
            return ResultMark::Ok;
        case SetResult::Refused:
            return ResultMark::Orange;
        case SetResult::ReadFailed:
        case SetResult::WriteFailed:
            break;
    }
    return ResultMark::Red;
}

}  // namespace

std::string setValuesHeader(const std::string& date, const std::string& time) {
    return "Begin of setting values           " + date + "      " + time;
}

std::string setValuesSummary(std::int32_t changed, std::int32_t already, std::int32_t refused,
                             std::int32_t failed) {
    const std::int64_t n = std::int64_t{changed} + already + refused + failed;
    return std::to_string(n) + filesWord(n) + " set (" + std::to_string(changed) + " changed, " +
           std::to_string(already) + " already so, " + std::to_string(refused) + " refused, " +
           std::to_string(failed) + " failed)";
}

BatchSetValuesResult BatchSetValues::run(BatchFileList& list, const std::vector<FieldWrite>& writes,
                                         BackupSession* backups, StyledLog& log,
                                         const BatchRunHooks& hooks) {
    BatchSetValuesResult result;
    if (list.empty()) return result;
    m_running = true;
    m_stopRequested = false;
    const std::size_t n = list.size();
    const BatchRunStart begun = startBatchRun(list, hooks);
    log.clear();
    log.append(setValuesHeader(begun.date, begun.time), 1, kBlack, false);
    std::string values;
    for (const FieldWrite& w : writes)
        values += (values.empty() ? "" : ", ") + m_catalogue[w.field].section + ":" +
                  m_catalogue[w.field].key + "=" + w.text;
    log.append("Values: " + printableText(values), 2, kBlack, false);
    const std::int64_t start = begun.clock();

    const SetOptions options{false, backups};
    std::size_t i = 0;
    for (; i < n; ++i) {
        if (i > 0 && hooks.rowChanged) hooks.rowChanged(i - 1);
        if (hooks.rowStarted) hooks.rowStarted(i);
        BatchRow& row = list.row(i);
        const FileSetOutcome outcome = setValuesInFile(m_catalogue, row.path, writes, options);
        row.cells[0] = setResultText(outcome, false, false);
        row.mark = markOf(outcome.result);
        switch (outcome.result) {
            case SetResult::Changed:
                ++result.changed;
                break;
            case SetResult::AlreadySo:
                ++result.already;
                break;
            case SetResult::Refused:
                ++result.refused;
                break;
            default:
                ++result.failed;
                break;
        }
        const bool bad = row.mark != ResultMark::Ok;
        log.append(std::to_string(i + 1) + ". Setting " + printableText(row.path), 1, kBlack,
                   false);
        log.append("   " + row.cells[0], 1, bad ? kRed : kBlack, bad);
        if (hooks.progress && (m_pacer.repaintDue() || i + 1 == n))
            hooks.progress(100, totalPercent(static_cast<int>(i + 1), n));
        if (hooks.yield && (m_pacer.eventsDue() || m_stopRequested)) hooks.yield();
        if (m_stopRequested) {
            result.stopped = true;
            break;
        }
    }

    result.totalMs = begun.clock() - start;
    const std::string summary =
        setValuesSummary(result.changed, result.already, result.refused, result.failed);
    const std::string total = durationText(result.totalMs);
    log.append("", 1, kBlack, false);
    if (result.stopped) {
        log.append(summary, 2, kBlack, false);
        log.append("Setting values cancelled by user (Total time: " + total + ")", 2, kBlack,
                   false);
        if (hooks.rowChanged) hooks.rowChanged(i);
    } else {
        if (hooks.rowChanged) hooks.rowChanged(n - 1);
        log.append(summary, 2, kBlack, false);
        log.append("End of setting values (Total time: " + total + ")", 1, kBlack, false);
    }
    m_running = false;
    return result;
}

tl::expected<std::string, std::string> assignmentsOfFile(const Catalogue& catalogue,
                                                         const std::string& path) {
    const auto lines = readFileLines(catalogue, path);
    if (!lines) return tl::unexpected(lines.error().reason);
    std::string text;
    for (int n = 1; n <= kSettingCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (!(*lines)->record.found[i]) continue;
        text +=
            catalogue[n].section + ":" + catalogue[n].key + "=" + (*lines)->record.values[i] + "\n";
    }
    return text;
}

}  // namespace tavmir
