#pragma once
// The OLA tests run in a network namespace of their own that holds nothing
// but loopback: their daemon cannot meet one already running on the machine,
// and nothing they send can leave it.

#include <string>

namespace olatest {

// Enters a new network namespace and brings its loopback up. Empty when done,
// else why it could not be done (needs root or CAP_SYS_ADMIN).
std::string enterPrivateNetwork();

// Why the OLA tests cannot run here; empty when they can: a private network
// entered, olad and its user installed.
const std::string &olaTestsUnavailable();
void setOlaTestsUnavailable(std::string reason);

// Every interface of this namespace is loopback: true only in one of ours.
bool onlyLoopback();

// sACN refuses loopback: it is delivered on a bridge with no ports holding
// this address, with loopback addresses routed on it (route_localnet).
inline constexpr const char *SacnBridge = "korvsacn0";
inline constexpr const char *SacnAddress = "127.0.0.2";
// Adds that bridge where nothing but loopback exists; empty when done, else
// why not.
std::string addSacnBridge();
void removeSacnBridge();
// Every interface is loopback or that bridge, and the bridge has no ports:
// nothing sent can leave the machine.
bool onlyLoopbackAndSacnBridge();

} // namespace olatest
