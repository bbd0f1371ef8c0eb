#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's first answer in every window, in the program as it runs.

Under Xvfb with openbox, starts the program once per run and window, with
VORANTEL_FIRST_ANSWER set (bench/startup/FirstAnswer.h): 0.4 s after its first paint
the program opens the window from the launcher, 0.4 s later (the user
reading the window and typing) fills in an input, clicks
its calculate button, and clicks it once more. Two inputs per window: a
textbook one (x^2 + x + 1 = 0 and the like) and the window's slowest input
of bench/window_cases.cpp. Prints per window and input the median, minimum
and maximum time of the first click, the median of the second (warm) click,
the median time of the click that opened the window (which creates it),
and the median time from choosing 表示 → 解答ボード, right after, to the
board's first paint (its first opening, which creates it).

Usage: bench/startup/first_answers.py [--build build-rel] [--runs 11]
Not part of ./test.sh.
"""
import argparse
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from startup import ROOT, Desktop  # noqa: E402

N = "2147483647/2147483646"
# Window: launcher button; calculate button; answer field; fields and radio buttons.
TEXTBOOK = {
    "四則演算": "EnzanButton;DivSButton;EditAns;EditF3=1;EditF0=-1;EditG1=1;EditG0=-2",
    "因数分解": "InsuuButton;CalcButton;EditAns;Edit3=1;Edit0=-8",
    "連立方程式": "RenrituButton;CalcButton;EditAnsX;EditX1=2;EditY1=3;EditA1=5;EditX2=1;"
                  "EditY2=-1;EditA2=0",
    "3元1次方程式": "Renritu3Button;CalcButton;EditAnsX;EditX1=1;EditY1=1;EditZ1=1;EditA1=6;"
                    "EditX2=1;EditY2=-1;EditZ2=2;EditA2=5;EditX3=2;EditY3=1;EditZ3=-1;EditA3=1",
    "２次方程式": "NijiButton;CalcButton;EditAns;Edit2=1;Edit1=1;Edit0=1",
    "高次方程式": "KojiButton;CalcButton;EditAns;Edit3=1;Edit0=-1",
    "不定方程式": "HuteiButton;CalcButton;xAnsEdit2;AllRadio;xEdit=3;yEdit=5;zEdit=1",
    "内分・外分": "NaibunButton;CalcButton;EditAnsNX;RadioNaibun;EditX1=1;EditY1=2;EditX2=5;"
                  "EditY2=4;EditM=3;EditN=1",
    "微分": "BibunButton;CalcButton;EditAnsBigY;RadioKyokuchi;Edit3=1;Edit1=-3",
    "定積分": "SekibunButton;CalcButton;EditAns;Jotan=3;Katan=1;Edit2=1;Edit0=-1",
    "順列・組合せ": "JunretuButton;CButton;AnsCEdit;C1Edit=7;C2Edit=3",
    "∑": "SigmaButton;CalcButton;EditAns;kEndEdit=n;kBeginEdit=1;Edit2=1",
}
SLOWEST = {
    "四則演算": "EnzanButton;SubSButton;EditAns;EditF5=1;EditF4=-2;EditF3=3;EditF2=-4;"
                "EditF1=5;EditF0=-6;EditG2=1;EditG1=-1;EditG0=1",
    "因数分解": "InsuuButton;CalcButton;EditAns;Edit4=2147483646;Edit3=1;Edit2=-7;Edit1=3;"
                "Edit0=2095133040",
    "連立方程式": f"RenrituButton;CalcButton;EditAnsX;EditX1={N};EditY1=-2147483629/2147483587;"
                  "EditA1=1836311903/1134903170;EditX2=2147483563/2147483579;"
                  "EditY2=1134903170/1836311903;EditA2=-2147483647/2147483629",
    "3元1次方程式": f"Renritu3Button;CalcButton;EditAnsX;EditX1={N};EditY1=-2147483629/2147483587;"
                    "EditZ1=1836311903/1134903170;EditA1=2147483563/2147483579;"
                    "EditX2=1134903170/1836311903;EditY2=-2147483647/2147483629;"
                    "EditZ2=2147483587/2147483563;EditA2=-1134903170/2147483647;"
                    "EditX3=2147483579/1836311903;EditY3=2147483646/2147483629;"
                    "EditZ3=-1836311903/2147483587;EditA3=2147483629/1134903170",
    "２次方程式": "NijiButton;CalcButton;EditAns;Edit2=1;Edit1=1518516543;Edit0=943851152",
    "高次方程式": "KojiButton;CalcButton;EditAns;Edit4=1071449033;Edit3=-65594;Edit2=2141785545;"
                  "Edit1=-65456;Edit0=1070336647",
    "不定方程式": "HuteiButton;CalcButton;xAnsEdit1;MinusItem;OneRadio;xEdit=-1836311903;"
                  "yEdit=1134903170;zEdit=-1",
    "内分・外分": f"NaibunButton;CalcButton;EditAnsNX;RadioNaibun;EditX1={N};"
                  "EditY1=-2147483629/2147483587;EditX2=1836311903/1134903170;"
                  "EditY2=-1134903170/1836311903;EditM=2147483563/2147483579;"
                  "EditN=2147483579/2147483563",
    "微分": "BibunButton;CalcButton;EditAnsBigY;RadioKyokuchi;Edit3=1;Edit2=-46337;"
            "Edit1=-46327;Edit0=2147483647",
    "定積分": f"SekibunButton;CalcButton;EditAns;Jotan={N};Katan=-2147483629/2147483587;"
              "Edit5=1;Edit4=-2;Edit3=3;Edit2=-4;Edit1=5;Edit0=-6",
    "順列・組合せ": "JunretuButton;CButton;AnsCEdit;C1Edit=1666;C2Edit=833",
    "∑": "SigmaButton;CalcButton;EditAns;kEndEdit=3/2n^2-5/3n+7;kBeginEdit=-7;Edit3=7/3;"
         "Edit2=-5/2;Edit1=3;Edit0=-11/13",
}


def run_once(program, env, script):
    output = subprocess.run([program], env=dict(env, VORANTEL_FIRST_ANSWER=script),
                            capture_output=True, text=True, timeout=30).stdout
    found = None
    for line in output.splitlines():
        if line.startswith("first_answer "):
            head, _, answer = line.partition(" answer=")
            fields = dict(item.split("=", 1) for item in head.split()[1:])
            found = (int(fields["open_ns"]) / 1e6, int(fields["calc_ns"]) / 1e3,
                     int(fields["again_ns"]) / 1e3, answer)
        elif line.startswith("board_open ") and found:
            fields = dict(item.split("=", 1) for item in line.split()[1:])
            return found + (int(fields["painted_ns"]) / 1e6,)
    sys.exit(f"first_answers.py: no answer from {script!r}: {output!r}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=str(ROOT / "build-rel"))
    parser.add_argument("--runs", type=int, default=11)
    args = parser.parse_args()
    program = str(pathlib.Path(args.build) / "bench/startup/vorantel_probed")
    desktop = Desktop("1280x1024")
    rows = []
    try:
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as data:
            env = {key: value for key, value in os.environ.items()
                   if not key.startswith(("QT_", "LC_"))}
            env.update(DISPLAY=desktop.display, QT_QPA_PLATFORM="xcb", LANG="ja_JP.UTF-8",
                       XDG_CONFIG_HOME=config, XDG_DATA_HOME=data)
            library = pathlib.Path(args.build) / "lib/vorantel/libvorantel_graph.so"
            if library.exists():
                env["VORANTEL_GRAPH_LIBRARY"] = str(library)
            for inputs, cases in (("textbook", TEXTBOOK), ("slowest", SLOWEST)):
                for window, script in cases.items():
                    runs = [run_once(program, env, script) for _ in range(args.runs)]
                    rows.append((inputs, window, [r[1] for r in runs], [r[2] for r in runs],
                                 [r[0] for r in runs], [r[4] for r in runs], runs[0][3]))
    finally:
        desktop.close()
    print(f"{args.runs} fresh starts of the program per window and input, load average "
          + " ".join(f"{v:.2f}" for v in os.getloadavg()))
    print(f"{'input':<9} {'window':<14} {'first answer µs: median':>24} {'min':>7} {'max':>7}"
          f" {'again':>7} {'opening ms':>11} {'board ms':>9}  answer")
    for inputs, window, calc, again, opened, board, answer in rows:
        shown = answer if len(answer) <= 40 else answer[:37] + "..."
        print(f"{inputs:<9} {window:<14} {statistics.median(calc):24.1f} {min(calc):7.1f}"
              f" {max(calc):7.1f} {statistics.median(again):7.1f}"
              f" {statistics.median(opened):11.1f} {statistics.median(board):9.1f}  {shown}")

if __name__ == "__main__":
    main()
