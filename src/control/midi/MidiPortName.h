#pragma once
// Finding a chosen port again among those listed now. JACK's names
// ("client:port") stay the same; ALSA's end in the numbers of the sequencer's
// client and port ("Desk:Desk MIDI 1 24:0"), which a device plugged in again
// may not get back: the name counts without them when no name matches whole.

#include <string>
#include <string_view>
#include <vector>

namespace korvanel {

// The listed name of the port chosen as `wanted`, or empty when it is not there.
std::string findMidiPort(std::string_view wanted, const std::vector<std::string> &listed);

} // namespace korvanel
