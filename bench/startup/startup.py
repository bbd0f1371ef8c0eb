#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the program against the smallest Widgets program, side by side.

Starts a private X server (Xvfb) with openbox as window manager and launches
the minimal program and the program in turn, each --runs times (the order
rotates every round, so none always runs first); --also adds more programs
to the turn, such as an earlier build. Each run is timed
from outside: the script reads the monotonic clock right before it starts
the process, and the process, run with VORANTEL_FIRST_PAINT set, prints the
same clock at the first paint of its main window (app/FirstPaint.h); the
difference is the start-up. The window manager has mapped the window by
then, since a window is painted only once it is exposed. The peak memory is
the process's maximum resident set over its whole life (wait4's ru_maxrss),
which lasts --settle-ms after the first paint so that work the program does
after showing its window is counted too; these runs draw no graph, so the
peak is the peak before the first graph.

Then the first graph, in as many alternating runs of the programs other
than the minimal one: each is started with VORANTEL_FIRST_ANSWER
(FirstAnswer.h) solving x² − 5x + 6 = 0 in ２次方程式 and opening the answer
board, and the time from choosing 解答ボード to the board's first paint, with
the graph drawn, is taken; it includes loading the graph library, whose own
time the program prints beside it. The program finds the library of its
build through VORANTEL_GRAPH_LIBRARY (BUILD/lib/vorantel), as bench/startup
is not where the program lies.

