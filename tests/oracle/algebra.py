# SPDX-License-Identifier: GPL-3.0-or-later
"""The algebra windows: four operations, factorization, quadratic and
higher-degree equations, linear systems, indefinite equations."""

import math

import sympy as sp

import texts
from checks import (
    TOP,
    ZERO_POLY,
    check_factored,
    content_primitive,
    factored_too_long,
    messages,
    overflowed,
    poly,
    quadratic_roots,
    read_all,
    same_roots,
    stopped,
    surd_parts,
    too_long,
)
from driver import need
from inputs import (
    DEGREE,
    Failure,
    ZERO_DIVIDE,
    big_factors,
    big_int,
    big_rational,
    big_text,
    big_texts,
    coefficient_texts,
    int_text,
    normalize,
    rational_text,
    read_integer,
    read_rational,
    small_poly_coeffs,
    warning,
)

X = texts.X


def set_lines(cls, pairs):
    return [f"set {cls}.{control} {text}" for control, text in pairs]


def rational_readers(case, controls):
    return [lambda c=c: read_rational(case[c]) for c in controls]


def product_texts(a, b):
    """Field texts (constant first, six fields) of the product of two
    coefficient lists."""
    p = sp.Poly(poly(a) * poly(b), X).all_coeffs()[::-1]
    return [str(c) if c else "" for c in p] + [""] * (6 - len(p))


def coefficient_fields(coeffs, count, rng):
    """Field texts (constant first) of coefficients, zeros mostly left empty,
    sometimes all divided by a big number."""
    den = abs(big_int(rng)) if rng.random() < 0.3 else 1
    texts_ = [big_text(sp.Rational(c, den), rng) if c else rng.choice(["", "", "0"]) for c in coeffs]
    return texts_ + [""] * (count - len(texts_))


def roots_too_long(roots):
    return any(too_long(*surd_parts(r)) for r in roots)


# ---------------------------------------------------------------------------


WORDS = ("", "解なし", "実数解なし", "すべての実数")


def board_roots(case, shown):
    text = shown["EditAns"]
    if text in WORDS:
        return text
    roots = text.split(" , ")
    if all(r.startswith("≈") for r in roots):  # the board writes "x ≈" once
        return "x≈" + " , ".join(r[1:] for r in roots)
    return "x=" + text


def rounded_roots(shown_roots, factors):
    """Decimal roots "≈d": one for each real root of the factors without
    exact roots, each d that root correctly rounded to its decimals."""
    if not factors:
        need(not shown_roots, "no decimal roots")
        return
    product = sp.Poly(sp.Mul(*factors), X)
    need(len(shown_roots) == len(set(shown_roots)), "each decimal root once")
    need(len(shown_roots) == product.count_roots(), f"{product.count_roots()} decimal roots")
    for text in shown_roots:
        decimals = len(text.partition(".")[2])
        d, h = sp.Rational(text), sp.Rational(1, 2 * 10**decimals)
        need(product.count_roots(d - h, d + h) >= 1, f"a root within {h} of {text}")


def board_answer(case, shown):
    return shown["EditAns"]


