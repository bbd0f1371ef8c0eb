# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks shared by the windows: reading failures, factored answers, roots."""

import sympy as sp

import texts
from driver import need
from inputs import LIMIT, Failure, fits, warning

X = texts.X
ZERO_POLY = warning("正しい係数を入力して下さい")


def unchanged(shown, initial):
    """Answer fields that a stopped calculation must leave as Clear set them."""
    for control, text in initial.items():
        need(shown[control] == text, f"{control} unchanged as {text!r}")


def messages(shown, expected):
    need(shown.messages == expected, f"messages {expected}")


def stopped(shown, expected_messages, initial):
    messages(shown, expected_messages)
    unchanged(shown, initial)


def read_all(readers, shown, initial):
    """Runs the field readers in order. Returns (values, warnings), the
    warnings those that let the calculation go on (none), or None after
    checking that fields that cannot be read stopped it: one warning each, in
    reading order, and the answers as Clear left them."""
    failures, values = [], []
    for read in readers:
        try:
            values.append(read())
        except Failure as failure:
            failures.append(failure.text)
    if failures:
        stopped(shown, failures, initial)
        return None
    return values, []


def allowed_failure(shown, warnings, failure, allowed, initial):
    """True when the case ended in failure (an error box) and that is right."""
    if shown.messages == warnings + [failure]:
        need(allowed, f"an answer, not {failure!r}")
        unchanged(shown, initial)
        return True
    return False


def poly(coeffs, var=X):
    """A polynomial from coefficients listed from the constant up."""
    return sp.expand(sum(sp.Rational(c) * var**i for i, c in enumerate(coeffs)))


def coeffs_fit(expr, var=X):
    expr = sp.expand(expr)
    if expr == 0:
        return True
    return all(fits(c) for c in sp.Poly(expr, var).all_coeffs())


def content_primitive(expr, var=X):
    """expr = c · p with p integer, primitive, positive leading coefficient."""
    p = sp.Poly(expr, var, domain="QQ")
    den, q = p.clear_denoms()
    c, q = q.to_ring().primitive() if q.domain == sp.QQ else q.primitive()
    if q.LC() < 0:
        c, q = -c, -q
    return sp.Rational(c) / sp.Rational(den), q.as_expr()


def factored_fits(expr, var=X):
    """Whether the factored form of expr writes only 32-bit numbers."""
    content, factors = sp.factor_list(sp.expand(expr), var)
    return fits(content) and all(coeffs_fit(f, var) for f, _ in factors) and coeffs_fit(expr, var)


def check_factored(text, expected, var=X):
    """The product of the factors is expected; each factor is irreducible,
    integer, primitive with a positive leading coefficient; equal factors are
    gathered."""
    constant, factors = texts.factored(text, var)
    product = constant
    seen = []
    for factor, multiplicity in factors:
        p = sp.Poly(factor, var)
        need(p.degree() >= 1, f"non-constant factors, not {factor}")
        need(p.domain == sp.ZZ and p.LC() > 0 and p.content() == 1, f"primitive integer factor, not {factor}")
        need(p.is_irreducible, f"irreducible factors, {factor} splits")
        need(all(sp.expand(factor - s) != 0 for s in seen), f"equal factors gathered ({factor} twice)")
        seen.append(factor)
        product *= factor**multiplicity
    need(sp.expand(product - expected) == 0, f"a product equal to {sp.factor(expected)}")


def surd_parts(value):
    """(P, Q, R, D) with value = (P + Q·√R)/D, R square-free (negative for
    complex roots), Q signed, gcd(P, Q, D) = 1, D > 0; (P, 0, 1, D) for a
    rational value.
    Equal values give equal tuples, so roots are compared exactly."""
    value = sp.expand(value)
    rational_part, rest = sp.Integer(0), sp.Integer(0)
    for term in sp.Add.make_args(value):
        if term.is_Rational:
            rational_part += term
        else:
            rest += term
    if rest == 0:
        return int(rational_part.p), 0, 1, int(rational_part.q)
    coeff, radical = rest.as_coeff_Mul()
    coeff = sp.Rational(coeff)
    radicand, sign = 1, 1
    for factor in sp.Mul.make_args(radical):
        if factor == sp.I:
            sign = -1
        elif factor.is_Pow and factor.exp == sp.Rational(1, 2) and factor.base.is_Integer and factor.base > 0:
            radicand *= int(factor.base)
        else:
            raise ValueError(f"not a quadratic surd: {value}")
    square = 1
    for prime, power in sp.factorint(radicand).items():
        square *= prime ** (power // 2)
        radicand //= prime ** (2 * (power // 2))
    coeff *= square
    if radicand == 1 and sign == 1:
        return surd_parts(rational_part + coeff)
    den = sp.ilcm(rational_part.q, coeff.q)
    return int(rational_part * den), int(coeff * den), sign * radicand, int(den)


def surd_fits(value):
    return all(abs(v) <= LIMIT for v in surd_parts(value))


def quadratic_roots(factor, var=X):
    """The two roots of an integer quadratic, exactly, as (P ± Q√R)/D."""
    a, b, c = [sp.Integer(v) for v in sp.Poly(factor, var).all_coeffs()]
    disc = b * b - 4 * a * c
    return [(-b + sp.sqrt(disc)) / (2 * a), (-b - sp.sqrt(disc)) / (2 * a)]


def same_roots(shown_roots, expected):
    """Shown roots equal the expected set: none missing, none extra, none twice."""
    shown_keys = [surd_parts(r) for r in shown_roots]
    expected_keys = sorted(set(surd_parts(r) for r in expected))
    need(len(set(shown_keys)) == len(shown_keys), "each root once")
    need(sorted(shown_keys) == expected_keys, f"roots {[str(r) for r in expected]}")
