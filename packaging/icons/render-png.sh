#!/usr/bin/env bash
# Draws the PNG sizes of the program's icon from its SVG (needs rsvg-convert, librsvg2-bin).
# The PNGs are kept in the repository so the build needs no SVG renderer; run this after
# changing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" io.github.vadocalc.Vadocalc.svg -o "${size}x${size}/io.github.vadocalc.Vadocalc.png"
done
