#!/usr/bin/env bash
# Resident memory of the started program, read after it has settled.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/bin/korvanel}
platform=offscreen
[ -n "${DISPLAY:-}" ] && platform=xcb
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-$platform} "$bin" &
pid=$!
sleep 4
grep -E 'VmRSS|VmHWM' "/proc/$pid/status"
kill "$pid"
wait "$pid" 2>/dev/null || true
