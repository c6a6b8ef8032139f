#!/usr/bin/env bash
# CPU the started program uses while it waits: the program runs under Xvfb
# with the fake D2XX library (one device open) and a show loaded; after it has
# settled, each thread's CPU time is read from the scheduler's counters
# (/proc/PID/task/*/schedstat) over SECONDS of idle, and reported per thread
# and in total as milliseconds of CPU per second, with how often each thread
# ran (its wake-ups) and the CPU each run cost.
#   bash bench/idle-cpu.sh [--play] [SECONDS] [BUILD]
# --play: the show plays (the '=' key) at tempo byte 32, 1024 ms a scene,
# about 60 scenes a minute, with the fader page shown, as the operator sees it.
# --floor: instead of the program, a bare Qt window that shows only what the
# program must show while idle (bench/idle_floor.cpp), measured the same way.
set -euo pipefail
cd "$(dirname "$0")/.."
play=0
floor=0
if [ "${1:-}" = --play ]; then play=1; shift; fi
if [ "${1:-}" = --floor ]; then floor=1; shift; fi
seconds=${1:-30}
build=${2:-build/release}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24 -ac' bash "$0" $([ $play = 1 ] && echo --play) \
    $([ $floor = 1 ] && echo --floor) "$seconds" "$build"
fi
for tool in xdotool python3; do
  command -v $tool >/dev/null || { echo "idle-cpu: needs $tool (apt-get install $tool)" >&2; exit 2; }
done

source bench/show-folder.sh
make_show_folder "$build" 32
[ $floor = 1 ] && program=$build/bench/bench_idle_floor
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$show_folder"' EXIT
QT_QPA_PLATFORM=xcb "$program" >"$show_folder/out.log" 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name KORVANEL | head -1)
[ -n "$window" ] || { echo "idle-cpu: no window" >&2; exit 1; }
if [ $play = 1 ]; then
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --window "$window" equal 2>/dev/null || true
  sleep 0.5
  xdotool key equal
fi
sleep 5

# name, CPU nanoseconds and times run (wake-ups) of every thread, as "tid name ns runs"
sample() {
  for t in /proc/$pid/task/*; do
    [ -r "$t/schedstat" ] || continue
    printf '%s %s %s\n' "${t##*/}" "$(tr ' ' '_' <"$t/comm")" "$(cut -d' ' -f1,3 "$t/schedstat")"
  done
}
before=$(sample)
start=$(date +%s%N)
sleep "$seconds"
after=$(sample)
end=$(date +%s%N)
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg); $([ $play = 1 ] && echo 'show playing' || echo 'idle')$([ $floor = 1 ] && echo ', bare Qt floor'), ${seconds} s"
python3 - "$start" "$end" "$pid" <<PY
import sys
start, end, pid = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
def parse(text):
    out = {}
    for line in text.strip().splitlines():
        tid, name, ns, runs = line.split()
        out[tid] = (name, int(ns), int(runs))
    return out
b, a = parse("""$before"""), parse("""$after""")
seconds = (end - start) / 1e9
total = 0.0
total_runs = 0.0
for tid, (name, ns, runs) in sorted(a.items(), key=lambda kv: int(kv[0])):
    old = b.get(tid, (name, 0, 0))
    used = (ns - old[1]) / 1e6 / seconds
    wakes = (runs - old[2]) / seconds
    total += used
    total_runs += wakes
    # The output thread is the program's only unnamed thread besides the window's.
    role = " (window)" if tid == pid else " (output)" if name == "korvanel" else ""
    per = f"{used * 1000 / wakes:6.0f} us/run" if wakes else ""
    print(f"  {name:<18}{role:<9} {used:7.3f} ms/s {wakes:7.1f} runs/s {per}")
print(f"  {'total':<27} {total:7.3f} ms/s {total_runs:7.1f} runs/s")
PY
