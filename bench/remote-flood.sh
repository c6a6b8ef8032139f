#!/usr/bin/env bash
# The remote page's server under a flood of idle connections without a token:
# the program (release build, under Xvfb, its descriptors limited to 1024 as
# on many systems) with the page switched on; a second process opens COUNT
# connections that never send a byte, over at most 12 s, and keeps them.
# Reported each second: connections the flood still holds open, descriptors the
# program holds, and how long a request to the page waits for its answer. At
# the end the operator's Ctrl+S: whether the show file was written.
#   bash bench/remote-flood.sh [COUNT] [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-2000}
build=${2:-build/release}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24 -ac' bash "$0" "$count" "$build"
fi
for tool in xdotool python3; do
  command -v $tool >/dev/null || { echo "remote-flood: needs $tool (apt-get install $tool)" >&2; exit 2; }
done
source bench/show-folder.sh
make_show_folder "$build" 32
for module in "$build"/lib/korvanel/korvanel-remote.so "$build"/bin/korvanel-remote.so; do
  [ -f "$module" ] && cp "$module" "$show_folder/" && break
done
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf '[Remote]\r\nEnabled=1\r\nPort=%s\r\n' "$port" >>"$show_folder/korvanel.ini"
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$show_folder"' EXIT
(ulimit -Sn 1024 && ulimit -Hn 1024 && QT_QPA_PLATFORM=xcb exec "$program") >"$show_folder/out.log" 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name KORVANEL | head -1)
[ -n "$window" ] || { echo "remote-flood: no window" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
python3 - "$port" "$count" "$pid" "$window" "$show_folder/show.kvl" <<'PY'
import os, socket, subprocess, sys, time
port, count, pid, window, show = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
import resource
soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, count + 256), hard))

def ask():
    # A request without a token: answered at once (401) by a server that is not starved.
    start = time.monotonic()
    try:
        s = socket.create_connection(("127.0.0.1", port), timeout=3)
        s.sendall(b"GET / HTTP/1.1\r\nHost: 127.0.0.1:%d\r\n\r\n" % port)
        answer = s.recv(64)
        s.close()
        return (time.monotonic() - start) * 1000, answer[9:12].decode(errors="replace") or "closed"
    except OSError as e:
        return (time.monotonic() - start) * 1000, type(e).__name__

def held():
    alive = 0
    for s in flood:
        try:
            if s.recv(1, socket.MSG_PEEK | socket.MSG_DONTWAIT) == b"":
                continue
        except BlockingIOError:
            pass
        except OSError:
            continue
        alive += 1
    return alive

flood = []
start = time.monotonic()
print("  s  opened  held-open  program-fds  answer-ms  status")
next_report = 1.0
while time.monotonic() - start < 12 and len(flood) < count:
    s = socket.socket()
    s.setblocking(False)
    try:
        s.connect(("127.0.0.1", port))
    except BlockingIOError:
        pass
    except OSError:
        s.close()
        continue
    flood.append(s)
    if len(flood) % 100 == 0:
        time.sleep(0.05)
    if time.monotonic() - start >= next_report:
        ms, status = ask()
        print("%3d  %6d  %9d  %11d  %9.0f  %s" % (next_report, len(flood), held(), len(os.listdir("/proc/%d/fd" % pid)), ms, status))
        next_report += 1
for _ in range(3):
    time.sleep(1)
    ms, status = ask()
    print("%3d  %6d  %9d  %11d  %9.0f  %s" % (time.monotonic() - start, len(flood), held(), len(os.listdir("/proc/%d/fd" % pid)), ms, status))
# The operator's Ctrl+S while the flood still holds its connections.
before = os.stat(show).st_mtime_ns
subprocess.run(["xdotool", "key", "--window", window, "ctrl+s"], check=False)
deadline = time.monotonic() + 3
while time.monotonic() < deadline and os.stat(show).st_mtime_ns == before:
    time.sleep(0.1)
print("Ctrl+S during the flood: " + ("the show was saved" if os.stat(show).st_mtime_ns != before else "NOT saved within 3 s"))
PY
