#pragma once

#include <QString>

#include "core/Engine.h"

// Companion files sit beside the program; where that folder cannot be
// written they live in the user's data folder under the same names.
korvanel::CompanionFiles locateCompanionFiles(const QString &programPath, const QString &dataFolder);
