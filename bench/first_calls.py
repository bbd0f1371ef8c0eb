#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The first calculation of every window in a fresh process.

For each window, takes its slowest case in the vorantel_bench results (median
CPU time of the repeated clicks), starts vorantel_first_call on that case as a
new process RUNS times and keeps the median wall time of its one click. report.py
prints these rows in its table; run alone, this prints them as Markdown:

    first_calls.py BENCH_JSON BUILD_DIR [RUNS]
"""

import json
import os
import statistics
import subprocess
import sys

# The windows by the first part of their case names.
TITLES = {
    "Renritu": "2 linear equations",
    "Renritu3": "3 linear equations",
    "Hutei": "indefinite equation",
    "Junretu": "n!, nPr, nCr",
    "Naibun": "division point, line",
    "Bibun": "differentiation",
    "Sekibun": "definite integral",
    "Sigma": "sum",
    "Insuu": "factorization",
    "Niji": "quadratic equation",
    "Koji": "higher-degree equation",
    "Enzan": "four operations",
}


def first_call(probe, name):
    """Wall time of the one click of a fresh process, and the text it shows."""
    out = subprocess.run([probe, name], capture_output=True, text=True, check=True).stdout
    elapsed, _, shown = out.partition("\n")
    return int(elapsed) / 1e9, shown.rstrip("\n")


def measure(times, build, runs=21):
    """Per window in case order: (window, slowest case, warm s, first-call s, shown)."""
    probe = os.path.join(build, "bench", "vorantel_first_call")
    names = subprocess.run([probe, "--list"], capture_output=True, text=True,
                           check=True).stdout.split()
    slowest = {}
    for name in names:
        window = name.split("_")[0]
        if name in times and (window not in slowest or times[name] > times[slowest[window]]):
            slowest[window] = name
    rows = []
    for window, name in slowest.items():
        calls = [first_call(probe, name) for _ in range(runs)]
        shown = {text for _, text in calls}
        if len(shown) != 1:
            raise RuntimeError(f"{name} showed different answers: {sorted(shown)}")
        first = statistics.median(seconds for seconds, _ in calls)
        rows.append((TITLES.get(window, window), name, times[name], first, shown.pop()))
    return rows


def main():
    bench_path, build = sys.argv[1:3]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 21
    from report import WINDOWS, vorantel_seconds  # report imports this module

    with open(bench_path, encoding="utf-8") as f:
        times, _ = vorantel_seconds(json.load(f))
    print(f"| Window | Slowest input | Case | Warm, median µs (CPU) "
          f"| First call, median of {runs} µs (wall) | Ratio |")
    print("|---|---|---|--:|--:|--:|")
    for window, name, warm, first, _ in measure(times, build, runs):
        text = WINDOWS.get(name, ("", "-"))[1]
        print(f"| {window} | {text} | {name} | {warm * 1e6:.1f} | {first * 1e6:.1f} "
              f"| {first / warm:.0f}x |")


if __name__ == "__main__":
    main()
