// The OLA client as a module of the player's own, loaded only when it is asked
// for OLA: OLA's libraries cost a process some 4 MB of memory from start-up,
// used or not, and most installations send to the USB interface alone.
#include <cstdint>

#include "output/OlaClientApi.h"

extern "C" __attribute__((visibility("default"))) korvanel::OlaClientApi *korvanelPlayerOlaClient(std::uint16_t port)
{
    return korvanel::makeOlaClient(port).release();
}
