#pragma once
// The open FTDI library (libftdi1): drives the same chips without the
// vendor's library. Its results are turned into the D2XX status codes.

#include <memory>

#include "output/FtdiApi.h"

struct ftdi_context;
struct libusb_device;

namespace korvanel {

// The library's calls whose negative results are translated.
enum class LibftdiCall { FindAll, GetStrings, Open, Close, Reset, PollModemStatus, Write };

// The D2XX code that means what a negative libftdi1 result means; Ok for 0
// and above.
FtStatus libftdiStatus(LibftdiCall call, int result);
// libftdi1 says only that libusb_open failed; libusb's own code tells a
// refused right or a device held elsewhere from other failures.
FtStatus libusbOpenStatus(int libusbResult);

class LibFtdiBackend final : public FtdiApi {
public:
    LibFtdiBackend();
    ~LibFtdiBackend() override;
    LibFtdiBackend(const LibFtdiBackend &) = delete;
    LibFtdiBackend &operator=(const LibFtdiBackend &) = delete;

    FtStatus listDeviceCount(std::uint32_t &count) override;
    FtStatus listSerialNumber(std::uint32_t index, std::span<char> text) override;
    FtStatus listDescription(std::uint32_t index, std::span<char> text) override;
    // Each open device has its own context; the context is the handle.
    FtStatus open(std::uint32_t index, FtHandle &handle) override;
    FtStatus close(FtHandle handle) override;
    FtStatus resetDevice(FtHandle handle) override;
    FtStatus setTimeouts(FtHandle handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    // libftdi1 has no cheap queue count; reading the modem status fails once
    // the device is gone, which is all the link asks of it.
    FtStatus getQueueStatus(FtHandle handle, std::uint32_t &rxBytes) override;
    FtStatus write(FtHandle handle, const std::uint8_t *data, std::uint32_t size, std::uint32_t &written) override;

private:
    // A failed libusb_open inside libftdi1, asked again of libusb for its reason.
    static FtStatus whyNotOpened(libusb_device *device);
    FtStatus listStrings(std::uint32_t index, std::span<char> serial, std::span<char> description);

    ftdi_context *m_scan = nullptr; // for the device list only
};

} // namespace korvanel
