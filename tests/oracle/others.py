# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculus, division-point and counting windows."""

import math

import sympy as sp

import texts
from algebra import board_answer, coefficient_fields, rational_readers, set_lines
from checks import (
    ZERO_POLY,
    check_factored,
    factored_too_long,
    messages,
    overflowed,
    poly,
    read_all,
    stopped,
    surd_parts,
    too_long,
)
from driver import need
from inputs import (
    BAD_INPUT,
    DEGREE,
    DEGREE_TOO_HIGH,
    TOO_LARGE,
    Failure,
    bad_input,
    big_factors,
    big_int,
    big_rational,
    big_text,
    big_texts,
    coefficient_texts,
    denominator,
    int_text,
    normalize,
    rational_text,
    read_integer,
    warning,
)

X, N = texts.X, texts.N


def same_surd(text, value):
    return surd_parts(texts.root(text)) == surd_parts(value)


class Bibun:
    cls = "TBibunForm"
    E = [f"Edit{i}" for i in range(5)]
    MODES = ["RadioKeisuu", "RadioSessen", "RadioKyokuchi"]
    EXTREMA = ["EditAnsBigX", "EditAnsBigY", "EditAnsSmallX", "EditAnsSmallY"]

    def generate(self, rng):
        mode = rng.choice(self.MODES)
        coeffs = coefficient_texts(rng, 5, structured=0.4)
        if mode == "RadioKyokuchi" and rng.random() < 0.8:
            coeffs = coefficient_texts(rng, 4, structured=0.3) + ([""] if rng.random() < 0.9 else [rational_text(rng)])
            if rng.random() < 0.6:  # a cubic
                coeffs[3] = rng.choice([str(rng.randrange(1, 5)), str(-rng.randrange(1, 5)), "1/3", "-2/3", int_text(rng)])
        return {"mode": mode, "EditX": rational_text(rng), **dict(zip(self.E, coeffs))}

    def big(self, rng):
        mode = rng.choice(self.MODES)
        k = rng.random()
        if mode != "RadioKyokuchi":
            coeffs = big_texts(rng, rng.randrange(1, 6), high=20) if k < 0.3 else coefficient_fields(big_factors(rng, rng.randrange(1, 5)), 5, rng)
        elif k < 0.2:  # degree 1 or 4 (a random cubic's critical points would need big square roots)
            coeffs = big_texts(rng, rng.choice([1, 4]), high=20) + [big_text(big_rational(rng, 11, 20), rng)]
        elif k < 0.4:
            coeffs = big_texts(rng, 3, high=20) + ["", ""]
        else:
            coeffs = [big_text(c, rng) if c else "" for c in self.cubic(rng)] + [""]
        coeffs = coeffs + [""] * (5 - len(coeffs))
        return {"mode": mode, "EditX": big_text(big_rational(rng, 1, 20), rng), **dict(zip(self.E, coeffs))}

    # sign charts as a textbook draws them: x³ − 3x² + 1, falling −x³ + 3x, no extremum x³ + x
    FIXED = [
        {"mode": "RadioKyokuchi", "EditX": "", **dict(zip(E, ["1", "", "-3", "1", ""]))},
        {"mode": "RadioKyokuchi", "EditX": "", **dict(zip(E, ["", "3", "", "-1", ""]))},
        {"mode": "RadioKyokuchi", "EditX": "", **dict(zip(E, ["", "1", "", "1", ""]))},
    ]

    @staticmethod
    def cubic(rng):
        """Coefficients (constant first) of a cubic whose derivative is
        k((x - p)^2 - q^2 s): critical points p ± q√s, rational for s a
        square, none for s < 0."""
        k, p, q = big_rational(rng, 1, 12), big_rational(rng, 1, 15), big_int(rng, 1, 12)
        s = rng.choice([2, 3, 5, 7, 13, 65537, 1, 4, 0, -1, -3])
        e = big_rational(rng) if rng.random() < 0.7 else 0
        return [e, k * (p * p - q * q * s), -k * p, k / 3]

    def commands(self, case):
        return (
            [f"click {self.cls}.{case['mode']}"]
            + set_lines(self.cls, [(c, case[c]) for c in reversed(self.E)] + [("EditX", case["EditX"])])
            + [f"click {self.cls}.CalcButton"]
        )

    def prints(self, case):
        return {"RadioKeisuu": ["EditDX", "EditAnsK"], "RadioSessen": ["EditAnsS"], "RadioKyokuchi": self.EXTREMA}[case["mode"]]

    def board(self, case, shown):
        if case["mode"] == "RadioKeisuu":
            return f"f′({shown['EditDX']})={shown['EditAnsK']}"
        if case["mode"] == "RadioSessen":
            return "y=" + shown["EditAnsS"]
        big_x, big_y, small_x, small_y = (shown[c] for c in self.EXTREMA)
        return "\n".join(f"x={x}で{name}{y}" if x else name + y for x, y, name in [(big_x, big_y, "極大値"), (small_x, small_y, "極小値")])

    def check(self, case, shown):
        initial = {"EditDX": "", "EditAnsK": "answer", "EditAnsS": "answer", "EditAnsBigX": "", "EditAnsBigY": "answer", "EditAnsSmallX": "", "EditAnsSmallY": "answer"}
        initial = {c: initial[c] for c in self.prints(case)}
        read = read_all(rational_readers(case, list(reversed(self.E)) + ["EditX"]), shown, initial)
        if read is None:
            return
        values, warns = read
        f = poly(reversed(values[:5]))
        a = values[5]
        if f == 0:
            stopped(shown, warns + [ZERO_POLY], initial)
            return
        d = sp.diff(f, X)
        mode = case["mode"]
        shown.functions = {"f": f, "f′": d}
        if mode == "RadioSessen":
            shown.relation = ("line", sp.Symbol("y") - d.subs(X, a) * (X - a) - f.subs(X, a))
        elif mode == "RadioKyokuchi":
            shown.relation = ("roots", d)
        if mode == "RadioKeisuu":
            v = d.subs(X, a)
            if overflowed(shown, warns, too_long(a, v), initial):
                return
            messages(shown, warns)
            need(texts.rational(shown["EditDX"]) == a, f"EditDX = {a}")
            need(texts.rational(shown["EditAnsK"]) == v, f"f'({a}) = {v}")
        elif mode == "RadioSessen":
            m, y0 = d.subs(X, a), f.subs(X, a)
            line = sp.expand(m * X + y0 - m * a)
            if overflowed(shown, warns, too_long(line), initial):
                return
            messages(shown, warns)
            need(texts.polynomial(shown["EditAnsS"]) == line, f"y = {line}")
        else:
            self.check_extrema(f, d, warns, shown, initial)

    def check_extrema(self, f, d, warns, shown, initial):
        # The degree is looked at before anything is computed.
        degree = sp.degree(f, X)
        if degree not in (2, 3):
            stopped(shown, warns + [warning("式の次数は2次か3次にしてください")], initial)
            return
        lead = sp.Poly(f, X).LC()
        critical = [r for r, _ in sp.roots(sp.Poly(d, X)).items() if r.is_real]
        points = [(r, sp.expand(f.subs(X, r))) for r in critical] if degree == 2 or len(critical) == 2 else []
        if overflowed(shown, warns, any(too_long(*surd_parts(v)) for p in points for v in p), initial):
            return
        messages(shown, warns)
        if degree == 3 and len(critical) < 2:
            want = {"EditAnsBigX": "", "EditAnsBigY": "なし", "EditAnsSmallX": "", "EditAnsSmallY": "なし"}
            for c, t in want.items():
                need(shown[c] == t, f"{c} = {t!r} (no extrema)")
            return
        if degree == 2:
            ((x0, y0),) = points
            if lead > 0:
                want = [("EditAnsBigX", None), ("EditAnsBigY", "なし"), ("EditAnsSmallX", x0), ("EditAnsSmallY", y0)]
            else:
                want = [("EditAnsBigX", x0), ("EditAnsBigY", y0), ("EditAnsSmallX", None), ("EditAnsSmallY", "なし")]
        else:
            # the maximum is where f'' < 0
            (x1, y1), (x2, y2) = sorted(points, key=lambda p: sp.diff(f, X, 2).subs(X, p[0]).is_negative, reverse=True)
            want = [("EditAnsBigX", x1), ("EditAnsBigY", y1), ("EditAnsSmallX", x2), ("EditAnsSmallY", y2)]
        for control, value in want:
            if value is None:
                need(shown[control] == "", f"{control} empty")
            elif isinstance(value, str):
                need(shown[control] == value, f"{control} = {value}")
            else:
                need(same_surd(shown[control], value), f"{control} = {value}")


