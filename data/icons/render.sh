#!/usr/bin/env bash
# Renders the PNG icons from kinvora.svg (needs rsvg-convert from librsvg2-bin). The PNGs are
# kept in the tree so that a build needs no SVG renderer; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" kinvora.svg -o "kinvora-$size.png"
done
