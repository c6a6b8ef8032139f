// A fake D2XX library for the tests. It exports the seven D2XX functions the
// program uses, plus control functions (fake_d2xx_*) that a test finds with
// dlsym: plug and unplug the device while the program runs, make a call fail,
// cut a write short, read back every write with its time stamp, count calls that overlapped
// in time, which the program must never make, and count handles opened and not closed.
// A program started by a test is driven through a shared file (FakeD2xxShared.h).

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>

#include "FakeD2xxShared.h"

namespace {

using DWORD = unsigned;
using FT_STATUS = unsigned;
using FT_HANDLE = void *;

constexpr FT_STATUS FT_OK = 0;
constexpr FT_STATUS FT_INVALID_HANDLE = 1;
constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
constexpr FT_STATUS FT_DEVICE_NOT_OPENED = 3;
constexpr FT_STATUS FT_IO_ERROR = 4;
constexpr FT_STATUS FT_INSUFFICIENT_RESOURCES = 5;
constexpr FT_STATUS FT_INVALID_PARAMETER = 6;

enum Function { ListDevices, Open, Close, ResetDevice, SetTimeouts, GetQueueStatus, Write, FunctionCount };
const char *const FunctionNames[FunctionCount] = {"FT_ListDevices", "FT_Open",           "FT_Close", "FT_ResetDevice",
                                                  "FT_SetTimeouts", "FT_GetQueueStatus", "FT_Write"};

constexpr unsigned MaxDevices = 8;
// More handles open at once than this is a leak the fake refuses with FT_INSUFFICIENT_RESOURCES.
constexpr unsigned MaxOpenHandles = 16;
constexpr unsigned RecordCapacity = 4096;
constexpr unsigned RecordBytes = 1040;

struct WriteRecord {
    long long timeNs;
    unsigned length;
    unsigned char bytes[RecordBytes];
};

struct State {
    std::mutex lock;
    unsigned devices = 0;          // 0: unplugged
    std::uintptr_t openHandle = 0; // 0: none
    bool openAlive = false;        // false once the device was pulled under the handle
    std::uintptr_t nextHandle = 0x1000;
    // Every handle opened and not yet closed, a dead one included: a pulled
    // device's handle holds the library's resources until it is closed.
    std::uintptr_t handles[MaxOpenHandles] = {};
    char serial[MaxDevices][80];
    char description[MaxDevices][80];
    FT_STATUS failNext[FunctionCount] = {};
    bool cutNextWrite = false; // the next write takes only cutTo bytes, yet reports FT_OK
    unsigned cutTo = 0;
    unsigned calls[FunctionCount] = {};
    DWORD readTimeout = 0;
    DWORD writeTimeout = 0;
    unsigned long long writes = 0;
    WriteRecord records[RecordCapacity];
};

State state;
fake_d2xx::SharedHeader *shared = nullptr;
std::atomic<int> inside{0};
std::atomic<unsigned> overlaps{0};
std::atomic<unsigned> callDelayUs{0};

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

void setDefaultStrings()
{
    for (unsigned i = 0; i < MaxDevices; ++i) {
        std::snprintf(state.serial[i], sizeof state.serial[i], "KV%06u", i + 1);
        std::snprintf(state.description[i], sizeof state.description[i], "FAKE DMX %u", i + 1);
    }
}

void plugLocked(unsigned devices)
{
    state.devices = devices < MaxDevices ? devices : MaxDevices;
    if (devices == 0)
        state.openAlive = false;
}

unsigned openHandleCount()
{
    return static_cast<unsigned>(
        std::count_if(std::begin(state.handles), std::end(state.handles), [](std::uintptr_t h) { return h != 0; }));
}

// Another process's test drives the plug state and write failures through the shared file.
void syncShared(Function f, FT_STATUS &failure)
{
    if (shared == nullptr)
        return;
    const unsigned devices = shared->devices.load();
    if (devices != state.devices)
        plugLocked(devices);
    if (f == Write && failure == FT_OK)
        failure = shared->failNextWrite.exchange(0);
    if (f == Open && failure == FT_OK)
        failure = shared->failOpens.load();
    for (std::uint32_t left = shared->failWritesLeft.load(); f == Write && failure == FT_OK && left > 0;) {
        if (shared->failWritesLeft.compare_exchange_weak(left, left - 1))
            failure = shared->failWritesStatus.load();
    }
}

void mapShared()
{
    const char *path = std::getenv(fake_d2xx::SharedFileVariable);
    if (path == nullptr || *path == 0)
        return;
    const int fd = open(path, O_RDWR | O_CLOEXEC);
    std::uint32_t head[2] = {}; // magic, capacity
    if (fd < 0 || pread(fd, head, sizeof head, 0) != static_cast<ssize_t>(sizeof head) ||
        head[0] != fake_d2xx::SharedMagic || head[1] == 0) {
        std::fprintf(stderr, "fake D2XX: no shared file at %s\n", path);
        std::abort();
    }
    void *map = mmap(nullptr, fake_d2xx::sharedFileSize(head[1]), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (map == MAP_FAILED) {
        std::fprintf(stderr, "fake D2XX: cannot map %s\n", path);
        std::abort();
    }
    shared = static_cast<fake_d2xx::SharedHeader *>(map);
    plugLocked(shared->devices.load());
}

// Every exported library call holds one of these: two at once is an overlap.
class Call {
public:
    explicit Call(Function f)
    {
        if (inside.fetch_add(1) != 0) {
            overlaps.fetch_add(1);
            std::fprintf(stderr, "fake D2XX: %s overlapped another call\n", FunctionNames[f]);
        }
        const unsigned delay = callDelayUs.load();
        if (delay != 0) {
            const timespec pause{0, static_cast<long>(delay) * 1000};
            nanosleep(&pause, nullptr);
        }
        m_lock = std::unique_lock(state.lock);
        ++state.calls[f];
        m_failure = state.failNext[f];
        state.failNext[f] = FT_OK;
        syncShared(f, m_failure);
    }
    ~Call()
    {
        m_lock.unlock();
        inside.fetch_sub(1);
    }
    FT_STATUS failure() const { return m_failure; }

private:
    std::unique_lock<std::mutex> m_lock;
    FT_STATUS m_failure = FT_OK;
};

FT_STATUS checkHandle(FT_HANDLE handle)
{
    const auto h = reinterpret_cast<std::uintptr_t>(handle);
    if (h == 0 || h != state.openHandle)
        return FT_INVALID_HANDLE;
    return state.openAlive ? FT_OK : FT_IO_ERROR;
}

void copyText(const char *text, unsigned limit, void *buffer)
{
    // As the vendor's library: a text of exactly the limit has no terminating zero.
    const std::size_t n = std::strlen(text) < limit ? std::strlen(text) + 1 : limit;
    std::memcpy(buffer, text, n);
}

struct Init {
    Init()
    {
        setDefaultStrings();
        mapShared();
        // A started program has no test to plug its device in: the bench scripts say how many here.
        if (const char *devices = std::getenv("FAKE_D2XX_DEVICES"))
            state.devices = std::min<unsigned>(static_cast<unsigned>(std::strtoul(devices, nullptr, 10)), MaxDevices);
    }
} init;

} // namespace

extern "C" {

FT_STATUS FT_ListDevices(void *arg1, void *arg2, DWORD flags)
{
    const Call call(ListDevices);
    if (call.failure() != FT_OK)
        return call.failure();
    if (flags == 0x80000000u) {
        *static_cast<DWORD *>(arg1) = state.devices;
        return FT_OK;
    }
    if ((flags & 0x40000000u) == 0 || arg2 == nullptr)
        return FT_INVALID_PARAMETER;
    const auto index = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(arg1));
    if (index >= state.devices)
        return FT_DEVICE_NOT_FOUND;
    switch (flags & 3) {
    case 1:
        copyText(state.serial[index], 16, arg2);
        return FT_OK;
    case 2:
        copyText(state.description[index], 64, arg2);
        return FT_OK;
    default:
        return FT_INVALID_PARAMETER;
    }
}

FT_STATUS FT_Open(int deviceNumber, FT_HANDLE *handle)
{
    const Call call(Open);
    if (call.failure() != FT_OK)
        return call.failure();
    if (deviceNumber < 0 || static_cast<unsigned>(deviceNumber) >= state.devices)
        return FT_DEVICE_NOT_FOUND;
    if (state.openHandle != 0 && state.openAlive)
        return FT_DEVICE_NOT_OPENED; // already open
    std::uintptr_t *slot = std::find(std::begin(state.handles), std::end(state.handles), 0);
    if (slot == std::end(state.handles))
        return FT_INSUFFICIENT_RESOURCES;
    state.openHandle = *slot = ++state.nextHandle;
    state.openAlive = true;
    if (shared != nullptr)
        shared->openHandles.store(openHandleCount());
    *handle = reinterpret_cast<FT_HANDLE>(state.openHandle);
    return FT_OK;
}

FT_STATUS FT_Close(FT_HANDLE handle)
{
    const Call call(Close);
    if (call.failure() != FT_OK)
        return call.failure();
    const auto h = reinterpret_cast<std::uintptr_t>(handle);
    std::uintptr_t *slot = std::find(std::begin(state.handles), std::end(state.handles), h);
    if (h == 0 || slot == std::end(state.handles))
        return FT_INVALID_HANDLE;
    *slot = 0;
    if (h == state.openHandle) {
        state.openHandle = 0;
        state.openAlive = false;
    }
    if (shared != nullptr) {
        shared->openHandles.store(openHandleCount());
        shared->closes.fetch_add(1);
    }
    return FT_OK;
}

FT_STATUS FT_ResetDevice(FT_HANDLE handle)
{
    const Call call(ResetDevice);
    return call.failure() != FT_OK ? call.failure() : checkHandle(handle);
}

FT_STATUS FT_SetTimeouts(FT_HANDLE handle, DWORD readTimeout, DWORD writeTimeout)
{
    const Call call(SetTimeouts);
    if (call.failure() != FT_OK)
        return call.failure();
    const FT_STATUS status = checkHandle(handle);
    if (status == FT_OK) {
        state.readTimeout = readTimeout;
        state.writeTimeout = writeTimeout;
    }
    return status;
}

#ifndef FAKE_D2XX_WITHOUT_QUEUE_STATUS
FT_STATUS FT_GetQueueStatus(FT_HANDLE handle, DWORD *rxBytes)
{
    const Call call(GetQueueStatus);
    if (call.failure() != FT_OK)
        return call.failure();
    const FT_STATUS status = checkHandle(handle);
    if (status == FT_OK)
        *rxBytes = 0;
    return status;
}
#endif

FT_STATUS FT_Write(FT_HANDLE handle, void *buffer, DWORD size, DWORD *written)
{
    // Outside the call's lock: the test's other calls go on while the writer hangs.
    for (int waited = 0; shared != nullptr && shared->holdWrites.load() != 0 && waited < 10'000; ++waited) {
        const timespec pause{0, 1'000'000};
        nanosleep(&pause, nullptr);
    }
    const Call call(Write);
    *written = 0;
    if (call.failure() != FT_OK)
        return call.failure();
    const FT_STATUS status = checkHandle(handle);
    if (status != FT_OK)
        return status;
    if (state.cutNextWrite && state.cutTo < size)
        size = state.cutTo;
    state.cutNextWrite = false;
    if (shared != nullptr) {
        const std::uint64_t n = shared->writes.load();
        fake_d2xx::SharedRecord &out = fake_d2xx::sharedRecords(shared)[n % shared->capacity];
        out.timeNs = nowNs();
        out.length = size;
        std::memcpy(out.bytes, buffer, std::min<unsigned>(size, fake_d2xx::SharedRecordBytes));
        shared->writes.store(n + 1);
        *written = size;
        return FT_OK;
    }
    WriteRecord &record = state.records[state.writes % RecordCapacity];
    record.timeNs = nowNs();
    record.length = size;
    std::memcpy(record.bytes, buffer, size < RecordBytes ? size : RecordBytes);
    ++state.writes;
    *written = size;
    return FT_OK;
}

// ---- control, for the tests only ----

void fake_d2xx_reset()
{
    const std::lock_guard lock(state.lock);
    state.devices = 0;
    state.openHandle = 0;
    state.openAlive = false;
    std::fill(std::begin(state.handles), std::end(state.handles), 0);
    setDefaultStrings();
    for (unsigned f = 0; f < FunctionCount; ++f) {
        state.failNext[f] = FT_OK;
        state.calls[f] = 0;
    }
    state.cutNextWrite = false;
    state.readTimeout = state.writeTimeout = 0;
    state.writes = 0;
    overlaps = 0;
    callDelayUs = 0;
}

// Plugs `devices` devices in (0 unplugs them all). A handle open on a device
// that is pulled out stays dead even when the device comes back.
void fake_d2xx_plug(unsigned devices)
{
    const std::lock_guard lock(state.lock);
    plugLocked(devices);
}

void fake_d2xx_unplug() { fake_d2xx_plug(0); }

void fake_d2xx_set_strings(unsigned index, const char *serial, const char *description)
{
    const std::lock_guard lock(state.lock);
    if (index >= MaxDevices)
        return;
    std::snprintf(state.serial[index], sizeof state.serial[index], "%s", serial);
    std::snprintf(state.description[index], sizeof state.description[index], "%s", description);
}

// The next call of `function` (e.g. "FT_Write") returns `status`.
void fake_d2xx_fail_next(const char *function, unsigned status)
{
    const std::lock_guard lock(state.lock);
    for (unsigned f = 0; f < FunctionCount; ++f) {
        if (std::strcmp(function, FunctionNames[f]) == 0)
            state.failNext[f] = status;
    }
}

// The next FT_Write takes only the first `bytes` bytes and still returns FT_OK,
// as the vendor's library does when its write timeout runs out.
void fake_d2xx_cut_next_write(unsigned bytes)
{
    const std::lock_guard lock(state.lock);
    state.cutNextWrite = true;
    state.cutTo = bytes;
}

// Each library call lasts at least this long, to widen any overlap.
void fake_d2xx_set_call_delay_us(unsigned us) { callDelayUs = us; }

unsigned fake_d2xx_calls(const char *function)
{
    const std::lock_guard lock(state.lock);
    for (unsigned f = 0; f < FunctionCount; ++f) {
        if (std::strcmp(function, FunctionNames[f]) == 0)
            return state.calls[f];
    }
    return 0;
}

unsigned fake_d2xx_overlaps() { return overlaps.load(); }

int fake_d2xx_device_open()
{
    const std::lock_guard lock(state.lock);
    return state.openHandle != 0 && state.openAlive ? 1 : 0;
}

// Handles opened and not closed yet, dead ones included.
unsigned fake_d2xx_open_handles()
{
    const std::lock_guard lock(state.lock);
    return openHandleCount();
}

void fake_d2xx_timeouts(unsigned *readTimeout, unsigned *writeTimeout)
{
    const std::lock_guard lock(state.lock);
    *readTimeout = state.readTimeout;
    *writeTimeout = state.writeTimeout;
}

unsigned long long fake_d2xx_write_count()
{
    const std::lock_guard lock(state.lock);
    return state.writes;
}

// Copies write number `i` (0 = the first since the reset); returns its length,
// or 0 when it is no longer (or not yet) kept.
unsigned fake_d2xx_write_at(unsigned long long i, unsigned char *out, unsigned capacity, long long *timeNs)
{
    const std::lock_guard lock(state.lock);
    if (i >= state.writes || state.writes - i > RecordCapacity)
        return 0;
    const WriteRecord &record = state.records[i % RecordCapacity];
    const unsigned kept = record.length < RecordBytes ? record.length : RecordBytes;
    std::memcpy(out, record.bytes, kept < capacity ? kept : capacity);
    if (timeNs != nullptr)
        *timeNs = record.timeNs;
    return record.length;
}

} // extern "C"
