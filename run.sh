#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --run

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start Vorantel from a desktop session, or under a virtual display: xvfb-run ./run.sh" >&2
    exit 1
fi

# Only the program: the tests and benchmarks need tools that test.sh installs.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DVORANTEL_BUILD_BENCH=OFF
cmake --build build --parallel "$(nproc)" --target vorantel
exec build/app/vorantel "$@"
