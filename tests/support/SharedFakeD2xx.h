#pragma once
// The test's side of the fake D2XX library in a program it starts
// (tests/fake_d2xx/FakeD2xxShared.h): plug and unplug, a failed write, and the
// frames on the wire, read back as DMX levels.

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_d2xx/FakeD2xxShared.h"

class SharedFakeD2xx {
public:
    using Levels = std::vector<std::uint8_t>; // the 513 slots of one frame

    SharedFakeD2xx(const std::string &path, std::uint32_t capacity = 4096) : m_path(path)
    {
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const std::size_t size = fake_d2xx::sharedFileSize(capacity);
        if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0)
            throw std::runtime_error("cannot make " + path);
        void *map = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (map == MAP_FAILED)
            throw std::runtime_error("cannot map " + path);
        m_size = size;
        m_header = static_cast<fake_d2xx::SharedHeader *>(map);
        m_header->capacity = capacity;
        m_header->magic = fake_d2xx::SharedMagic;
    }
    ~SharedFakeD2xx() { munmap(m_header, m_size); }
    SharedFakeD2xx(const SharedFakeD2xx &) = delete;
    SharedFakeD2xx &operator=(const SharedFakeD2xx &) = delete;

    // For the environment of the program under test.
    std::string environment() const { return std::string(fake_d2xx::SharedFileVariable) + "=" + m_path; }

    void plug(unsigned devices = 1) { m_header->devices.store(devices); }
    void unplug() { plug(0); }
    void failNextWrite(unsigned status) { m_header->failNextWrite.store(status); }
    // Every open fails with `status` until cleared with 0 (3: not opened, as for a device held or forbidden).
    void failOpens(unsigned status) { m_header->failOpens.store(status); }
    // While held, a write does not return (10 s at most): the output loop hangs in it.
    void holdWrites(bool hold) { m_header->holdWrites.store(hold ? 1 : 0); }
    // The next `count` writes fail with `status`: a device that keeps failing after each reopen.
    void failWrites(unsigned status, unsigned count)
    {
        m_header->failWritesStatus.store(status);
        m_header->failWritesLeft.store(count);
    }
    unsigned openHandles() const { return m_header->openHandles.load(); }
    unsigned closes() const { return m_header->closes.load(); }
    std::uint64_t writeCount() const { return m_header->writes.load(); }

    // Write i (0 = the first) as its raw bytes; empty once the ring has passed it.
    std::vector<std::uint8_t> bytes(std::uint64_t i, long long *timeNs = nullptr) const
    {
        const std::uint64_t written = writeCount();
        if (i >= written || written - i > m_header->capacity)
            return {};
        const fake_d2xx::SharedRecord &r = fake_d2xx::sharedRecords(m_header)[i % m_header->capacity];
        if (timeNs != nullptr)
            *timeNs = r.timeNs;
        const std::uint32_t n = r.length < fake_d2xx::SharedRecordBytes ? r.length : fake_d2xx::SharedRecordBytes;
        return {r.bytes, r.bytes + n};
    }

    // The frame of write i as levels: FF F0, the slots with FF sent as FF F7, FF F1 FF FF.
    // Empty when the write is not such a frame.
    Levels levels(std::uint64_t i) const { return decode(bytes(i)); }
    Levels lastLevels() const { return writeCount() == 0 ? Levels{} : levels(writeCount() - 1); }
    // Slot `c` of the last frame; -1 before the first.
    int lastLevel(std::size_t c) const
    {
        const Levels last = lastLevels();
        return c < last.size() ? last[c] : -1;
    }

    static Levels decode(const std::vector<std::uint8_t> &wire)
    {
        const std::size_t n = wire.size();
        if (n < 6 || wire[0] != 0xFF || wire[1] != 0xF0 || wire[n - 4] != 0xFF || wire[n - 3] != 0xF1 ||
            wire[n - 2] != 0xFF || wire[n - 1] != 0xFF)
            return {};
        Levels out;
        for (std::size_t i = 2; i < n - 4; ++i) {
            const std::uint8_t level = wire[i];
            if (level == 0xFF) {
                if (i + 1 >= n - 4 || wire[i + 1] != 0xF7)
                    return {};
                ++i; // FF F7 stands for FF
            }
            out.push_back(level);
        }
        return out.size() == 513 ? out : Levels{};
    }

private:
    std::string m_path;
    std::size_t m_size = 0;
    fake_d2xx::SharedHeader *m_header = nullptr;
};
