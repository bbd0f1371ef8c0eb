# SPDX-License-Identifier: GPL-3.0-or-later
"""The answer board against the answer fields.

After each case the script prints the board ("board window=TITLE
problem=TEXT answer=TEXT"). A case that gave an answer must show it on the
board, in the window's title, stating the same values in the same order and
grouping as the fields; a case that stopped on a message shows that message
instead; a case whose fields could not be read makes no entry, so the board
stays as the case before left it.

Each window's board(case, shown) writes its answer fields as one text in the
fields' notation ("x=" before roots, "\\n" between the lines of a system),
and both that text and the board's Unicode answer are brought to one form:
no spaces, "−" for "-", "√3" for "SQR(3)", raised exponents, "1/2x" for
"(1/2)x", "1/x³" for "1/(x^3)", each "a ± b" of a list of roots as its
two values "a+b,a−b", and line breaks as commas (the board may set the
parts of an answer side by side or one below the other).
"""

import re

_RAISED = str.maketrans("0123456789", "⁰¹²³⁴⁵⁶⁷⁸⁹")


def parse(line):
    """(window, problem, answer) of a "board ..." transcript line, or None
    for "board none"."""
    if line == "board none":
        return None
    m = re.fullmatch(r"board window=(.*?) problem=(.*) answer=(.*)", line)
    if not m:
        raise RuntimeError(f"unexpected board line: {line!r}")
    return tuple(t.replace("\\n", "\n") for t in m.groups())


def _reciprocal(text):
    # "1/(x³)" written as the board writes it, "1/x³"
    return re.sub(r"^1/\(([a-z][⁰¹²³⁴⁵⁶⁷⁸⁹]*)\)$", r"1/\1", text)


def field_form(text):
    text = re.sub(r"[ *]", "", text)
    text = re.sub(r"SQR\((\d+)\)", r"√\1", text)
    text = text.replace("-", "−")
    text = re.sub(r"\^(\d+)", lambda m: m.group(1).translate(_RAISED), text)
    return ",".join(_reciprocal(line) for line in text.split("\n"))


def _both_signs(item):
    at = item.find("±")
    if at < 0:
        return item
    head, tail = item[:at], item[at + 1 :]
    if not head:
        return f"{tail},−{tail}"
    return f"{head}+{tail},{head}−{tail}"


def board_form(text):
    lines = []
    for line in text.replace(" ", "").split("\n"):
        line = re.sub(r"\((\d+/\d+)\)(?=[a-z(])", r"\1", line)
        if "±" in line:
            left, sep, right = line.rpartition("=")
            line = left + sep + ",".join(_both_signs(item) for item in right.split(","))
        lines.append(_reciprocal(line))
    return ",".join(lines)


def message_text(message):
    """The board's words for a transcript message ("warning: TEXT",
    "error: TEXT.")."""
    kind, _, text = message.partition(": ")
    return text[:-1] if kind == "error" and text.endswith(".") else text


def expected(window, case, shown):
    """After the fields agreed: None when the board states the case's answer
    or message, else what it should show."""
    if shown.unread:
        return None if shown.board == shown.board_before else f"the board as before the case: {shown.board_before}"
    if shown.board is None:
        return f"a board entry of {shown.title}"
    title, _, answer = shown.board
    if title != shown.title:
        return f"board window={shown.title}"
    if shown.stopped:
        want = message_text(shown.messages[-1])
        return None if answer == want else f"board answer={want}"
    fields = window.board(case, shown)
    return None if board_form(answer) == field_form(fields) else f"board answer stating {fields!r}"
