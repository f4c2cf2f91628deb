#!/usr/bin/env bash
# Renders sondrel.svg into the PNG sizes that are installed next to it
# (hicolor/<size>x<size>/apps/sondrel.png). The PNGs are kept in the
# checkout so that building needs no SVG renderer; run this again after
# changing the SVG (rsvg-convert is in Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "rsvg-convert is missing: install librsvg2-bin" >&2
  exit 1
fi

for size in 48 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" sondrel.svg \
    --output "hicolor/${size}x${size}/apps/sondrel.png"
done
