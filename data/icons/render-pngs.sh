#!/bin/sh
# Renders the hicolor PNGs from the SVG icon. The PNGs are committed so that building
# needs no SVG renderer; run this again after changing the SVG (needs librsvg2-bin).
set -eu
cd "$(dirname "$0")/hicolor"
svg=scalable/apps/org.ortambra.Ortambra.svg
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "${size}x${size}/apps/org.ortambra.Ortambra.png" "$svg"
done
