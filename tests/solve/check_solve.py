#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""`vorantel --solve` against the UI-script runner, over the oracle's cases.

For each window the oracle knows, N seeded random cases are calculated three times:
by `vorantel --solve` without a display, one process per case, and by the
real window through vorantel-script, all cases in one script. Every line the
command line prints (messages, answer fields, the focus after a stop, and the
board's board/working/graph lines) must equal what the runner prints for the
same calculation. A case that leaves the board without an entry of its own
is compared without the board (the runner's board still shows the case before).
The oracle's own script of the cases, run by `vorantel --solve-script`, must
print exactly the runner's transcript of it, and so must its script of the
cases typed on the launcher's formula line.

  check_solve.py --vorantel PATH --runner PATH [--cases N] [--seed S] [--window NAME]
Exits 1 on any difference, printing the case's inputs and both outputs.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "oracle"))
from driver import build_script  # noqa: E402
from formulas import formula  # noqa: E402
from windows import WINDOWS  # noqa: E402

# The radio groups the oracle selects by item number.
GROUPS = {"RadioGroup1": ("PlusItem", "MinusItem")}
BOARD_LINES = ("board ", "working ", "graph ")


def solve_arguments(cls, commands):
    arguments = ["--solve", cls]
    for line in commands:
        verb, rest = line.split(" ", 1)
        target, _, text = rest.partition(" ")
        control = target.split(".", 1)[1]
        if verb == "set":
            arguments.append(f"{control}={text}")
        elif verb == "click":
            arguments += ["--click", control]
        elif verb == "select":
            arguments += ["--click", GROUPS[control][int(text)]]
        else:
            raise SystemExit(f"check_solve: no --solve form for {line!r}")
    return arguments + ["--board"]


def runner_lines(cls, commands, solved):
    lines = [f"print {cls}", f"click {cls}.ClearButton"] + list(commands)
    for line in solved:
        if line.startswith(cls + ".") and " = " in line:
            lines.append(f"print {line.split(' = ', 1)[0]}")
        elif line.startswith("focus "):
            lines.append(f"focus {cls}")
    if any(line.startswith("board window=") for line in solved):
        lines += ["board", "working", "graph"]
    return lines


def compared(lines):
    if any(line.startswith("board window=") for line in lines):
        return lines
    return [line for line in lines if not line.startswith(BOARD_LINES)]


def check_window(name, window, args, rng):
    cases = [window.generate(rng) for _ in range(args.cases)]
    solved = []
    for case in cases:
        command = [args.vorantel] + solve_arguments(window.cls, window.commands(case))
        run = subprocess.run(command, capture_output=True, text=True, env=dict(os.environ, DISPLAY=""))
        if run.returncode != 0:
            print(f"{name}: {' '.join(command)} ended with {run.returncode}: {run.stderr.strip()}")
            return len(cases)
        solved.append(run.stdout.splitlines())
    script = [f"show {window.cls}", "click TMainForm.BoardMenu"]
    for case, lines in zip(cases, solved):
        script += runner_lines(window.cls, window.commands(case), lines)
    with tempfile.NamedTemporaryFile("w", suffix=".vsc", delete=False) as f:
        f.write("\n".join(script) + "\n")
    try:
        run = subprocess.run([args.runner, f.name], capture_output=True, text=True,
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8"))
    finally:
        os.unlink(f.name)
    if run.returncode != 0:
        print(f"{name}: the runner ended with {run.returncode}: {run.stderr.strip()[:400]}")
        return len(cases)
    # The transcript, cut at each case's marker line "W = TITLE".
    shown, current = [], None
    for line in run.stdout.splitlines():
        if line.startswith(window.cls + " = "):
            current = []
            shown.append(current)
        elif current is not None:
            current.append(line)
    failed = 0
    for case, mine, theirs in zip(cases, solved, shown):
        if compared(mine) != compared(theirs):
            failed += 1
            if failed <= 5:
                print(f"{name}: {case}\n  --solve: {compared(mine)}\n  runner:  {compared(theirs)}")
    if len(shown) != len(cases):
        print(f"{name}: the runner printed {len(shown)} cases of {len(cases)}")
        failed += 1
    failed += same_transcripts(name, build_script(window, cases), args)
    # The cases typed on the launcher's formula line: the launcher's Enter and
    # the script's must fill, calculate and refuse alike.
    formula_rng = random.Random(f"{args.seed}:{name}:formula")
    typed = [(case, line) for case in cases if (line := formula(name, case, formula_rng)) is not None]
    if typed:
        script = build_script(window, [case for case, _ in typed], [line for _, line in typed])
        failed += same_transcripts(name + " (formula line)", script, args)
    print(f"{name}: {len(cases)} cases, {failed} differ")
    return failed


def same_transcripts(name, script, args):
    """0 when --solve-script prints the runner's transcript of the script, else 1."""
    with tempfile.NamedTemporaryFile("w", suffix=".vsc", delete=False) as f:
        f.write(script)
    try:
        transcripts = [subprocess.run(command + [f.name], capture_output=True, text=True,
                                      env=dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")).stdout
                       for command in ([args.runner], [args.vorantel, "--solve-script"])]
    finally:
        os.unlink(f.name)
    if transcripts[0] == transcripts[1]:
        return 0
    windows_lines, script_lines = (t.splitlines() for t in transcripts)
    first = next((i for i, (a, b) in enumerate(zip(windows_lines, script_lines)) if a != b),
                 min(len(windows_lines), len(script_lines)))
    print(f"{name}: --solve-script differs from the runner at transcript line {first + 1}:\n"
          f"  runner:  {windows_lines[first:first + 1]}\n  script:  {script_lines[first:first + 1]}")
    return 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--vorantel", required=True)
    parser.add_argument("--runner", required=True)
    parser.add_argument("--cases", type=int, default=20)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--window")
    args = parser.parse_args()
    failed = 0
    for name, window in WINDOWS.items():
        if args.window in (None, name, window.cls):
            failed += check_window(name, window, args, random.Random(f"{args.seed}:{name}"))
    print(f"solve: {failed} cases differ")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
