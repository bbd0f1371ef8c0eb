#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the tests:
#   ./test.sh --quick     the everyday check (a few minutes): in build/, only what these tests
#                         need, then the unit tables (every window's answers without the windows
#                         among them), the format and layering checks, the UI scripts, the
#                         check of vorantel --solve against the windows, and a small
#                         SymPy oracle through the real windows (30 cases per window, oracle.windows)
#   ./test.sh             all of the three below, one after the other (what CI runs)
#   ./test.sh --normal    the normal build in build/: unit tests, UI scripts, the SymPy oracle
#                         (300 cases per window without the windows, 30 through them), the
#                         desktop checks and the Debian package
#                         (build/package/vorantel_<version>_<arch>.deb)
#   ./test.sh --sanitize  the same tests but the package in an AddressSanitizer +
#                         UndefinedBehaviorSanitizer build (clang) in build-asan/, the oracle at
#                         30 cases per window (the normal build checks the 300)
#   ./test.sh --fuzz      a fixed short run of the fuzz targets, linked in that same build: the
#                         readers on 20,000 inputs, the windows' problem entries on 120,000 and
#                         the tool windows themselves on 30,000, each on all cores
# Where ccache is installed, every build goes through it (a fresh clone reuses what another
# clone compiled).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --test

if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    # Paths relative to the clone and no build folder in the key: any clone hits.
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true
fi

# The executables the tests of each kind run.
quick_targets=(arith_tests lazy_flint_tests app_tests mathview_tests board-latex problems_tests history_tests vorantel-script vorantel)
desktop_targets=(vorantel vorantel-late-frame)

configure() {
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "${@:2}"
}
# The sanitizer build is the one the fuzz targets link in (fuzz/run.sh configures it alike):
# clang, whose UndefinedBehaviorSanitizer also checks conversions from floating point.
sanitize_options=(-DCMAKE_CXX_COMPILER=clang++ "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g"
    -DVORANTEL_SANITIZE=ON -DVORANTEL_FUZZ=ON)
# build DIR [TARGET...]: the targets, or everything without any
build() { cmake --build "$1" --parallel "$(nproc)" ${2:+--target "${@:2}"}; }
run_tests() {
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
        ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" "${@:2}"
}

# Everything, and every test.
normal_check() {
    configure build -DVORANTEL_BUILD_BENCH=ON
    build build
    run_tests build
}
# No package, and the oracle at 30 cases per window.
sanitize_check() {
    configure build-asan "${sanitize_options[@]}"
    build build-asan "${quick_targets[@]}" "${desktop_targets[@]}"
    run_tests build-asan
}
quick_check() {
    configure build -DVORANTEL_BUILD_BENCH=ON
    build build "${quick_targets[@]}"
    run_tests build -L '^(unit|format|layering|ui|quick)$'
}
# The window target picks the window from each input: its inputs are shared by
# all twelve windows and their common number code.
fuzz_check() {
    FUZZ_RUNS=20000 fuzz/run.sh 0 readers
    FUZZ_RUNS=120000 fuzz/run.sh 0 problems
    FUZZ_RUNS=30000 fuzz/run.sh 0 windows
}

case "${1:-}" in
    "" | --all)
        normal_check
        sanitize_check
        fuzz_check
        ;;
    --quick) quick_check ;;
    --normal) normal_check ;;
    --sanitize) sanitize_check ;;
    --fuzz) fuzz_check ;;
    *)
        echo "usage: $0 [--quick|--normal|--sanitize|--fuzz|--all]" >&2
        exit 2
        ;;
esac
