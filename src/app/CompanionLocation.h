#pragma once

#include <QString>

#include "core/Engine.h"

struct CompanionPlaces {
    korvanel::CompanionFiles files;
    // Empty while the files sit beside the program; else the folder they are written to.
    QString writeFolder;
};

// Companion files sit beside the program. Where that folder takes no new file
// they are written in the user's data folder under the same names; what the
// data folder has no copy of yet is still read from beside the program: the
// settings and colours are copied over first (they are rewritten at exit), the
// recoding table and help are read where they are.
CompanionPlaces locateCompanionFiles(const QString &programPath, const QString &dataFolder);
