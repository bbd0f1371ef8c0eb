# SPDX-License-Identifier: GPL-3.0-or-later
"""The working (途中式) read as mathematics and checked with SymPy.

The script prints the board's working as its formula tree ("working-tree
JSON", each part {"k": KIND, "t": TEXT, "p": [PARTS]}) and as plain Unicode
("working TEXT"). Every line is cut into chains of sides joined by "=":
words ("より", "とおく", "を②に代入して") end a chain, a label before the
first side ("判別式", "最小公倍数は") is dropped, commas part a list of
values. Each two neighbouring sides that can both be read must then be
equal:
  - sides without unknowns, or identities in x (f = g·q + r, P(x) = (x − 2)(…)),
    must be the same value or polynomial, for both signs of "±";
  - an equation in the unknowns (8x² + 8x − 16 = 0, 228x − 1073292y = 77,
    y − 2 = (1/2)(x − 1)) must agree with the case's own equations, which the
    window's check leaves in shown.relation:
      ("roots", P)    every solution of the line solves P(x) = 0
      ("point", {x: …, y: …})   the unique solution satisfies the line
      ("line", L)     the line is L(x, y) = 0 times a constant
      ("span", (unknowns, equations))   a singular system: the line is a
                      combination of the given equations
  - a chain the working calls false ("0 = 4となり成り立たないので") must be false.
A letter that names a value ("D") or a formula in the coefficients (b² − 4ac)
makes its side unreadable; "P(x) = …" defines P for the lines below it, and
"x² = X とおくと" puts x² for X in them. Tables are judged whole: a
synthetic division (組立除法) by its sums and products, a long division (筆算)
by its products and differences, a sign chart (増減表) against f and f′.
The working's last lines must state the board's answer.
"""

import re

import sympy as sp

X, Y, Z, K, N = sp.symbols("x y z k n")
PM = sp.Symbol("PM")  # the sign of "±"
UNKNOWNS = {"x": X, "y": Y, "z": Z, "k": K, "n": N}
NAME = re.compile(r"[A-Za-z]′*|gcd")


class Unreadable(Exception):
    """A side that is not a formula in numbers and the unknowns."""


class Named(Unreadable):
    """A side that names a value or states a formula in letters of its own:
    "D", "b² − 4ac". What it equals is a definition, not a claim."""


NAMED = "named"


def parts(node):
    return node.get("p", [])


def items(node):
    return parts(node) if node["k"] == "Row" else [node]


def is_op(node, *signs):
    return node["k"] == "Operator" and node.get("t") in signs


def is_name(node):
    return node["k"] in ("Letter", "Word") and NAME.fullmatch(node.get("t", "")) and node.get("t") not in UNKNOWNS


