#!/usr/bin/env bash
# korvanel-player against the window program on the same show at tempo 60:
# CPU per second and resident memory while playing, and the frame cadence of
# the player idle and with both cores busy, at real-time and normal priority.
# Usage: bash bench/player.sh [SECONDS]   (default 20 per run; release build)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=build/release
[ -x "$build/bench/bench_player" ] || { cmake --preset release >/dev/null && cmake --build --preset release; }
show=$(mktemp --suffix=.kvl)
trap 'rm -f "$show"' EXIT
"$build/bench/bench_player" --make-show "$show" 60

run() { "$build/bench/bench_player" --seconds "$seconds" "$@"; }
run -- "$build/bin/korvanel-player" "$show"
run -- "$build/bench/bench_window_play" "$show"
run --busy -- "$build/bin/korvanel-player" "$show"
run --busy -- "$build/bin/korvanel-player" --no-realtime "$show"
