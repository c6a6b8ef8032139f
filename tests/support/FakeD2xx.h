#pragma once
// The test's handle on the fake D2XX library (tests/fake_d2xx): the same
// library file that the program's loading code finds beside the test program,
// opened a second time to reach its control functions.

#include <dlfcn.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "output/FtdiBackends.h"

class FakeD2xx {
public:
    struct WriteRecord {
        std::vector<std::uint8_t> bytes;
        long long timeNs = 0;
    };

    // The fake beside the running test program.
    static std::string besideProgram() { return korvanel::executableFolder() + "/libftd2xx.so"; }
    // The fake that lacks FT_GetQueueStatus, in its own folder.
    static std::string partialFolder() { return korvanel::executableFolder() + "/partial_d2xx"; }

    explicit FakeD2xx(const std::string &path = besideProgram())
    {
        m_library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (m_library == nullptr)
            throw std::runtime_error("fake D2XX library not found: " + path);
        bind("fake_d2xx_reset", m_reset);
        bind("fake_d2xx_plug", m_plug);
        bind("fake_d2xx_set_strings", m_setStrings);
        bind("fake_d2xx_fail_next", m_failNext);
        bind("fake_d2xx_cut_next_write", m_cutNextWrite);
        bind("fake_d2xx_set_call_delay_us", m_setCallDelay);
        bind("fake_d2xx_calls", m_calls);
        bind("fake_d2xx_overlaps", m_overlaps);
        bind("fake_d2xx_device_open", m_deviceOpen);
        bind("fake_d2xx_open_handles", m_openHandles);
        bind("fake_d2xx_timeouts", m_timeouts);
        bind("fake_d2xx_write_count", m_writeCount);
        bind("fake_d2xx_write_at", m_writeAt);
        m_reset();
    }
    ~FakeD2xx() { dlclose(m_library); }
    FakeD2xx(const FakeD2xx &) = delete;
    FakeD2xx &operator=(const FakeD2xx &) = delete;

    void plug(unsigned devices = 1) { m_plug(devices); }
    void unplug() { m_plug(0); }
    void setStrings(unsigned index, const char *serial, const char *description)
    {
        m_setStrings(index, serial, description);
    }
    void failNext(const char *function, unsigned status) { m_failNext(function, status); }
    // The next write takes only `bytes` bytes but reports success.
    void cutNextWrite(unsigned bytes) { m_cutNextWrite(bytes); }
    void setCallDelayUs(unsigned us) { m_setCallDelay(us); }
    unsigned calls(const char *function) const { return m_calls(function); }
    unsigned overlaps() const { return m_overlaps(); }
    bool deviceOpen() const { return m_deviceOpen() != 0; }
    // Handles opened and not closed, a pulled device's dead handle included.
    unsigned openHandles() const { return m_openHandles(); }
    std::pair<unsigned, unsigned> timeouts() const
    {
        unsigned r = 0, w = 0;
        m_timeouts(&r, &w);
        return {r, w};
    }
    unsigned long long writeCount() const { return m_writeCount(); }
    WriteRecord write(unsigned long long i) const
    {
        WriteRecord record;
        record.bytes.resize(1040);
        const unsigned n = m_writeAt(i, record.bytes.data(), 1040, &record.timeNs);
        record.bytes.resize(n);
        return record;
    }
    WriteRecord lastWrite() const { return writeCount() == 0 ? WriteRecord{} : write(writeCount() - 1); }

private:
    template <typename Fn>
    void bind(const char *name, Fn &target)
    {
        target = reinterpret_cast<Fn>(dlsym(m_library, name));
        if (target == nullptr)
            throw std::runtime_error(std::string("fake D2XX control missing: ") + name);
    }

    void *m_library = nullptr;
    void (*m_reset)() = nullptr;
    void (*m_plug)(unsigned) = nullptr;
    void (*m_setStrings)(unsigned, const char *, const char *) = nullptr;
    void (*m_failNext)(const char *, unsigned) = nullptr;
    void (*m_cutNextWrite)(unsigned) = nullptr;
    void (*m_setCallDelay)(unsigned) = nullptr;
    unsigned (*m_calls)(const char *) = nullptr;
    unsigned (*m_overlaps)() = nullptr;
    int (*m_deviceOpen)() = nullptr;
    unsigned (*m_openHandles)() = nullptr;
    void (*m_timeouts)(unsigned *, unsigned *) = nullptr;
    unsigned long long (*m_writeCount)() = nullptr;
    unsigned (*m_writeAt)(unsigned long long, unsigned char *, unsigned, long long *) = nullptr;
};
