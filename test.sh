#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
#   ./test.sh --fuzz      a short run of every fuzz target (clang) in build-fuzz/
#   ./test.sh --all       all three, one after the other
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" --parallel "$(nproc)"
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
        ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
}

case "${1:-}" in
    "") run_suite build ;;
    --sanitize) run_suite build-asan -DVORANTEL_SANITIZE=ON ;;
    --fuzz) fuzz/run.sh 5 ;;
    --all)
        run_suite build
        run_suite build-asan -DVORANTEL_SANITIZE=ON
        fuzz/run.sh 5
        ;;
    *)
        echo "usage: $0 [--sanitize|--fuzz|--all]" >&2
        exit 2
        ;;
esac
