#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the launcher, a tool window and the answer board leave each
other uncovered on a real desktop, at the zooms a projector needs.

For each screen size and zoom below it starts Xvfb with openbox, runs the
UI-script runner on the xcb platform, zooms, opens ２次方程式 with a
calculation and the board (the board first, then the tool window, and the
other way round), and reads the frames the window manager drew and the
order it stacks them in. Then
- every frame that can lies on the screen, and the board's is never larger
  than the screen;
- the tool window leaves the launcher uncovered while it fits below or
  beside it;
- the board overlaps neither while the screen has a free part of the
  board's least size (320 x 300 and its frame) 8 pixels (at 100%) clear of
  them, and where it has none it lies behind the windows it overlaps, also
  when Ctrl+B is pressed again in the tool window.

Usage: check_board_placement.py --runner RUNNER
Prints every frame checked and every breach; exits 1 if there is one.
"""
import argparse
import pathlib
import re
import subprocess
import sys
import tempfile

from check_desktop import Desktop, Rect, frames_of, xprop, TITLE

SCREENS = [(1366, 768), (1280, 1024), (1920, 1080)]
ZOOMS = {100: 0, 150: 2, 200: 4, 300: 6}  # zoom -> Ctrl++ steps from 100%
LEAST = (320, 300)
GAP = 8
CLIENT = re.compile(r"^TAnswerBoard x=-?\d+ y=-?\d+ w=(\d+) h=(\d+) ")

CALCULATION = """show TNijiForm
set TNijiForm.Edit2 1
set TNijiForm.Edit1 -5
set TNijiForm.Edit0 6
click TNijiForm.CalcButton
"""
ORDERS = {
    "tool, then board": CALCULATION + "keys TNijiForm Ctrl+B\n",
    "board, then tool": "keys TMainForm Ctrl+B\n" + CALCULATION,
    "board, tool, Ctrl+B again": "keys TMainForm Ctrl+B\n" + CALCULATION + "wait 500\n"
    "keys TNijiForm Ctrl+B\n",
}
WINDOWS = ("TMainForm", "TNijiForm", "TAnswerBoard")


def free_room(area, taken, least, gap):
    """Whether some rectangle of `least` size in `area` stays `gap` clear of all of `taken`."""
    taken = [Rect(r.x - gap, r.y - gap, r.w + 2 * gap, r.h + 2 * gap) for r in taken]
    xs = sorted({area.x} | {r.right for r in taken})
    ys = sorted({area.y} | {r.bottom for r in taken})
    for x in xs:
        for y in ys:
            room = Rect(x, y, *least)
            if room.inside(area) and not any(room.overlaps(r) for r in taken):
                return True
    return False


def fits_beside(tool, main, area):
    """Whether the tool window's frame fits below, right of or left of the launcher's."""
    return (area.bottom - main.bottom >= tool.h or area.right - main.right >= tool.w or
            main.x - area.x >= tool.w)


def stacking(display):
    """Window titles, bottom to top, as the window manager stacks them."""
    listing = xprop(display, "-root", "_NET_CLIENT_LIST_STACKING")
    titles = []
    for wid in listing.split("#", 1)[-1].replace(",", " ").split():
        name = xprop(display, "-id", wid, "_NET_WM_NAME")
        titles.append(name.split("=", 1)[-1].strip().strip('"'))
    return titles


def run_one(desktop, runner, zoom, order, where, breaches):
    # The window manager takes each zoomed size a moment later, as it would
    # between a teacher's zooming and opening the next window.
    script = "keys TMainForm Ctrl++\nwait 300\n" * ZOOMS[zoom] + ORDERS[order]
    # The frames and the stacking once the board has settled beside or behind the others.
    script += "wait 500\n"
    script += "".join(f"frame {w}\nprint {w}\n" for w in WINDOWS)
    script += "geometry TAnswerBoard\nshown\nwait 1500\n"
    with tempfile.TemporaryDirectory() as folder:
        path = pathlib.Path(folder) / "placement.vsc"
        path.write_text(script, encoding="utf-8")
        process = subprocess.Popen([runner, str(path)], env=desktop.env(), stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE, text=True)
        lines, stack = [], []
        for line in process.stdout:
            lines.append(line.rstrip("\n"))
            if line.startswith("shown:"):
                stack = stacking(desktop.display)
        _, errors = process.communicate(timeout=60)
    if process.returncode != 0:
        breaches.append(f"{where}: the runner failed ({process.returncode}): {errors.strip()}")
        return
    found = frames_of(lines)
    titles = {m.group(1): m.group(2) for m in map(TITLE.match, lines) if m}
    if set(found) != set(WINDOWS):
        breaches.append(f"{where}: frames of {sorted(found)} only")
        return
    (main, area), (tool, _), (board, _) = (found[w][-1] for w in WINDOWS)
    print(f"{where}: launcher {main}, tool {tool}, board {board}, screen {area}")
    for name, frame in zip(WINDOWS, (main, tool, board)):
        if not frame.inside(area) and frame.w <= area.w and frame.h <= area.h:
            breaches.append(f"{where}: {name} {frame} leaves the screen {area}")
    if board.w > area.w or board.h > area.h:
        breaches.append(f"{where}: the board {board} is larger than the screen {area}")
    if tool.overlaps(main) and fits_beside(tool, main, area):
        breaches.append(f"{where}: the tool window {tool} covers the launcher {main}")
    covering = [name for name, r in (("launcher", main), ("tool window", tool)) if board.overlaps(r)]
    if not covering:
        return
    client = next((m for m in map(CLIENT.match, lines) if m), None)
    if client is None:
        breaches.append(f"{where}: no size of the board")
        return
    # The least size with the board's own frame around it.
    least = (LEAST[0] + board.w - int(client.group(1)), LEAST[1] + board.h - int(client.group(2)))
    if free_room(area, [main, tool], least, GAP * zoom // 100):
        breaches.append(f"{where}: the board {board} covers the {' and '.join(covering)} though"
                        " the screen has room beside them")
    # With no room, the board lies behind every window it overlaps.
    order_of = {title: i for i, title in enumerate(stack)}
    board_at = order_of.get(titles.get("TAnswerBoard"), -1)
    for name, window, frame in (("launcher", "TMainForm", main), ("tool window", "TNijiForm", tool)):
        if board.overlaps(frame) and board_at > order_of.get(titles.get(window), -1):
            breaches.append(f"{where}: the board lies over the {name}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runner", required=True)
    args = parser.parse_args()
    breaches = []
    for width, height in SCREENS:
        with Desktop(width, height) as desktop:
            for zoom in ZOOMS:
                for order in ORDERS:
                    where = f"{width}x{height} at {zoom}% ({order})"
                    run_one(desktop, args.runner, zoom, order, where, breaches)
    for breach in breaches:
        print(breach, file=sys.stderr)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