class Sekibun:
    cls = "TSekibunForm"
    board = staticmethod(board_answer)
    E = [f"Edit{i}" for i in range(6)]

    def generate(self, rng):
        return {"Jotan": rational_text(rng), "Katan": rational_text(rng), **dict(zip(self.E, coefficient_texts(rng, 6, structured=0.2)))}

    def big(self, rng):
        limits = [big_text(big_rational(rng, 1, 20), rng) if rng.random() < 0.7 else rational_text(rng) for _ in range(2)]
        if rng.random() < 0.5:
            coeffs = coefficient_texts(rng, 6, structured=0.4)
        else:
            coeffs = big_texts(rng, rng.randrange(1, 7), high=25)
            coeffs = coeffs + [""] * (6 - len(coeffs))
        return {"Jotan": limits[0], "Katan": limits[1], **dict(zip(self.E, coeffs))}

    # The textbook's integrals: the limits put in, and the 1/6 formula with
    # both limits as roots, in either order and with a leading coefficient
    # (2, −6, −1 and 1/2).
    FIXED = [
        {"Jotan": "101", "Katan": "100", **dict(zip(E, ["", "", "", "", "1", ""]))},
        {"Jotan": "2", "Katan": "-1", **dict(zip(E, ["-1", "", "1", "", "", ""]))},
        {"Jotan": "2", "Katan": "-1", **dict(zip(E, ["-2", "-1", "1", "", "", ""]))},
        {"Jotan": "-1", "Katan": "2", **dict(zip(E, ["-4", "-2", "2", "", "", ""]))},
        {"Jotan": "1/2", "Katan": "-1/3", **dict(zip(E, ["-1", "-1", "6", "", "", ""]))},
        {"Jotan": "2", "Katan": "-1", **dict(zip(E, ["2", "1", "-1", "", "", ""]))},
        {"Jotan": "2", "Katan": "-1", **dict(zip(E, ["-1", "-1/2", "1/2", "", "", ""]))},
    ]

    def commands(self, case):
        fields = [("Jotan", case["Jotan"]), ("Katan", case["Katan"])] + [(c, case[c]) for c in reversed(self.E)]
        return set_lines(self.cls, fields) + [f"click {self.cls}.CalcButton"]

    def prints(self, case):
        return ["EditAns"]

    def check(self, case, shown):
        initial = {"EditAns": "answer"}
        read = read_all(rational_readers(case, ["Jotan", "Katan"] + list(reversed(self.E))), shown, initial)
        if read is None:
            return
        values, warns = read
        upper, lower = values[:2]
        f = poly(reversed(values[2:]))
        shown.functions = {"f": f}
        antiderivative = sp.integrate(f, X)
        value = antiderivative.subs(X, upper) - antiderivative.subs(X, lower)
        if overflowed(shown, warns, too_long(value), initial):
            return
        messages(shown, warns)
        need(texts.rational(shown["EditAns"]) == value, f"{value}")


