# SPDX-License-Identifier: GPL-3.0-or-later
"""Random field texts and what the program's documented readers make of them.

The readers here follow the documented reading rules of the number fields.
A field's text is first normalized: the full-width digits, signs, "/", "^",
".", "x" and "n", the minus sign U+2212 and the dashes that stand for it
(hyphens, the en dash, the long-vowel marks an input method types) read as
ASCII, and spaces (ideographic ones included) around the text are dropped.
Then: an optional sign, digits, optionally "/" and digits; the numerator may
be a finite decimal, read as the exact fraction it denotes; "-" anywhere in
the numerator makes the number negative. A field that cannot be read (a bad
first character, a stray character later on, a zero denominator or none
after the "/", a typed digit string of more than 500 digits) shows its own
warning, naming the field's text; once every field is
read, any such field stops the calculation. The readers decide which message a
field must produce, never what a calculation gives.
"""

import sympy as sp

DIGITS = 500  # the longest number a field takes or an answer writes


def warning(text):
    """A message of the window's own: caption "警告", warning icon."""
    return f"warning: {text}"


def error(text):
    """The general error box: the failure's text and a final "."."""
    return f"error: {text}."


BAD_INPUT = "bad input"  # a marker: the warning names the field's text, see bad_input


def bad_input(text):
    """A field whose first character starts no number."""
    return warning(f"'{text}' の入力が間違ってます")


def denominator(text, missing):
    """A fraction with a zero denominator, or none after its "/"."""
    return warning(f"'{text}' は分母がありません" if missing else f"'{text}' は分母が0です")
OVERFLOW = error("数値が大きすぎて計算できません")
DEGREE = error("次数が10を超えるため計算できません")
ZERO_DIVIDE = error("ゼロによる除算")
# The same failures met while a field is read: that field's warning.
TOO_LARGE = warning("数値が大きすぎて計算できません")
DEGREE_TOO_HIGH = warning("次数が10を超えるため計算できません")


def conversion(text):
    """A field that is not a number: the warning names its whole text."""
    return warning(f"'{text}' は整数ではありません")


def too_long(digits):
    """A typed digit string beyond the limit (leading zeros do not count)."""
    return len(digits.lstrip("0")) > DIGITS


class Failure(Exception):
    """A field that cannot be read (the text of its warning)."""

    def __init__(self, text):
        super().__init__(text)
        self.text = text


_WIDENED = "0123456789+-/^.xn"
_MINUS_FORMS = "\u2212\u2010\u2011\u2013\u30fc\uff70"


def normalize(text):
    """The text as the readers see it."""
    out = []
    for ch in text:
        code = ord(ch)
        if ch in _MINUS_FORMS:
            ch = "-"
        elif ch == "\u3000":
            ch = " "
        elif 0xFF01 <= code <= 0xFF5E and chr(code - 0xFEE0) in _WIDENED:
            ch = chr(code - 0xFEE0)
        out.append(ch)
    return "".join(out).strip(" \t")


def read_rational(text):
    """The value a number field reads as, or Failure. Each typed digit string
    (numerator, decimals, denominator) counts for the size limit on its own;
    the generators keep decimals well away from that limit."""
    text = normalize(text)
    if text == "":
        return sp.Integer(0)
    first = 1 if text[0] in "+-" else 0

    def digit(i):
        return i < len(text) and "0" <= text[i] <= "9"

    if not digit(first) and not (first < len(text) and text[first] == "." and digit(first + 1)):
        raise Failure(bad_input(text))
    negative, in_den, decimal, fraction, num, den = False, False, False, "", "", ""
    for ch in text:
        if not in_den and ch == "+":
            continue
        if not in_den and ch == "-":
            negative = True
            continue
        if not in_den and ch == "/":
            in_den = True
            continue
        if not in_den and not decimal and ch == ".":
            decimal = True
            continue
        if not ("0" <= ch <= "9"):
            raise Failure(conversion(text))
        if decimal and not in_den:
            fraction += ch
        elif in_den:
            den += ch
        else:
            num += ch
    if in_den and not den:
        raise Failure(denominator(text, True))
    if too_long(num) or too_long(den):
        raise Failure(TOO_LARGE)
    if in_den and int(den) == 0:
        raise Failure(denominator(text, False))
    if too_long(fraction.rstrip("0")):
        raise Failure(TOO_LARGE)
    value = sp.Integer(int(num or "0"))
    if fraction:
        value += sp.Rational(int(fraction), 10 ** len(fraction))
    value = value / (int(den) if in_den else 1)
    return -value if negative else value


