#include "output/FtdiBackends.h"

#include <climits>
#include <unistd.h>

#include "output/LibFtdiBackend.h"

namespace korvanel {

namespace {
constexpr const char *D2xxFileName = "libftd2xx.so";
}

FtdiBackendChoice chooseFtdiBackend(const std::string &programFolder)
{
    FtdiBackendChoice choice;
    std::string candidates[2] = {programFolder.empty() ? std::string() : programFolder + "/" + D2xxFileName,
                                 D2xxFileName};
    for (const std::string &candidate : candidates) {
        if (candidate.empty())
            continue;
        D2xxLibrary::LoadResult loaded = D2xxLibrary::load(candidate);
        if (loaded.outcome == D2xxLibrary::Outcome::Loaded) {
            choice.name = "D2XX (" + candidate + ")";
            choice.api = std::move(loaded.library);
            return choice;
        }
        if (loaded.outcome == D2xxLibrary::Outcome::Refused)
            choice.refused.push_back(std::move(loaded.refusal));
    }
    choice.name = "libftdi1";
    choice.api = std::make_unique<LibFtdiBackend>();
    return choice;
}

std::string executableFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    const std::string program(path, static_cast<std::size_t>(n));
    const auto slash = program.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : program.substr(0, slash);
}

} // namespace korvanel
