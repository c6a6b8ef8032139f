#include "PrivateNetwork.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <net/if.h>
#include <pwd.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace olatest {

namespace {
std::string &unavailable()
{
    static std::string reason = "the test program did not enter a private network";
    return reason;
}
} // namespace

std::string enterPrivateNetwork()
{
    if (unshare(CLONE_NEWNET) != 0)
        return std::string("unshare(CLONE_NEWNET) refused: ") + std::strerror(errno) +
            " (these tests need root, as CI has)";
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return std::string("socket: ") + std::strerror(errno);
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP | IFF_RUNNING);
    up = up && ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    const int error = errno;
    close(fd);
    if (!up)
        return std::string("loopback not brought up: ") + std::strerror(error);
    if (access("/usr/bin/olad", X_OK) != 0)
        return "olad is not installed (Debian package ola; scripts/install-deps.sh installs it)";
    if (getpwnam("olad") == nullptr)
        return "there is no user olad (the ola package makes it)";
    return {};
}

const std::string &olaTestsUnavailable() { return unavailable(); }

void setOlaTestsUnavailable(std::string reason) { unavailable() = std::move(reason); }

namespace {

std::vector<std::string> interfaces()
{
    std::vector<std::string> list;
    struct if_nameindex *names = if_nameindex();
    if (names == nullptr)
        return {"?"};
    for (const struct if_nameindex *n = names; n->if_index != 0; ++n)
        list.emplace_back(n->if_name);
    if_freenameindex(names);
    return list;
}

// What a command printed, and whether it ran and succeeded. The netlink tool
// sees this namespace; /sys shows the one it was mounted in.
bool run(const std::string &command, std::string *out = nullptr)
{
    FILE *pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return false;
    std::string text;
    char buffer[256];
    for (int chunks = 0; chunks < 1000 && std::fgets(buffer, sizeof buffer, pipe) != nullptr; ++chunks)
        text += buffer;
    const int status = pclose(pipe);
    if (out != nullptr)
        *out = text;
    return status == 0;
}

bool writeSetting(const std::string &path, const char *value)
{
    std::ofstream file(path);
    file << value;
    return static_cast<bool>(file.flush());
}

} // namespace

bool onlyLoopback()
{
    for (const std::string &name : interfaces())
        if (name != "lo")
            return false;
    return true;
}

std::string addSacnBridge()
{
    if (!onlyLoopback())
        return "refused: this network namespace holds more than loopback";
    const std::string bridge = SacnBridge;
    std::string out;
    if (!run("ip link add " + bridge + " type bridge", &out) ||
        !run("ip address add " + std::string(SacnAddress) + "/32 dev " + bridge, &out) ||
        !run("ip link set " + bridge + " up", &out))
        return "the bridge was not made (iproute2): " + out;
    // /proc/sys/net is this namespace's own.
    if (!writeSetting("/proc/sys/net/ipv4/conf/all/route_localnet", "1") ||
        !writeSetting("/proc/sys/net/ipv4/conf/" + bridge + "/route_localnet", "1"))
        return "route_localnet could not be set";
    if (!onlyLoopbackAndSacnBridge())
        return "the bridge is not alone with loopback, or has a port";
    return {};
}

void removeSacnBridge() { run("ip link delete " + std::string(SacnBridge)); }

bool onlyLoopbackAndSacnBridge()
{
    for (const std::string &name : interfaces())
        if (name != "lo" && name != SacnBridge)
            return false;
    // A bridge's ports are the interfaces whose master it is.
    std::string ports;
    return run("ip -o link show master " + std::string(SacnBridge), &ports) && ports.empty();
}

} // namespace olatest
