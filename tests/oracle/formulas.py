# SPDX-License-Identifier: GPL-3.0-or-later
"""Each window's case written as the problem a student types on the
launcher's formula line, in one of the ways a textbook prints it.

formula(name, case, rng) gives the line, or None for a case that no line can
state (a field the window reads in a way of its own: an empty bound, a text
that is not a number, a mode no form chooses). The ways vary from case to
case: ASCII or its full-width twin, powers as ^n or as superscripts, both
sides of an equation holding terms, products of factors expanded by the
recogniser, implicit multiplication, the forms of integrals and sums.
"""

import re

import sympy as sp

from inputs import Failure, normalize, read_rational

X = sp.Symbol("x")

_PLAIN = re.compile(r"[+-]?\d+(/\d+)?")
_SUPERSCRIPTS = {"2": "²", "3": "³", "4": "⁴"}
# What a full-width IME types of the characters the fields widen: digits,
# signs, x and n, and the brackets and equals sign of a formula; the words
# (sum, int, f) and the other letters stay as typed in ASCII.
_FULL_WIDTH = {ch: chr(ord(ch) + 0xFEE0) for ch in "0123456789+/=(),xn"}
_FULL_WIDTH.update({"-": "−", "^": "＾"})
_SUBSCRIPTS = str.maketrans("0123456789", "₀₁₂₃₄₅₆₇₈₉")


def value(text):
    """The value of a field that a line can state: an integer or a fraction,
    signed, as typed (full-width and IME forms too); an empty field is 0.
    None for anything else (a decimal, a word, a number the field refuses)."""
    if normalize(text) == "":
        return sp.Integer(0)
    if not _PLAIN.fullmatch(normalize(text)):
        return None
    try:
        return read_rational(text)
    except Failure:
        return None


def typed(text):
    """A number written as it was typed into its field (the field writes it
    back so), its digits in ASCII; a sign + left out."""
    text = normalize(text)
    if text == "":
        return "0"  # an empty field reads as 0
    return text[1:] if text.startswith("+") else text


def values(case, fields):
    read = [value(case[f]) for f in fields]
    return None if any(v is None for v in read) else read


def number(v):
    return str(sp.Rational(v))


def full_width(line):
    """The line as an IME in full-width mode types it."""
    return "".join(_FULL_WIDTH.get(ch, ch) for ch in line)


def power(letter, k, rng):
    if k == 1:
        return letter
    if str(k) in _SUPERSCRIPTS and rng.random() < 0.4:
        return letter + _SUPERSCRIPTS[str(k)]
    return f"{letter}^{k}"


def term(c, letter, k, rng):
    """c·letter^k as a textbook prints it: 1 and −1 left out, a fraction
    before the letter (3/4x is three quarters of x)."""
    if k == 0:
        return number(c)
    unit = power(letter, k, rng)
    if c == 1:
        return unit
    if c == -1:
        return "-" + unit
    if rng.random() < 0.1 and sp.Rational(c).q == 1:
        return f"{number(c)}×{unit}"
    return number(c) + unit


def join(terms, rng):
    if not terms:
        return "0"
    spaced = rng.random() < 0.5
    out = terms[0]
    for t in terms[1:]:
        sign, body = ("-", t[1:]) if t.startswith("-") else ("+", t)
        out += f" {sign} {body}" if spaced else sign + body
    return out


def polynomial(coeffs, rng, letter="x"):
    """The polynomial of the coefficients (constant first), highest power first."""
    terms = [term(c, letter, k, rng) for k, c in reversed(list(enumerate(coeffs))) if c != 0]
    return join(terms, rng)


def degree(coeffs):
    return max((k for k, c in enumerate(coeffs) if c != 0), default=-1)


def product(coeffs, rng):
    """The polynomial as a product of its factors over the rationals, when it
    has more than one: 2(x+1)(x-3), (x-1)^2(x+2); else None."""
    p = sp.Poly(sum(c * X**k for k, c in enumerate(coeffs)), X)
    content, factors = p.factor_list()
    if sum(m for _, m in factors) < 2 or any(f.degree() > 2 for f, _ in factors):
        return None
    if content == 1 and len(factors) == 1:
        return None  # (x+2)^3 alone is a power to work out, not a polynomial to factorise
    parts = []
    for f, m in factors:
        inner = polynomial(list(reversed(f.all_coeffs())), rng)
        parts.append(f"({inner})" + (power("", m, rng) if m > 1 else ""))
    lead = "" if content == 1 else "-" if content == -1 else number(content)
    return lead + "".join(parts)