def read_integer(text):
    """A whole field as one integer (counting, indefinite equations); a point
    followed by zeros alone is allowed."""
    text = normalize(text)
    body = text[1:] if text[:1] in ("+", "-") else text
    whole, point, zeros = body.partition(".")
    if not whole or not all("0" <= ch <= "9" for ch in whole) or (point and zeros.strip("0")):
        raise Failure(conversion(text))
    if too_long(whole):
        raise Failure(TOO_LARGE)
    value = int(whole)
    return -value if text.startswith("-") else value


def read_fields(texts):
    """Reads texts in order; the first field that cannot be read raises."""
    return [read_rational(t) for t in texts]


# ---------------------------------------------------------------------------
# Generators


INT32 = 2**31 - 1


def near_limit(rng):
    """A value at the top of the 32-bit range, where word-sized code would carry."""
    return INT32 - rng.randrange(-1000, 1000) if rng.random() < 0.7 else rng.randrange(INT32 // 2, INT32 + 1)


def int_text(rng, large=0.05):
    """A signed integer text: mostly small, sometimes near 2^31."""
    k = rng.random()
    if k < large:
        v = near_limit(rng)
    elif k < large + 0.15:
        v = rng.randrange(10, 100000)
    elif k < large + 0.25:
        v = rng.randrange(100000, INT32)
    else:
        v = rng.randrange(0, 13)
    return str(-v if rng.random() < 0.4 else v)


def rational_text(rng, odd=True, large=0.05):
    """A field text for a fraction field: integers, fractions, empty, quirks."""
    k = rng.random()
    if k < 0.14:
        return ""
    if k < 0.20:
        return "0"
    if k < 0.62:
        return int_text(rng, large=large)
    if k < 0.84:
        num = rng.randrange(-30, 31)
        den = rng.randrange(1, 31)
        return f"{num}/{den}"
    if k < 0.90:
        num = rng.choice([near_limit(rng), rng.randrange(1, 100000)])
        den = rng.choice([near_limit(rng), rng.randrange(1, 100000)])
        return f"{'-' if rng.random() < 0.4 else ''}{num}/{den}"
    if not odd:
        return str(rng.randrange(-9, 10))
    return rng.choice(
        [
            "12-3", "+5", "-0", "007", "4/6", "+1/2",  # read as the rules say
            "3/0", "0/0", "3/", "-1/000", "2.5/", "\uff15\uff0f\uff10",  # no denominator to divide by
            "\u30fc3", "\uff701/2", "\u20105", "\u20112", "\u20137", "1\u30fc2", "3/\u30fc4",  # dashes for a minus
            "2.5", "-1.25", ".5", "-.75", "3.", "1.5/3", "0.000000001",  # decimals: exact fractions
            "\uff15", "\uff0d\uff11\uff0f\uff12", "\uff0e\uff15", "\u22122", " 3", "4 ", "\u30007\u3000",  # full-width, minus sign, spaces
            "x", "-", "/2", "a", "+x", ".", "\uff41",  # bad first character
            "1a", "1/-2", "-4/-", "1/2/3", "1.2.3", "1/2.5", "1 2",  # stray character
            "2147483648", "-2147483648", "1/99999999999", "0.0000000001", "2147483647.5",  # past 32 bits
            "9" * 501, "-" + "1" * 501, "1/" + "7" * 501, "0.5/1" + "0" * 500,  # too large
        ]
    )


def big_int(rng, low=11, high=40):
    """A signed integer of low to high digits."""
    digits = rng.randrange(low, high + 1)
    v = rng.randrange(10 ** (digits - 1), 10**digits)
    return -v if rng.random() < 0.4 else v


def big_rational(rng, low=11, high=40):
    """A big integer or a fraction with at least one big part."""
    k = rng.random()
    if k < 0.5:
        return sp.Integer(big_int(rng, low, high))
    den = abs(big_int(rng, low, high)) if k < 0.85 else rng.randrange(2, 1000)
    num = big_int(rng, low, high) if k < 0.7 or den < 1000 else rng.randrange(-1000, 1000)
    return sp.Rational(num, den)


def big_text(value, rng=None):
    """The field text of a value, sometimes written as a decimal or full-width."""
    value = sp.Rational(value)
    text = str(value)
    if rng is not None and rng.random() < 0.1:
        for k in range(1, 12):  # a finite decimal when the denominator allows
            if (value * 10**k).q == 1:
                whole, part = divmod(abs(value.p) * 10**k // value.q, 10**k)
                text = f"{'-' if value < 0 else ''}{whole}.{part:0{k}d}"
                break
        if rng.random() < 0.3:
            text = "".join(chr(ord(c) + 0xFEE0) if c in "0123456789-/." else c for c in text)
    return text


def big_texts(rng, count, low=11, high=40):
    """Texts for count fields, most of them beyond 32 bits."""
    return [big_text(big_rational(rng, low, high), rng) if rng.random() < 0.75 else rational_text(rng) for _ in range(count)]

def small_poly_coeffs(rng, degree):
    """Integer coefficients (low to high) of a product of small factors."""
    poly = sp.Poly(rng.randrange(1, 4) * rng.choice([1, -1]), sp.Symbol("x"))
    x = sp.Symbol("x")
    while poly.degree() < degree:
        room = degree - poly.degree()
        if room >= 2 and rng.random() < 0.35:
            f = sp.Poly(rng.randrange(1, 4) * x**2 + rng.randrange(-5, 6) * x + rng.randrange(-6, 7), x)
        else:
            f = sp.Poly(rng.randrange(1, 4) * x - rng.randrange(-6, 7), x)
        poly = poly * f
    coeffs = poly.all_coeffs()[::-1]
    return [int(c) for c in coeffs] + [0] * (degree + 1 - len(coeffs))


def coefficient_texts(rng, count, structured=0.4, odd=True):
    """Texts for count coefficient fields (low to high power)."""
    if rng.random() < structured:
        degree = rng.randrange(0, count)
        coeffs = small_poly_coeffs(rng, degree)
        texts = [str(c) if c != 0 and rng.random() < 0.97 else ("" if rng.random() < 0.7 else "0") for c in coeffs]
        if rng.random() < 0.2:  # a fraction multiple of a nice polynomial
            den = rng.randrange(2, 7)
            texts = [f"{c}/{den}" if c else t for c, t in zip(coeffs, texts)]
        return texts + [""] * (count - len(texts))
    top = rng.randrange(0, count)
    return [rational_text(rng, odd=odd) if i <= top else ("" if rng.random() < 0.9 else "0") for i in range(count)]


def big_factors(rng, degree, digits=40):
    """Integer coefficients (low to high) of a product of factors with big
    coefficients, about digits long in all: each factor linear or a quadratic
    whose discriminant is a square times a small number, so that roots stay
    cheap to write exactly."""
    x = sp.Symbol("x")
    share = max(4, digits // max(degree, 1))
    poly = sp.Poly(rng.choice([1, -1, rng.randrange(2, 100)]), x)
    while poly.degree() < degree:
        if degree - poly.degree() >= 2 and rng.random() < 0.4:
            poly = poly * sp.Poly(quadratic_from_discriminant(rng, max(1, share - 3), share), x)
        else:
            poly = poly * sp.Poly(abs(big_int(rng, share // 2, share)) * x - big_int(rng, 1, share), x)
    coeffs = poly.all_coeffs()[::-1]
    return [int(c) for c in coeffs] + [0] * (degree + 1 - len(coeffs))


def quadratic_from_discriminant(rng, low=11, high=20):
    """a x^2 + b x + c with b^2 - 4ac = m^2 s, s small and square-free
    (negative for complex roots): its roots are (-b ± m√s) / 2a."""
    x = sp.Symbol("x")
    s = rng.choice([-7, -3, -2, -1, 2, 3, 5, 6, 7, 10, 11, 13, 17, 65537])
    a, m = abs(big_int(rng, 1, high)), big_int(rng, low, high)
    b = rng.randrange(0, 2 * a) if rng.random() < 0.5 else big_int(rng, low, high)
    c = sp.Rational(b * b - m * m * s, 4 * a)
    return sp.expand(a * c.q * x**2 + b * c.q * x + c.p)
