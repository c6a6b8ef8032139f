#pragma once
// The vendor's D2XX library, loaded at run time: it is proprietary and never
// linked or shipped, but used when the operator has installed it.

#include <memory>
#include <string>

#include "output/FtdiApi.h"

namespace korvanel {

class D2xxLibrary final : public FtdiApi {
public:
    enum class Outcome { Loaded, NotFound, Refused };

    // Why a library that is there is not used, as facts for the caller to word.
    struct Refusal {
        enum class Reason : unsigned char { NotLoadable, MissingFunction };
        Reason reason = Reason::NotLoadable;
        std::string path;
        // NotLoadable: the dynamic loader's own words; MissingFunction: the function's name.
        std::string detail;

        friend bool operator==(const Refusal &, const Refusal &) = default;
    };

    struct LoadResult {
        Outcome outcome = Outcome::NotFound;
        std::unique_ptr<D2xxLibrary> library;
        Refusal refusal; // for Refused
    };

    // A path with a slash loads that file; a bare name searches the system
    // library path. A library lacking any of the functions is refused.
    static LoadResult load(const std::string &path);

    ~D2xxLibrary() override;
    D2xxLibrary(const D2xxLibrary &) = delete;
    D2xxLibrary &operator=(const D2xxLibrary &) = delete;

    const std::string &path() const { return m_path; }

    FtStatus listDeviceCount(std::uint32_t &count) override;
    FtStatus listSerialNumber(std::uint32_t index, std::span<char> text) override;
    FtStatus listDescription(std::uint32_t index, std::span<char> text) override;
    FtStatus open(std::uint32_t index, FtHandle &handle) override;
    FtStatus close(FtHandle handle) override;
    FtStatus resetDevice(FtHandle handle) override;
    FtStatus setTimeouts(FtHandle handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    FtStatus getQueueStatus(FtHandle handle, std::uint32_t &rxBytes) override;
    FtStatus write(FtHandle handle, const std::uint8_t *data, std::uint32_t size, std::uint32_t &written) override;

    // The C signatures on Linux: DWORD, ULONG and FT_STATUS are 32-bit.
    using ListDevicesFn = unsigned (*)(void *arg1, void *arg2, unsigned flags);
    using OpenFn = unsigned (*)(int deviceNumber, void **handle);
    using HandleFn = unsigned (*)(void *handle);
    using SetTimeoutsFn = unsigned (*)(void *handle, unsigned readMs, unsigned writeMs);
    using GetQueueStatusFn = unsigned (*)(void *handle, unsigned *rxBytes);
    using WriteFn = unsigned (*)(void *handle, void *buffer, unsigned size, unsigned *written);

private:
    D2xxLibrary() = default;
    FtStatus listByIndex(std::uint32_t index, std::span<char> text, unsigned what);

    void *m_handle = nullptr;
    std::string m_path;
    ListDevicesFn m_listDevices = nullptr;
    OpenFn m_open = nullptr;
    HandleFn m_close = nullptr;
    HandleFn m_resetDevice = nullptr;
    SetTimeoutsFn m_setTimeouts = nullptr;
    GetQueueStatusFn m_getQueueStatus = nullptr;
    WriteFn m_write = nullptr;
};

} // namespace korvanel
