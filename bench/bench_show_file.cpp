// Loading and saving a whole show file. The save includes flushing the file
// to disk before it replaces the old one, so its figure depends on the disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "core/Engine.h"
#include "files/ShowFile.h"

using namespace korvanel;
namespace fs = std::filesystem;

namespace {

struct Folder {
    fs::path path;
    Folder()
    {
        const char *base = std::getenv("KORVANEL_BENCH_DIR");
        path = fs::path(base ? base : fs::temp_directory_path().string()) /
            ("korvanel-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
};

std::unique_ptr<Engine> fullShow()
{
    auto engine = std::make_unique<Engine>();
    for (std::size_t i = 0; i < SceneMemorySize; ++i)
        engine->SceneMemory.set(i, static_cast<std::uint8_t>(i * 7));
    return engine;
}

void BM_LoadShow(benchmark::State &state)
{
    Folder folder;
    const std::string file = (folder.path / "show.kvl").string();
    auto engine = fullShow();
    if (!writeShowFile(*engine, file).ok()) {
        state.SkipWithError("cannot write the show to load");
        return;
    }
    for (auto _ : state) {
        const FileResult result = loadShowFile(*engine, file);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadShow)->Unit(benchmark::kMicrosecond);

void BM_SaveShow(benchmark::State &state)
{
    Folder folder;
    const std::string file = (folder.path / "show.kvl").string();
    auto engine = fullShow();
    for (auto _ : state) {
        const FileResult result = saveShowFile(*engine, file);
        if (!result.ok()) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveShow)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
