// What a batch run (validation or comparison) needs from the window that drives it, what both
// runs do first, and the texts both runs share: durations and the date line of a header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tavmir {

struct BatchRunHooks {
    // The system's long date and long time texts of the header line.
    std::function<std::string()> longDate;
    std::function<std::string()> longTime;
    // Milliseconds for the total time; the steady clock when empty.
    std::function<std::int64_t()> clock;
    // Row i (0-based) is about to be handled: bring it into view, select it, "File i/N".
    std::function<void(std::size_t row)> rowStarted;
    // Row i's result cells were filled (or, at the start of a run, emptied).
    std::function<void(std::size_t row)> rowChanged;
    // Progress of the current file and of the whole run, in percent; paced by the run.
    std::function<void(int filePercent, int totalPercent)> progress;
    // Lets pending user-interface events run; paced by the run.
    std::function<void()> yield;
};

class BatchFileList;

// The start of every run: each row's results are emptied (and the window told so), the run's
// clock is chosen and the header's date and time are read, in that order.
struct BatchRunStart {
    std::function<std::int64_t()> clock;
    std::string date;
    std::string time;
};
BatchRunStart startBatchRun(BatchFileList& list, const BatchRunHooks& hooks);

// The duration text of the end lines: "mm:ss", or "hh:mm:ss" from one hour on.
std::string durationText(std::int64_t milliseconds);

// The percentage of files handled, at most 100.
int totalPercent(int handled, std::size_t total);

// " file" or " files" after a count.
inline std::string filesWord(std::int64_t n) { return n == 1 ? " file" : " files"; }

}  // namespace tavmir