class Enzan:
    cls = "TEnzanForm"
    board = staticmethod(board_answer)
    F = [f"EditF{i}" for i in range(6)]
    G = [f"EditG{i}" for i in range(6)]
    OPS = ["AddSButton", "SubSButton", "MulSButton", "DivSButton", "PowerSButton", "EnterSButton", "GcdSButton", "LcmSButton"]

    def generate(self, rng):
        op = rng.choice(self.OPS)
        f = coefficient_texts(rng, 6, structured=0.5 if op in ("GcdSButton", "LcmSButton") else 0.3)
        g = coefficient_texts(rng, 6, structured=0.5 if op in ("GcdSButton", "LcmSButton", "DivSButton") else 0.3)
        if op in ("GcdSButton", "LcmSButton") and rng.random() < 0.5:
            # f = a·c and g = b·c with a shared factor c, so that the gcd is not 1
            dc = rng.randrange(1, 4)
            c = small_poly_coeffs(rng, dc)
            f = product_texts(small_poly_coeffs(rng, rng.randrange(0, 6 - dc)), c)
            g = product_texts(small_poly_coeffs(rng, rng.randrange(0, 6 - dc)), c)
        if op == "PowerSButton":
            k = rng.random()
            if k < 0.5:
                f = [rational_text(rng, odd=False) if rng.random() < 0.8 else rng.choice(["2", "-2", "1/2", "-3/7", "10"])] + [""] * 5
            exponent = rng.choice([str(rng.randrange(-12, 13)), str(rng.randrange(-800, 800)), int_text(rng, large=0.3), "4/2", "1/2", "-6/3"])
            g = [exponent] + [""] * 5 if rng.random() < 0.9 else g
        return {"op": op, **dict(zip(self.F, f)), **dict(zip(self.G, g))}

    # Long divisions: a textbook's, one with gaps in the dividend and the
    # quotient, and a divisor with a fractional quotient.
    FIXED = [
        {"op": "DivSButton", **dict(zip(F, ["-5", "1", "-2", "1", "", ""])), **dict(zip(G, ["-2", "1", "", "", "", ""]))},
        {"op": "DivSButton", **dict(zip(F, ["-1", "", "", "", "1", ""])), **dict(zip(G, ["1", "", "1", "", "", ""]))},
        {"op": "DivSButton", **dict(zip(F, ["4", "", "-3", "2", "", ""])), **dict(zip(G, ["-1", "2", "", "", "", ""]))},
    ]

    def big(self, rng):
        op = rng.choice(self.OPS)
        k = rng.random()
        if op in ("AddSButton", "SubSButton", "MulSButton") and k < 0.25:
            # typed numbers up to the limit, answers at it or past it
            f = [rng.choice(["9" * 500, "-" + "9" * 500, "1" + "0" * 499, "0000" + "9" * 500, "7" * 250, "3" * 300])]
            g = [rng.choice(["1", "-1", "", "9" * 500, "2", "3" * 300, "1/3", "-1" + "0" * 499])]
            f, g = f + [""] * 5, g + [""] * 5
        elif op in ("GcdSButton", "LcmSButton", "EnterSButton") or (op == "DivSButton" and k < 0.5):
            # products with a shared factor; compositions within degree 10
            dc = rng.randrange(1, 4)
            c = big_factors(rng, dc, 20)
            a = big_factors(rng, rng.randrange(0, 6 - dc), 20)
            b = big_factors(rng, rng.randrange(0, 6 - dc), 20)
            f, g = product_texts(a, c), product_texts(b, c) if op != "EnterSButton" else coefficient_fields(c, 6, rng)
        elif op == "PowerSButton":
            if k < 0.6:
                f = [big_text(big_rational(rng), rng)] + [""] * 5
                g = [str(rng.randrange(-30, 31))] + [""] * 5
            elif k < 0.8:
                f = coefficient_fields(big_factors(rng, rng.randrange(1, 3), 20), 6, rng)
                g = [str(rng.randrange(-5, 6))] + [""] * 5
            else:
                f = [rng.choice(["0", "1", "-1", "2", "-1/2", "10"])] + [""] * 5
                g = [str(big_int(rng))] + [""] * 5
        else:
            f = big_texts(rng, rng.randrange(1, 7), high=20)
            f, g = f + [""] * (6 - len(f)), big_texts(rng, rng.randrange(1, 4), high=20)
            g = g + [""] * (6 - len(g))
        return {"op": op, **dict(zip(self.F, f)), **dict(zip(self.G, g))}

    def commands(self, case):
        fields = [(c, case[c]) for c in reversed(self.F)] + [(c, case[c]) for c in reversed(self.G)]
        return set_lines(self.cls, fields) + [f"click {self.cls}.{case['op']}"]

    def prints(self, case):
        return ["EditAns"]

    def check(self, case, shown):
        initial = {"EditAns": "answer"}
        read = read_all(rational_readers(case, list(reversed(self.F)) + list(reversed(self.G))), shown, initial)
        if read is None:
            return
        values, warns = read
        f = poly(reversed(values[:6]))
        g = poly(reversed(values[6:]))
        op = case["op"]
        shown.functions = {"f": f, "g": g}

        if op in ("AddSButton", "SubSButton", "MulSButton"):
            r = {"AddSButton": f + g, "SubSButton": f - g, "MulSButton": sp.expand(f * g)}[op]
            if overflowed(shown, warns, too_long(r), initial):
                return
            messages(shown, warns)
            need(texts.polynomial(shown["EditAns"]) == sp.expand(r), f"{sp.expand(r)}")
        elif op == "EnterSButton":
            df, dg = sp.degree(f, X) if f != 0 else 0, sp.degree(g, X) if g != 0 else 0
            if df * dg > 10:
                stopped(shown, warns + [DEGREE], initial)
                return
            r = sp.expand(f.subs(X, g))
            if overflowed(shown, warns, too_long(r), initial):
                return
            messages(shown, warns)
            need(texts.polynomial(shown["EditAns"]) == r, f"{r}")
        elif op == "DivSButton":
            if g == 0:
                stopped(shown, warns + [ZERO_DIVIDE], initial)
                return
            q, r = sp.div(f, g, X)
            if overflowed(shown, warns, too_long(q, r), initial):
                return
            messages(shown, warns)
            qt, sep, rt = shown["EditAns"].partition("  余り  ")
            need(sep and texts.polynomial(qt) == sp.expand(q) and texts.polynomial(rt) == sp.expand(r), f"{q}  余り  {r}")
        elif op == "PowerSButton":
            self.check_power(f, g, warns, shown, initial)
        else:
            if f == 0 or g == 0:
                stopped(shown, warns + [ZERO_DIVIDE], initial)
                return
            cf, _ = content_primitive(f)
            cg, _ = content_primitive(g)
            _, h = content_primitive(sp.gcd(f, g))
            if cf.q == 1 and cg.q == 1:
                h = h * sp.igcd(cf.p, cg.p)
            r = h if op == "GcdSButton" else sp.expand(sp.cancel(f * g / h))
            if overflowed(shown, warns, factored_too_long(r), initial):
                return
            messages(shown, warns)
            check_factored(shown["EditAns"], sp.expand(r))

    def check_power(self, f, g, warns, shown, initial):
        if g != 0 and sp.degree(g, X) != 0:
            stopped(shown, warns + [warning("g(x) は0次式にしてください")], initial)
            return
        if not sp.Rational(g).is_integer:
            stopped(shown, warns + [warning("g(x) の定数項は整数にしてください")], initial)
            return
        n = int(g)
        if f != 0 and sp.degree(f, X) > 0:
            if sp.degree(f, X) * abs(n) > 10:
                stopped(shown, warns + [DEGREE], initial)
                return
            r = sp.expand(f ** abs(n))
            if overflowed(shown, warns, too_long(r), initial):
                return
            messages(shown, warns)
            ans = shown["EditAns"]
            if n < 0:
                need(ans.startswith("1/(") and ans.endswith(")") and texts.polynomial(ans[3:-1]) == r, f"1/({r})")
            else:
                need(texts.polynomial(ans) == r, f"{r}")
            return
        base = sp.Rational(f)
        if base == 0 and n < 0:
            stopped(shown, warns + [ZERO_DIVIDE], initial)
            return
        messages(shown, warns)
        if abs(base) in (0, 1) or n == 0 or abs(n) * math.log10(max(abs(base.p), base.q)) < 600:
            value = base**n
            overlong = too_long(value)
        else:
            overlong = True
        if overlong:
            need(shown["EditAns"] == "overflow", "overflow (more than 500 digits)")
        else:
            need(texts.rational(shown["EditAns"]) == value, f"{value}")


