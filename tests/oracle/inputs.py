"""Random field texts and what the program's documented readers make of them.

The readers here follow the documented reading rules of the number fields
(an optional sign, digits, optionally "/" and digits; "-" anywhere makes the
number negative; a zero denominator reads as 1; a bad first character is a
warning and 0; any other stray character abandons the calculation; a typed
magnitude beyond 2^31 - 1 is the overflow failure). They decide which
message a field must produce, never what a calculation gives.
"""

import sympy as sp

LIMIT = 2**31 - 1


def warning(text):
    """A message of the window's own: caption "警告", warning icon."""
    return f"warning: {text}"


def error(text):
    """The general error box: the failure's text and a final "."."""
    return f"error: {text}."


BAD_INPUT = warning("入力が間違ってます")
OVERFLOW = error("数値が大きすぎて計算できません")
DEGREE = error("次数が10を超えるため計算できません")
ZERO_DIVIDE = error("ゼロによる除算")


def conversion(piece):
    return error(f"'{piece}' は整数ではありません")


def fits(value):
    """A rational whose numerator and denominator both fit in 32 bits."""
    value = sp.Rational(value)
    return abs(value.p) <= LIMIT and value.q <= LIMIT


class Failure(Exception):
    """A reading failure that abandons the calculation (its error box text)."""

    def __init__(self, text):
        super().__init__(text)
        self.text = text


def read_rational(text, warnings):
    """The value a number field reads as; warnings collects the warning texts."""
    if text == "":
        return sp.Integer(0)
    first = 1 if text[0] in "+-" else 0
    if first >= len(text) or not text[first].isdigit() or not text[first].isascii():
        warnings.append(BAD_INPUT)
        return sp.Integer(0)
    negative, in_den, num, den = False, False, 0, 0
    for ch in text:
        if not in_den and ch == "+":
            continue
        if not in_den and ch == "-":
            negative = True
            continue
        if not in_den and ch == "/":
            in_den = True
            continue
        if not ("0" <= ch <= "9"):
            raise Failure(conversion(ch))
        if in_den:
            den = den * 10 + int(ch)
            if den > LIMIT:
                raise Failure(OVERFLOW)
        else:
            num = num * 10 + int(ch)
            if num > LIMIT:
                raise Failure(OVERFLOW)
    return sp.Rational(-num if negative else num, den or 1)


def read_integer(text):
    """A whole field as one 32-bit integer (counting, indefinite equations)."""
    body = text[1:] if text[:1] in ("+", "-") else text
    if not body or not all("0" <= ch <= "9" for ch in body):
        raise Failure(conversion(text))
    value = int(text)
    if abs(value) > LIMIT:
        raise Failure(OVERFLOW)
    return value


def read_fields(texts, warnings):
    """Reads texts in order; a Failure ends the reading as the program does."""
    return [read_rational(t, warnings) for t in texts]


# ---------------------------------------------------------------------------
# Generators


def near_limit(rng):
    return LIMIT - rng.randrange(0, 1000) if rng.random() < 0.7 else rng.randrange(LIMIT // 2, LIMIT + 1)


def int_text(rng, large=0.05):
    """A signed integer text: mostly small, sometimes near the 32-bit limit."""
    k = rng.random()
    if k < large:
        v = near_limit(rng)
    elif k < large + 0.15:
        v = rng.randrange(10, 100000)
    elif k < large + 0.25:
        v = rng.randrange(100000, LIMIT)
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
            "12-3", "3/0", "+5", "-0", "007", "4/6", "+1/2", "3/",  # read as the rules say
            "x", "-", "/2", "a", "+x",  # bad first character: warning and 0
            "1a", "2.5", "1/-2", "-4/-", "1/2/3",  # conversion failure
            "2147483648", "-2147483648", "1/99999999999",  # typed number too large
        ]
    )


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
