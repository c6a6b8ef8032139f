#pragma once
// What the OLA output needs of a client of the OLA daemon (olad): connect,
// stream frames, ask which output ports a universe has. Only the output's
// worker thread calls it, and any call but pollPorts may block for as long
// as a hanging daemon makes it: nothing else ever waits for this thread.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "output/CompanionModule.h"

namespace korvanel {

// Raised by hand with every change to this header that a module built
// before it would not follow: the program refuses a module of another.
inline constexpr int OlaClientInterfaceVersion = 1;
inline constexpr const char *OlaClientModuleKind = "korvanel-ola-client";

inline constexpr std::size_t OlaSlotCount = 512;
// The daemon's own port for its clients, on 127.0.0.1.
inline constexpr std::uint16_t OlaDefaultPort = 9010;

struct OlaPortAnswer {
    bool answered = false; // false: the request failed (the connection closed, say)
    // "Device / port" of each output port patched to the universe.
    std::vector<std::string> outputPorts;
};

class OlaClientApi {
public:
    virtual ~OlaClientApi() = default;

    virtual bool connect() = 0;
    virtual void disconnect() = 0;
    // False once the daemon has gone; a true is no proof of delivery.
    virtual bool send(std::uint16_t universe, std::span<const std::uint8_t, OlaSlotCount> frame) = 0;
    // Asks the daemon for the universe's output ports; pollPorts gives the answer.
    virtual bool askPorts(std::uint16_t universe) = 0;
    // The answer to the last question once it has come; never waits.
    virtual std::optional<OlaPortAnswer> pollPorts() = 0;
    // True once the client can never connect (its module was refused): the
    // output is then unavailable, as in a program built without OLA.
    virtual bool unavailable() const { return false; }
    // Why, once unavailable; the facts never change after.
    virtual const ModuleRefusalFacts *refusal() const { return nullptr; }
};

// The client on OLA's library, talking to 127.0.0.1:`port`; null when the
// program was built without it (korvanel_ola).
std::unique_ptr<OlaClientApi> makeOlaClient(std::uint16_t port = OlaDefaultPort);
// The same from the module at modulePath, loaded at the first connect.
std::unique_ptr<OlaClientApi> makeOlaClientFromModule(const std::string &modulePath,
                                                      std::uint16_t port = OlaDefaultPort);

} // namespace korvanel