# ---------------------------------------------------------------------------


class Insuu:
    cls = "TInsuuForm"
    board = staticmethod(board_answer)
    E = [f"Edit{i}" for i in range(5)]

    def generate(self, rng):
        return dict(zip(self.E, coefficient_texts(rng, 5, structured=0.6)))

    def big(self, rng):
        return dict(zip(self.E, coefficient_fields(big_factors(rng, rng.randrange(1, 5)), 5, rng)))

    # Then the textbook's formulas (constant term first): X = x², a square
    # added and taken away, squares twice, cubes, a perfect square and cube,
    # grouping, the factor theorem, and near misses of each; and
    # 6x² + x − 2 = (2x − 1)(3x + 2) by たすき掛け.
    FIXED = list(
        map(
            lambda coeffs, E=E: dict(zip(E, coeffs)),
            (
                ["1/2", "110001/2", "1500055000", "1500000000", ""],
                ["4", "", "-5", "", "1"],
                ["1", "", "1", "", "1"],
                ["-6", "", "-1", "", "1"],
                ["4", "", "", "", "1"],
                ["-16", "", "", "", "1"],
                ["2", "", "1", "", "1"],
                ["-6", "11", "-6", "1", ""],
                ["-8", "", "", "1", ""],
                ["27", "", "", "8", ""],
                ["-9", "", "", "1", ""],
                ["-9", "", "1", "", ""],
                ["-25", "", "4", "", ""],
                ["9", "6", "1", "", ""],
                ["8", "6", "1", "", ""],
                ["8", "12", "6", "1", ""],
                ["-1", "-1", "1", "1", ""],
                ["2", "1", "1", "1", ""],
                ["1", "-2", "", "", "1"],
                ["1", "-1", "", "-1", "1"],
                ["-2", "1", "6", "", ""],
            ),
        )
    )

    def commands(self, case):
        return set_lines(self.cls, [(c, case[c]) for c in reversed(self.E)]) + [f"click {self.cls}.CalcButton"]

    def prints(self, case):
        return ["EditAns"]

    def check(self, case, shown):
        initial = {"EditAns": "answer"}
        read = read_all(rational_readers(case, list(reversed(self.E))), shown, initial)
        if read is None:
            return
        values, warns = read
        p = poly(reversed(values))
        shown.relation = ("roots", p)  # the equations its factors are solved by
        if p == 0:
            stopped(shown, warns + [ZERO_POLY], initial)
            return
        if overflowed(shown, warns, factored_too_long(p), initial):
            return
        messages(shown, warns)
        check_factored(shown["EditAns"], p)