class Reader:
    """Reads sides as SymPy values; functions holds P, Q, F, f′ … as they are
    defined by the lines read so far, as expressions in x."""

    def __init__(self, functions=None):
        self.functions = dict(functions or {})
        self.variables = {}  # X of "x² = X とおくと", as an expression in x

    def value(self, nodes):
        values = self.values(nodes)
        if len(values) != 1:
            raise Unreadable("a list")
        return values[0]

    def values(self, nodes):
        lists, item = [], []
        for node in nodes:
            if node["k"] == "Punct":
                lists.append(self.sum(item))
                item = []
            else:
                item.append(node)
        lists.append(self.sum(item))
        return lists

    def sum(self, nodes):
        # terms with their signs; a sign with no term before it is unary
        terms, sign, term = [], 1, []
        for node in nodes:
            if is_op(node, "+", "−", "±"):
                if term:
                    terms.append((sign, term))
                    sign, term = 1, []
                sign *= {"+": 1, "−": -1, "±": PM}[node["t"]]
            else:
                term.append(node)
        if not term:
            raise Unreadable("a side ending in a sign")
        terms.append((sign, term))
        return sp.Add(*(sign * self.product(term) for sign, term in terms))

    def product(self, nodes):
        factors, at = [], 0
        while at < len(nodes):
            node = nodes[at]
            if is_op(node, "·", "×"):
                at += 1
                continue
            if is_op(node, "÷"):
                divisor, at = self.factor(nodes, at + 1)
                factors.append(1 / divisor)
                continue
            if node["k"] == "Word" and node.get("t") == "…":
                factors.append(("…",))
                at += 1
                continue
            value, at = self.factor(nodes, at)
            factors.append(value)
        return self.expand_ellipsis(factors)

    @staticmethod
    def expand_ellipsis(factors):
        # n·(n − 1)·…·(m + 1)·m: the product of the integers from m to n
        result = sp.Integer(1)
        for i, f in enumerate(factors):
            if isinstance(f, tuple):
                if i == 0 or i + 1 == len(factors):
                    raise Unreadable("an ellipsis at an end")
                before, after = factors[i - 1], factors[i + 1]
                if not (before.is_Integer and after.is_Integer) or before <= after:
                    raise Unreadable("an ellipsis")
                result *= sp.ff(before - 1, before - after - 1) if before - after > 1 else 1
            else:
                result *= f
        return result

    def factor(self, nodes, at):
        node = nodes[at]
        kind, text = node["k"], node.get("t", "")
        if is_name(node) and at + 1 < len(nodes) and nodes[at + 1]["k"] == "Paren":
            value = self.call(text, nodes[at + 1])
            at += 2
        elif kind == "Number":
            value, at = sp.Integer(text), at + 1
        elif kind == "Letter" and text in UNKNOWNS:
            value, at = UNKNOWNS[text], at + 1
        elif kind == "Letter" and text == "i":
            value, at = sp.I, at + 1
        elif kind == "Letter" and text in self.variables:
            value, at = self.variables[text], at + 1
        elif kind == "Letter":
            raise Named(text)
        elif kind == "Fraction" and all(factorial_of(items(p)) is not None for p in parts(node)):
            # n!/m! without the factorials, which may have billions of digits
            n, m = (factorial_of(items(p)) for p in parts(node))
            value, at = sp.ff(n, n - m) if n >= m else 1 / sp.ff(m, m - n), at + 1
        elif kind == "Fraction":
            value, at = self.sum(items(parts(node)[0])) / self.sum(items(parts(node)[1])), at + 1
        elif kind == "Root":
            value, at = sp.sqrt(self.sum(items(parts(node)[0]))), at + 1
        elif kind == "Power":
            base, exponent = parts(node)
            value, at = self.factor(items(base), 0)[0] ** self.sum(items(exponent)), at + 1
        elif kind == "Paren":
            value, at = self.sum(items(parts(node)[0])), at + 1
        elif kind == "Count":
            n, r = (self.sum(items(p)) for p in parts(node))
            value = sp.ff(n, r) if text == "P" else sp.binomial(n, r)
            at += 1
        elif kind == "Integral":
            lower, upper, body = parts(node)
            integrand = [p for p in items(body) if not (p["k"] == "Word" and p.get("t") == "dx")]
            value = sp.integrate(self.sum(integrand), (X, self.sum(items(lower)), self.sum(items(upper))))
            at += 1
        elif kind == "Sum":
            below, above, body = parts(node)
            below = items(below)
            if not (below and below[0].get("t") == "k" and len(below) > 2 and is_op(below[1], "=")):
                raise Unreadable("a sum's index")
            value = sp.summation(self.sum(items(body)), (K, self.sum(below[2:]), self.sum(items(above))))
            at += 1
        elif kind == "Bracket":
            body, lower, upper = parts(node)
            f = self.sum(items(body))
            value = f.subs(X, self.sum(items(upper))) - f.subs(X, self.sum(items(lower)))
            at += 1
        else:
            raise Unreadable(f"{kind} {text!r}")
        while at < len(nodes) and nodes[at]["k"] == "Word" and nodes[at].get("t") == "!":
            if not value.is_Integer or value > 100000:
                raise Unreadable("a factorial")
            value, at = sp.factorial(value), at + 1
        return value, at

    def call(self, name, paren):
        if name == "gcd":
            return sp.gcd(*self.values(items(parts(paren)[0])))
        if name not in self.functions:
            raise Unreadable(f"{name} undefined")
        argument = self.sum(items(parts(paren)[0]))
        return self.functions[name].subs(X, argument)


def factorial_of(nodes):
    """n of a lone "n!"."""
    if len(nodes) == 2 and nodes[0]["k"] == "Number" and nodes[1]["k"] == "Word" and nodes[1].get("t") == "!":
        return sp.Integer(nodes[0]["t"])
    return None


def definition(nodes):
    """The name of "P(x)", "f′(x)", "F(x)" as a side that defines it."""
    if len(nodes) == 2 and is_name(nodes[0]) and nodes[1]["k"] == "Paren":
        inner = items(parts(nodes[1])[0])
        if len(inner) == 1 and inner[0]["k"] == "Letter" and inner[0].get("t") == "x":
            return nodes[0]["t"]
    return None


