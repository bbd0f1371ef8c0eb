#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks an answer table: a UI script of calculations run by
`vorantel --solve-script`, without the windows, against its `> ` lines.

  check.py --vorantel PATH FILE

The transcript goes to standard output and every difference to standard
error, as `vorantel-script --check` reports them: the printed lines are
aligned with the expected ones by their longest common subsequence, and each
difference names the line of FILE it belongs to. Exits 0 when they are equal,
1 when they differ, 2 when the program ends in an error.
"""
import argparse
import os
import subprocess
import sys
import tempfile


def expected_lines(lines):
    """(line number, text) of every expected line, read as the runner reads them."""
    return [(number, line[2:]) for number, line in enumerate(lines, 1)
            if line == ">" or line.startswith("> ")]


def command_lines(lines):
    return [number for number, line in enumerate(lines, 1)
            if line.strip() and not line.startswith("#") and line != ">" and not line.startswith("> ")]


def solve(vorantel, path):
    run = subprocess.run([vorantel, "--solve-script", path], capture_output=True,
                         encoding="utf-8", env=dict(os.environ, LC_ALL="C.UTF-8"))
    return run.returncode, run.stdout.splitlines(), run.stderr


def printed_by(vorantel, lines, index):
    """The line of the command that printed the index-th line (from 0): the
    first command whose run, with all before it, prints more lines than index."""
    commands = command_lines(lines)
    low, high = 0, len(commands) - 1
    with tempfile.TemporaryDirectory() as folder:
        prefix = os.path.join(folder, "prefix.vsc")
        while low < high:
            middle = (low + high) // 2
            with open(prefix, "w", encoding="utf-8") as f:
                f.write("\n".join(lines[:commands[middle]]) + "\n")
            if len(solve(vorantel, prefix)[1]) > index:
                high = middle
            else:
                low = middle + 1
    return commands[low]


def compare(path, lines, expected, printed, vorantel):
    """Reports the differences as the runner does; True when there are none."""
    n, m = len(expected), len(printed)
    # lcs[i][j]: common length of expected[i:] and printed[j:].
    lcs = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(n - 1, -1, -1):
        for j in range(m - 1, -1, -1):
            lcs[i][j] = (lcs[i + 1][j + 1] + 1 if expected[i][1] == printed[j]
                         else max(lcs[i + 1][j], lcs[i][j + 1]))
    same = True
    missing, extra = [], []

    def flush():
        nonlocal same
        pairs = min(len(missing), len(extra))
        for (line, text), j in zip(missing, extra):
            print(f"{path}:{line}: expected: {text}", file=sys.stderr)
            print(f"{path}:{line}:  printed: {printed[j]}", file=sys.stderr)
        for line, text in missing[pairs:]:
            print(f"{path}:{line}: missing: {text}", file=sys.stderr)
        for j in extra[pairs:]:
            print(f"{path}:{printed_by(vorantel, lines, j)}: extra line printed by this command: "
                  f"{printed[j]}", file=sys.stderr)
        same = same and not missing and not extra
        missing.clear()
        extra.clear()

    i = j = 0
    while i < n or j < m:
        if i < n and j < m and expected[i][1] == printed[j]:
            flush()
            i += 1
            j += 1
        elif j < m and (i == n or lcs[i][j + 1] >= lcs[i + 1][j]):
            extra.append(j)
            j += 1
        else:
            missing.append(expected[i])
            i += 1
    flush()
    return same


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--vorantel", required=True)
    parser.add_argument("file")
    args = parser.parse_args()
    with open(args.file, encoding="utf-8") as f:
        lines = [line.removesuffix("\r") for line in f.read().split("\n")]
    status, printed, errors = solve(args.vorantel, args.file)
    for line in printed:
        print(line)
    sys.stderr.write(errors)
    if status != 0:
        return 2
    return 0 if compare(args.file, lines, expected_lines(lines), printed, args.vorantel) else 1


if __name__ == "__main__":
    sys.exit(main())
