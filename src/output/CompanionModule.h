#pragma once
// Where the program finds a module of its own that it loads only when a
// feature is first used: beside the program first (a copied or unpacked
// program keeps its own), then where the package puts it from the program's
// folder (bin/ and lib/korvanel/ under any prefix), then where the build put it.

#include <string>

namespace korvanel {

// The first readable place, or empty when there is none.
std::string findCompanionModule(const std::string &fileName, const std::string &builtPath);

} // namespace korvanel
