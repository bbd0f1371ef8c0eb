#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer,
# libFuzzer) in build-fuzz/ and runs every target for SECONDS each (default 10).
# Any finding (crash, sanitizer report, input slower than the time limit, memory
# beyond the limit) fails the run; its input is left in build-fuzz/findings/.
#   fuzz/run.sh [SECONDS] [TARGET...]     targets without the fuzz_ prefix
# With FUZZ_RUNS=N each target instead runs N inputs from the fixed seed 1, so a
# short check (what ./test.sh runs) tries the same inputs on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(readers enzan insuu niji koji renritu renritu3 hutei bibun sekibun sigma
             naibun junretu)
fi

dir=build-fuzz
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DVORANTEL_FUZZ=ON -DVORANTEL_SANITIZE=ON \
    -DBUILD_TESTING=OFF -DVORANTEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
mkdir -p "$dir/findings"
failed=()
for t in "${targets[@]}"; do
    # New inputs go to a scratch corpus; the seeds in the repo stay as they are.
    work="$dir/corpus/$t"
    if [ -n "${FUZZ_RUNS:-}" ]; then
        rm -rf "$work" # a fixed check starts from the seeds alone
    fi
    mkdir -p "$work"
    log="$dir/findings/$t.log"
    if [ -n "${FUZZ_RUNS:-}" ]; then
        budget=(-runs="$FUZZ_RUNS" -seed=1)
    else
        budget=(-max_total_time="$seconds")
    fi
    if "$dir/fuzz/fuzz_$t" "${budget[@]}" -timeout=2 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/$t-" "$work" "fuzz/corpus/$t" \
        >"$log" 2>&1 </dev/null; then
        execs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | awk '{print $2}')
        echo "fuzz_$t: ${execs:-?} executions, no findings"
    else
        echo "fuzz_$t: FINDING (log $log)"
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5 || true
        failed+=("$t")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz findings in: ${failed[*]}" >&2
    exit 1
fi
