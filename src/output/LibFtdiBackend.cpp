#include "output/LibFtdiBackend.h"

#include <climits>
#include <libftdi1/ftdi.h>
#include <libusb.h>

namespace korvanel {

namespace {

// libftdi1 says "device unavailable" with -666 or -2 when the context has no
// open device.
constexpr int NotOpen = -666;

ftdi_context *contextOf(FtHandle handle) { return static_cast<ftdi_context *>(handle); }

// The list of FTDI devices with the library's default vendor and product ids.
class DeviceList {
public:
    explicit DeviceList(ftdi_context *context) { m_count = ftdi_usb_find_all(context, &m_list, 0, 0); }
    ~DeviceList() { ftdi_list_free(&m_list); }
    DeviceList(const DeviceList &) = delete;
    DeviceList &operator=(const DeviceList &) = delete;

    int result() const { return m_count; }
    libusb_device *at(std::uint32_t index) const
    {
        std::uint32_t i = 0;
        for (ftdi_device_list *node = m_list; node != nullptr; node = node->next, ++i) {
            if (i == index)
                return node->dev;
        }
        return nullptr;
    }

private:
    ftdi_device_list *m_list = nullptr;
    int m_count = 0;
};

} // namespace

FtStatus libftdiStatus(LibftdiCall call, int result)
{
    if (result >= 0)
        return ft::Ok;
    switch (call) {
    case LibftdiCall::FindAll:
        return result == -3 ? ft::InsufficientResources : ft::IoError;
    case LibftdiCall::GetStrings:
        return result == -4 ? ft::DeviceNotOpened : (result == -1 ? ft::InvalidParameter : ft::IoError);
    case LibftdiCall::Open:
        switch (result) {
        case -3: // the configuration or the interface is held by another driver
        case -5:
            return ft::DeviceBusy;
        case -8: // the kernel driver could not be detached for want of rights
            return ft::AccessDenied;
        case -4: // libusb_open failed: whyNotOpened() tells more
        case -11:
        case -12:
            return ft::DeviceNotOpened;
        default:
            return ft::IoError;
        }
    case LibftdiCall::Close:
        return result == -3 ? ft::InvalidHandle : ft::IoError;
    case LibftdiCall::Reset:
    case LibftdiCall::PollModemStatus:
        return result == -2 ? ft::DeviceNotOpened : ft::IoError;
    case LibftdiCall::Write:
        return result == NotOpen ? ft::DeviceNotOpened : ft::IoError;
    }
    return ft::OtherError;
}

FtStatus libusbOpenStatus(int libusbResult)
{
    switch (libusbResult) {
    case LIBUSB_SUCCESS:
        return ft::Ok;
    case LIBUSB_ERROR_ACCESS:
        return ft::AccessDenied;
    case LIBUSB_ERROR_BUSY:
        return ft::DeviceBusy;
    default:
        return ft::DeviceNotOpened;
    }
}

FtStatus LibFtdiBackend::whyNotOpened(libusb_device *device)
{
    libusb_device_handle *handle = nullptr;
    const int result = libusb_open(device, &handle);
    if (result == LIBUSB_SUCCESS) {
        // It opens now: whatever failed before is for the next poll to retry.
        libusb_close(handle);
        return ft::DeviceNotOpened;
    }
    return libusbOpenStatus(result);
}

LibFtdiBackend::LibFtdiBackend() : m_scan(ftdi_new()) {}

LibFtdiBackend::~LibFtdiBackend()
{
    if (m_scan != nullptr)
        ftdi_free(m_scan);
}

FtStatus LibFtdiBackend::listDeviceCount(std::uint32_t &count)
{
    count = 0;
    if (m_scan == nullptr)
        return ft::IoError; // no USB access at all
    const DeviceList list(m_scan);
    if (list.result() < 0)
        return libftdiStatus(LibftdiCall::FindAll, list.result());
    count = static_cast<std::uint32_t>(list.result());
    return ft::Ok;
}

FtStatus LibFtdiBackend::listStrings(std::uint32_t index, std::span<char> serial, std::span<char> description)
{
    if (m_scan == nullptr)
        return ft::IoError;
    const DeviceList list(m_scan);
    if (list.result() < 0)
        return libftdiStatus(LibftdiCall::FindAll, list.result());
    libusb_device *device = list.at(index);
    if (device == nullptr)
        return ft::DeviceNotFound;
    const int result =
        ftdi_usb_get_strings2(m_scan, device, nullptr, 0, description.empty() ? nullptr : description.data(),
                              static_cast<int>(description.size()), serial.empty() ? nullptr : serial.data(),
                              static_cast<int>(serial.size()));
    // Reading the strings opens the device, so a user without the right fails here first.
    if (result == -4)
        return whyNotOpened(device);
    return libftdiStatus(LibftdiCall::GetStrings, result);
}

FtStatus LibFtdiBackend::listSerialNumber(std::uint32_t index, std::span<char> text)
{
    return listStrings(index, text, {});
}

FtStatus LibFtdiBackend::listDescription(std::uint32_t index, std::span<char> text)
{
    return listStrings(index, {}, text);
}

FtStatus LibFtdiBackend::open(std::uint32_t index, FtHandle &handle)
{
    handle = nullptr;
    ftdi_context *context = ftdi_new();
    if (context == nullptr)
        return ft::InsufficientResources;
    FtStatus status = ft::Ok;
    {
        const DeviceList list(context);
        libusb_device *device = list.result() < 0 ? nullptr : list.at(index);
        if (list.result() < 0)
            status = libftdiStatus(LibftdiCall::FindAll, list.result());
        else if (device == nullptr)
            status = ft::DeviceNotFound;
        else {
            const int result = ftdi_usb_open_dev(context, device);
            status = result == -4 ? whyNotOpened(device) : libftdiStatus(LibftdiCall::Open, result);
        }
    }
    if (status != ft::Ok) {
        ftdi_free(context);
        return status;
    }
    handle = context;
    return ft::Ok;
}

FtStatus LibFtdiBackend::close(FtHandle handle)
{
    if (handle == nullptr)
        return ft::InvalidHandle;
    const FtStatus status = libftdiStatus(LibftdiCall::Close, ftdi_usb_close(contextOf(handle)));
    ftdi_free(contextOf(handle));
    return status;
}

FtStatus LibFtdiBackend::resetDevice(FtHandle handle)
{
    if (handle == nullptr)
        return ft::InvalidHandle;
    return libftdiStatus(LibftdiCall::Reset, ftdi_usb_reset(contextOf(handle)));
}

FtStatus LibFtdiBackend::setTimeouts(FtHandle handle, std::uint32_t readMs, std::uint32_t writeMs)
{
    if (handle == nullptr)
        return ft::InvalidHandle;
    if (readMs > INT_MAX || writeMs > INT_MAX)
        return ft::InvalidParameter;
    contextOf(handle)->usb_read_timeout = static_cast<int>(readMs);
    contextOf(handle)->usb_write_timeout = static_cast<int>(writeMs);
    return ft::Ok;
}

FtStatus LibFtdiBackend::getQueueStatus(FtHandle handle, std::uint32_t &rxBytes)
{
    rxBytes = 0;
    if (handle == nullptr)
        return ft::InvalidHandle;
    unsigned short modem = 0;
    return libftdiStatus(LibftdiCall::PollModemStatus, ftdi_poll_modem_status(contextOf(handle), &modem));
}

FtStatus LibFtdiBackend::write(FtHandle handle, const std::uint8_t *data, std::uint32_t size, std::uint32_t &written)
{
    written = 0;
    if (handle == nullptr)
        return ft::InvalidHandle;
    if (size > INT_MAX)
        return ft::InvalidParameter;
    const int result = ftdi_write_data(contextOf(handle), data, static_cast<int>(size));
    if (result < 0)
        return libftdiStatus(LibftdiCall::Write, result);
    written = static_cast<std::uint32_t>(result);
    return ft::Ok;
}

} // namespace korvanel
