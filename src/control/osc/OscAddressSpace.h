#pragma once
// The OSC input's addresses and what each asks of the show. Everything is
// checked here: an unknown address, wrong argument types or counts, and values
// out of range make no command at all.
//
//   /korvanel/play, /korvanel/stop, /korvanel/scene/next, /korvanel/scene/prev
//   /korvanel/scene i N        scene N, 1-based as the window shows it
//   /korvanel/tempo i N        the tempo slider's position, 10..170
//   /korvanel/blackout i 0|1
//   /korvanel/picture/N i 1|0  static picture N (1..16) held and let go
//   /korvanel/fader/N f 0..1   channel N (1..255) of the current scene,
//   /korvanel/fader/N i 0..255   as the fader page writes it
//   /korvanel/conveyor/N       conveyor slot N (1..20), as its key
//   /korvanel/pad ff X Y       the hand-scan pad, 0..1 each (Y: 0 bottom, 1 top)
//   /korvanel/subscribe, /korvanel/unsubscribe   the state sent back on every change

#include <variant>

#include "control/Command.h"
#include "control/osc/OscPacket.h"

namespace korvanel {

namespace osc {
struct Subscribe {};
struct Unsubscribe {};
struct Bad {};
} // namespace osc

using OscRequest = std::variant<osc::Bad, CommandValue, osc::Subscribe, osc::Unsubscribe>;

OscRequest oscRequestOf(const OscMessage &message);

} // namespace korvanel
