#!/usr/bin/env bash
# Renders the hand-drawn SVG icon to the PNG sizes of the hicolor theme.
# Run after changing korvanel.svg and commit the PNGs (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" korvanel.svg -o "hicolor/${size}x${size}/apps/korvanel.png"
done
