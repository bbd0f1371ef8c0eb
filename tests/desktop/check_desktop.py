#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the windows on a real X server with a window manager.

For each screen size below it starts Xvfb with one screen of that size and
openbox on it, and then
- runs the UI-script runner on the xcb platform with placement.vsc: every
  tool window's frame lies below the launcher's frame by its own offsets,
  overlaps neither the launcher's frame nor leaves the screen, the version
  dialog is centred, and a tool window closed and shown again comes back to
  the same place;
- meanwhile reads every window's title and icon as the window manager sees
  them: exactly the window's own title, and an icon;
- runs vorantel-late-frame, which shows tool windows before the window
  manager has framed the launcher: they end below the launcher's frame all
  the same.
With --screenshots DIR it also runs screenshot.vsc on the 1280x1024 screen
and copies the pictures it takes into DIR.

Usage: check_desktop.py --runner RUNNER --late-frame PROBE [--screenshots DIR]
Prints every breach and exits 1 if there is one.
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent
SCREENS = [(1280, 1024), (1920, 1080)]

# Each tool window's offsets from the launcher's frame: left + dx, bottom + dy.
OFFSETS = {
    "TEnzanForm": (-80, 0), "TInsuuForm": (-60, 0), "TRenrituForm": (-40, 0),
    "TRenritu3Form": (-20, 0), "TNijiForm": (0, 0), "TKojiForm": (20, 0),
    "THuteiForm": (40, 0), "TNaibunForm": (-80, 20), "TBibunForm": (-60, 20),
    "TSekibunForm": (-40, 20), "TJunretuForm": (-20, 20), "TSigmaForm": (0, 20),
}

FRAME = re.compile(r"^(\w+) frame=(-?\d+),(-?\d+),(\d+),(\d+) screen=(-?\d+),(-?\d+),(\d+),(\d+)"
                   r" available=(-?\d+),(-?\d+),(\d+),(\d+)$")
TITLE = re.compile(r"^(\w+) = (.*)$")


class Rect:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    @property
    def right(self):
        return self.x + self.w

    @property
    def bottom(self):
        return self.y + self.h

    def overlaps(self, other):
        return (self.x < other.right and other.x < self.right and
                self.y < other.bottom and other.y < self.bottom)

    def inside(self, other):
        return (self.x >= other.x and self.y >= other.y and
                self.right <= other.right and self.bottom <= other.bottom)

    def __repr__(self):
        return f"{self.x},{self.y} {self.w}x{self.h}"


def frames_of(lines):
    """Every frame line as name -> [(frame, available area)], in order."""
    found = {}
    for line in lines:
        match = FRAME.match(line)
        if match:
            n = [int(v) for v in match.groups()[1:]]
            found.setdefault(match.group(1), []).append((Rect(*n[0:4]), Rect(*n[8:12])))
    return found


def check_frames(found, where, breaches):
    """The launcher's frame and the tool windows' frames against the rules."""
    if "TMainForm" not in found:
        breaches.append(f"{where}: no frame of the launcher")
        return
    main, area = found["TMainForm"][-1]
    if main.w <= 374 or main.h <= 179:
        breaches.append(f"{where}: the launcher has no frame from the window manager ({main})")
    if not main.inside(area):
        breaches.append(f"{where}: the launcher {main} leaves the screen {area}")
    for name, seen in found.items():
        if name not in OFFSETS:
            continue
        frame, area = seen[0]
        dx, dy = OFFSETS[name]
        if frame.overlaps(main):
            breaches.append(f"{where}: {name} {frame} overlaps the launcher {main}")
        if not frame.inside(area):
            breaches.append(f"{where}: {name} {frame} leaves the screen {area}")
        if (frame.x, frame.y) != (main.x + dx, main.bottom + dy):
            breaches.append(f"{where}: {name} at {frame.x},{frame.y}, not below the launcher"
                            f" at {main.x + dx},{main.bottom + dy}")
        for again, _ in seen[1:]:
            if (again.x, again.y) != (frame.x, frame.y):
                breaches.append(f"{where}: {name} came back at {again}, not at {frame}")
    if "TVersionForm" in found:
        frame, area = found["TVersionForm"][-1]
        off = (abs(frame.x + frame.w / 2 - (area.x + area.w / 2)),
               abs(frame.y + frame.h / 2 - (area.y + area.h / 2)))
        if max(off) > 1:
            breaches.append(f"{where}: the version dialog {frame} is not centred on {area}")


def xprop(display, *args):
    return subprocess.run(["xprop", "-display", display, *args], capture_output=True,
                          text=True, timeout=10).stdout


