#pragma once
// The settings file between the window and the disk: read once at start-up,
// written once at exit.

#include "files/SettingsFile.h"

namespace korvanel {

class CoderTab;
class OscGroup;
class ConveyorGroup;
class RemoteGroup;
class WindowServices;

// Conveyor files and their key captions, the open name, the recoding table
// file name. A missing or damaged file gives empty values. Returns all that
// was read, for the parts of the program that keep their own keys.
// The remote page's and the OSC input's groups get their [Remote] and [Osc]
// values and are switched on when they were.
IniSettings ReadIniFile(WindowServices &window, CoderTab &coder, ConveyorGroup &conveyor, RemoteGroup &remote,
                        OscGroup &osc);

// `others`: the keys other parts of the program keep (the OLA output's); the
// window's own are filled in here. False after the error box "Unable to write to <file>".
bool WriteIniFile(WindowServices &window, const CoderTab &coder, const RemoteGroup &remote, const OscGroup &osc,
                  IniSettings others = {});

} // namespace korvanel
