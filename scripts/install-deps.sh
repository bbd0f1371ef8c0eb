#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, only when missing, every Debian package Vorantel needs to build, run and test.
# Run as root it uses apt-get; otherwise it prints the apt-get line to run.
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkg-config clang libclang-rt-14-dev
    googletest libgtest-dev libbenchmark-dev
    qt6-base-dev libgl-dev libqt6svg6 qt6-translations-l10n
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-texgyre
    xvfb xauth openbox x11-utils
    python3-sympy
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
