#pragma once
// What subscribers hear of the show: one int message a value, and after the
// first time only the values that changed since they were last sent.
//
//   /korvanel/scene i N, /korvanel/playing i 0|1, /korvanel/tempo i N,
//   /korvanel/blackout i 0|1, /korvanel/picture/N i 0|1 (1..16),
//   /korvanel/fader/N i 0..255 for the channels of the fader page shown

#include <map>
#include <string>
#include <vector>

#include "control/ControlLayer.h"

namespace korvanel {

struct OscValue {
    std::string path;
    int value = 0;
    bool operator==(const OscValue &) const = default;
};

// Every value of the state, in the order above.
std::vector<OscValue> oscFeedbackOf(const ShowState &state);

class OscFeedback {
public:
    // The values that differ from those last sent, now taken as sent.
    std::vector<OscValue> changes(const ShowState &state);
    // Forget what was sent: the next changes() has everything.
    void clear() { m_sent.clear(); }

private:
    // By path; at most the show's values and the 255 channels' faders.
    std::map<std::string, int> m_sent;
    int m_page = -1;
};

} // namespace korvanel
