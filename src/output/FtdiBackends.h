#pragma once
// Which library drives the interface: the vendor's D2XX library beside the
// program, then on the system library path, then libftdi1.

#include <memory>
#include <string>
#include <vector>

#include "output/D2xxLibrary.h"
#include "output/FtdiApi.h"

namespace korvanel {

struct FtdiBackendChoice {
    std::unique_ptr<FtdiApi> api;
    std::string name;                          // the library in use, for the options page
    std::vector<D2xxLibrary::Refusal> refused; // libraries found but not used, in the order tried
};

FtdiBackendChoice chooseFtdiBackend(const std::string &programFolder);

// The folder of the running program file.
std::string executableFolder();

} // namespace korvanel