def equation(coeffs, rng, letter="x"):
    """coeffs = 0 with some terms, at random, on the right-hand side."""
    left, right = [], []
    for k, c in reversed(list(enumerate(coeffs))):
        if c == 0:
            continue
        if rng.random() < 0.3:
            right.append(term(-c, letter, k, rng))
        else:
            left.append(term(c, letter, k, rng))
    return f"{join(left, rng)} = {join(right, rng)}"


def finish(line, rng):
    """The line, or at times its full-width twin."""
    return full_width(line) if rng.random() < 0.2 else line


# ---------------------------------------------------------------------------


def insuu(case, rng):
    coeffs = values(case, [f"Edit{i}" for i in range(5)])
    if coeffs is None or degree(coeffs) < 1:
        return None
    if rng.random() < 0.4 and (text := product(coeffs, rng)):
        return finish(text, rng)
    return finish(polynomial(coeffs, rng), rng)


def roots_of(lowest, highest):
    def write(case, rng):
        coeffs = values(case, [f"Edit{i}" for i in range(5) if f"Edit{i}" in case])
        if coeffs is None or not lowest <= degree(coeffs) <= highest:
            return None
        if rng.random() < 0.2 and (text := product(coeffs, rng)):
            return finish(text + " = 0", rng)
        return finish(equation(coeffs, rng), rng)

    return write


def linear_system(unknowns):
    def write(case, rng):
        rows = []
        count = len(unknowns)
        for i in range(1, count + 1):
            row = values(case, [f"Edit{u.upper()}{i}" for u in unknowns] + [f"EditA{i}"])
            if row is None or all(c == 0 for c in row[:-1]):
                return None
            rows.append(row)
        if any(all(row[j] == 0 for row in rows) for j in range(count)):
            return None  # an unknown no equation names
        lines = []
        for i, row in enumerate(rows, 1):
            terms = [term(c, u, 1, rng) for c, u in zip(row, unknowns) if c != 0]
            # the right-hand side as typed: the window shows it back so
            lines.append(f"{join(terms, rng)} = {typed(case[f'EditA{i}'])}")
        return finish(rng.choice([", ", "; ", ",", ";"]).join(lines), rng)

    return write


def hutei(case, rng):
    if case["mode"] != "AllRadio":
        return None
    read = values(case, ["xEdit", "yEdit", "zEdit"])
    if read is None or normalize(case["zEdit"]) == "" or 0 in read[:2]:
        return None
    a, b, c = read
    if b < 0:
        return None  # the line writes 5x - 8y one way: the sign's radio button and y's field 8
    b = b if case["sign"] == 0 else -b
    left = join([term(a, "x", 1, rng), term(b, "y", 1, rng)], rng)
    return finish(f"{left} = {number(c)} " + rng.choice(["整数", "整数解", "(整数)"]), rng)


def bibun(case, rng):
    coeffs = values(case, [f"Edit{i}" for i in range(5)])
    at = value(case["EditX"])
    if coeffs is None or degree(coeffs) < 0 or at is None or normalize(case["EditX"]) == "":
        return None
    f = f"f(x) = {polynomial(coeffs, rng)}"
    mode = case["mode"]
    if mode == "RadioKeisuu":
        return finish(f"{f}, f'({typed(case['EditX'])})", rng)
    if mode == "RadioSessen":
        return finish(f"{f}, 接線 x={typed(case['EditX'])}", rng)
    if coeffs[4] != 0:
        return None  # the extrema mode leaves x⁴ out
    return finish(f"{f}, 極値", rng)


def sekibun(case, rng):
    coeffs = values(case, [f"Edit{i}" for i in range(6)])
    upper, lower = value(case["Jotan"]), value(case["Katan"])
    if coeffs is None or upper is None or lower is None or degree(coeffs) < 0:
        return None
    if "" in (normalize(case["Jotan"]), normalize(case["Katan"])):
        return None
    f = polynomial(coeffs, rng)
    a, b = typed(case["Katan"]), typed(case["Jotan"])
    k = rng.random()
    if k < 0.5:
        return finish(f"∫[{a},{b}] {f} dx", rng)
    if k < 0.8 or "/" in a + b or "-" in a + b:
        return finish(f"int({f}, {a}, {b})", rng)
    # Spaces join digits: the integrand goes in brackets after the upper end.
    return finish(f"∫_{a}^{b} ({f}) dx", rng)