class Sigma:
    cls = "TSigmaForm"
    board = staticmethod(board_answer)
    E = [f"Edit{i}" for i in range(4)]
    UPPER = [
        ("n", N), ("n+1", N + 1), ("1+n", N + 1), ("2n-1", 2 * N - 1), ("2n+1", 2 * N + 1), ("n^2", N**2),
        ("3n", 3 * N), ("n-1", N - 1), ("n^2+n", N**2 + N), ("1/2n", N / 2), ("n^3", N**3), ("2n^2-3", 2 * N**2 - 3),
        ("n^4", N**4), ("n + 2", N + 2), ("", 0), ("0.5n", N / 2), ("\uff12\uff4e", 2 * N), (" n\u2212\uff11", N - 1),
        ("n-", BAD_INPUT), ("x", BAD_INPUT), ("2nn", BAD_INPUT), ("n^", BAD_INPUT), ("n^2.5", BAD_INPUT),
        ("n2", BAD_INPUT), ("3n2", BAD_INPUT), ("n^2n", BAD_INPUT), ("n 1", BAD_INPUT),  # terms side by side
        ("3/0n", denominator("3/0n", False)), ("n+1/", denominator("n+1/", True)), ("\u30fcn+1", -N + 1),
        ("n^11", DEGREE_TOO_HIGH), ("2147483648n", 2147483648 * N), ("1" + "0" * 500 + "n", TOO_LARGE),
        ("250n+1", 250 * N + 1), ("12345678901n-98765432109", 12345678901 * N - 98765432109),
        ("1/1000000000007n^2+n", N**2 / 1000000000007 + N), ("99999999999999999999n^3", 99999999999999999999 * N**3),
    ]

    def generate(self, rng):
        k = rng.random()
        if k < 0.45:
            upper = rng.choice(self.UPPER)
        elif k < 0.85:
            v = rng.choice([rng.randrange(-5, 40), rng.randrange(-5, 40), rng.randrange(0, 3000), int_text(rng, large=0.2)])
            upper = (str(v), sp.Integer(int(v)))
        else:
            num, den = rng.randrange(-20, 40), rng.randrange(1, 7)
            upper = (f"{num}/{den}" if den > 1 else str(num), sp.Rational(num, den))
            if sp.Rational(num, den).q != den:
                upper = (str(num), sp.Integer(num))
        lower = rng.choice(["1", "1", "0", "", str(rng.randrange(-5, 20)), "1/2", "3/2", "-1/3", "2.5", str(rng.randrange(1, 100000)), "a"])
        coeffs = coefficient_texts(rng, 4, structured=0.2)
        return {"kEndEdit": upper[0], "upper": upper[1], "kBeginEdit": lower, **dict(zip(self.E, coeffs))}

    def big(self, rng):
        case = self.generate(rng)
        k = rng.random()
        if k < 0.5:
            v = big_int(rng)
            case["kEndEdit"], case["upper"] = str(v), sp.Integer(v)
            if rng.random() < 0.3:
                case["kBeginEdit"] = str(v - rng.randrange(-3, 30))
        elif k < 0.7:
            case["kBeginEdit"] = big_text(big_rational(rng, 11, 20), rng)
        if rng.random() < 0.3:
            coeffs = big_texts(rng, rng.randrange(1, 5), high=15)
            case.update(zip(self.E, coeffs + [""] * (4 - len(coeffs))))
        return case

    # The textbook's sums to n: k(k + 1), (2k − 1)², k, and k³ with k.
    FIXED = [
        {"kEndEdit": "310", "upper": sp.Integer(310), "kBeginEdit": "300", **dict(zip(E, ["", "", "", "1"]))},
        {"kEndEdit": "n", "upper": N, "kBeginEdit": "1", **dict(zip(E, ["", "1", "1", ""]))},
        {"kEndEdit": "n", "upper": N, "kBeginEdit": "1", **dict(zip(E, ["1", "-4", "4", ""]))},
        {"kEndEdit": "n", "upper": N, "kBeginEdit": "1", **dict(zip(E, ["", "1", "", ""]))},
        {"kEndEdit": "n-1", "upper": N - 1, "kBeginEdit": "1", **dict(zip(E, ["", "1", "", "1"]))},
    ]

    def commands(self, case):
        fields = [("kEndEdit", case["kEndEdit"]), ("kBeginEdit", case["kBeginEdit"])] + [(c, case[c]) for c in reversed(self.E)]
        return set_lines(self.cls, fields) + [f"click {self.cls}.CalcButton"]

    def prints(self, case):
        return ["EditAns"]

    def check(self, case, shown):
        initial = {"EditAns": "answer"}

        def read_upper():
            if case["upper"] == BAD_INPUT:
                raise Failure(bad_input(normalize(case["kEndEdit"])))
            if isinstance(case["upper"], str):
                raise Failure(case["upper"])  # the warning of an unreadable upper limit
            return sp.expand(case["upper"])

        readers = rational_readers(case, ["kBeginEdit"]) + [read_upper] + rational_readers(case, list(reversed(self.E)))
        read = read_all(readers, shown, initial)
        if read is None:
            return
        (lower, upper, *values), warns = read
        constant_upper = not upper.has(N)
        # The window compares the two limits as numbers (not their numerators alone).
        if constant_upper and lower > upper:
            warns = warns + [warning("初期値より大きい値を入力して下さい")]
        k = sp.Symbol("k")
        f = poly(reversed(values), k)
        if f == 0:
            stopped(shown, warns + [ZERO_POLY], initial)
            return
        degree_f = sp.degree(f, k)
        # F(n), the sum for k = 1 to n: the polynomial of degree one more
        # through the partial sums (much faster than sympy.summation)
        partial = [sp.Integer(0)]
        for j in range(1, degree_f + 2):
            partial.append(partial[-1] + f.subs(k, j))
        total = sp.expand(sp.interpolate(list(enumerate(partial)), N))
        degree_u = 0 if constant_upper else sp.degree(upper, N)
        if (degree_f + 1) * degree_u > 10:
            stopped(shown, warns + [DEGREE], initial)
            return
        value = sp.expand(total.subs(N, upper) - total.subs(N, lower - 1))
        if overflowed(shown, warns, factored_too_long(value, N) if value.has(N) else too_long(value), initial):
            return
        messages(shown, warns)
        if constant_upper:
            need(texts.rational(shown["EditAns"]) == value, f"{value}")
        else:
            check_factored(shown["EditAns"], value, N)


