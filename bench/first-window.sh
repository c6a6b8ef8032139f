#!/usr/bin/env bash
# Time from start to the first window being mapped, side by side with a bare
# Qt window (bench_first_window makes it), as a ratio. The program starts as in
# bench/idle-cpu.sh: under Xvfb, the fake D2XX library with one device, a show
# loaded. Rounds alternate between the two; medians are reported, and the load
# average before and after says how busy the machine was.
#   bash bench/first-window.sh [ROUNDS] [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-9}
build=${2:-build/release}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x800x24 -ac' bash "$0" "$rounds" "$build"
fi
command -v python3 >/dev/null || { echo "first-window: needs python3" >&2; exit 2; }

source bench/show-folder.sh
make_show_folder "$build" 32
trap 'rm -rf "$show_folder"' EXIT
QT_QPA_PLATFORM=xcb "$build/bench/bench_first_window" --rounds "$rounds" "$program"
