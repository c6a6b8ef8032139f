// OLA's libraries (libola, libolacommon, libprotobuf) cost milliseconds of
// loading and static set-up before main, for an output most sessions never
// switch on. The client is therefore a module of its own (korvanel-ola.so),
// loaded on the output's worker thread when it first connects.

#include <dlfcn.h>
#include <memory>
#include <string>

#include "output/CompanionModule.h"
#include "output/OlaClientApi.h"

namespace korvanel {

namespace {

constexpr const char *ModuleName = "korvanel-ola.so";
using MakeClient = OlaClientApi *(*)(std::uint16_t port);
constexpr ModuleWanted Wanted{OlaClientModuleKind, OlaClientInterfaceVersion, KORVANEL_OLA_MODULE_BUILD_ID,
                              "korvanel_make_ola_client"};

class ModuleOlaClient final : public OlaClientApi {
public:
    ModuleOlaClient(std::string path, std::uint16_t port) : m_path(std::move(path)), m_port(port) {}
    ~ModuleOlaClient() override
    {
        m_client.reset();
        if (m_module)
            dlclose(m_module);
    }

    bool connect() override { return load() && m_client->connect(); }
    void disconnect() override
    {
        if (m_client)
            m_client->disconnect();
    }
    bool send(std::uint16_t universe, std::span<const std::uint8_t, OlaSlotCount> frame) override
    {
        return m_client && m_client->send(universe, frame);
    }
    bool askPorts(std::uint16_t universe) override { return m_client && m_client->askPorts(universe); }
    std::optional<OlaPortAnswer> pollPorts() override
    {
        // Not connected yet: the question failed, as the library's client says.
        return m_client ? m_client->pollPorts() : std::optional<OlaPortAnswer>(OlaPortAnswer{});
    }
    bool unavailable() const override { return m_failed; }
    const ModuleRefusalFacts *refusal() const override { return m_failed ? &m_refusal : nullptr; }

private:
    bool load()
    {
        if (m_client)
            return true;
        if (m_failed)
            return false;
        // Stays loaded: OLA's libraries keep state that outlives any one client.
        const LoadedModule module = loadCompanionModule(m_path, Wanted);
        m_module = module.handle;
        const auto make = reinterpret_cast<MakeClient>(module.entry);
        if (!make) {
            // For good: the worker retries the connection every few seconds.
            m_refusal = refusalFacts(m_path, module, Wanted);
            m_failed = true;
            return false;
        }
        m_client.reset(make(m_port));
        return m_client != nullptr;
    }

    const std::string m_path;
    const std::uint16_t m_port;
    void *m_module = nullptr;
    std::unique_ptr<OlaClientApi> m_client;
    bool m_failed = false;
    ModuleRefusalFacts m_refusal;
};

} // namespace

std::unique_ptr<OlaClientApi> makeOlaClient(std::uint16_t port)
{
    // Without the module there is no client, as in a program built without OLA.
    std::string path = findCompanionModule(ModuleName);
    if (path.empty())
        return nullptr;
    return makeOlaClientFromModule(path, port);
}

std::unique_ptr<OlaClientApi> makeOlaClientFromModule(const std::string &modulePath, std::uint16_t port)
{
    return std::make_unique<ModuleOlaClient>(modulePath, port);
}

} // namespace korvanel
