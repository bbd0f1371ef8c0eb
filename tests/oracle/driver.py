# SPDX-License-Identifier: GPL-3.0-or-later
"""Running one window's cases through vorantel-script and judging them.

Each window gives a module-level object with:
  cls                 the window's class name
  generate(rng)       one random case (a dict)
  commands(case)      script lines that enter the case and calculate
  prints(case)        the controls whose texts the case prints, in order
  check(case, shown)  raises Disagree(expected) when the shown answer is wrong
  board(case, shown)  the answer fields as one text, as the answer board
                      states them (see board.py)

Every case starts with "print W" (a marker line in the transcript) and a click
of the window's Clear button, so that messages and answers are attributed to
their own case and "answer" shows that a calculation changed nothing.
The answer board is opened once and printed at the end of every case.
"""

import json
import os
import subprocess
import tempfile
from dataclasses import dataclass, field

import board as answer_board
import steps


class Disagree(Exception):
    """The shown answer differs from the expected one (the text says what)."""


def need(condition, expected):
    if not condition:
        raise Disagree(expected)


@dataclass
class Shown:
    messages: list = field(default_factory=list)  # "warning: TEXT" / "error: TEXT."
    texts: dict = field(default_factory=dict)  # control name -> printed text
    order: list = field(default_factory=list)  # control names in printed order
    title: str = ""  # the window's title
    board: tuple = None  # the board after the case: (window, problem, answer), None for none
    board_before: tuple = None  # the board after the case before
    working: dict = None  # the board's working as a formula tree (see steps.py), None for none
    working_text: str = None  # the same in plain Unicode, its lines parted by "\n"
    relation: tuple = None  # set by the checks: the equations the working's may be judged by
    functions: dict = None  # set by the checks: f, g, f′ of the problem, as expressions in x
    steps: tuple = (0, 0)  # the working's equalities judged and left unjudged
    unjudged: list = field(default_factory=list)  # the chains left unjudged, as text
    unread: bool = False  # set by the checks: a field could not be read (no board entry)
    stopped: bool = False  # set by the checks: the calculation stopped on a message

    def __getitem__(self, control):
        return self.texts[control]

    def describe(self):
        parts = [f"{c} = {self.texts[c]!r}" for c in self.order]
        parts += [f"message {m!r}" for m in self.messages]
        parts.append("board none" if self.board is None else "board window={!r} problem={!r} answer={!r}".format(*self.board))
        return "; ".join(parts)


def build_script(window, cases, formulas=None):
    """The script of the cases; with formulas, each case is typed as its
    formula on the launcher's line instead of into the fields."""
    lines = [f"show {window.cls}", "click TMainForm.BoardMenu"]
    for number, case in enumerate(cases):
        lines.append(f"# case {number}")
        lines.append(f"print {window.cls}")
        lines.append(f"click {window.cls}.ClearButton")
        if formulas is None:
            lines.extend(window.commands(case))
        else:
            lines += [f"set TMainForm.FormulaEdit {formulas[number]}", "key TMainForm.FormulaEdit Enter"]
        lines.extend(f"print {window.cls}.{c}" for c in window.prints(case))
        lines.append("board")
        lines.append("working")
        lines.append("working-tree")
    return "\n".join(lines) + "\n"


def parse_message(line):
    # "message [CAPTION] ICON: TEXT"
    caption, _, rest = line[len("message [") :].partition("] ")
    icon, _, text = rest.partition(": ")
    if caption == "警告" and icon == "warning":
        return f"warning: {text}"
    if caption == "Vorantel" and icon == "error":
        return f"error: {text}"
    return f"{caption}/{icon}: {text}"


def split_transcript(window, cases, output):
    marker = f"{window.cls} = "
    chunks = []
    for line in output.splitlines():
        if line.startswith(marker):
            chunks.append(Shown(title=line[len(marker) :], board_before=chunks[-1].board if chunks else None))
        elif not chunks:
            raise RuntimeError(f"transcript line before the first case: {line!r}")
        elif line.startswith("board "):
            chunks[-1].board = answer_board.parse(line)
        elif line.startswith("working-tree "):
            tree = line[len("working-tree ") :]
            chunks[-1].working = None if tree == "none" else json.loads(tree)
        elif line.startswith("working "):
            text = line[len("working ") :]
            chunks[-1].working_text = None if text == "none" else text.replace("\\n", "\n")
        elif line.startswith("message ["):
            chunks[-1].messages.append(parse_message(line))
        else:
            name, sep, text = line.partition(" = ")
            if not sep or not name.startswith(window.cls + "."):
                raise RuntimeError(f"unexpected transcript line: {line!r}")
            control = name[len(window.cls) + 1 :]
            chunks[-1].texts[control] = text
            chunks[-1].order.append(control)
    if len(chunks) != len(cases):
        raise RuntimeError(f"{len(chunks)} cases in the transcript, {len(cases)} run")
    return chunks


def run_window(window, cases, runner, formulas=None):
    with tempfile.TemporaryDirectory(prefix="vorantel-oracle-") as folder:
        path = os.path.join(folder, f"{window.cls}.vsc")
        with open(path, "w", encoding="utf-8") as f:
            f.write(build_script(window, cases, formulas))
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
        done = subprocess.run(runner + [path], capture_output=True, text=True, env=env, encoding="utf-8")
    if done.returncode != 0:
        raise RuntimeError(f"{' '.join(runner)} exited with {done.returncode}: {done.stderr.strip()[:2000]}")
    return split_transcript(window, cases, done.stdout)


def judge(window, case, shown):
    """None when the window agrees, else the expected answer as text."""
    try:
        missing = [c for c in window.prints(case) if c not in shown.texts]
        need(not missing, f"printed texts for {missing}")
        window.check(case, shown)
        board = answer_board.expected(window, case, shown)
        need(board is None, board)
        if shown.working is not None and not shown.unread:
            verdict = steps.check(shown.working, shown.relation, shown.functions)
            shown.steps = (verdict.checked, verdict.skipped)
            shown.unjudged = verdict.unread
            need(not verdict.false, "a working whose equalities hold, not " + "; ".join(verdict.false[:3]))
            need(steps.ends_in(shown.working_text, shown.board[2]), "a working that ends in the board's answer")
    except Disagree as d:
        return str(d)
    except Exception as exc:  # a text the readers cannot take is a disagreement too
        return f"a well-formed answer ({type(exc).__name__}: {exc})"
    return None


def same_answers(window, case, by_fields, by_formula):
    """None when the formula's calculation shows what the fields' did (the
    answers printed, the messages, the board's answer), else what the fields
    showed."""
    controls = window.prints(case)
    shown = [by_formula.texts.get(c) for c in controls]
    wanted = [by_fields.texts.get(c) for c in controls]
    answer = (lambda board: None if board is None else board[2])
    if shown == wanted and by_formula.messages == by_fields.messages and answer(by_formula.board) == answer(by_fields.board):
        return None
    return by_fields.describe()
