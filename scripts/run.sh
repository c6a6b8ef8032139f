#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target korvanel

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Korvanel is built (build/release/bin/korvanel), but this session has no display to show its window."
  echo "Start it from a desktop session, or under a virtual display: xvfb-run -a build/release/bin/korvanel"
  exit 1
fi
exec build/release/bin/korvanel