def sigma(case, rng):
    coeffs = values(case, [f"Edit{i}" for i in range(4)])
    lower = value(case["kBeginEdit"])
    upper = case["upper"]
    if coeffs is None or lower is None or normalize(case["kBeginEdit"]) == "" or degree(coeffs) < 0:
        return None
    if not isinstance(upper, sp.Basic) or normalize(case["kEndEdit"]) == "":
        return None
    try:
        n = sp.Symbol("n")
        end = sp.Poly(upper, n)
    except sp.PolynomialError:
        return None
    if end.degree() <= 0:
        end_text = typed(case["kEndEdit"]) if _PLAIN.fullmatch(typed(case["kEndEdit"])) else number(upper)
    else:
        end_text = polynomial(list(reversed(end.all_coeffs())), rng, "n")
    f = polynomial(coeffs, rng, "k")
    if rng.random() < 0.6:
        summand = f"({f})" if degree(coeffs) > 0 and sum(c != 0 for c in coeffs) > 1 else f
        return finish(f"Σ[k={typed(case['kBeginEdit'])},{end_text}] {summand}", rng)
    return finish(f"sum({f}, k, {typed(case['kBeginEdit'])}, {end_text})", rng)


def naibun(case, rng):
    read = values(case, ["EditX1", "EditY1", "EditX2", "EditY2", "EditM", "EditN"])
    if read is None or case["mode"] == "RadioChokusen" or any(normalize(case[f]) == "" for f in ("EditM", "EditN")):
        return None
    x1, y1, x2, y2, m, n = (typed(case[f]) for f in ("EditX1", "EditY1", "EditX2", "EditY2", "EditM", "EditN"))
    if read[4] < 0 or read[5] < 0:
        return None  # a negative ratio chooses the external division itself
    line = f"A({x1},{y1}), B({x2},{y2}), {m}:{n}"
    return finish(line + (" 外分" if case["mode"] == "RadioGaibun" else ""), rng)


def junretu(case, rng):
    button = case["button"]
    fields = {"KaijoButton": ["KaijoEdit"], "PButton": ["P1Edit", "P2Edit"], "CButton": ["C1Edit", "C2Edit"]}[button]
    texts = [normalize(case[f]) for f in fields]
    if not all(t.isdigit() and t.isascii() for t in texts):
        return None
    numbers = [str(int(t)) for t in texts]
    if button == "KaijoButton":
        return finish(numbers[0] + "!", rng)
    letter = "P" if button == "PButton" else "C"
    if rng.random() < 0.3:
        return numbers[0].translate(_SUBSCRIPTS) + letter + numbers[1].translate(_SUBSCRIPTS)
    return finish(numbers[0] + letter + numbers[1], rng)


ENZAN_SIGNS = {"AddSButton": ["+"], "SubSButton": ["-", "−"], "MulSButton": ["×", "・"], "DivSButton": ["÷"]}


def enzan(case, rng):
    f = values(case, [f"EditF{i}" for i in range(6)])
    g = values(case, [f"EditG{i}" for i in range(6)])
    op = case["op"]
    if f is None or g is None:
        return None
    pf, pg = polynomial(f, rng), polynomial(g, rng)
    if op in ENZAN_SIGNS:
        # (f)(g) side by side is a product to factorise, not an operation
        return finish(f"({pf}) {rng.choice(ENZAN_SIGNS[op])} ({pg})", rng)
    if op == "PowerSButton":
        if degree(g) > 0 or g[0] < 0 or g[0].q != 1:
            return None
        return finish(f"({pf})^{g[0]}", rng)
    if op in ("GcdSButton", "LcmSButton"):
        return finish(f"{op[:3].lower()}({pf}, {pg})", rng)
    return None  # composition has no form of its own


FORMULAS = {
    "enzan": enzan,
    "insuu": insuu,
    "niji": roots_of(2, 2),
    "koji": roots_of(3, 4),
    "renritu": linear_system("xy"),
    "renritu3": linear_system("xyz"),
    "hutei": hutei,
    "bibun": bibun,
    "sekibun": sekibun,
    "sigma": sigma,
    "naibun": naibun,
    "junretu": junretu,
}


def formula(name, case, rng):
    return FORMULAS[name](case, rng)
