#!/usr/bin/env bash
# Renders the hand-drawn SVG icons to the PNG sizes of the hicolor theme: the
# program's (apps/korvanel.png) and its show files' (mimetypes/).
# Run after changing an SVG and commit the PNGs (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps" "hicolor/${size}x${size}/mimetypes"
  rsvg-convert -w "$size" -h "$size" korvanel.svg -o "hicolor/${size}x${size}/apps/korvanel.png"
  rsvg-convert -w "$size" -h "$size" application-x-korvanel-show.svg \
    -o "hicolor/${size}x${size}/mimetypes/application-x-korvanel-show.png"
done
