# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks shared by the windows: reading failures, factored answers, roots."""

import sympy as sp

import texts
from driver import need
from inputs import DIGITS, OVERFLOW, Failure, warning

X = texts.X
ZERO_POLY = warning("正しい係数を入力して下さい")
TOP = 10**DIGITS  # the first number with more digits than an answer may write


def unchanged(shown, initial):
    """Answer fields that a stopped calculation must leave as Clear set them."""
    for control, text in initial.items():
        need(shown[control] == text, f"{control} unchanged as {text!r}")


def messages(shown, expected):
    need(shown.messages == expected, f"messages {expected}")


def stopped(shown, expected_messages, initial):
    shown.stopped = True
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
        shown.unread = True
        stopped(shown, failures, initial)
        return None
    return values, []


def too_long(*exprs):
    """Whether writing the values takes a number of more than 500 digits."""
    for expr in exprs:
        for r in sp.sympify(expr).atoms(sp.Rational):
            if abs(r.p) >= TOP or r.q >= TOP:
                return True
    return False


def overflowed(shown, warnings, too_big, initial):
    """True when the answer is too long to write: the case must then end in
    the overflow error box, with the answers left as they were."""
    if too_big:
        stopped(shown, warnings + [OVERFLOW], initial)
    return too_big


def poly(coeffs, var=X):
    """A polynomial from coefficients listed from the constant up."""
    return sp.expand(sum(sp.Rational(c) * var**i for i, c in enumerate(coeffs)))


def content_primitive(expr, var=X):
    """expr = c · p with p integer, primitive, positive leading coefficient."""
    p = sp.Poly(expr, var, domain="QQ")
    den, q = p.clear_denoms()
    c, q = q.to_ring().primitive() if q.domain == sp.QQ else q.primitive()
    if q.LC() < 0:
        c, q = -c, -q
    return sp.Rational(c) / sp.Rational(den), q.as_expr()


def factored_too_long(expr, var=X):
    """Whether the factored form of expr takes a number of more than 500 digits."""
    content, factors = sp.factor_list(sp.expand(expr), var)
    return too_long(content, *(f for f, _ in factors))


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
    square, radicand = square_part(radicand)
    coeff *= square
    if radicand == 1 and sign == 1:
        return surd_parts(rational_part + coeff)
    den = sp.ilcm(rational_part.q, coeff.q)
    return int(rational_part * den), int(coeff * den), sign * radicand, int(den)


BOUND = 66000  # past 65537, the biggest small radicand the generators use
SMALL_PRIMES = list(sp.primerange(2, BOUND))


def square_part(n):
    """(s, r) with n = s²·r and r square-free. Radicands here are mostly a
    square times small primes, so trial division and a square test on what is
    left do; only a cofactor with three or more big prime factors is factored."""
    square, free = 1, 1
    for p in SMALL_PRIMES:
        if p * p > n:
            break
        if n % p == 0:
            power = 0
            while n % p == 0:
                n //= p
                power += 1
            square *= p ** (power // 2)
            free *= p ** (power % 2)
    root, exact = sp.integer_nthroot(n, 2)
    if exact:
        return square * root, free
    if n < BOUND**3 or sp.isprime(n):  # at most two big prime factors, not equal
        return square, free * n
    for prime, power in sp.factorint(n).items():
        square *= prime ** (power // 2)
        free *= prime ** (power % 2)
    return square, free


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
