#include "batch/BatchComparison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "common/FileRead.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir {

namespace {

const std::string kRule(64, '=');
constexpr std::string_view kHeading =
    "               Setting                      (1)          (2)";
constexpr std::string_view kHyphens =
    "--------------------------------------  -----------  -----------";

void line(std::string& out, std::string_view text = {}) {
    out += text;
    out += kCrLf;
}

}  // namespace

std::string decimal15(double x) {
    if (!std::isfinite(x)) return x != x ? "0" : (x > 0 ? "inf" : "-inf");
    if (x == 0) return "0";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

std::string comparableValue(const SettingDef& def, const std::string& value, bool found) {
    const std::string v = found ? value : std::string();
    if (def.isText()) return std::string(trimSpaces(v));
    return decimal15(leadingNumber(v));
}

ComparisonRefusal comparisonRefusal(const Catalogue& catalogue, std::string_view originText,
                                    BatchFileList& list) {
    const std::string origin(trimSpaces(originText));
    if (origin.empty()) return {"Select origin file", RefusalFocus::OriginFile};
    if (nodeKindOf(origin) != NodeKind::Regular)
        return {"Origin file not found", RefusalFocus::OriginFile};
    if (detectFileType(catalogue, origin).empty())
        return {"Origin file is not in CFG or SET format" + std::string(kCrLf) +
                    std::string(kCrLf) + "Select a valid file",
                RefusalFocus::OriginFile};
    list.removeOrigin(origin);
    if (list.empty()) return {"Select files to be compared", RefusalFocus::AddFiles};
    return {};
}

std::string comparisonHeader(const std::string& date, const std::string& time) {
    return "Begin of comparison             " + date + "      " + time;
}

std::string comparisonSummary(std::int32_t files, std::int32_t match, std::int32_t dontMatch) {
    return std::to_string(files) + filesWord(files) + " compared (" + std::to_string(match) +
           " match, " + std::to_string(dontMatch) + " don't)";
}

void BatchComparison::read(SettingsFileData& record, const std::string& path) {
    record.fileName = path;
    record.options = 0;
    record.log = &m_aux;
    const bool stop = record.stopRequested;
    validateSettingsFile(m_catalogue, record, ReaderEnvironment{});
    record.stopRequested = record.stopRequested || stop;
    m_aux.clear();
}

PairResult BatchComparison::comparePair(const SettingsFileData& one, const SettingsFileData& two,
                                        int number, std::size_t total, const BatchRunHooks& hooks,
                                        std::vector<SettingDifference>* differences) {
    PairResult r;
    std::string& b = r.block;
    line(b, kRule);
    line(b, std::to_string(number) + ". Comparing");
    line(b);
    line(b, "(1) " + one.fileName);
    line(b, "(2) " + two.fileName);
    line(b);
    if (two.fileType.empty()) {
        line(b, kCantCompareLine);
        line(b, kRule);
        line(b);
        line(b);
        r.comparable = false;
        return r;
    }

    std::string table;
    for (int k = 1; k <= kSettingCount; ++k) {
        if (hooks.yield && m_pacer.eventsDue()) hooks.yield();
        if (hooks.progress && k % 10 == 0 && m_pacer.repaintDue()) {
            const int file = progressPercent(k * 100.0 / kSettingCount);
            const double all = ((number - 1) * 100.0 + file) /
                               static_cast<double>(std::max<std::size_t>(total, 1));
            hooks.progress(file, progressPercent(all));
        }
        const auto i = static_cast<std::size_t>(k);
        if (!one.found[i] && !two.found[i]) continue;
        const SettingDef& def = m_catalogue[k];
        const std::string v1 = comparableValue(def, one.values[i], one.found[i]);
        const std::string v2 = comparableValue(def, two.values[i], two.found[i]);
        if (v1 == v2) continue;
        const auto shown = [&](const SettingsFileData& d, const std::string& v) -> std::string {
            if (!d.found[i]) return "<not found>";
            if (d.valueError[i]) return "<error>";
            if (d.limitWarning[i]) return "<warning>";
            return def.isText() ? v.substr(0, 11) : v;
        };
        if (differences) {
            const auto held = [&](const SettingsFileData& d) {
                return d.found[i] ? std::optional<std::string>(d.values[i]) : std::nullopt;
            };
            const auto mark = [&](const SettingsFileData& d) {
                return !d.found[i]         ? ValueMark::None
                       : d.valueError[i]   ? ValueMark::Error
                       : d.limitWarning[i] ? ValueMark::Warning
                                           : ValueMark::None;
            };
            differences->push_back({k, held(one), held(two), mark(one), mark(two)});
        }
        if (++r.differences == 1) {
            line(table, kHeading);
            line(table, kHyphens);
        }
        line(table, padText(def.section + ":" + def.key, 1, 38, ".") + "  " +
                        padText(shown(one, v1), 2, 11, ".") + "  " +
                        padText(shown(two, v2), 2, 11, "."));
    }
    line(table, kRule);
    line(table);
    line(table);

    const bool errorsOne = one.errorCount > 0 || one.warningCount > 0;
    if (errorsOne) line(b, "Warning: File (1) contains errors");
    if (two.errorCount > 0 || two.warningCount > 0) {
        line(b, "Warning: File (2) contains errors");
        line(b);
    } else if (errorsOne) {
        line(b);
    }
    if (r.differences == 0) {
        line(b, "Files are equal");
    } else {
        line(b, "Differences: " + std::to_string(r.differences));
        line(b);
    }
    b += table;
    return r;
}

BatchComparisonResult BatchComparison::run(BatchFileList& list, const std::string& origin,
                                           std::string& report, const BatchRunHooks& hooks,
                                           std::vector<PairOutcome>* outcomes) {
    BatchComparisonResult result;
    report.clear();
    if (list.empty()) return result;
    m_running = true;
    const std::size_t n = list.size();
    const BatchRunStart begun = startBatchRun(list, hooks);
    const auto& clock = begun.clock;
    line(report, comparisonHeader(begun.date, begun.time));
    line(report);
    const std::int64_t start = clock();
    m_one.stopRequested = m_two.stopRequested = false;
    read(m_one, std::string(trimSpaces(origin)));
    result.originContainsErrors = m_one.errorCount > 0 || m_one.warningCount > 0;
    if (outcomes) outcomes->clear();

    const auto fill = [&](std::size_t row, const PairResult& pair) {
        BatchRow& r = list.row(row);
        r.cells[0] = pair.comparable ? std::to_string(pair.differences) : std::string();
        r.mark = !pair.comparable        ? ResultMark::Red
                 : pair.differences == 0 ? ResultMark::Ok
                                         : ResultMark::Orange;
        if (hooks.rowChanged) hooks.rowChanged(row);
    };

    std::size_t i = 0;
    PairResult pair;
    for (; i < n; ++i) {
        const int number = static_cast<int>(i + 1);
        if (hooks.progress && m_pacer.repaintDue()) hooks.progress(0, totalPercent(number - 1, n));
        if (i > 0) fill(i - 1, pair);
        if (hooks.rowStarted) hooks.rowStarted(i);
        read(m_two, list.row(i).path);
        PairOutcome* outcome = nullptr;
        if (outcomes) {
            outcome = &outcomes->emplace_back();
            outcome->file = m_two.fileName;
            outcome->readStatus = m_two.status;
            outcome->failureReason = m_two.failureReason;
            outcome->containsErrors = m_two.errorCount > 0 || m_two.warningCount > 0;
        }
        pair =
            comparePair(m_one, m_two, number, n, hooks, outcome ? &outcome->differences : nullptr);
        if (outcome) outcome->comparable = pair.comparable;
        report += pair.block;
        if (pair.comparable && pair.differences == 0)
            ++result.match;
        else
            ++result.dontMatch;
        if (hooks.progress && (m_pacer.repaintDue() || i + 1 == n))
            hooks.progress(100, totalPercent(number, n));
        const bool stop = m_one.stopRequested || m_two.stopRequested;
        if (hooks.yield && (m_pacer.eventsDue() || stop)) hooks.yield();
        if (m_one.stopRequested || m_two.stopRequested) {
            result.stopped = true;
            break;
        }
    }

    result.totalMs = clock() - start;
    const std::int32_t files = result.match + result.dontMatch;
    if (!result.stopped) fill(n - 1, pair);
    line(report, comparisonSummary(files, result.match, result.dontMatch));
    line(report);
    if (result.stopped) {
        line(report,
             "Comparison cancelled by user (Total time: " + durationText(result.totalMs) + ")");
        fill(i, pair);
    } else {
        line(report, "End of comparison (Total time: " + durationText(result.totalMs) + ")");
    }
    m_running = false;
    return result;
}

}  // namespace tavmir
