# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading the program's answer texts back into SymPy values.

Every reader is strict: a text that is not in the program's notation raises
TextError, so a malformed answer counts as a disagreement instead of being
guessed at.
"""

import re

import sympy as sp

X = sp.Symbol("x")
N = sp.Symbol("n")


class TextError(ValueError):
    pass


def rational(text):
    """An integer or a fraction "a/b" with the sign on the numerator."""
    m = re.fullmatch(r"(-?\d+)(?:/(\d+))?", text)
    if not m:
        raise TextError(f"not a number: {text!r}")
    den = int(m.group(2)) if m.group(2) else 1
    if den == 0:
        raise TextError(f"zero denominator: {text!r}")
    return sp.Rational(int(m.group(1)), den)


_TERM = re.compile(r"([+-]?)(\d+(?:/\d+)?)?(?:([a-z])(?:\^(\d+))?)?")


def polynomial(text, var=X):
    """Textbook text such as "2x^3-x+1/2" or "-1/3n^3+n" ("3/2n" is 3/2·n)."""
    letter = var.name
    if text == "":
        raise TextError("empty polynomial")
    pos, total, first = 0, sp.Integer(0), True
    while pos < len(text):
        m = _TERM.match(text, pos)
        if not m or m.end() == pos:
            raise TextError(f"bad polynomial {text!r} at {pos}")
        sign, coef, let, exp = m.groups()
        if not first and not sign:
            raise TextError(f"missing sign in {text!r}")
        if coef is None and let is None:
            raise TextError(f"empty term in {text!r}")
        if let is not None and let != letter:
            raise TextError(f"letter {let!r} in {text!r}")
        value = rational(coef) if coef else sp.Integer(1)
        if sign == "-":
            value = -value
        power = 0 if let is None else (int(exp) if exp else 1)
        total += value * var**power
        pos, first = m.end(), False
    return sp.expand(total)


def factored(text, var=X):
    """A factored text such as "2( x-1 )( x+1 )^2", "-x^2( x+1 )", "1/2n( n+1 )".

    Returns (constant, [(factor, multiplicity), ...]); the factor x (or n)
    appears as one entry with its power as multiplicity.
    """
    start = text.find("( ")
    prefix = text if start < 0 else text[:start]
    groups = []
    if start >= 0:
        rest = text[start:]
        for m in re.finditer(r"\( ([^()]+?) \)(?:\^(\d+))?", rest):
            groups.append(m)
        if "".join(g.group(0) for g in groups) != rest:
            raise TextError(f"bad factor groups in {text!r}")
    factors = []
    constant = sp.Integer(1)
    if prefix == "-":
        constant = sp.Integer(-1)
    elif prefix:
        head = polynomial(prefix, var)
        terms = sp.Poly(head, var).terms()
        if len(terms) == 1:
            ((power,), coef) = terms[0]
            constant = sp.Rational(coef)
            if power:
                factors.append((var, power))
        elif start < 0:
            factors.append((head, 1))  # a single factor is written bare
        else:
            raise TextError(f"bad leading text {prefix!r} in {text!r}")
    for g in groups:
        factors.append((polynomial(g.group(1), var), int(g.group(2) or 1)))
    return constant, factors


def _root_expr(text):
    if not re.fullmatch(r"[-+0-9()/*SQRi]+", text):
        raise TextError(f"bad root {text!r}")
    expr = text.replace("SQR(", "sqrt(")
    expr = re.sub(r"(?<=[0-9)])i", "*I", expr)
    expr = expr.replace("i", "I")
    try:
        return sp.sympify(expr, rational=True)
    except (sp.SympifyError, SyntaxError, TypeError) as exc:
        raise TextError(f"bad root {text!r}: {exc}") from exc


def root(text):
    """One root: "2", "-1/2", "1+SQR(2)", "(-1+SQR(3)i)/2", "-2i", "4*SQR(6)/9"."""
    if not text:
        raise TextError("empty root")
    return sp.radsimp(_root_expr(text))


def roots(text):
    """Roots separated by " , "; the empty text is no roots."""
    if text == "":
        return []
    return [root(part) for part in text.split(" , ")]