class Niji:
    cls = "TNijiForm"
    board = staticmethod(board_roots)
    E = ["Edit0", "Edit1", "Edit2"]

    def generate(self, rng):
        texts_ = coefficient_texts(rng, 3, structured=0.6)
        if rng.random() < 0.1:  # a large discriminant
            texts_ = [int_text(rng, large=0.5) for _ in range(3)]
        return dict(zip(self.E, texts_))

    def big(self, rng):
        if rng.random() < 0.15:  # a linear left side
            return dict(zip(self.E, [big_text(big_rational(rng), rng), big_text(big_rational(rng), rng), ""]))
        return dict(zip(self.E, coefficient_fields(big_factors(rng, 2), 3, rng)))

    # Tiny coefficients, then one equation of each textbook method: the sum
    # and product, たすき掛け, D/4, the root formula, square roots (real and
    # imaginary), complex roots, the factor x, a square.
    FIXED = [dict(zip(E, ["", "-1/50001", "1/50000"])), dict(zip(E, ["-1/65537", "", "1/65536"]))] + list(
        map(
            lambda coeffs, E=E: dict(zip(E, coeffs)),
            (
                ["6", "-5", "1"],
                ["-2", "1", "6"],
                ["1", "4", "1"],
                ["1", "-3", "1"],
                ["-8", "", "1"],
                ["4", "0", "1"],
                ["1", "1", "1"],
                ["", "3", "2"],
                ["1", "-4", "4"],
            ),
        )
    )

    commands = Insuu.commands
    prints = Insuu.prints

    def check(self, case, shown):
        initial = {"EditAns": "answer"}
        read = read_all(rational_readers(case, ["Edit2", "Edit1", "Edit0"]), shown, initial)
        if read is None:
            return
        (a, b, c), warns = read
        p = poly([c, b, a])
        shown.relation = ("roots", p)
        if p == 0:
            stopped(shown, warns + [ZERO_POLY], initial)
            return
        if a == 0:  # a linear left side: its one root, or none
            if b != 0 and overflowed(shown, warns, too_long(-c / b), initial):
                return
            messages(shown, warns)
            ans = shown["EditAns"]
            if b == 0:
                need(ans == "解なし", "解なし")
            else:
                need(texts.rational(ans) == -c / b, f"{-c / b}")
            return
        expected = list(sp.roots(sp.Poly(p, X)))  # the distinct roots
        if overflowed(shown, warns, roots_too_long(expected), initial):
            return
        messages(shown, warns)
        same_roots(texts.roots(shown["EditAns"]), expected)


