#include "batch/BatchRun.h"

#include <algorithm>

#include "batch/BatchFileList.h"
#include "batch/BatchPacer.h"
#include "common/ElapsedTime.h"

namespace tavmir {

BatchRunStart startBatchRun(BatchFileList& list, const BatchRunHooks& hooks) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        list.row(i).clearResults();
        if (hooks.rowChanged) hooks.rowChanged(i);
    }
    BatchRunStart start;
    start.clock = hooks.clock ? hooks.clock : BatchPacer::Clock(steadyMilliseconds);
    if (hooks.longDate) start.date = hooks.longDate();
    if (hooks.longTime) start.time = hooks.longTime();
    return start;
}

std::string durationText(std::int64_t milliseconds) {
    const std::int64_t capped = std::clamp<std::int64_t>(milliseconds, 0, INT32_MAX);
    return formatElapsedTime(static_cast<std::int32_t>(capped), "");
}

int totalPercent(int handled, std::size_t total) {
    if (total == 0) return 100;
    return static_cast<int>(std::min<std::int64_t>(
        100, std::int64_t{handled} * 100 / static_cast<std::int64_t>(total)));
}

}  // namespace tavmir
