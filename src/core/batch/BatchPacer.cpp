#include "batch/BatchPacer.h"

namespace tavmir {

std::int64_t steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

BatchPacer::BatchPacer(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(steadyMilliseconds)),
      m_lastEvents(m_clock()),
      m_lastRepaint(m_lastEvents) {}

bool BatchPacer::eventsDue() {
    const std::int64_t t = m_clock();
    if (!m_forced && t - m_lastEvents < kEventIntervalMs) return false;
    m_lastEvents = t;
    m_forced = false;
    return true;
}

bool BatchPacer::repaintDue() {
    const std::int64_t t = m_clock();
    if (t - m_lastRepaint < kRepaintIntervalMs) return false;
    m_lastRepaint = t;
    return true;
}

void BatchPacer::forceNext() {
    m_forced = true;
    m_lastRepaint = m_clock() - kRepaintIntervalMs;
}

}  // namespace tavmir
