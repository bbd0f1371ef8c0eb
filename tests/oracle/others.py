# SPDX-License-Identifier: GPL-3.0-or-later
"""The calculus, division-point and counting windows."""

import math

import sympy as sp

import texts
from algebra import rational_readers, set_lines
from checks import (
    ZERO_POLY,
    allowed_failure,
    check_factored,
    coeffs_fit,
    factored_fits,
    messages,
    poly,
    read_all,
    stopped,
    surd_fits,
    surd_parts,
)
from driver import need
from inputs import (
    BAD_INPUT,
    DEGREE,
    DEGREE_TOO_HIGH,
    OVERFLOW,
    TOO_LARGE,
    Failure,
    coefficient_texts,
    fits,
    int_text,
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

    def commands(self, case):
        return (
            [f"click {self.cls}.{case['mode']}"]
            + set_lines(self.cls, [(c, case[c]) for c in reversed(self.E)] + [("EditX", case["EditX"])])
            + [f"click {self.cls}.CalcButton"]
        )

    def prints(self, case):
        return {"RadioKeisuu": ["EditDX", "EditAnsK"], "RadioSessen": ["EditAnsS"], "RadioKyokuchi": self.EXTREMA}[case["mode"]]

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
        if mode == "RadioKeisuu":
            v = d.subs(X, a)
            if allowed_failure(shown, warns, OVERFLOW, not (fits(v) and coeffs_fit(d)), initial):
                return
            messages(shown, warns)
            need(texts.rational(shown["EditDX"]) == a, f"EditDX = {a}")
            need(texts.rational(shown["EditAnsK"]) == v, f"f'({a}) = {v}")
        elif mode == "RadioSessen":
            m, y0 = d.subs(X, a), f.subs(X, a)
            line = sp.expand(m * X + y0 - m * a)
            big = not all(fits(v) for v in (m, y0, m * a, y0 - m * a)) or not coeffs_fit(d)
            if allowed_failure(shown, warns, OVERFLOW, big, initial):
                return
            messages(shown, warns)
            need(texts.polynomial(shown["EditAnsS"]) == line, f"y = {line}")
        else:
            self.check_extrema(f, d, warns, shown, initial)

    def check_extrema(self, f, d, warns, shown, initial):
        # The derivative is formed before the degree is looked at, and a cubic's
        # derivative is factored before its roots are used.
        degree = sp.degree(f, X)
        big = not coeffs_fit(d)
        if degree not in (2, 3):
            if allowed_failure(shown, warns, OVERFLOW, big, initial):
                return
            stopped(shown, warns + [warning("式の次数は2次か3次にしてください")], initial)
            return
        lead = sp.Poly(f, X).LC()
        critical = [r for r, _ in sp.roots(sp.Poly(d, X)).items() if r.is_real]
        points = [(r, sp.expand(f.subs(X, r))) for r in critical]
        if degree == 3:
            big = big or not factored_fits(d)
            if len(critical) == 2:
                big = big or not all(surd_fits(v) for p in points for v in p)
        else:
            big = big or not all(fits(v) for v in points[0])
        if allowed_failure(shown, warns, OVERFLOW, big, initial):
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
    E = [f"Edit{i}" for i in range(6)]

    def generate(self, rng):
        return {"Jotan": rational_text(rng), "Katan": rational_text(rng), **dict(zip(self.E, coefficient_texts(rng, 6, structured=0.2)))}

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
        antiderivative = sp.integrate(f, X)
        a, b = antiderivative.subs(X, upper), antiderivative.subs(X, lower)
        value = a - b
        big = not all(fits(v) for v in (value, a, b)) or not coeffs_fit(antiderivative)
        if allowed_failure(shown, warns, OVERFLOW, big, initial):
            return
        messages(shown, warns)
        need(texts.rational(shown["EditAns"]) == value, f"{value}")


class Sigma:
    cls = "TSigmaForm"
    E = [f"Edit{i}" for i in range(4)]
    UPPER = [
        ("n", N), ("n+1", N + 1), ("1+n", N + 1), ("2n-1", 2 * N - 1), ("2n+1", 2 * N + 1), ("n^2", N**2),
        ("3n", 3 * N), ("n-1", N - 1), ("n^2+n", N**2 + N), ("1/2n", N / 2), ("n^3", N**3), ("2n^2-3", 2 * N**2 - 3),
        ("n^4", N**4), ("n + 2", N + 2), ("", 0), ("0.5n", N / 2), ("\uff12\uff4e", 2 * N), (" n\u2212\uff11", N - 1),
        ("n-", BAD_INPUT), ("x", BAD_INPUT), ("2nn", BAD_INPUT), ("n^", BAD_INPUT), ("n^2.5", BAD_INPUT),
        ("n^11", DEGREE_TOO_HIGH), ("2147483648n", TOO_LARGE),
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

    def commands(self, case):
        fields = [("kEndEdit", case["kEndEdit"]), ("kBeginEdit", case["kBeginEdit"])] + [(c, case[c]) for c in reversed(self.E)]
        return set_lines(self.cls, fields) + [f"click {self.cls}.CalcButton"]

    def prints(self, case):
        return ["EditAns"]

    def check(self, case, shown):
        initial = {"EditAns": "answer"}

        def read_upper():
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
        total = sp.expand(sp.summation(f, (k, 1, N)))  # F(n), the sum for k = 1 to n
        degree_f = sp.degree(f, k)
        degree_u = 0 if constant_upper else sp.degree(upper, N)
        if (degree_f + 1) * degree_u > 10:
            # F(n) is formed before it is composed with the upper limit
            if allowed_failure(shown, warns, OVERFLOW, not coeffs_fit(total, N), initial):
                return
            stopped(shown, warns + [DEGREE], initial)
            return
        value = sp.expand(total.subs(N, upper) - total.subs(N, lower - 1))
        documented = [total.subs(N, upper), total.subs(N, lower - 1)]
        big = not (factored_fits(value, N) if value.has(N) else fits(value))
        big = big or not coeffs_fit(total, N) or not all(coeffs_fit(v, N) for v in documented)
        if allowed_failure(shown, warns, OVERFLOW, big, initial):
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
        case = {c: rational_text(rng, large=0.02) for c in self.FIELDS}
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
            documented = [n * x1, m * x2, n * y1, m * y2, n * x1 + m * x2, n * y1 + m * y2, m + n]
        elif mode == "RadioGaibun":
            if m == n:
                stopped(shown, warns + [warning("外分比が間違っています")], initial)
                return
            point = [(m * x2 - n * x1) / (m - n), (m * y2 - n * y1) / (m - n)]
            documented = [n * x1, m * x2, n * y1, m * y2, m * x2 - n * x1, m * y2 - n * y1, m - n]
        else:
            if x1 == x2 and y1 == y2:
                stopped(shown, warns + [warning("2点が同じなので、直線が特定できません")], initial)
                return
            if x1 == x2:
                letter, line, documented = "x", x1, [x1]
            else:
                slope = (y1 - y2) / (x1 - x2)
                letter, line = "y", sp.expand(slope * X + y1 - slope * x1)
                documented = [y1 - y2, x1 - x2, slope, slope * x1, y1 - slope * x1]
            if allowed_failure(shown, warns, OVERFLOW, not all(fits(v) for v in documented), initial):
                return
            messages(shown, warns)
            need(shown["LabelY"] == letter, f"LabelY = {letter}")
            need(texts.polynomial(shown["EditAnsC"]) == line, f"{letter} = {line}")
            return
        if allowed_failure(shown, warns, OVERFLOW, not all(fits(v) for v in documented + point), initial):
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
    WRONG = warning("入力が間違っています")

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

    def commands(self, case):
        fields, _ = self.ROWS[case["button"]]
        return set_lines(self.cls, [(f, case[f]) for f in fields]) + [f"click {self.cls}.{case['button']}"]

    def prints(self, case):
        return [self.ROWS[case["button"]][1]]

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
                stopped(shown, [self.WRONG], initial)
                return
            value = math.factorial(n) if n < 300 else None
        else:
            n, r = values
            if n <= 0 or r <= 0 or n < r:
                stopped(shown, [self.WRONG], initial)
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
        r = min(r, n - r)
        log10 = (math.lgamma(n + 1) - math.lgamma(r + 1) - math.lgamma(n - r + 1)) / math.log(10)
        if log10 > 520:
            return None
        return math.comb(n, r)