class Naibun:
    cls = "TNaibunForm"
    FIELDS = ["EditX1", "EditY1", "EditX2", "EditY2", "EditM", "EditN"]
    MODES = ["RadioNaibun", "RadioGaibun", "RadioChokusen"]

    def generate(self, rng):
        return self.points(rng, lambda: rational_text(rng, large=0.02))

    def big(self, rng):
        return self.points(rng, lambda: big_text(big_rational(rng), rng) if rng.random() < 0.8 else rational_text(rng))

    FIXED = [dict(zip(FIELDS, ["1", "0", "3", "0", "1500000000", "1500000000"]), mode="RadioNaibun")]

    def points(self, rng, text):
        case = {c: text() for c in self.FIELDS}
        k = rng.random()
        if k < 0.1:
            case["EditN"] = case["EditM"]  # m = n
        elif k < 0.15:
            case["EditN"] = "-" + case["EditM"] if not case["EditM"].startswith("-") else case["EditM"][1:]
        elif k < 0.25:
            case["EditX2"] = case["EditX1"]  # a vertical line
        elif k < 0.32:
            case["EditY2"] = case["EditY1"]
        case["mode"] = rng.choice(self.MODES)
        return case

    def commands(self, case):
        return [f"click {self.cls}.{case['mode']}"] + set_lines(self.cls, [(c, case[c]) for c in self.FIELDS]) + [f"click {self.cls}.CalcButton"]

    def prints(self, case):
        return {"RadioNaibun": ["EditAnsNX", "EditAnsNY"], "RadioGaibun": ["EditAnsGX", "EditAnsGY"], "RadioChokusen": ["LabelY", "EditAnsC"]}[case["mode"]]

    def board(self, case, shown):
        a, b = (shown[c] for c in self.prints(case))
        return f"{a}={b}" if case["mode"] == "RadioChokusen" else f"({a},{b})"

    def check(self, case, shown):
        fields = self.prints(case)
        initial = {c: ("y" if c == "LabelY" else "answer") for c in fields}
        read = read_all(rational_readers(case, self.FIELDS), shown, initial)
        if read is None:
            return
        (x1, y1, x2, y2, m, n), warns = read
        mode = case["mode"]
        if mode != "RadioChokusen" and (m == 0 or n == 0):
            stopped(shown, warns + [warning("内（外）分比を入力して下さい")], initial)
            return
        if mode == "RadioNaibun":
            if m + n == 0:
                stopped(shown, warns + [warning("内分比が間違っています")], initial)
                return
            point = [(n * x1 + m * x2) / (m + n), (n * y1 + m * y2) / (m + n)]
        elif mode == "RadioGaibun":
            if m == n:
                stopped(shown, warns + [warning("外分比が間違っています")], initial)
                return
            point = [(m * x2 - n * x1) / (m - n), (m * y2 - n * y1) / (m - n)]
        else:
            if x1 == x2 and y1 == y2:
                stopped(shown, warns + [warning("2点が同じなので、直線が特定できません")], initial)
                return
            shown.relation = ("line", (y2 - y1) * (X - x1) - (x2 - x1) * (sp.Symbol("y") - y1))
            if x1 == x2:
                letter, line = "x", x1
            else:
                slope = (y1 - y2) / (x1 - x2)
                letter, line = "y", sp.expand(slope * X + y1 - slope * x1)
            if overflowed(shown, warns, too_long(line), initial):
                return
            messages(shown, warns)
            need(shown["LabelY"] == letter, f"LabelY = {letter}")
            need(texts.polynomial(shown["EditAnsC"]) == line, f"{letter} = {line}")
            return
        shown.relation = ("point", {X: point[0], sp.Symbol("y"): point[1]})
        if overflowed(shown, warns, too_long(*point), initial):
            return
        messages(shown, warns)
        for control, value in zip(fields, point):
            need(texts.rational(shown[control]) == value, f"{control} = {value}")