def chains(line):
    """The line's chains: lists of sides (lists of nodes), each with what the
    words after it say of it ("false" or "")."""
    result, chain, side = [], [], []

    tail = None  # the line's last side, which a next line's "= …" continues

    def close(after=""):
        nonlocal chain, side, tail
        if side:
            chain.append(side)
            tail = side
        if len(chain) > 1:
            result.append((chain, after))
        chain, side = [], []

    # "x = 24, y = 16" is two chains; "x = 1, −2" one with a list
    groups = [[]]
    for node in items(line):
        if node["k"] == "Punct":
            groups.append([])
        groups[-1].append(node)
    nodes = list(groups[0])
    for group in groups[1:]:
        if any(is_op(node, "=") for node in group):
            nodes.append({"k": "Word", "t": "、"})  # ends the chain before it
            group = group[1:]
        nodes.extend(group)

    for node in nodes:
        if is_op(node, "="):
            chain.append(side)
            tail = side or tail
            side = []
        elif node["k"] == "Word" and node.get("t") not in ("!", "…", "dx") and not is_name(node):
            text = node.get("t", "")
            close(
                "false"
                if "成り立たない" in text
                else "equation" if text.startswith("…") else "define" if text.startswith("とおく") else ""
            )
            continue
        elif node["k"] == "Table" or is_op(node, "<", ">", "≤", "≥", "≠"):
            close()
            side = []
            chain = []
            # what follows a comparison is read again from here
            continue
        else:
            side.append(node)
    close()
    return result, tail


class Verdict:
    def __init__(self):
        self.checked = 0  # equalities SymPy judged
        self.skipped = 0  # equalities with a side it could not read
        self.false = []  # what was wrong, for the report
        self.unread = []  # the chains with a side it could not read


def equal(a, b):
    if a.has(PM) or b.has(PM):
        return all(equal(a.subs(PM, s), b.subs(PM, s)) for s in (1, -1))
    difference = sp.expand(sp.nsimplify(a - b) if (a - b).has(sp.Float) else a - b)
    if difference == 0:
        return True
    return sp.simplify(sp.radsimp(difference)) == 0


def consistent(difference, relation):
    """Whether the equation difference = 0 agrees with the case's equations
    (see the module's text); None when there is nothing to judge it by."""
    if relation is None:
        return None
    kind, what = relation
    if difference.has(PM):
        verdicts = [consistent(difference.subs(PM, s), relation) for s in (1, -1)]
        return None if None in verdicts else all(verdicts)
    symbols = difference.free_symbols
    if kind == "roots":
        if symbols != {X}:
            return None
        poly = sp.Poly(sp.expand(difference), X)
        if poly.degree() == 1:
            root = -poly.nth(0) / poly.nth(1)
            return sp.simplify(sp.expand(what.subs(X, root))) == 0
        if not all(c.is_Rational for c in poly.coeffs()):
            return None
        return sp.rem(sp.Poly(what, X, domain="QQ"), sp.Poly(sp.sqf_part(poly.as_expr()), X, domain="QQ")).is_zero
    if kind == "point":
        if not symbols <= set(what):
            return None
        return sp.simplify(difference.subs(what)) == 0
    if kind == "span":
        variables, rows = what
        if not symbols <= set(variables):
            return None

        def vector(e):
            p = sp.Poly(e, *variables)
            if p.total_degree() > 1:
                raise Unreadable("not linear")
            return [p.coeff_monomial(v) for v in variables] + [p.coeff_monomial(1)]

        try:
            given = sp.Matrix([vector(r) for r in rows])
            return given.rank() == given.col_join(sp.Matrix([vector(difference)])).rank()
        except Unreadable:
            return None
    if kind == "line":
        if symbols != what.free_symbols:
            return None
        ratio = sp.cancel(difference / what)
        return not ratio.free_symbols and ratio != 0
    return None


def check(tree, relation=None, functions=None):
    """Reads and judges every equality of a working; a Verdict."""
    verdict = Verdict()
    reader = Reader(functions)
    last = None  # the last side of the line before, which "= …" continues
    crossed = None  # the product of a cross table on the line before
    for line in parts(tree) if tree["k"] == "Lines" else [tree]:
        found, tail = chains(line)
        pending = []  # equations of this line that only hold together
        for number, (chain, after) in enumerate(found):
            if number == 0 and not chain[0] and last is not None and is_op(items(line)[0], "="):
                chain = [last] + chain[1:]
            judge_chain(chain, after, reader, relation, verdict, pending)
        judge_together(pending, relation, verdict)
        last = tail or last
        if crossed is not None:
            judge_cross_product(line, crossed, reader, verdict)
            crossed = None
        for node in items(line):
            if node["k"] == "Table":
                judge_division(node, reader, verdict)
                judge_sign_chart(node, reader, verdict)
                crossed = judge_cross(node, reader, verdict)
    return verdict


