#pragma once
// The settings file between the window and the disk: read once at start-up,
// written once at exit.

namespace korvanel {

class CoderTab;
class ConveyorGroup;
class WindowServices;

// Conveyor files and their key captions, the open name, the recoding table
// file name. A missing or damaged file gives empty values.
void ReadIniFile(WindowServices &window, CoderTab &coder, ConveyorGroup &conveyor);

// False after the error box "Unable to write to <file>".
bool WriteIniFile(WindowServices &window, const CoderTab &coder);

} // namespace korvanel
