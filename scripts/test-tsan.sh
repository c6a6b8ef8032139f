#!/usr/bin/env bash
# The engine tests (no Qt) under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan
