// Paces a long loop on the user-interface thread by the clock: pending events run at most once
// every few milliseconds of work and the progress display is repainted at most about 30 times a
// second, however many lines or settings the loop handles in between.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace tavmir {

class BatchPacer {
  public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, never going back

    static constexpr std::int64_t kEventIntervalMs = 4;
    static constexpr std::int64_t kRepaintIntervalMs = 33;

    // Without a clock the steady clock is used.
    explicit BatchPacer(Clock clock = {});

    std::int64_t now() const { return m_clock(); }
    // True (and the interval restarts) when pending events are due.
    bool eventsDue();
    // True (and the interval restarts) when a repaint of the progress display is due.
    bool repaintDue();
    // The next eventsDue and repaintDue answer true (the end of a file, a stop).
    void forceNext();

  private:
    Clock m_clock;
    std::int64_t m_lastEvents;
    std::int64_t m_lastRepaint;
    bool m_forced = false;
};

// The steady clock in milliseconds.
std::int64_t steadyMilliseconds();

}  // namespace tavmir
