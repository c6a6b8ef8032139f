#pragma once
// What the soak's two processes share: the run's settings, and the two logs
// the driver writes and the supervisor reads after the driver has ended.
//
// events.log, one line each: <monotonic ns> <word> [value]
//   start, plug, unplug (time taken after the device is gone), rss <kB>,
//   action <name>, box <kind>, lost <frames>, fake <opened> <closed> <open> <overlaps>, end, done
// frames.log, one line per frame the fake library received: <monotonic ns> <length> <well formed 0/1>

#include <cstdint>
#include <string>

namespace soak {

struct Settings {
    int seconds = 30 * 60;
    std::uint64_t seed = 0;
    std::string folder; // logs, the program's folder (work/) and the show files (shows/)
};

long long monotonicNs();

// The driver: the program's windows under random operator actions. Returns the exit code.
int runDriver(const Settings &settings, int argc, char **argv);

} // namespace soak
