// The batch comparison: one origin file compared setting by setting with every file of the
// list. Each pair gives a block of the report (a table of the settings whose values differ, or
// "Files are equal"); the run adds a header, a summary and an end (or cancel) line. The report
// is plain text with CR LF line ends, laid out for a fixed-pitch font.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchFileList.h"
#include "batch/BatchPacer.h"
#include "batch/BatchRun.h"
#include "catalogue/Catalogue.h"
#include "settingsfile/SettingsFileData.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

// A number written back as decimal text with up to 15 significant digits, no trailing zeros.
std::string decimal15(double x);
// The value a setting is compared by: a text setting's value without blanks at either end,
// any other setting's leading number written back with decimal15. Not found: "" or "0".
std::string comparableValue(const SettingDef& def, const std::string& value, bool found);

// Where the focus goes after a refused start.
enum class RefusalFocus { None, OriginFile, AddFiles };
struct ComparisonRefusal {
    std::string message;  // empty: the run may start
    RefusalFocus focus = RefusalFocus::None;
};
// The checks before a run, in order; also takes the origin file out of the list.
ComparisonRefusal comparisonRefusal(const Catalogue& catalogue, std::string_view originText,
                                    BatchFileList& list);

// "Begin of comparison             " DATE "      " TIME
std::string comparisonHeader(const std::string& date, const std::string& time);
// "3 files compared (1 match, 2 don't)"
std::string comparisonSummary(std::int32_t files, std::int32_t match, std::int32_t dontMatch);

// The block line of a pair whose file (2) has no form that could be decided.
inline constexpr std::string_view kCantCompareLine =
    "Can't compare. File (2) is not in CFG or SET format";

struct PairResult {
    std::string block;
    std::int32_t differences = 0;
    bool comparable = true;
};

// One row of a pair's table as data: the setting and its values as the two files hold them
// (no value: the setting is not found in that file).
// How the report marks a value instead of showing it: "<error>" for a value with an error,
// "<warning>" for one outside the limits.
enum class ValueMark { None, Error, Warning };

struct SettingDifference {
    int setting = 0;
    std::optional<std::string> origin;
    std::optional<std::string> file;
    ValueMark originMark = ValueMark::None;
    ValueMark fileMark = ValueMark::None;
};

// What one pair gave, for callers that want the results as data rather than as report text.
struct PairOutcome {
    std::string file;                          // file (2)
    bool comparable = true;                    // false: "Can't compare" (its form was not decided)
    ReadStatus readStatus = ReadStatus::Read;  // the reader's status for file (2)
    std::string failureReason;                 // why file (2) could not be read, when it could not
    bool containsErrors = false;               // file (2) has errors or warnings
    std::vector<SettingDifference> differences;  // in setting order
};

struct BatchComparisonResult {
    std::int32_t match = 0;
    std::int32_t dontMatch = 0;
    bool stopped = false;
    std::int64_t totalMs = 0;
    bool originContainsErrors = false;  // the origin has errors or warnings
};

class BatchComparison {
  public:
    explicit BatchComparison(const Catalogue& catalogue, BatchPacer::Clock pacerClock = {})
        : m_catalogue(catalogue), m_pacer(std::move(pacerClock)) {}

    // Compares the origin with every row of the list (not empty); the whole report in `report`,
    // and one outcome per pair compared in `outcomes` when it is given.
    BatchComparisonResult run(BatchFileList& list, const std::string& origin, std::string& report,
                              const BatchRunHooks& hooks,
                              std::vector<PairOutcome>* outcomes = nullptr);
    // The block of the pair (record 1, record 2) with file number `number` of `total`; the rows
    // of its table also in `differences` when it is given.
    PairResult comparePair(const SettingsFileData& one, const SettingsFileData& two, int number,
                           std::size_t total, const BatchRunHooks& hooks,
                           std::vector<SettingDifference>* differences = nullptr);

    void requestStop() {
        m_one.stopRequested = true;
        m_two.stopRequested = true;
    }
    bool running() const { return m_running; }

  private:
    void read(SettingsFileData& record, const std::string& path);

    const Catalogue& m_catalogue;
    BatchPacer m_pacer;
    SettingsFileData m_one, m_two;
    StyledLog m_aux;  // the readers' own logs, thrown away
    bool m_running = false;
};

}  // namespace tavmir
