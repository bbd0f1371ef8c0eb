#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the windows into docs/screenshots/*.png by running every UI script
# docs/screenshots/*.vsc with the UI-script runner on the offscreen
# platform, and, where Xvfb and openbox are installed, the pictures of a real
# desktop with window frames (desktop.png, desktop-board.png, desktop-dark.png,
# desktop-zoom200.png) by running
# tests/desktop/screenshot.vsc there. The PDF handouts docs/handout-*.pdf
# (docs/screenshots/handout.vsc) have their first two pages rendered into
# docs/screenshots/handout-*-1.png and -2.png with pdftoppm (poppler-utils).
# Builds nothing: pass the runner, or
# build build/ first.
#
# Usage: scripts/screenshots.sh [PATH/TO/vorantel-script]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
runner="${1:-$root/build/tests/vorantel-script}"

if [ ! -x "$runner" ]; then
    echo "screenshots.sh: no runner at $runner" >&2
    echo "build it first: cmake --build build --target vorantel-script" >&2
    exit 1
fi

QT_QPA_PLATFORM=offscreen "$runner" "$root"/docs/screenshots/*.vsc
if command -v pdftoppm >/dev/null; then
    for handout in handout-all handout-key; do
        pdftoppm -png -r 72 -f 1 -l 2 "$root/docs/$handout.pdf" "$root/docs/screenshots/$handout"
    done
fi
if command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xprop >/dev/null; then
    python3 "$root/tests/desktop/check_desktop.py" --runner "$runner" \
        --late-frame "$(dirname "$runner")/vorantel-late-frame" \
        --screenshots "$root/docs/screenshots" >/dev/null
fi
ls -1 "$root"/docs/screenshots/*.png
