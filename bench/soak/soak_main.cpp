// The soak run: starts the driver (this same program with --child) as a child
// process, so a crash or a hang is seen from outside, bounds it in time, and
// judges what it left: its exit, the sanitizers' words in its output, resident
// memory, the frame cadence outside the unplugged intervals, and the time from
// each replug to the first frame.
//
// Usage: soak [--minutes N | --seconds N] [--seed N] [--out FOLDER]
// Exit 0 when every limit holds. The logs stay in FOLDER (by default a new
// folder under /tmp, removed again after a run that passed).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "SoakRun.h"

namespace {

constexpr double Period = 50.0;            // ms
constexpr long GrowthLimitKb = 2048;       // memory, after the first minute to the end
constexpr double ReplugLimitSeconds = 1.5; // replug to the first frame
constexpr int TeardownGraceSeconds = 120;  // start-up and shutdown beyond the run itself

#if defined(__SANITIZE_ADDRESS__)
constexpr const char *BuildKind = "AddressSanitizer build";
#else
constexpr const char *BuildKind = "release build";
#endif

struct Frame {
    long long t;
    unsigned length;
    bool wellFormed;
};

struct Event {
    long long t;
    std::string word;
    std::string value;
};

std::vector<Event> readEvents(const std::string &path)
{
    std::vector<Event> events;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Event e;
        if (!(fields >> e.t >> e.word))
            continue;
        std::getline(fields >> std::ws, e.value);
        events.push_back(std::move(e));
    }
    return events;
}

std::vector<Frame> readFrames(const std::string &path)
{
    std::vector<Frame> frames;
    std::ifstream in(path);
    Frame f{};
    int ok = 0;
    while (in >> f.t >> f.length >> ok) {
        f.wellFormed = ok != 0;
        frames.push_back(f);
    }
    std::sort(frames.begin(), frames.end(), [](const Frame &a, const Frame &b) { return a.t < b.t; });
    return frames;
}

double quantile(std::vector<double> sorted, double q)
{
    if (sorted.empty())
        return 0;
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(q * static_cast<double>(sorted.size())))];
}

struct Verdict {
    bool pass = true;
    void check(bool ok, const char *what)
    {
        if (!ok) {
            pass = false;
            std::printf("  FAILED: %s\n", what);
        }
    }
};

// The sanitizers' reports and anything else the driver printed.
struct ChildOutput {
    int sanitizerReports = 0;
    int otherLines = 0;
    std::vector<std::string> sample;
};

ChildOutput readChildOutput(const std::string &path)
{
    static const char *const Markers[] = {
        "ERROR: AddressSanitizer",           "ERROR: LeakSanitizer",     "runtime error:", "WARNING: ThreadSanitizer",
        "ERROR: UndefinedBehaviorSanitizer", "WARNING: AddressSanitizer"};
    ChildOutput out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        bool report = false;
        for (const char *m : Markers)
            report = report || line.find(m) != std::string::npos;
        if (report) {
            ++out.sanitizerReports;
        } else if (!line.empty()) {
            ++out.otherLines;
            if (out.sample.size() < 5 && std::find(out.sample.begin(), out.sample.end(), line) == out.sample.end())
                out.sample.push_back(line);
        }
    }
    return out;
}

struct ChildEnd {
    bool exited = false;
    int code = 0;
    int signal = 0;
    bool hung = false;
};

