#!/usr/bin/env bash
# The soak run (bench/soak): the program's windows under random operator
# actions for SECONDS (default 60) while the fake USB device is pulled out and
# put back, then its figures and verdict. PRESET (default asan, the build the
# tests already made) is any configure preset with the UI: asan, release, debug.
# SOAK_SEED repeats a run's random actions.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
preset=${2:-asan}

bash scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target soak

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "build/$preset/soak/soak" --seconds "$seconds" --out "build/$preset/soak-run" ${SOAK_SEED:+--seed "$SOAK_SEED"}