class Koji:
    cls = "TKojiForm"
    board = staticmethod(board_roots)
    E = [f"Edit{i}" for i in range(5)]

    # Factors without exact roots (constant term first): three real roots, one
    # real and two complex, a quartic without real roots, such a cubic beside
    # a linear factor, roots 1 ± √2·10⁻⁷, and 100-digit coefficients.
    FIXED = list(
        map(
            lambda coeffs, E=E: dict(zip(E, coeffs)),
            (
            ["1", "-3", "", "1", ""],
            ["-2", "", "", "1", ""],
            ["1", "1", "", "", "1"],
            ["-1", "4", "-3", "-1", "1"],
            ["-99999999999998", "299999999999994", "-300000000000000", "100000000000000", ""],
            ["1", "-1" + "0" * 100, "", "1", ""],
                ["7" * 100, "-" + "3" * 99, "1" + "0" * 99, "", "-" + "9" * 100],
                # X = x², with rational, surd and imaginary roots, and a double X
                ["4", "", "-5", "", "1"],
                ["-6", "", "-1", "", "1"],
                ["3", "", "-7", "", "2"],
                ["1", "", "-2", "", "1"],
                ["1", "", "1", "", "1"],
                ["-8", "", "", "1", ""],
                ["-1", "-1", "1", "1", ""],
                # a quadratic factor without an x term, by square roots:
                # x² − 3, x² + 2, 2x² − 3 beside x − 1
                ["3", "-3", "-1", "1", ""],
                ["-2", "2", "-1", "1", ""],
                ["3", "-3", "-2", "2", ""],
            ),
        )
    )

    def generate(self, rng):
        return dict(zip(self.E, coefficient_texts(rng, 5, structured=0.65)))

    def big(self, rng):
        if rng.random() < 0.3:
            # Coefficients of up to 100 digits, none zero: almost surely
            # irreducible, so that no quadratic factor needs a 200-digit
            # discriminant factored.
            degree = rng.randrange(3, 5)
            coeffs = [big_int(rng, 1, 100) for _ in range(degree + 1)]
            return dict(zip(self.E, [str(c) if c else "" for c in coeffs] + [""] * (5 - len(coeffs))))
        return dict(zip(self.E, coefficient_fields(big_factors(rng, rng.randrange(1, 5)), 5, rng)))

    commands = Insuu.commands
    prints = Insuu.prints

    def check(self, case, shown):
        initial = {"EditAns": "answer"}
        read = read_all(rational_readers(case, list(reversed(self.E))), shown, initial)
        if read is None:
            return
        values, warns = read
        p = poly(reversed(values))
        shown.relation = ("roots", p)
        if p == 0:
            # Zeros typed make 0 = 0; fields left empty are no equation.
            if any(normalize(case[e]) for e in self.E):
                messages(shown, warns)
                need(shown["EditAns"] == "すべての実数", "すべての実数")
            else:
                stopped(shown, warns + [ZERO_POLY], initial)
            return
        if sp.Poly(p, X).degree() == 0:
            messages(shown, warns)
            need(shown["EditAns"] == "解なし", "解なし")
            return
        expected, higher = [], []
        for factor, _ in sp.factor_list(p, X)[1]:
            degree = sp.Poly(factor, X).degree()
            if degree == 1:
                expected.append(sp.solve(factor, X)[0])
            elif degree == 2:
                expected.extend(quadratic_roots(factor))
            else:
                higher.append(factor)
        if overflowed(shown, warns, roots_too_long(expected), initial):
            return
        messages(shown, warns)
        text = shown["EditAns"]
        if not expected and higher and not sp.Poly(sp.Mul(*higher), X).count_roots():
            need(text == "実数解なし", "実数解なし")
            return
        parts = text.split(" , ") if text else []
        same_roots(texts.roots(" , ".join(r for r in parts if not r.startswith("≈"))), expected)
        rounded_roots([r[1:] for r in parts if r.startswith("≈")], higher)