Usage: bench/startup/startup.py [--build build-rel] [--runs 15] [--also NAME=PATH]...
Prints medians, minima and maxima, their ratios, the first graph's times,
and the load average.
Not part of ./test.sh.
"""
import argparse
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]


def wait_for(predicate, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return
        time.sleep(0.02)
    sys.exit(f"startup.py: {what} did not come up within {timeout} s")


class Desktop:
    """Xvfb on a free display with openbox managing it."""

    def __init__(self, size):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{size}x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            sys.exit("startup.py: Xvfb did not start")
        self.display = f":{number}"
        env = dict(os.environ, DISPLAY=self.display)
        self.openbox = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

        def managed():
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                                 capture_output=True, text=True).stdout
            return "window id" in out

        wait_for(managed, 30, "openbox")  # slow to start on a busy machine

    def close(self):
        for process in (self.openbox, self.xvfb):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def launch(program, env):
    """One run: (start-up ms, ms to main(), peak at the paint MiB, peak MiB)."""
    start = time.monotonic_ns()
    process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    output = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    fields = {}
    for line in output.splitlines():
        if line.startswith("first_paint "):
            fields = dict(item.split("=", 1) for item in line.split()[1:])
    if process.returncode != 0 or not fields:
        sys.exit(f"startup.py: {program} ended with {process.returncode} and printed {output!r}")
    return ((int(fields["paint_ns"]) - start) / 1e6, (int(fields["main_ns"]) - start) / 1e6,
            int(fields["hwm_kb"]) / 1024, usage.ru_maxrss / 1024)


# ２次方程式 with x² − 5x + 6 = 0, whose board entry has a graph.
GRAPH_SCRIPT = "NijiButton;CalcButton;EditAns;Edit2=1;Edit1=-5;Edit0=6"


def first_graph(program, env):
    """One run: (ms from choosing the board to its first paint with the graph,
    ms the graph library took to load or None where the program links it)."""
    env = dict(env, VORANTEL_FIRST_ANSWER=GRAPH_SCRIPT)
    env.pop("VORANTEL_FIRST_PAINT", None)
    output = subprocess.run([program], env=env, capture_output=True, text=True,
                            timeout=30).stdout
    board = load = None
    for line in output.splitlines():
        fields = dict(item.split("=", 1) for item in line.split()[1:] if "=" in item)
        if line.startswith("board_open "):
            board = int(fields["painted_ns"]) / 1e6
        elif line.startswith("graph_part "):
            load = int(fields["load_ns"]) / 1e6
    if board is None:
        sys.exit(f"startup.py: {program} drew no board: {output!r}")
    return board, load


def row(name, values, unit):
    return (f"{name:<28} {statistics.median(values):8.1f} {min(values):8.1f} "
            f"{max(values):8.1f}  {unit}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=str(ROOT / "build-rel"),
                        help="build folder (Release) holding bench/startup")
    parser.add_argument("--program", help="the program (default BUILD/bench/startup/vorantel_probed)")
    parser.add_argument("--minimal", help="default BUILD/bench/startup/vorantel_minimal_qt")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PATH",
                        help="one more program to run in turn with the others, e.g. an "
                             "earlier build of the program; may be repeated")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--settle-ms", type=int, default=1000,
                        help="how long each process lives on after its first paint")
    parser.add_argument("--screen", default="1280x1024")
    parser.add_argument("--lang", default="ja_JP.UTF-8",
                        help="LANG of the programs (the program loads the toolkit's translation)")
    args = parser.parse_args()
    build = pathlib.Path(args.build)
    programs = {
        "minimal": args.minimal or str(build / "bench/startup/vorantel_minimal_qt"),
        "vorantel": args.program or str(build / "bench/startup/vorantel_probed"),
    }
    for extra in args.also:
        name, sep, path = extra.partition("=")
        if not sep or name in programs:
            sys.exit(f"startup.py: --also wants a new NAME=PATH, got {extra!r}")
        programs[name] = path
    for path in programs.values():
        if not os.access(path, os.X_OK):
            sys.exit(f"startup.py: no program {path}")
    for tool in ("Xvfb", "openbox", "xprop"):
        if shutil.which(tool) is None:
            sys.exit(f"startup.py: {tool} is not installed")

    load_before = os.getloadavg()
    desktop = Desktop(args.screen)
    results = {name: [] for name in programs}
    try:
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as data:
            # Fresh settings and data folders: no remembered zoom and an empty
            # history, the same for every run, as after installing.
            env = {key: value for key, value in os.environ.items()
                   if not key.startswith(("QT_", "LC_"))}
            env.update(DISPLAY=desktop.display, QT_QPA_PLATFORM="xcb", LANG=args.lang,
                       XDG_CONFIG_HOME=config, XDG_DATA_HOME=data,
                       VORANTEL_FIRST_PAINT=str(args.settle_ms))
            library = build / "lib/vorantel/libvorantel_graph.so"
            if library.exists():
                env["VORANTEL_GRAPH_LIBRARY"] = str(library)
            for path in programs.values():
                launch(path, env)  # untimed: fills the file cache
            for round_ in range(args.runs):
                # Every program in turn, the order rotating from round to round.
                names = list(programs)
                shift = round_ % len(names)
                order = names[shift:] + names[:shift]
                for name in order:
                    results[name].append(launch(programs[name], env))
            graphs = {name: [] for name in programs if name != "minimal"}
            for round_ in range(args.runs):
                names = list(graphs)
                shift = round_ % len(names)
                for name in names[shift:] + names[:shift]:
                    graphs[name].append(first_graph(programs[name], env))
    finally:
        desktop.close()
    load_after = os.getloadavg()

    print(f"{args.runs} runs each, alternating, Xvfb {args.screen} + openbox, LANG={args.lang}, "
          f"{os.cpu_count()} cores")
    print(f"load average before {load_before[0]:.2f} {load_before[1]:.2f} {load_before[2]:.2f}, "
          f"after {load_after[0]:.2f} {load_after[1]:.2f} {load_after[2]:.2f}")
    print(f"{'':<28} {'median':>8} {'min':>8} {'max':>8}")
    labels = ("launch to first paint", "launch to main()", "peak memory at first paint",
              "peak memory")
    units = ("ms", "ms", "MiB", "MiB")
    medians = {}
    for name in programs:
        print(name)
        for index, (label, unit) in enumerate(zip(labels, units)):
            values = [run[index] for run in results[name]]
            medians[(name, index)] = statistics.median(values)
            print(row("  " + label, values, unit))
    for name in list(programs)[1:]:
        print(f"ratio of the medians, {name} / minimal")
        for index, label in enumerate(labels):
            print(f"  {label:<26} {medians[(name, index)] / medians[('minimal', index)]:8.2f}x")
    print("first graph (２次方程式, then 解答ボード), "
          f"{args.runs} runs each, alternating")
    for name, runs in graphs.items():
        print(name)
        print(row("  board painted with graph", [run[0] for run in runs], "ms"))
        loads = [run[1] for run in runs if run[1] is not None]
        if loads:
            print(row("  of which library load", loads, "ms"))


if __name__ == "__main__":
    main()
