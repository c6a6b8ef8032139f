#include "output/D2xxLibrary.h"

#include <cstdint>
#include <dlfcn.h>
#include <unistd.h>

namespace korvanel {

namespace {

constexpr unsigned ListNumberOnly = 0x80000000u;
constexpr unsigned ListByIndex = 0x40000000u;
constexpr unsigned BySerialNumber = 1;
constexpr unsigned ByDescription = 2;

template <typename Fn>
bool bind(void *library, const char *name, Fn &target, std::string &missing)
{
    target = reinterpret_cast<Fn>(dlsym(library, name));
    if (target == nullptr && missing.empty())
        missing = name;
    return target != nullptr;
}

} // namespace

D2xxLibrary::LoadResult D2xxLibrary::load(const std::string &path)
{
    LoadResult result;
    const bool inFolder = path.find('/') != std::string::npos;
    if (inFolder && access(path.c_str(), F_OK) != 0)
        return result;

    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        // A file in the folder that will not load is worth saying; a bare
        // name that the system does not know is simply absent.
        if (inFolder) {
            result.outcome = Outcome::Refused;
            const char *why = dlerror();
            result.refusal = {Refusal::Reason::NotLoadable, path, why ? why : ""};
        }
        return result;
    }

    std::unique_ptr<D2xxLibrary> library(new D2xxLibrary);
    library->m_handle = handle;
    library->m_path = path;
    std::string missing;
    bind(handle, "FT_ListDevices", library->m_listDevices, missing);
    bind(handle, "FT_Open", library->m_open, missing);
    bind(handle, "FT_Close", library->m_close, missing);
    bind(handle, "FT_ResetDevice", library->m_resetDevice, missing);
    bind(handle, "FT_SetTimeouts", library->m_setTimeouts, missing);
    bind(handle, "FT_GetQueueStatus", library->m_getQueueStatus, missing);
    bind(handle, "FT_Write", library->m_write, missing);
    if (!missing.empty()) {
        result.outcome = Outcome::Refused;
        result.refusal = {Refusal::Reason::MissingFunction, path, missing};
        return result; // the destructor unloads it
    }
    result.outcome = Outcome::Loaded;
    result.library = std::move(library);
    return result;
}

D2xxLibrary::~D2xxLibrary()
{
    if (m_handle != nullptr)
        dlclose(m_handle);
}

FtStatus D2xxLibrary::listDeviceCount(std::uint32_t &count)
{
    unsigned n = 0;
    const FtStatus status = m_listDevices(&n, nullptr, ListNumberOnly);
    count = status == ft::Ok ? n : 0;
    return status;
}

FtStatus D2xxLibrary::listByIndex(std::uint32_t index, std::span<char> text, unsigned what)
{
    // By index the first argument is the index itself, not an address.
    void *asArgument = reinterpret_cast<void *>(static_cast<std::uintptr_t>(index));
    return m_listDevices(asArgument, text.data(), ListByIndex | what);
}

FtStatus D2xxLibrary::listSerialNumber(std::uint32_t index, std::span<char> text)
{
    return listByIndex(index, text, BySerialNumber);
}

FtStatus D2xxLibrary::listDescription(std::uint32_t index, std::span<char> text)
{
    return listByIndex(index, text, ByDescription);
}

FtStatus D2xxLibrary::open(std::uint32_t index, FtHandle &handle)
{
    const FtStatus status = m_open(static_cast<int>(index), &handle);
    // On Linux the library says "not opened" for a listed device it may not
    // open or that the kernel's serial driver holds, and does not say which.
    return status == ft::DeviceNotOpened ? ft::AccessOrBusy : status;
}

FtStatus D2xxLibrary::close(FtHandle handle) { return m_close(handle); }

FtStatus D2xxLibrary::resetDevice(FtHandle handle) { return m_resetDevice(handle); }

FtStatus D2xxLibrary::setTimeouts(FtHandle handle, std::uint32_t readMs, std::uint32_t writeMs)
{
    return m_setTimeouts(handle, readMs, writeMs);
}

FtStatus D2xxLibrary::getQueueStatus(FtHandle handle, std::uint32_t &rxBytes)
{
    unsigned n = 0;
    const FtStatus status = m_getQueueStatus(handle, &n);
    rxBytes = n;
    return status;
}

FtStatus D2xxLibrary::write(FtHandle handle, const std::uint8_t *data, std::uint32_t size, std::uint32_t &written)
{
    unsigned n = 0;
    // The library's signature takes a non-const buffer; it only reads it.
    const FtStatus status = m_write(handle, const_cast<std::uint8_t *>(data), size, &n);
    written = n;
    return status;
}

} // namespace korvanel
