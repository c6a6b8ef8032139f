#pragma once
// What the file fuzzers share: a scratch folder of this process (on tmpfs
// where there is one, so a run costs no disk), writing an input there as a
// file, reading a file back, and a check that stops the run with a message.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace fuzz {

inline const std::string &scratchFolder()
{
    // Never destroyed: the exit handler below still needs it.
    static const std::string &folder = *new std::string([] {
        // TMPDIR first: scripts/fuzz.sh points it at a folder it removes, since a
        // crash skips the clean-up below.
        const char *tmp = std::getenv("TMPDIR");
        std::error_code ec;
        const std::string base = tmp != nullptr && *tmp != '\0' ? tmp
            : std::filesystem::is_directory("/dev/shm", ec)     ? "/dev/shm"
                                                                : "/tmp";
        std::string pattern = base + "/korvanel-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return pattern;
    }());
    return folder;
}

inline std::string scratchPath(std::string_view name) { return scratchFolder() + "/" + std::string(name); }

inline std::string writeScratchFile(std::string_view name, const std::uint8_t *data, std::size_t size)
{
    const std::string path = scratchPath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
    return path;
}

inline std::string readScratchFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

[[noreturn]] inline void fail(const char *file, int line, const char *what)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::fuzz::fail(__FILE__, __LINE__, #condition);                                                              \
    } while (false)