def judge_sign_chart(table, reader, verdict):
    """A sign chart (増減表) of f: x, f′(x), f(x) with a column "…" before,
    between and after the points. At each point f′ is 0 and f has the value
    the chart states, a 極大 where f′ turns from + to −, a 極小 where it turns
    from − to +; in each interval f′ has the sign stated at a point inside it,
    and the arrow goes with the sign."""
    rows = [parts(row) for row in parts(table)]
    if len(rows) != 3 or "f" not in reader.functions or "f′" not in reader.functions:
        return
    if [flat(items(row[0])) if row else "" for row in rows] != ["x", "f′(x)", "f(x)"]:
        return
    f, d = reader.functions["f"], reader.functions["f′"]
    verdict.checked += 1
    width = len(rows[0])
    if width % 2 or any(len(row) != width for row in rows):
        verdict.false.append(f"sign chart of {width} columns, rows of {[len(r) for r in rows]}")
        return
    try:
        points = [reader.value(items(rows[0][j])) for j in range(2, width, 2)]
    except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
        verdict.checked -= 1
        verdict.skipped += 1
        verdict.unread.append("a sign chart's x")
        return
    wrong = []
    if any(not equal(points[k], points[k + 1]) and sp.simplify(points[k + 1] - points[k]) < 0 for k in range(len(points) - 1)):
        wrong.append(f"points not in order: {points}")
    # a point inside each interval: one left of the first point, the middles, one right of the last
    inside = [points[0] - 1] + [(points[k] + points[k + 1]) / 2 for k in range(len(points) - 1)] + [points[-1] + 1]
    signs = []
    for k, x in enumerate(inside):
        sign_cell, arrow_cell = items(rows[1][1 + 2 * k]), items(rows[2][1 + 2 * k])
        sign = flat(sign_cell)
        value = sp.sign(sp.simplify(d.subs(X, x)))
        signs.append(sign)
        if {"+": 1, "−": -1}.get(sign) != value:
            wrong.append(f"f′ is {value} near x = {x}, the chart says {sign!r}")
        if flat(arrow_cell) != {"+": "↗", "−": "↘"}.get(sign):
            wrong.append(f"{flat(arrow_cell)!r} under {sign!r}")
    for k, x in enumerate(points):
        zero, cell = items(rows[1][2 + 2 * k]), items(rows[2][2 + 2 * k])
        if flat(zero) != "0" or not equal(d.subs(X, x), sp.Integer(0)):
            wrong.append(f"f′({x}) = {d.subs(X, x)}, the chart says {flat(zero)!r}")
        want = {("+", "−"): "極大", ("−", "+"): "極小"}.get((signs[k], signs[k + 1]))
        if not cell or cell[0].get("t") != want:
            wrong.append(f"at x = {x} the chart says {flat(cell)!r}, not {want}")
            continue
        try:
            stated = reader.value(cell[1:])
        except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
            wrong.append(f"an unreadable value at x = {x}: {flat(cell)!r}")
            continue
        if not equal(stated, f.subs(X, x)):
            wrong.append(f"f({x}) = {sp.simplify(f.subs(X, x))}, the chart says {stated}")
    if wrong:
        verdict.false.append("sign chart: " + "; ".join(wrong[:3]))


def judge_division(table, reader, verdict):
    """A synthetic division (組立除法): the coefficients with the divisor
    set apart at the right end of their row, under them the divisor times
    each sum moved one column on, and the sums; the last sum, the
    remainder, is 0. Other tables (増減表) are not judged here."""
    rows = [parts(row) for row in parts(table)]
    if ")" in table.get("t", ""):
        judge_long_division(table, reader, verdict)
        return
    if table.get("t") != ":..-":  # a division's rules: the divisor apart, a rule above the sums
        return

    def cell(node):
        cells = items(node)
        return sp.Integer(0) if not cells else reader.value(cells)

    verdict.checked += 1
    shape = len(rows) == 3 and len(rows[0]) >= 3
    shape = shape and len(rows[1]) == len(rows[0]) and len(rows[2]) == len(rows[0]) - 1
    if not shape:
        verdict.false.append(f"synthetic division of the wrong shape: {[len(row) for row in rows]}")
        return
    try:
        a = cell(rows[0][-1])
        top = [cell(c) for c in rows[0][:-1]]
        middle = [cell(c) for c in rows[1][:-1]]
        bottom = [cell(c) for c in rows[2]]
        aside = items(rows[1][-1])
    except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
        verdict.checked -= 1
        verdict.skipped += 1
        verdict.unread.append("a synthetic division")
        return
    holds = middle[0] == 0 and bottom[-1] == 0 and not aside
    holds = holds and all(bottom[i] == top[i] + middle[i] for i in range(len(top)))
    holds = holds and all(middle[i] == a * bottom[i - 1] for i in range(1, len(top)))
    if not holds:
        verdict.false.append(f"synthetic division by {a}: {top} / {middle} / {bottom}")


