#pragma once
// The seven library operations the USB link needs, whichever library drives
// the chip. Every operation returns a D2XX status code, so the link's status
// texts are the same for every backend.

#include <cstdint>
#include <span>

namespace korvanel {

using FtStatus = std::uint32_t;
using FtHandle = void *;

namespace ft {
inline constexpr FtStatus Ok = 0;
inline constexpr FtStatus InvalidHandle = 1;
inline constexpr FtStatus DeviceNotFound = 2;
inline constexpr FtStatus DeviceNotOpened = 3;
inline constexpr FtStatus IoError = 4;
inline constexpr FtStatus InsufficientResources = 5;
inline constexpr FtStatus InvalidParameter = 6;
inline constexpr FtStatus OtherError = 18;
// Not D2XX codes: why the system refused to open a device that is there.
inline constexpr FtStatus AccessDenied = 0x100; // no right to the device node
inline constexpr FtStatus DeviceBusy = 0x101;   // another program or driver holds it
inline constexpr FtStatus AccessOrBusy = 0x102; // one of the two; the library does not say which

constexpr bool refusedByTheSystem(FtStatus status)
{
    return status == AccessDenied || status == DeviceBusy || status == AccessOrBusy;
}
} // namespace ft

class FtdiApi {
public:
    virtual ~FtdiApi() = default;

    // Device list: the count, and the serial number or description of
    // device `index`. The text may fill the buffer without a terminating
    // zero; callers pass a zeroed buffer larger than the longest text.
    virtual FtStatus listDeviceCount(std::uint32_t &count) = 0;
    virtual FtStatus listSerialNumber(std::uint32_t index, std::span<char> text) = 0;
    virtual FtStatus listDescription(std::uint32_t index, std::span<char> text) = 0;

    virtual FtStatus open(std::uint32_t index, FtHandle &handle) = 0;
    virtual FtStatus close(FtHandle handle) = 0;
    virtual FtStatus resetDevice(FtHandle handle) = 0;
    virtual FtStatus setTimeouts(FtHandle handle, std::uint32_t readMs, std::uint32_t writeMs) = 0;
    // Only its success matters to the link: it is the liveness check.
    virtual FtStatus getQueueStatus(FtHandle handle, std::uint32_t &rxBytes) = 0;
    virtual FtStatus write(FtHandle handle, const std::uint8_t *data, std::uint32_t size, std::uint32_t &written) = 0;
};

} // namespace korvanel
