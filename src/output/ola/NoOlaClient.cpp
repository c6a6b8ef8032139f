// Built without OLA's library: there is no client, and the OLA output says so.

#include "output/OlaClientApi.h"

namespace korvanel {

std::unique_ptr<OlaClientApi> makeOlaClient(std::uint16_t) { return nullptr; }

std::unique_ptr<OlaClientApi> makeOlaClientFromModule(const std::string &, std::uint16_t) { return nullptr; }

} // namespace korvanel
