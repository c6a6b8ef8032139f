#pragma once

#include <QString>

#include "core/Engine.h"

struct CompanionPlaces {
    korvanel::CompanionFiles files;
    // Empty while the files sit beside the program; else the folder they are written to.
    QString writeFolder;
    // An installed program: see below.
    bool installed = false;
};

// Companion files sit beside the program. Where that folder takes no new file
// they are written in the user's data folder under the same names; what the
// data folder has no copy of yet is still read from beside the program: the
// settings and colours are copied over first (they are rewritten at exit), the
// recoding table and help are read where they are.
//
// An installed program (its desktop entry in ../share/applications) always
// writes in the data folder, even where its folder takes files (root), so that
// removing the package leaves nothing behind; what it reads besides comes from
// ../share/korvanel, where a package may put a help file.
CompanionPlaces locateCompanionFiles(const QString &programPath, const QString &dataFolder);