# ---------------------------------------------------------------------------


def linear_system_check(rows, unknowns, reading, answer_fields, case, shown):
    """rows: per equation the coefficient controls and the right-hand side."""
    initial = {f: "answer" for f in answer_fields}
    read = read_all(rational_readers(case, reading), shown, initial)
    if read is None:
        return
    values, warns = read
    value = dict(zip(reading, values))
    syms = sp.symbols(" ".join(unknowns))
    equations = [sum(value[c] * s for c, s in zip(coeffs, syms)) - value[rhs] for coeffs, rhs in rows]
    solutions = sp.linsolve(equations, *syms)
    shown.relation = ("span", (syms, equations))
    if solutions == sp.EmptySet:
        expected = ["解なし"] * len(unknowns)
    else:
        (solution,) = solutions
        if any(v.free_symbols for v in solution):
            expected = ["不定"] * len(unknowns)
        else:
            expected = list(solution)
            shown.relation = ("point", dict(zip(syms, solution)))
    numeric = not isinstance(expected[0], str)
    if overflowed(shown, warns, numeric and too_long(*expected), initial):
        return
    messages(shown, warns)
    for control, want in zip(answer_fields, expected):
        if isinstance(want, str):
            need(shown[control] == want, f"{control} = {want}")
        else:
            need(texts.rational(shown[control]) == want, f"{control} = {want}")


class Renritu:
    cls = "TRenrituForm"
    ROWS = [(["EditX1", "EditY1"], "EditA1"), (["EditX2", "EditY2"], "EditA2")]
    READING = ["EditX1", "EditY1", "EditX2", "EditY2", "EditA1", "EditA2"]
    ANSWERS = ["EditAnsX", "EditAnsY"]
    UNKNOWNS = ["x", "y"]

    def generate(self, rng):
        return self.system(rng, lambda: rational_text(rng, large=0.02))

    def big(self, rng):
        return self.system(rng, lambda: big_text(big_rational(rng), rng) if rng.random() < 0.8 else rational_text(rng))

    def system(self, rng, text):
        case = {c: text() for c in self.READING}
        if rng.random() < 0.25:
            # a singular system: the last row a multiple of the first, with
            # a right-hand side that keeps it consistent or not
            factor = rng.choice([2, -1, 3, sp.Rational(1, 2), 0])
            first, last = self.ROWS[0], self.ROWS[-1]
            for a, b in zip(first[0] + [first[1]], last[0] + [last[1]]):
                value = self._value(case[a]) * factor
                if b != last[1] or rng.random() < 0.5:
                    case[b] = str(value) if value != 0 else ""
        return case

    @staticmethod
    def _value(text):
        try:
            return read_rational(text)
        except Failure:
            return sp.Integer(0)

    def commands(self, case):
        return set_lines(self.cls, [(c, case[c]) for c in self.READING]) + [f"click {self.cls}.CalcButton"]

    def prints(self, case):
        return self.ANSWERS

    def check(self, case, shown):
        linear_system_check(self.ROWS, self.UNKNOWNS, self.READING, self.ANSWERS, case, shown)

    def board(self, case, shown):
        values = [shown[c] for c in self.ANSWERS]
        if values[0] in ("解なし", "不定"):
            return values[0]
        return "\n".join(f"{u}={v}" for u, v in zip(self.UNKNOWNS, values))


