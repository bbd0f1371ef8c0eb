#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer,
# libFuzzer) in build-asan/, the sanitizer build of ./test.sh, and runs every target for SECONDS each (default 10):
# readers (the number and polynomial readers), problems (every window's
# problem entry without the windows), windows (every tool window) and formula
# (the formula line and the windows it fills), the first
# byte of an input picking the window.
# Any finding (crash, sanitizer report, input slower than the time limit, memory
# beyond the limit) fails the run; its input is left in build-asan/findings/.
#   fuzz/run.sh [SECONDS] [TARGET...]     targets without the fuzz_ prefix
# With FUZZ_RUNS=N each target instead runs N inputs from fixed seeds, so a
# short check (what ./test.sh runs) tries the same inputs on every machine.
# Each target runs as FUZZ_JOBS processes at once (default: the number of
# cores), each with its own seed and its own share of the inputs or time.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(readers problems windows formula)
fi
jobs=${FUZZ_JOBS:-$(nproc)}

# configured as ./test.sh configures its sanitizer build, so that the two share one build
dir=build-asan
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DVORANTEL_SANITIZE=ON -DVORANTEL_FUZZ=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
mkdir -p "$dir/findings"
failed=()

# One process of target $1 with seed $2; its log is build-asan/findings/$1-$2.log.
fuzz_one() {
    local t=$1 seed=$2
    # New inputs go to a scratch corpus; the seeds in the repo stay as they are.
    local work="$dir/corpus/$t-$seed"
    if [ -n "${FUZZ_RUNS:-}" ]; then
        rm -rf "$work" # a fixed check starts from the seeds alone
    fi
    mkdir -p "$work"
    local budget
    if [ -n "${FUZZ_RUNS:-}" ]; then
        budget=(-runs=$(((FUZZ_RUNS + jobs - 1) / jobs)) -seed="$seed")
    else
        budget=(-max_total_time="$seconds" -seed="$seed")
    fi
    "$dir/fuzz/fuzz_$t" "${budget[@]}" -timeout=2 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/$t-" "$work" "fuzz/corpus/$t" \
        >"$dir/findings/$t-$seed.log" 2>&1 </dev/null
}

for t in "${targets[@]}"; do
    pids=()
    for seed in $(seq 1 "$jobs"); do
        fuzz_one "$t" "$seed" &
        pids+=($!)
    done
    found=0
    for k in "${!pids[@]}"; do
        log="$dir/findings/$t-$((k + 1)).log"
        if wait "${pids[$k]}"; then
            execs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | awk '{print $2}')
            echo "fuzz_$t (seed $((k + 1))): ${execs:-?} executions, no findings"
        else
            echo "fuzz_$t (seed $((k + 1))): FINDING (log $log)"
            grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5 || true
            found=1
        fi
    done
    if [ $found -ne 0 ]; then
        failed+=("$t")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz findings in: ${failed[*]}" >&2
    exit 1
fi
