#include "PrivateNetwork.h"

#include <cerrno>
#include <cstring>
#include <net/if.h>
#include <pwd.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

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

bool onlyLoopback()
{
    struct if_nameindex *names = if_nameindex();
    if (names == nullptr)
        return false;
    bool only = true;
    for (const struct if_nameindex *n = names; n->if_index != 0; ++n)
        only = only && std::strcmp(n->if_name, "lo") == 0;
    if_freenameindex(names);
    return only;
}

} // namespace olatest
