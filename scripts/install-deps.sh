#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, only when missing, the Debian packages Vorantel needs:
#   install-deps.sh --run    what building and running the program need (run.sh)
#   install-deps.sh [--test] that and the test tools: GoogleTest, clang for the fuzz
#                            targets, Google Benchmark, SymPy, Xvfb and openbox,
#                            plain LaTeX (the board's LaTeX copies are compiled),
#                            poppler-utils (the PDF handouts' text is checked),
#                            and the package tools (test.sh)
# Run as root it uses apt-get; otherwise it prints the apt-get line to run.
set -euo pipefail

run_packages=(
    g++ cmake ninja-build pkg-config libflint-dev libgmp-dev
    qt6-base-dev libgl-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n
    qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-texgyre
)
test_packages=(
    make clang libclang-rt-14-dev clang-format
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth openbox x11-utils
    python3-sympy
    texlive-latex-base poppler-utils
    dpkg-dev file lintian appstream desktop-file-utils
)

case "${1:---test}" in
    --run) packages=("${run_packages[@]}") ;;
    --test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *)
        echo "usage: $0 [--run|--test]" >&2
        exit 2
        ;;
esac

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
