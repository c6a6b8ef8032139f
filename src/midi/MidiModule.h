#pragma once
// The MIDI ports from the module korvanel-midi.so, loaded when MIDI is first
// switched on and checked before anything of it is called.

#include <string>

#include "midi/MidiPortsApi.h"
#include "output/CompanionModule.h"

namespace korvanel {

inline constexpr const char *MidiModuleName = "korvanel-midi.so";

struct MidiModule {
    MakeMidiPorts make = nullptr; // null when there is no module or it was refused
    bool missing = false;         // no module where the program keeps its modules
    ModuleRefusalFacts refusal;   // why a module that is there was refused
};

// modulePath: the module to load; empty to look where the program keeps its modules.
MidiModule loadMidiModule(const std::string &modulePath = {});

} // namespace korvanel
