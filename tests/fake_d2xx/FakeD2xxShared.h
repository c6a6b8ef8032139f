#pragma once
// The fake D2XX library seen from another process. When the environment names
// a file in FAKE_D2XX_SHARED, the fake maps it: it takes the plug state and an
// injected write failure from it and records its writes and handles in it, so
// a test can drive and watch a program it started. The test makes the file.

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace fake_d2xx {

inline constexpr const char *SharedFileVariable = "FAKE_D2XX_SHARED";
inline constexpr std::uint32_t SharedMagic = 0x4b563258;
inline constexpr std::uint32_t SharedRecordBytes = 1040;

struct SharedRecord {
    std::int64_t timeNs; // CLOCK_MONOTONIC
    std::uint32_t length;
    std::uint8_t bytes[SharedRecordBytes];
};

struct SharedHeader {
    std::uint32_t magic;
    std::uint32_t capacity;                      // records after the header, kept as a ring
    std::atomic<std::uint32_t> devices;          // test: devices plugged in
    std::atomic<std::uint32_t> failNextWrite;    // test: status of the next FT_Write, 0: none
    std::atomic<std::uint32_t> openHandles;      // fake: handles opened and not closed
    std::atomic<std::uint32_t> closes;           // fake: FT_Close calls
    std::atomic<std::uint64_t> writes;           // fake: records written, counted after each
    std::atomic<std::uint32_t> failWritesStatus; // test: status of the next failWritesLeft FT_Writes
    std::atomic<std::uint32_t> failWritesLeft;
    std::atomic<std::uint32_t> holdWrites; // test: FT_Write waits while set (10 s at most), as a hung device
    std::atomic<std::uint32_t> failOpens;  // test: status of every FT_Open while set, 0: none
};

static_assert(std::atomic<std::uint32_t>::is_always_lock_free && std::atomic<std::uint64_t>::is_always_lock_free,
              "shared between processes");

constexpr std::size_t sharedFileSize(std::uint32_t capacity)
{
    return sizeof(SharedHeader) + std::size_t{capacity} * sizeof(SharedRecord);
}

inline SharedRecord *sharedRecords(SharedHeader *header) { return reinterpret_cast<SharedRecord *>(header + 1); }

} // namespace fake_d2xx