def window_titles_and_icons(display):
    """Title and icon size of every window the window manager manages."""
    listing = xprop(display, "-root", "_NET_CLIENT_LIST")
    ids = re.findall(r"0x[0-9a-f]+", listing.split("#", 1)[-1])
    seen = []
    for wid in ids:
        name = xprop(display, "-id", wid, "_NET_WM_NAME")
        title = re.search(r'= "(.*)"', name)
        icon = xprop(display, "-id", wid, "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON")
        size = re.search(r"= (\d+), (\d+)", icon)
        seen.append((title.group(1) if title else None,
                     (int(size.group(1)), int(size.group(2))) if size else None))
    return seen


class Desktop:
    """Xvfb with one screen and openbox on it, for the time of a with block."""

    def __init__(self, width, height):
        self.size = f"{width}x{height}x24"
        self.processes = []
        self.display = None

    def __enter__(self):
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", self.size,
                                 "-nolisten", "tcp"], pass_fds=[write],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"
        wm = subprocess.Popen(["openbox"], env=self.env(), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        self.processes.append(wm)
        deadline = time.monotonic() + 15
        while "window id" not in xprop(self.display, "-root", "_NET_SUPPORTING_WM_CHECK"):
            if time.monotonic() > deadline:
                raise RuntimeError("openbox did not start")
            time.sleep(0.1)
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()

    def env(self):
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"):
            env.pop(name, None)
        return env


def run_placement(desktop, runner, where, breaches):
    process = subprocess.Popen([runner, str(HERE / "placement.vsc")], env=desktop.env(),
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    lines = []
    managed = []
    for line in process.stdout:
        lines.append(line.rstrip("\n"))
        if line.startswith("shown:"):
            # The runner waits now, with every window open; the window
            # manager may still be taking the last one on.
            deadline = time.monotonic() + 3
            while True:
                managed = window_titles_and_icons(desktop.display)
                settled = len(managed) == len(line.split()) - 1 and all(t for t, _ in managed)
                if settled or time.monotonic() > deadline:
                    break
                time.sleep(0.2)
    _, errors = process.communicate(timeout=60)
    if process.returncode != 0:
        breaches.append(f"{where}: the runner failed ({process.returncode}): {errors.strip()}")
        return
    check_frames(frames_of(lines), where, breaches)
    titles = {m.group(2) for m in map(TITLE.match, lines) if m}
    shown = set(lines[-1].split()[1:]) if lines and lines[-1].startswith("shown:") else set()
    if len(managed) != len(shown):
        breaches.append(f"{where}: {len(managed)} windows managed, {len(shown)} shown")
    for title, icon in managed:
        if title not in titles:
            breaches.append(f"{where}: a window is titled {title!r}, which is no window's title")
        if icon is None or min(icon) <= 0:
            breaches.append(f"{where}: the window {title!r} has no icon")


def run_late_frame(desktop, probe, where, breaches):
    tools = ["TNijiForm", "TSigmaForm", "TEnzanForm"]
    result = subprocess.run([probe, *tools], env=desktop.env(), capture_output=True, text=True,
                            timeout=60)
    if result.returncode != 0:
        breaches.append(f"{where}: the late-frame probe failed: {result.stderr.strip()}")
        return
    found = frames_of(result.stdout.splitlines())
    if set(found) != {"TMainForm", *tools}:
        breaches.append(f"{where}: the late-frame probe printed {sorted(found)}")
    check_frames(found, where + " (shown before the launcher was framed)", breaches)


def take_screenshots(desktop, runner, target, breaches):
    with tempfile.TemporaryDirectory() as folder:
        script = pathlib.Path(folder) / "screenshot.vsc"
        shutil.copy(HERE / "screenshot.vsc", script)
        result = subprocess.run([runner, str(script)], env=desktop.env(), capture_output=True,
                                text=True, timeout=60)
        if result.returncode != 0:
            breaches.append(f"screenshots: the runner failed: {result.stderr.strip()}")
            return
        for picture in sorted(pathlib.Path(folder).glob("*.png")):
            shutil.copy(picture, target / picture.name)
            print(target / picture.name)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runner", required=True)
    parser.add_argument("--late-frame", required=True)
    parser.add_argument("--screenshots", type=pathlib.Path)
    args = parser.parse_args()
    breaches = []
    for width, height in SCREENS:
        where = f"{width}x{height}"
        with Desktop(width, height) as desktop:
            run_placement(desktop, args.runner, where, breaches)
            run_late_frame(desktop, args.late_frame, where, breaches)
            if args.screenshots and (width, height) == SCREENS[0]:
                take_screenshots(desktop, args.runner, args.screenshots, breaches)
    for breach in breaches:
        print(breach, file=sys.stderr)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