def judge_long_division(table, reader, verdict):
    """A long division (筆算), rules ".)" then "._" per step: the quotient on
    top, the divisor and the dividend, then per term of the quotient the
    divisor times that term and what is left below it, each term in the
    column of its power (after the divisor's column a term column per power
    from the dividend's degree down, each below the highest with a sign
    column before it). Each product must be the divisor times the
    quotient's next term and cancel the leading term of what is left; each
    row below agrees with what is left on its columns, nothing left above
    them; the last row is the whole remainder, of a lower degree than the
    divisor."""
    rules = table.get("t", "")
    rows = [parts(row) for row in parts(table)]
    name = f"long division {rules}"
    if not (rules.startswith(".)") and rules[2:] == "._" * ((len(rows) - 2) // 2) and len(rows) % 2 == 0):
        verdict.false.append(f"{name}: not a long division's rules")
        return
    width = len(rows[1])
    top = width // 2 - 1  # the dividend's degree
    if width < 2 or width % 2 == 1 or any(len(row) != width for row in rows):
        verdict.false.append(f"{name}: rows of {[len(row) for row in rows]} cells")
        return

    def terms(row):
        """The row's polynomial and its columns' powers, each term checked to
        stand in the column of its power."""
        value, powers = sp.Integer(0), []
        for j in range(1, width, 2):
            sign, cell = items(row[j - 1]) if j > 1 else [], items(row[j])
            power = top - (j - 1) // 2
            if not cell:
                if sign:
                    raise ValueError(f"a sign without a term at x^{power}")
                continue
            term = reader.sum(sign + cell) if sign else reader.sum(cell)
            poly = sp.Poly(term, X)
            if len(poly.terms()) != 1 or (term != 0 and poly.degree() != power):
                raise ValueError(f"{term} in the column of x^{power}")
            value += term
            powers.append(power)
        return sp.expand(value), powers

    try:
        divisor = reader.sum(items(rows[1][0]))
        quotient, _ = terms(rows[0])
        dividend, _ = terms(rows[1])
        steps = [(terms(rows[i]), terms(rows[i + 1])) for i in range(2, len(rows), 2)]
    except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError, sp.PolynomialError) as e:
        verdict.false.append(f"{name}: {e}")
        return
    verdict.checked += 1
    g = sp.Poly(divisor, X)
    left = sp.Poly(dividend, X)
    q = sp.Poly(0, X)
    problems = []
    for number, ((product, _), (shown, powers)) in enumerate(steps):
        term, rest = sp.div(sp.Poly(product, X), g)
        if not rest.is_zero or len(term.terms()) != 1 or left.is_zero:
            problems.append(f"product {product} is not {divisor} times a term")
            break
        before = left
        q, left = q + term, left - sp.Poly(product, X)
        if not left.is_zero and left.degree() >= before.degree():
            problems.append(f"{product} does not take away the leading term of {before.as_expr()}")
            break
        last = number + 1 == len(steps)
        if last:
            if sp.expand(shown - left.as_expr()) != 0:
                problems.append(f"the last row {shown} is not the remainder {left.as_expr()}")
        elif powers:
            low, high = min(powers), max(powers)
            for p in range(0, top + 1):
                want = left.as_expr().coeff(X, p) if p else left.as_expr().subs(X, 0)
                have = shown.coeff(X, p) if p else shown.subs(X, 0)
                if (low <= p <= high and have != want) or (p > high and want != 0):
                    problems.append(f"row {shown} disagrees with {left.as_expr()} at x^{p}")
                    break
    if not problems:
        if sp.expand(q.as_expr() - quotient) != 0:
            problems.append(f"the quotient {quotient} is not {q.as_expr()}")
        elif not left.is_zero and left.degree() >= g.degree():
            problems.append(f"the remainder {left.as_expr()} is not of a lower degree than {divisor}")
    if problems:
        verdict.false.append(f"{name}: " + "; ".join(problems))


CROSS = ("╲╱", "╱╲")  # the crossing cells of a cross table (たすき掛け)


def judge_cross(table, reader, verdict):
    """A cross table (たすき掛け) of ax² + bx + c = (a₁x + c₁)(a₂x + c₂):
        a₁ ╲╱ c₁ → a₂c₁
        a₂ ╱╲ c₂ → a₁c₂
        ───────────────
        a       c     b
    a₁a₂ = a, c₁c₂ = c, each cross product, and their sum b. Gives the
    product (a₁x + c₁)(a₂x + c₂), which the next line must state; None for
    any other table."""
    rows = [parts(row) for row in parts(table)]
    if len(rows) != 3 or any(len(row) != 5 for row in rows):
        return None
    if tuple(rows[i][1].get("t") for i in (0, 1)) != CROSS:
        return None
    try:
        (a1, c1, p1), (a2, c2, p2), (a, c, b) = ([reader.value(items(row[k])) for k in (0, 2, 4)] for row in rows)
    except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
        verdict.skipped += 1
        verdict.unread.append("a cross table")
        return None
    verdict.checked += 1
    if not (a1 * a2 == a and c1 * c2 == c and p1 == a2 * c1 and p2 == a1 * c2 and p1 + p2 == b):
        verdict.false.append(f"cross table {a1}, {c1} / {a2}, {c2}: {p1}, {p2} / {a}, {c}, {b}")
    return sp.expand((a1 * X + c1) * (a2 * X + c2))


def judge_cross_product(line, product, reader, verdict):
    """The line after a cross table states its product: one of its sides
    is (a₁x + c₁)(a₂x + c₂)."""
    verdict.checked += 1
    for chain, _ in chains(line)[0]:
        for side in chain:
            try:
                values = reader.values(side) if side else []
            except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
                continue
            if any(sp.expand(v - product) == 0 for v in values):
                return
    verdict.false.append(f"a cross table of {product} not stated on the line after it")


def judge_alone(difference, line, verdict):
    """One equation of a line on its own where the problem is the line
    L(x, y) = 0 with a coefficient 0: "3y = 6 より y = 2" is L times a
    constant; "x = n" or "例えば y = 0" gives a value to an unknown that L
    does not hold. True where judged (and it holds); any other equation
    stays unjudged."""
    free = difference.free_symbols
    if free and free <= {X, Y} and not sp.simplify(difference / line).free_symbols:
        verdict.checked += 1
        return True
    unknowns = free & {X, Y}
    if len(unknowns) == 1 and free <= unknowns | {N} and not unknowns & line.free_symbols:
        verdict.checked += 1
        return True
    return False


def judge_together(pending, relation, verdict):
    """Equations of one line that state one solution together ("x = 24,
    y = 16", "x − 1 = 6n, y + 1 = −5n"): solved for the unknowns, they must
    solve the problem's equation (for every n)."""
    unknowns = sorted(set().union(*(d.free_symbols for d, _ in pending)) & {X, Y, Z}, key=str) if pending else []
    if len(pending) == 1 and relation is not None and relation[0] == "line" and judge_alone(pending[0][0], relation[1], verdict):
        return
    solutions = []
    if len(pending) > 1 and relation is not None and relation[0] in ("line", "point") and unknowns:
        solutions = sp.solve([d for d, _ in pending], unknowns, dict=True)
    if len(solutions) == 1 and set(solutions[0]) == set(unknowns):
        kind, what = relation
        solution = solutions[0]
        if kind == "line":
            holds = set(unknowns) == what.free_symbols and sp.expand(what.subs(solution)) == 0
        else:
            holds = all(sp.simplify(solution[u] - what.get(u, solution[u])) == 0 for u in unknowns)
        verdict.checked += len(pending)
        if not holds:
            verdict.false.append(", ".join(show(chain) for _, chain in pending) + ": not a solution of the problem")
        return
    for _, chain in pending:
        verdict.skipped += 1
        verdict.unread.append(f"{show(chain)} (an equation with nothing to judge it by)")


def substitution(chain, reader):
    """The letter and its value of "x² = X とおくと": a lone capital letter,
    which stands for the side before it from here on."""
    if len(chain) != 2 or len(chain[1]) != 1:
        return None
    node = chain[1][0]
    text = node.get("t", "")
    if node["k"] != "Letter" or not re.fullmatch("[A-Z]", text):
        return None
    try:
        return text, reader.value(chain[0])
    except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
        return None


def judge_chain(chain, after, reader, relation, verdict, pending):
    if after == "define" and (named := substitution(chain, reader)) is not None:
        reader.variables[named[0]] = named[1]
        return
    # a leading label ("判別式 D", "最小公倍数は …") stays out: chains()
    # already ends a chain at a word, so only a lone name remains to skip
    sides = []
    defined = None
    for number, side in enumerate(chain):
        name = definition(side) if number == 0 else None
        if name is not None and name not in reader.functions:
            defined = name
            sides.append(NAMED)
            continue
        if not side:  # the value of a label before it: "傾き = …"
            sides.append(NAMED)
            continue
        try:
            sides.append(reader.values(side))
        except Named:
            sides.append(NAMED)
        except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
            sides.append(None)
    if defined is not None:
        for values in sides[1:]:
            if values not in (None, NAMED) and len(values) == 1:
                reader.functions[defined] = values[0]
                if defined == "F" and "f" in reader.functions:
                    # an antiderivative: F′ = f
                    verdict.checked += 1
                    if sp.expand(sp.diff(values[0], X) - reader.functions["f"]) != 0:
                        verdict.false.append(f"{show(chain)}: F′(x) ≠ {reader.functions['f']}")
                break
    if after == "false":
        pair = [s for s in sides if s not in (None, NAMED)]
        if len(pair) == 2 and len(pair[0]) == len(pair[1]) == 1:
            verdict.checked += 1
            if equal(pair[0][0], pair[1][0]):
                verdict.false.append(f"{show(chain)}: stated as false, but holds")
        else:
            verdict.skipped += 1
            verdict.unread.append(show(chain))
        return
    for number in range(len(sides) - 1):
        left, right = sides[number], sides[number + 1]
        if NAMED in (left, right):
            continue
        if left is not None and right is None and approximate_roots(left, chain[number + 1], reader, relation, verdict):
            continue
        if left is None or right is None:
            verdict.skipped += 1
            verdict.unread.append(show(chain))
            continue
        if len(left) == 1 and len(right) == 1:
            judge_pair(left[0], right[0], chain, relation, verdict, pending, after)
        elif len(right) == 2 and len(left) == 1 and left[0].has(PM):
            # x = (1 ± √25)/12 = −1/3, 1/2: the two signs give the two values
            a, b = left[0].subs(PM, 1), left[0].subs(PM, -1)
            verdict.checked += 1
            if not (equal(a, right[0]) and equal(b, right[1]) or equal(a, right[1]) and equal(b, right[0])):
                verdict.false.append(f"{show(chain)}: {a}, {b} ≠ {right[0]}, {right[1]}")
        elif len(left) == 1 and (left[0] in (X, Y, Z) or relation is not None and relation[0] == "roots"):
            # a list of solutions: x = 1, −2; X = 1, 4 for X = x²
            for value in right:
                judge_pair(left[0], value, chain, relation, verdict, pending)
        else:
            verdict.skipped += 1
            verdict.unread.append(show(chain))


def approximate_roots(left, side, reader, relation, verdict):
    """x = 0, ≈0.4750: roots of the problem's P, the exact ones exactly and
    each after "≈" a real root rounded to the digits it shows. True where
    the side was read so."""
    if left != [X] or relation is None or relation[0] != "roots" or not any(is_op(n, "≈") for n in side):
        return False
    segments = [[]]
    for node in side:
        if node["k"] == "Punct" and node.get("t") == ",":
            segments.append([])
        else:
            segments[-1].append(node)
    poly = sp.Poly(relation[1], X)
    real = [r for r in poly.nroots(n=40, maxsteps=200) if abs(sp.im(r)) < sp.Float("1e-30")]
    for segment in segments:
        if segment and is_op(segment[0], "≈"):
            text = flat(segment[1:]).replace("−", "-").replace(" ", "")
            try:
                value = sp.Float(text, 40)
            except (TypeError, ValueError):
                return False
            places = len(text.split(".")[1]) if "." in text else 0
            verdict.checked += 1
            if not any(abs(sp.re(r) - value) <= sp.Float(10) ** -places for r in real):
                verdict.false.append(f"≈{text}: no real root of {relation[1]} rounds to it")
        else:
            try:
                value = reader.value(segment)
            except (Unreadable, TypeError, ValueError, ZeroDivisionError, AttributeError, IndexError):
                return False
            verdict.checked += 1
            if not equal(relation[1].subs(X, value), sp.Integer(0)):
                verdict.false.append(f"x = {value}: not a root of {relation[1]}")
    return True


def judge_pair(left, right, chain, relation, verdict, pending, after=""):
    if equal(left, right):
        verdict.checked += 1
        return
    difference = sp.expand(left - right)
    if not difference.free_symbols - {PM} and after != "equation":
        verdict.checked += 1
        verdict.false.append(f"{show(chain)}: {left} ≠ {right}")
        return
    # an equation rather than an identity: "… = 0", "x = …", or any line of
    # a system or a straight line; elsewhere x is a polynomial's variable
    # (x² = 4 is one: a side without x cannot be a polynomial that x names)
    if (
        relation is None
        or relation[0] == "roots"
        and not (not left.free_symbols or not right.free_symbols or X in (left, right))
        and not ({left, right} & {0, X})
        and not term_against_number(left, right)
    ):
        verdict.checked += 1
        verdict.false.append(f"{show(chain)}: not an identity")
        return
    agrees = consistent(difference, relation)
    if agrees is None:
        pending.append((difference, chain))
        return
    verdict.checked += 1
    if not agrees:
        verdict.false.append(f"{show(chain)}: {left} = {right} disagrees with the problem")


def term_against_number(left, right):
    """An equation solved by square roots: a term in x against a number,
    "x² = 8", "2x² = 3"."""
    for term, number in ((left, right), (right, left)):
        if term.free_symbols == {X} and not number.free_symbols and sp.Poly(term, X).is_monomial:
            return True
    return False


def show(chain):
    return " = ".join(flat(side) for side in chain)


def flat(nodes):
    text = []
    for node in nodes:
        kind, body = node["k"], node.get("p", [])
        if "t" in node and kind != "Count":
            text.append(node["t"])
        if kind == "Fraction":
            text.append(f"({flat(items(body[0]))})/({flat(items(body[1]))})")
        elif kind == "Root":
            text.append(f"√({flat(items(body[0]))})")
        elif kind == "Power":
            text.append(f"({flat(items(body[0]))})^{flat(items(body[1]))}")
        elif kind == "Paren":
            text.append(f"({flat(items(body[0]))})")
        elif body:
            text.append(f"{kind}[{', '.join(flat(items(p)) for p in body)}]")
    return "".join(text)


def ends_in(working_text, answer_text):
    """Whether the working's last lines state the board's answer, line by
    line: the same line, or one that ends in it ("f′(0) = 12·0 + 11 = 11"
    for "f′(0) = 11", " = −24(x − 1)(2x + 5)" for the factored product);
    a last line ending in "(n は整数)" holds the answer's lines parted by
    commas."""

    def plain(text):
        return text.replace(" ", "")

    answer = [plain(line) for line in answer_text.split("\n")]
    lines = [plain(line).removeprefix("=") for line in working_text.split("\n")]
    if lines and lines[-1].endswith("(nは整数)"):
        # every solution on one line: "x = 5n + 2, y = −3n − 1 (n は整数)"
        lines[-1:] = lines[-1].removesuffix("(nは整数)").split(",")
    if len(lines) < len(answer):
        return False
    if len(answer) == 1 and same_roots(lines[-1], answer[0]):
        return True
    for line, want in zip(lines[-len(answer) :], answer):
        if line.endswith(want):
            continue
        left, sep, _ = want.partition("=")
        if not (sep and line.startswith(left) and line.rpartition("=")[2] == want.rpartition("=")[2]):
            return False
    return True


def same_roots(line, answer):
    """Whether a line ending in "x = …" lists the roots of the answer
    "x = …" in any order ("x=−2,1" for "x=1,−2"), each "a ± b" as its two
    values ("x=±2" for "x=2,−2"); texts without spaces."""

    def roots(text):
        head, sep, listed = text.rpartition("x=")
        if not sep or "≈" in listed:
            return None
        values = []
        for item in listed.rpartition("=")[2].split(","):
            at = item.find("±")
            if at < 0:
                values.append(item)
            elif at == 0:
                values += [item[1:], "−" + item[1:]]
            else:
                values += [item[:at] + "+" + item[at + 1 :], item[:at] + "−" + item[at + 1 :]]
        return sorted(values)

    listed = roots(line)
    return listed is not None and listed == roots(answer) and answer.startswith("x=")
