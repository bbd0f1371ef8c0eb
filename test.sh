#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test:
#   ./test.sh             all of the three below, one after the other (what CI runs)
#   ./test.sh --normal    the normal build in build/: unit tests, UI scripts, the SymPy oracle,
#                         and the Debian package (build/package/vorantel_<version>_<arch>.deb)
#   ./test.sh --sanitize  the same tests in an AddressSanitizer + UndefinedBehaviorSanitizer
#                         build in build-asan/
#   ./test.sh --fuzz      a fixed short run of every fuzz target (clang) in build-fuzz/
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --test

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=ON -DVORANTEL_BUILD_BENCH=ON "$@"
    cmake --build "$dir" --parallel "$(nproc)"
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
        ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
}

fuzz_check() { FUZZ_RUNS=20000 fuzz/run.sh; }

case "${1:-}" in
    "" | --all)
        run_suite build
        run_suite build-asan -DVORANTEL_SANITIZE=ON
        fuzz_check
        ;;
    --normal) run_suite build ;;
    --sanitize) run_suite build-asan -DVORANTEL_SANITIZE=ON ;;
    --fuzz) fuzz_check ;;
    *)
        echo "usage: $0 [--normal|--sanitize|--fuzz|--all]" >&2
        exit 2
        ;;
esac
