#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Release benchmarks in build-bench and prints one table: every
# window's slowest calculation, repeated and as the first one of a fresh
# process, the same factorizations, roots and sums timed with SymPy (general and
# polynomial-level calls) and the factorizations with FLINT alone beside it,
# start-up to the main window and peak memory.
# Not part of ./test.sh; takes a few minutes.
set -eu
cd "$(dirname "$0")/.."
build=build-bench
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

{ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$build" -j2 --target vorantel vorantel_bench vorantel_first_call \
        vorantel_startup vorantel_probed; } \
    >"$out/build.log" 2>&1 || { cat "$out/build.log" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen

# Every benchmark, five repetitions in random order, medians: the repetitions of
# Vorantel's factoring and of FLINT's are spread over the same stretch of time,
# so a change in the machine's load falls on both. The process's peak memory with it.
/usr/bin/time -f '%M' -o "$out/bench_peak" "$build/bench/vorantel_bench" \
    --benchmark_min_time=0.1 --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/bench.json" --benchmark_out_format=json >/dev/null 2>"$out/bench.err" ||
    { cat "$out/bench.err" >&2; exit 1; }

# The program itself, started offscreen and ended after its start-up: its peak memory.
/usr/bin/time -f '%M' -o "$out/program_peak" timeout -s TERM 2 "$build/app/vorantel" \
    >/dev/null 2>&1 || true
program_peak=$(grep -Eo '^[0-9]+$' "$out/program_peak" | tail -n 1)

/usr/bin/python3 bench/report.py "$out/bench.json" "$build" "$program_peak" \
    "$(tail -n 1 "$out/bench_peak")"