class Junretu:
    cls = "TJunretuForm"
    ROWS = {
        "KaijoButton": (["KaijoEdit"], "AnsKaijoEdit"),
        "PButton": (["P1Edit", "P2Edit"], "AnsPEdit"),
        "CButton": (["C1Edit", "C2Edit"], "AnsCEdit"),
    }
    NEGATIVE = warning("n は 0 以上の整数にしてください")
    CHOICE = warning("r は n 以下の 0 以上の整数にしてください")

    def generate(self, rng):
        def number():
            k = rng.random()
            if k < 0.03:
                return rng.choice(["", "x", "1.5", "2147483648", "-5", "+7", "007", "05", "0", "6.0", "\uff15", " 4"])
            if k < 0.45:
                return str(rng.randrange(0, 30))
            if k < 0.75:
                return str(rng.randrange(0, 400))
            if k < 0.85:
                return str(rng.randrange(0, 5000))
            return int_text(rng, large=0.5).lstrip("-")

        button = rng.choice(list(self.ROWS))
        fields, _ = self.ROWS[button]
        case = {"button": button, **{f: number() for f in fields}}
        if button != "KaijoButton" and rng.random() < 0.6:
            n = case[fields[0]]
            if n.isdigit() and int(n) > 0:  # r mostly not above n
                r = rng.choice([rng.randrange(0, int(n) + 1), int(n) - rng.randrange(0, min(int(n), 40) + 1)])
                case[fields[1]] = str(max(r, 0))
        return case

    def big(self, rng):
        button = rng.choice(list(self.ROWS))
        k = rng.random()
        if button == "KaijoButton":
            n = rng.choice([str(big_int(rng)).lstrip("-"), str(rng.randrange(240, 300)), "0" * 3 + "1" * 500, "9" * 501])
            return {"button": button, "KaijoEdit": n}
        # n beyond 32 bits, up to about 100 digits, so that n^r is near 500 digits for r near 5
        n = abs(big_int(rng, 11, 40 if k < 0.6 else 110))
        r = rng.randrange(1, 20) if k < 0.8 else n - rng.randrange(0, 20)
        if rng.random() < 0.1:
            r = rng.choice([n + 1, n // 2, 0])
        fields, _ = self.ROWS[button]
        return {"button": button, fields[0]: str(n), fields[1]: str(r)}

    def commands(self, case):
        fields, _ = self.ROWS[case["button"]]
        return set_lines(self.cls, [(f, case[f]) for f in fields]) + [f"click {self.cls}.{case['button']}"]

    def prints(self, case):
        return [self.ROWS[case["button"]][1]]

    def board(self, case, shown):
        return shown[self.ROWS[case["button"]][1]]

    def check(self, case, shown):
        fields, answer = self.ROWS[case["button"]]
        initial = {answer: "answer"}
        read = read_all([lambda f=f: read_integer(case[f]) for f in fields], shown, initial)
        if read is None:
            return
        values, _ = read
        if case["button"] == "KaijoButton":
            (n,) = values
            if n < 0:
                stopped(shown, [self.NEGATIVE], initial)
                return
            value = math.factorial(n) if n < 300 else None
        else:
            n, r = values
            if n < 0 or r < 0 or n < r:
                stopped(shown, [self.NEGATIVE if n < 0 else self.CHOICE], initial)
                return
            value = self.permutations(n, r) if case["button"] == "PButton" else self.combinations(n, r)
        messages(shown, [])
        if value is None or len(str(value)) > 500:
            need(shown[answer] == "overflow", "overflow (more than 500 digits)")
        else:
            need(shown[answer] == str(value), f"{value}")

    @staticmethod
    def permutations(n, r):
        """n!/(n-r)!, or None once it is certainly longer than 500 digits."""
        value = 1
        for k in range(n, n - r, -1):
            value *= k
            if value >= 10**501:
                return None
        return value

    @staticmethod
    def combinations(n, r):
        """n!/(r!(n-r)!), or None once it is certainly longer than 500 digits
        (it is at least (n/r)^r)."""
        r = min(r, n - r)
        if r and r * (math.log10(n) - math.log10(r)) > 520:
            return None
        return math.comb(n, r)
