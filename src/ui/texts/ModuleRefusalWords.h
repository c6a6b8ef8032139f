#pragma once
// Why one of the program's modules was refused, in the interface language.

#include <QString>

#include "output/CompanionModule.h"

namespace korvanel {

// Empty for a module that was not refused.
QString moduleRefusalWords(const ModuleRefusalFacts &facts);

} // namespace korvanel
