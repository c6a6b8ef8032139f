#include "playback/SequencerClock.h"

#include <algorithm>

namespace korvanel {

namespace {
std::chrono::milliseconds period(int intervalMs) { return std::chrono::milliseconds(std::max(intervalMs, 1)); }
} // namespace

void SequencerClock::start(Clock::time_point now, int intervalMs)
{
    m_intervalMs = intervalMs;
    m_deadline = now + period(intervalMs);
}

void SequencerClock::applyInterval(Clock::time_point now, int intervalMs)
{
    if (intervalMs != m_intervalMs)
        start(now, intervalMs);
}

bool SequencerClock::due(Clock::time_point now)
{
    if (now < m_deadline)
        return false;
    const auto step = period(m_intervalMs);
    m_deadline += step;
    // Late by more than half a period (a suspended machine, a stopped process): one step, then from now.
    if (now - (m_deadline - step) > step / 2)
        m_deadline = now + step;
    return true;
}

} // namespace korvanel
