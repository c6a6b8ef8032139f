#pragma once
// The sequencer's clock for a program without a window: one step per tempo
// interval on absolute monotonic deadlines, so the period does not drift. A
// new interval restarts the period and the same interval leaves it running,
// as the window's sequencer timer does. A step that comes late runs at once
// and the schedule restarts from then, with no burst of catch-up steps. The
// caller waits for deadline() however it likes and asks due() when it wakes.

#include <chrono>

namespace korvanel {

class SequencerClock {
public:
    using Clock = std::chrono::steady_clock;

    void start(Clock::time_point now, int intervalMs);
    // The tempo of a loaded show or of the slider.
    void applyInterval(Clock::time_point now, int intervalMs);
    // True once for each deadline reached; the next deadline is then set.
    bool due(Clock::time_point now);

    int intervalMs() const { return m_intervalMs; }
    Clock::time_point deadline() const { return m_deadline; }

private:
    int m_intervalMs = 0;
    Clock::time_point m_deadline{};
};

} // namespace korvanel
