#pragma once
// The settings file between the window and the disk: read once at start-up,
// written once at exit.

class TBaseForm;

namespace korvanel {

// Conveyor files and their key captions, the open name, the recoding table
// file name. A missing or damaged file gives empty values.
void ReadIniFile(TBaseForm &form);

// False after the error box "Unable to write to <file>".
bool WriteIniFile(TBaseForm &form);

} // namespace korvanel