class Renritu3(Renritu):
    cls = "TRenritu3Form"
    ROWS = [([f"EditX{i}", f"EditY{i}", f"EditZ{i}"], f"EditA{i}") for i in (1, 2, 3)]
    READING = [f"Edit{v}{i}" for i in (1, 2, 3) for v in "XYZ"] + ["EditA1", "EditA2", "EditA3"]
    ANSWERS = ["EditAnsX", "EditAnsY", "EditAnsZ"]
    UNKNOWNS = ["x", "y", "z"]


# ---------------------------------------------------------------------------


def some_solution_fits(a, bb, c):
    """Whether a x + bb y = c (a or bb not 0, gcd dividing c) has an integer
    solution that an answer can write: |x| and |y| below 10^500. Worked out
    on its own, as the integers t for which both x0 + sx t and y0 + sy t fit."""
    if a == 0 or bb == 0:
        return abs(c // (a or bb)) < TOP
    g = math.gcd(a, bb)
    # the extended algorithm: a u + bb v = g
    r0, r1, u0, u1, v0, v1 = a, bb, 1, 0, 0, 1
    while r1:
        q = r0 // r1
        r0, r1, u0, u1, v0, v1 = r1, r0 - q * r1, u1, u0 - q * u1, v1, v0 - q * v1
    if r0 < 0:
        u0, v0 = -u0, -v0
    x0, y0 = u0 * (c // g), v0 * (c // g)
    low, high = None, None
    for start, step in ((x0, bb // g), (y0, -a // g)):
        if step < 0:
            start, step = -start, -step
        lo = -((TOP - 1 + start) // step)  # ceil((-(TOP - 1) - start) / step)
        hi = (TOP - 1 - start) // step
        low = lo if low is None else max(low, lo)
        high = hi if high is None else min(high, hi)
    return low <= high


class Hutei:
    cls = "THuteiForm"

    def generate(self, rng):
        def coefficient():
            k = rng.random()
            if k < 0.03:
                return rng.choice(["", "x", "1.5", "2147483648", "-2147483648", "+7", "007", "3.0", "-4.", "\uff13", "\u22125", " 9 ", "2.01"])
            if k < 0.12:
                return rng.choice(["0", "1", "-1"])
            if k < 0.3:
                return str(rng.choice([1, -1]) * rng.choice([89, 144, 233, 377, 610, 987, 1597, 28657, 514229, 1346269]))
            return int_text(rng, large=0.05)

        return {
            "xEdit": coefficient(),
            "yEdit": coefficient(),
            "zEdit": coefficient() if rng.random() < 0.5 else str(rng.randrange(-20, 21)),
            "sign": rng.randrange(2),
            "mode": rng.choice(["OneRadio", "AllRadio"]),
        }

    def big(self, rng):
        if rng.random() < 0.3:
            return self.huge(rng)
        # a x + b y = c with a shared factor g that c mostly has as well
        g = abs(big_int(rng, 1, 15))
        a, b = g * big_int(rng, 1, 25), g * big_int(rng, 1, 25)
        c = g * big_int(rng, 1, 30) if rng.random() < 0.85 else big_int(rng)
        texts_ = [str(v) if rng.random() < 0.9 else big_text(v, rng) + rng.choice(["", ".0", "x"]) for v in (a, b, c)]
        if rng.random() < 0.05:
            texts_[rng.randrange(3)] = rng.choice(["9" * 501, "-1" + "0" * 500])  # too large
        return {"xEdit": texts_[0], "yEdit": texts_[1], "zEdit": texts_[2], "sign": rng.randrange(2), "mode": rng.choice(["OneRadio", "AllRadio"])}

    def huge(self, rng):
        # coefficients of 300 to 500 digits, where the Bezout coefficients
        # times c run far beyond 500 digits; c mostly a multiple of the gcd
        a, b, c = (big_int(rng, 300, 500) for _ in range(3))
        if rng.random() < 0.85:
            g = math.gcd(a, b)
            c -= c % g
        return {"xEdit": str(a), "yEdit": str(b), "zEdit": str(c), "sign": rng.randrange(2), "mode": rng.choice(["OneRadio", "AllRadio"])}

    FIXED = [{"xEdit": "3", "yEdit": "5", "zEdit": z, "sign": sign, "mode": m}
             for z in ("2000000000", "9" * 500) for sign in (0, 1) for m in ("OneRadio", "AllRadio")] + [
        # every solution as a textbook finds it: one solution, ① − ②, the coprime factors
        {"xEdit": a, "yEdit": b, "zEdit": c, "sign": sign, "mode": "AllRadio"}
        for a, b, c, sign in (("3", "5", "1", 0), ("228", "1073292", "77", 1), ("7", "5", "1", 1),
                              ("-3", "5", "7", 0), ("6", "4", "2", 0), ("6", "4", "0", 0), ("29", "11", "5", 0),
                              ("2023", "1219", "7", 1), ("377", "233", "1", 0))
    ]

    def commands(self, case):
        return set_lines(self.cls, [(c, case[c]) for c in ("xEdit", "yEdit", "zEdit")]) + [
            f"select {self.cls}.RadioGroup1 {case['sign']}",
            f"click {self.cls}.{case['mode']}",
            f"click {self.cls}.CalcButton",
        ]

    def prints(self, case):
        return ["xAnsEdit1", "yAnsEdit1"] if case["mode"] == "OneRadio" else ["xAnsEdit2", "yAnsEdit2"]

    def board(self, case, shown):
        x, y = self.prints(case)
        return f"x={shown[x]},y={shown[y]}"

    def check(self, case, shown):
        fields = self.prints(case)
        initial = {f: "answer" for f in fields}
        read = read_all([lambda c=c: read_integer(case[c]) for c in ("xEdit", "yEdit", "zEdit")], shown, initial)
        if read is None:
            return
        (a, b, c), _ = read
        s = 1 if case["sign"] == 0 else -1  # a x + s b y = c
        shown.relation = ("line", a * X + s * b * sp.Symbol("y") - c)
        if a == 0 and b == 0:
            stopped(shown, [ZERO_POLY], initial)
            return
        g = math.gcd(a, b)
        if c % g:
            stopped(shown, [warning("整数解はありません")], initial)
            return
        # Refused as too large only where no solution fits, which the
        # readable fields (at most 500 digits each) never meet.
        if overflowed(shown, [], not some_solution_fits(a, s * b, c), initial):
            return
        messages(shown, [])
        if case["mode"] == "OneRadio":
            x, y = int(shown["xAnsEdit1"]), int(shown["yAnsEdit1"])
            need(a * x + s * b * y == c, f"a solution of {a}x {'+-'[s < 0]} {b}y = {c}")
            return
        n = texts.N
        xs = sp.Poly(texts.polynomial(shown["xAnsEdit2"], n), n)
        ys = sp.Poly(texts.polynomial(shown["yAnsEdit2"], n), n)
        need(xs.degree() <= 1 and ys.degree() <= 1, "linear texts in n")
        x0, y0 = int(xs.coeff_monomial(1)), int(ys.coeff_monomial(1))
        alpha, beta = int(xs.coeff_monomial(n)), int(ys.coeff_monomial(n))
        need(a * x0 + s * b * y0 == c, f"a particular solution of {a}x {'+-'[s < 0]} {b}y = {c}")
        need((alpha, beta) == (b // g, -s * a // g), f"x = {b // g}n + X, y = {-s * a // g}n + Y")
