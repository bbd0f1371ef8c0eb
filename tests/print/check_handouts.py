#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs UI scripts that write PDF handouts and checks what the PDFs hold.

check_handouts.py --runner VORANTEL-SCRIPT [--note TEXT] SCRIPT...

Each script is copied into a fresh folder and run there with --check (its
transcript, page counts included, must match). Every calculation in it is
followed by `board` and `working`, so the transcript lists the history,
oldest first; a `savepdf` without N takes the entries the last `chosen`
printed. For each `savepdf`/`savepdfkey FILE N...` the PDF's text
(pdftotext -layout) must hold, for every entry N, its window's name and the
words and numbers of its problem, answer and every working line; a
`savepdf` handout must keep each entry on the page of its caption; and
every font must be embedded (pdffonts); with --note, every handout's text
must hold TEXT too. Exits 77 without poppler-utils.
"""

import argparse
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

# Runs of letters and digits, and of kana and kanji: what survives a PDF's
# text extraction whatever the typesetting (raised exponents, stacked
# fractions and drawn root signs come out elsewhere or not at all).
TOKEN = re.compile(r"[A-Za-z0-9]+|[\u3040-\u30ff\u4e00-\u9fff]+")


def tokens(text):
    return TOKEN.findall(text)


def squeezed(text):
    return re.sub(r"\s+", "", text)


def read_script(path):
    """The entries (window, problem, answer, working lines) and the handouts."""
    entries, handouts = [], []
    menu = []  # what the board's menu takes, as the last `chosen` printed it
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("> board "):
            m = re.match(r"> board window=(.*) problem=(.*) answer=(.*)$", line)
            lines = m[2].split("\\n") + m[3].split("\\n")
            entries.append({"window": m[1], "lines": lines, "working": []})
        elif line.startswith("> working ") and line != "> working none":
            entries[-1]["working"] = line[len("> working "):].split("\\n")
        elif line.startswith("> chosen ") and line != "> chosen none":
            menu = [int(n) for n in line.split()[2:]]
        elif line.startswith(("savepdf ", "savepdfkey ")):
            words = line.split()
            numbers = [int(n) for n in words[2:]] or menu
            chosen = [entries[len(entries) - 1 - n] for n in numbers]
            handouts.append((words[0], words[1], chosen))
    return entries, handouts


def pages_of(pdf):
    out = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], check=True,
                         capture_output=True, text=True).stdout
    return [squeezed(page) for page in out.split("\f")]


def check_handout(kind, pdf, chosen, note):
    errors = []
    pages = pages_of(pdf)
    whole = "".join(pages)
    if note and squeezed(note) not in whole:
        errors.append(f"{pdf.name}: no note {note}")
    for number, entry in enumerate(chosen, 1):
        caption = f"({number}){squeezed(entry['window'])}"
        if caption not in whole:
            errors.append(f"{pdf.name}: no caption {caption}")
            continue
        lines = entry["lines"] + entry["working"]
        missing = [t for line in lines for t in tokens(line) if t not in whole]
        if missing:
            errors.append(f"{pdf.name}: {caption} lacks {missing}")
        if kind == "savepdf":
            # The block stands on one page: the caption's page holds it all.
            page = next(p for p in pages if caption in p)
            apart = [t for line in lines for t in tokens(line) if t not in page]
            if apart:
                errors.append(f"{pdf.name}: {caption} split across pages ({apart})")
    fonts = subprocess.run(["pdffonts", str(pdf)], check=True, capture_output=True,
                           text=True).stdout.splitlines()[2:]
    for font in fonts:
        # name type encoding emb sub uni object ID: "emb" is the 4th from the end.
        if font.split()[-5] != "yes":
            errors.append(f"{pdf.name}: font not embedded: {font}")
    if not fonts:
        errors.append(f"{pdf.name}: no fonts")
    return errors


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runner", required=True)
    parser.add_argument("--note", help="a text every handout must hold")
    parser.add_argument("scripts", nargs="+", type=Path)
    args = parser.parse_args()
    if not shutil.which("pdftotext") or not shutil.which("pdffonts"):
        print("poppler-utils is not installed: skipped")
        return 77
    errors = []
    for script in args.scripts:
        with tempfile.TemporaryDirectory() as work:
            copy = Path(work) / script.name
            shutil.copy(script, copy)
            run = subprocess.run([args.runner, "--check", str(copy)])
            if run.returncode != 0:
                errors.append(f"{script.name}: the transcript differs ({run.returncode})")
                continue
            _, handouts = read_script(copy)
            for kind, name, chosen in handouts:
                errors += check_handout(kind, Path(work) / name, chosen, args.note)
                print(f"{script.name}: {name}: {len(chosen)} entries checked")
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
