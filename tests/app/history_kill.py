#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A crash loses no finished calculation: the runner makes up to 1,000
calculations in the quadratic window (x^2 - k = 0 for k = 1, 2, ...), printing
k once each has ended, and is killed with SIGKILL at a random moment. Started
again on the same data folder, the history must hold every k printed, in
order, and at most the one calculation after them that was under way."""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import tempfile

COUNT = 1000


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runner", required=True)
    args = parser.parse_args()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    seed = random.randrange(1 << 30)
    rng = random.Random(seed)
    kill_after = rng.randrange(COUNT // 10, COUNT * 9 // 10)

    with tempfile.TemporaryDirectory() as work:
        data = os.path.join(work, "data")
        calculate = os.path.join(work, "calculate.vsc")
        with open(calculate, "w", encoding="utf-8") as script:
            script.write("show TNijiForm\nset TNijiForm.Edit2 1\n")
            for k in range(1, COUNT + 1):
                script.write(f"set TNijiForm.Edit0 -{k}\nclick TNijiForm.CalcButton\n"
                             "print TNijiForm.Edit0\n")
        runner = subprocess.Popen([args.runner, "--data", data, calculate], env=env,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        printed = []
        for line in runner.stdout:
            match = re.match(rb"TNijiForm\.Edit0 = -(\d+)$", line.strip())
            if match:
                printed.append(int(match.group(1)))
                if len(printed) == kill_after:
                    runner.send_signal(signal.SIGKILL)
                    break
        # What was printed before the end still comes through the pipe.
        for line in runner.stdout:
            match = re.match(rb"TNijiForm\.Edit0 = -(\d+)$", line.strip())
            if match:
                printed.append(int(match.group(1)))
        runner.wait()

        look = os.path.join(work, "look.vsc")
        with open(look, "w", encoding="utf-8") as script:
            script.write("click TMainForm.BoardMenu\nhistory\n")
        result = subprocess.run([args.runner, "--data", data, look], env=env,
                                capture_output=True, timeout=120)
        out = result.stdout.decode("utf-8")
        kept = [int(k) for k in re.findall(r"^history\[\d+\] ２次方程式: x² − (\d+) = 0 →", out,
                                           re.MULTILINE)]
        kept.reverse()  # the list is newest first

    problems = []
    if result.returncode != 0:
        problems.append(f"the second run ended with {result.returncode}: {result.stderr!r}")
    if "message [" in out:
        problems.append("the second run showed a message: " + out)
    if printed != list(range(1, len(printed) + 1)):
        problems.append("the first run printed out of order")
    if kept[:len(printed)] != printed:
        problems.append(f"finished calculations lost: printed 1..{len(printed)}, kept "
                        f"{len(kept)} ({kept[:3]}...{kept[-3:]})")
    if len(kept) > len(printed) + 1 or kept != list(range(1, len(kept) + 1)):
        problems.append(f"the history holds more than was made: {len(kept)} for "
                        f"{len(printed)} printed")
    status = "FAIL" if problems else "ok"
    print(f"{status}: killed after {len(printed)} printed calculations (seed {seed}), "
          f"{len(kept)} in the history after the restart")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
