#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that includes run one way, top to bottom:

    app -> tools, board -> shell -> problems -> present -> solve -> exact
    graph (the graph library) -> board's GraphPart.h, present -> solve -> exact

Each folder includes only its own headers and those of the folders below it;
exact/, solve/, present/ and problems/ include no toolkit header; a tool unit includes
no other tool's header; the benchmarks in bench/ include no toolkit header
(bench/startup times the program and may); and no wide-integer arithmetic is
written in tools/; and no two headers define a type of the same name at
namespace scope (two definitions of one name link into one program silently,
and each file then destroys the other's objects with its own layout).
Prints every breach as FILE:LINE and exits 1 if there is one.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
QUOTED = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ANGLED_QT = re.compile(r"^\s*#\s*include\s+<Q")
# A type defined at namespace scope (not a forward declaration, not nested).
TYPE = re.compile(r"^(?:struct|class|enum class|enum)\s+(T\w+)\b(?!\s*;)")
ARITHMETIC = re.compile(r"__int128|\bWide\b|std::gcd|sqrt\(")

# What each folder may include with quotes, besides its own headers.
HEADLESS = ["problems", "present", "solve", "exact"]
ALLOWED = {
    "exact": [],
    "solve": ["exact"],
    "present": ["solve", "exact"],
    "problems": ["present", "solve", "exact"],
    "shell": HEADLESS,
    "board": ["shell"] + HEADLESS,
    "tools": ["shell"] + HEADLESS,
    "app": ["tools", "board", "shell"] + HEADLESS,
    # The graph library sees only the interface the board loads it by.
    "graph": ["board"] + HEADLESS,
}


def headers(folder):
    return {p.name for p in (ROOT / folder).glob("*.h")}


def sources(folder):
    return sorted(p for p in (ROOT / folder).glob("*") if p.suffix in (".h", ".cpp"))


def main():
    known = {folder: headers(folder) for folder in ALLOWED}
    breaches = []
    for folder, below in ALLOWED.items():
        for path in sources(folder):
            rel = path.relative_to(ROOT)
            own = path.stem  # VoranNiji.cpp may include VoranNiji.h
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                where = f"{rel}:{number}"
                if folder in HEADLESS and ANGLED_QT.match(line):
                    breaches.append(f"{where}: {folder}/ includes the toolkit")
                if folder == "tools" and ARITHMETIC.search(line.split("//")[0]):
                    breaches.append(f"{where}: arithmetic written in a window unit")
                match = QUOTED.match(line)
                if not match:
                    continue
                name = match.group(1)
                if folder == "tools" and name in known["tools"] and pathlib.Path(name).stem != own:
                    breaches.append(f"{where}: a tool includes another tool ({name})")
                elif name not in known[folder] and not any(name in known[f] for f in below):
                    breaches.append(f"{where}: {folder}/ includes {name} from above it")
    defined = {}
    for folder in ALLOWED:
        for path in sorted((ROOT / folder).glob("*.h")):
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = TYPE.match(line)
                if not match:
                    continue
                where = f"{path.relative_to(ROOT)}:{number}"
                if match.group(1) in defined:
                    breaches.append(f"{where}: {match.group(1)} is defined already at {defined[match.group(1)]}")
                defined.setdefault(match.group(1), where)
    for path in sorted((ROOT / "bench").glob("*.cpp")):
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if ANGLED_QT.match(line):
                breaches.append(f"{path.relative_to(ROOT)}:{number}: a benchmark includes the toolkit")
    for breach in breaches:
        print(breach)
    print(f"layering: {len(breaches)} breaches")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
