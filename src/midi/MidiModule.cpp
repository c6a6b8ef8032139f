#include "midi/MidiModule.h"

namespace korvanel {

MidiModule loadMidiModule(const std::string &modulePath)
{
    static constexpr ModuleWanted Wanted{MidiPortsModuleKind, MidiPortsInterfaceVersion, KORVANEL_MIDI_MODULE_BUILD_ID,
                                         MakeMidiPortsName};
    MidiModule load;
    const std::string path = modulePath.empty() ? findCompanionModule(MidiModuleName) : modulePath;
    if (path.empty()) {
        load.missing = true;
        return load;
    }
    // Stays loaded: RtMidi's libraries keep state of their own.
    const LoadedModule module = loadCompanionModule(path, Wanted);
    if (module.refusal != ModuleRefusal::None) {
        load.refusal = refusalFacts(path, module, Wanted);
        return load;
    }
    load.make = reinterpret_cast<MakeMidiPorts>(module.entry);
    return load;
}

} // namespace korvanel
