#pragma once
// Which library drives the interface: the vendor's D2XX library beside the
// program, then on the system library path, then libftdi1.

#include <memory>
#include <string>

#include "output/FtdiApi.h"

namespace korvanel {

struct FtdiBackendChoice {
    std::unique_ptr<FtdiApi> api;
    std::string name;  // the library in use, for the options page
    std::string notes; // libraries found but refused, and why
};

FtdiBackendChoice chooseFtdiBackend(const std::string &programFolder);

// The folder of the running program file.
std::string executableFolder();

} // namespace korvanel
