#pragma once
// The settings file between the window and the disk: read once at start-up,
// written once at exit.

#include "files/SettingsFile.h"

namespace korvanel {

class CoderTab;
class ConveyorGroup;
class RemoteGroup;
class WindowServices;

// Conveyor files and their key captions, the open name, the recoding table
// file name. A missing or damaged file gives empty values. Returns all that
// was read, for the parts of the program that keep their own keys.
// The remote page's group gets its [Remote] values and is switched on when it was.
IniSettings ReadIniFile(WindowServices &window, CoderTab &coder, ConveyorGroup &conveyor, RemoteGroup &remote);

// `others`: the keys other parts of the program keep (the OLA output's); the
// window's own are filled in here. False after the error box "Unable to write to <file>".
bool WriteIniFile(WindowServices &window, const CoderTab &coder, const RemoteGroup &remote, IniSettings others = {});

} // namespace korvanel