ChildEnd runChild(const std::vector<std::string> &args, const std::string &outputPath, int limitSeconds)
{
    ChildEnd end;
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("soak: fork");
        return end;
    }
    if (pid == 0) {
        std::FILE *out = std::fopen(outputPath.c_str(), "w");
        if (out != nullptr) {
            dup2(fileno(out), STDOUT_FILENO);
            dup2(fileno(out), STDERR_FILENO);
        }
        std::vector<char *> argv;
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        std::perror("soak: exec");
        _exit(127);
    }
    const auto start = std::chrono::steady_clock::now();
    int lastMinute = 0;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            end.exited = WIFEXITED(status);
            end.code = end.exited ? WEXITSTATUS(status) : 0;
            end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            return end;
        }
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed > std::chrono::seconds(limitSeconds)) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            end.hung = true;
            end.signal = SIGKILL;
            return end;
        }
        const int minute = static_cast<int>(std::chrono::duration_cast<std::chrono::minutes>(elapsed).count());
        if (minute > lastMinute) {
            lastMinute = minute;
            std::printf("soak: %d min\n", minute);
            std::fflush(stdout);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

std::string ms(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms", v);
    return text;
}

int judge(const soak::Settings &settings, const ChildEnd &end)
{
    const std::string &folder = settings.folder;
    const std::vector<Event> events = readEvents(folder + "/events.log");
    const std::vector<Frame> frames = readFrames(folder + "/frames.log");
    const ChildOutput output = readChildOutput(folder + "/child.log");
    Verdict verdict;

    std::printf("soak: %d s, seed %llu, %s\n", settings.seconds, static_cast<unsigned long long>(settings.seed),
                BuildKind);

    // Crashes and hangs.
    const bool clean = end.exited && end.code == 0;
    std::string lastAction = "none";
    bool done = false;
    long long start = 0, finish = 0;
    std::map<std::string, int> actions, boxes;
    struct Resident {
        long long t;
        long program = 0, whole = 0, fake = 0, anon = 0, heap = -1;
    };
    std::vector<Resident> rss;
    std::vector<long long> unplugs, plugs;
    long long lost = -1;
    long opened = -1, closed = -1, openAfter = -1, overlaps = -1;
    for (const Event &e : events) {
        if (e.word == "start")
            start = e.t;
        else if (e.word == "end")
            finish = e.t;
        else if (e.word == "done")
            done = true;
        else if (e.word == "action")
            ++actions[lastAction = e.value];
        else if (e.word == "box")
            ++boxes[e.value];
        else if (e.word == "rss") {
            Resident r{e.t};
            std::sscanf(e.value.c_str(), "%ld %ld %ld %ld %ld", &r.program, &r.whole, &r.fake, &r.anon, &r.heap);
            rss.push_back(r);
        } else if (e.word == "unplug")
            unplugs.push_back(e.t);
        else if (e.word == "plug")
            plugs.push_back(e.t);
        else if (e.word == "lost")
            lost = std::atoll(e.value.c_str());
        else if (e.word == "fake")
            std::sscanf(e.value.c_str(), "%ld %ld %ld %ld", &opened, &closed, &openAfter, &overlaps);
    }
    if (end.hung)
        std::printf("crashes: 1 (no end after %d s; killed; last action: %s)\n",
                    settings.seconds + TeardownGraceSeconds, lastAction.c_str());
    else if (!clean)
        std::printf("crashes: 1 (driver %s %d; last action: %s)\n", end.exited ? "exit code" : "signal",
                    end.exited ? end.code : end.signal, lastAction.c_str());
    else
        std::printf("crashes: 0\n");
    verdict.check(clean && !end.hung && done, "the driver ran to its end");
    std::printf("sanitizer reports: %d\n", output.sanitizerReports);
    verdict.check(output.sanitizerReports == 0, "no sanitizer report");

    // Resident memory: after the first minute (half the run when shorter) and at the end.
    if (start != 0 && !rss.empty()) {
        const long long baselineAfter =
            std::min<long long>(60, settings.seconds / 2) * 1'000'000'000LL; // 60 s, or half a short run
        auto baseline =
            std::find_if(rss.begin(), rss.end(), [&](const Resident &r) { return r.t - start >= baselineAfter; });
        if (baseline == rss.end())
            baseline = rss.end() - 1;
        const Resident &last = rss.back();
        const long growth = last.program - baseline->program;
        long peak = 0;
        for (const Resident &r : rss)
            peak = std::max(peak, r.program);
        const auto mb = [](long kb) { return kb / 1024.0; };
        const bool sanitized = last.heap >= 0;
        std::printf("resident memory: %.1f MB after %.0f s, %.1f MB at the end (%.0f s), growth %+.2f MB%s, "
                    "highest %.1f MB\n",
                    mb(baseline->program), (baseline->t - start) / 1e9, mb(last.program), (last.t - start) / 1e9,
                    mb(growth), sanitized ? "" : " (limit 2 MB)", mb(peak));
        // A cache filling up slows down; a leak keeps its pace: the second half is shown apart.
        const auto half = std::find_if(rss.begin(), rss.end(), [&](const Resident &r) {
            return r.t - start >= (last.t - start) / 2 && r.t >= baseline->t;
        });
        const auto judged = [&](const Resident &r) { return sanitized ? r.heap : r.program; };
        std::printf("  (VmRSS less the fake library's own pages, %.1f MB at the end, mostly its record of the last "
                    "4096 frames; VmRSS %.1f -> %.1f MB, RssAnon %.1f -> %.1f MB)\n",
                    mb(last.fake), mb(baseline->whole), mb(last.whole), mb(baseline->anon), mb(last.anon));
        if (sanitized) {
            // The quarantine of freed blocks makes the resident figure wander by megabytes: the live heap is judged.
            const long heapGrowth = last.heap - baseline->heap;
            std::printf("live heap (AddressSanitizer's count of blocks in use): %.2f MB after %.0f s, %.2f MB at the "
                        "end, growth %+.2f MB (limit 2 MB)\n",
                        mb(baseline->heap), (baseline->t - start) / 1e9, mb(last.heap), mb(heapGrowth));
            verdict.check(heapGrowth <= GrowthLimitKb, "live heap growth within 2 MB");
        } else {
            verdict.check(growth <= GrowthLimitKb, "resident memory growth within 2 MB");
        }
        if (half != rss.end())
            std::printf("  %s growth in the second half (%.0f s to the end): %+.2f MB\n",
                        sanitized ? "live heap" : "resident memory", (half->t - start) / 1e9,
                        mb(judged(last) - judged(*half)));
    } else {
        verdict.check(false, "resident memory was sampled");
    }

    // Frames: every period between two frames with no unplug between them counts.
    std::vector<double> error;
    std::size_t malformed = 0, whileUnplugged = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        malformed += frames[i].wellFormed ? 0 : 1;
        if (i == 0)
            continue;
        const bool acrossUnplug = std::any_of(unplugs.begin(), unplugs.end(),
                                              [&](long long u) { return u > frames[i - 1].t && u < frames[i].t; });
        if (!acrossUnplug)
            error.push_back(std::abs((frames[i].t - frames[i - 1].t) / 1e6 - Period));
    }
    // No frame between an unplug and the next replug; and the time from each replug to its first frame.
    std::vector<double> resume;
    int notResumed = 0;
    for (long long u : unplugs) {
        const auto replug = std::find_if(plugs.begin(), plugs.end(), [&](long long p) { return p > u; });
        const long long until = replug == plugs.end() ? std::numeric_limits<long long>::max() : *replug;
        whileUnplugged += static_cast<std::size_t>(
            std::count_if(frames.begin(), frames.end(), [&](const Frame &f) { return f.t > u && f.t < until; }));
        if (replug == plugs.end())
            continue;
        const auto first = std::find_if(frames.begin(), frames.end(), [&](const Frame &f) { return f.t > *replug; });
        const auto nextUnplug = std::find_if(unplugs.begin(), unplugs.end(), [&](long long v) { return v > *replug; });
        if (first == frames.end() || (nextUnplug != unplugs.end() && first->t > *nextUnplug))
            ++notResumed;
        else
            resume.push_back((first->t - *replug) / 1e9);
    }
    std::printf("frames: %zu received, %zu malformed, %lld missed by the log, %zu while unplugged\n", frames.size(),
                malformed, lost, whileUnplugged);
    verdict.check(!frames.empty() && malformed == 0 && lost == 0 && whileUnplugged == 0,
                  "every frame logged, well formed, none while unplugged");
    if (!error.empty()) {
        std::printf(
            "cadence outside the unplugged intervals (%zu periods), |period - 50 ms|: median %s, p99 %s, max %s\n",
            error.size(), ms(quantile(error, 0.5)).c_str(), ms(quantile(error, 0.99)).c_str(),
            ms(*std::max_element(error.begin(), error.end())).c_str());
    }
    const double longest = resume.empty() ? 0 : *std::max_element(resume.begin(), resume.end());
    std::printf("unplugs: %zu; replug to first frame: median %.3f s, longest %.3f s (limit %.1f s); "
                "replugs without frames: %d\n",
                unplugs.size(), quantile(resume, 0.5), longest, ReplugLimitSeconds, notResumed);
    verdict.check(longest <= ReplugLimitSeconds && notResumed == 0, "frames resume within 1.5 s of every replug");
    std::printf("device: FT_Open called %ld times, FT_Close %ld; open after exit: %ld; overlapping calls: %ld\n",
                opened, closed, openAfter, overlaps);
    verdict.check(openAfter == 0 && overlaps == 0, "the device closed at exit, no overlapping library calls");

    int total = 0;
    std::string list;
    for (const auto &[name, count] : actions) {
        total += count;
        list += " " + name + " " + std::to_string(count);
    }
    std::printf("actions: %d in %.0f s (%s )\n", total, finish > start ? (finish - start) / 1e9 : 0.0, list.c_str());
    list.clear();
    for (const auto &[name, count] : boxes)
        list += " " + name + " " + std::to_string(count);
    std::printf("boxes answered:%s\n", list.empty() ? " none" : list.c_str());
    if (output.otherLines > 0) {
        std::printf("other output of the driver: %d lines, among them:\n", output.otherLines);
        for (const std::string &line : output.sample)
            std::printf("  %s\n", line.c_str());
    }
    std::printf("verdict: %s\n", verdict.pass ? "PASS" : "FAIL");
    return verdict.pass ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr, "usage: soak [--minutes N | --seconds N] [--seed N] [--out FOLDER]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    soak::Settings settings;
    settings.seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    bool child = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--child")
            child = true;
        else if (arg == "--minutes" && hasValue)
            settings.seconds = std::max(1, std::atoi(argv[++i])) * 60;
        else if (arg == "--seconds" && hasValue)
            settings.seconds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--seed" && hasValue)
            settings.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--out" && hasValue)
            settings.folder = argv[++i];
        else
            return usage();
    }
    if (child)
        return settings.folder.empty() ? usage() : soak::runDriver(settings, argc, argv);

    namespace fs = std::filesystem;
    const bool ownFolder = settings.folder.empty();
    if (ownFolder) {
        char pattern[] = "/tmp/korvanel-soak-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            std::perror("soak: mkdtemp");
            return 2;
        }
        settings.folder = pattern;
    } else {
        std::error_code ignored;
        fs::create_directories(settings.folder, ignored);
        for (const char *old : {"work", "shows", "events.log", "frames.log", "child.log"})
            fs::remove_all(fs::path(settings.folder) / old, ignored);
    }
    settings.folder = fs::absolute(settings.folder).string();

    // The sanitizers stop at their first report; the leak check is left to the memory figures.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1", 0);
    setenv("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1", 0);
    std::printf("soak: %d s, seed %llu, logs in %s\n", settings.seconds, static_cast<unsigned long long>(settings.seed),
                settings.folder.c_str());
    std::fflush(stdout);
    const ChildEnd end = runChild({argv[0], "--child", "--seconds", std::to_string(settings.seconds), "--seed",
                                   std::to_string(settings.seed), "--out", settings.folder},
                                  settings.folder + "/child.log", settings.seconds + TeardownGraceSeconds);
    const int result = judge(settings, end);
    if (result == 0 && ownFolder) {
        std::error_code ignored;
        fs::remove_all(settings.folder, ignored);
    } else if (result != 0) {
        std::printf("logs kept in %s\n", settings.folder.c_str());
    }
    return result;
}
