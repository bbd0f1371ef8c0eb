#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons data/icons/NxN/vorantel.png from data/vorantel.svg, for
# desktops that look for a bitmap of their own size and for the program's
# window icon (16, 32, 64 and 128 are built into it). Run it after changing the
# SVG and commit the result (needs rsvg-convert, Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."

for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "data/icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" data/vorantel.svg -o "data/icons/${size}x${size}/vorantel.png"
done
