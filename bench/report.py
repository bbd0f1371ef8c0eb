#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the benchmark table of bench/run.sh.

Reads the Google Benchmark JSON of vorantel_bench, times the same
factorizations, equation roots and sums with SymPy in this process, both with
its general calls and at its polynomial level, sets FLINT's own factoring
(flint_bench.cpp, in the same JSON) beside the factorizations, measures
the start-up of the program with vorantel_startup and the first calculation of
every window in a fresh process with vorantel_first_call (first_calls.py), and
reads the peak memory figures that run.sh collected. Times are CPU times (the
machine is shared, and CPU time is what a calculation costs whatever else runs
beside it), except the start-up and the first calls, which are wall times.

    report.py BENCH_JSON BUILD_DIR PROGRAM_PEAK_KB BENCH_PEAK_KB
"""

import json
import os
import statistics
import subprocess
import sys
import time

import sympy
from sympy import Rational as Q
from sympy.core.cache import clear_cache

import first_calls

x, k, n = sympy.symbols("x k n")


def poly(*factors):
    """The expanded product of factors given as SymPy texts in x."""
    return sympy.expand(sympy.Mul(*[sympy.sympify(f, locals={"x": x}) for f in factors]))


# Every problem is timed two ways. The general calls are what a user of
# SymPy types (factor, solve, summation) and run with SymPy's cache cleared
# before each; the polynomial-level calls work on Poly objects made
# beforehand, as Vorantel's benchmarks start from a polynomial already read,
# and keep the cache.

def factor(p):
    general = lambda: sympy.factor(p)
    dense = sympy.Poly(p, x)
    return "factor", general, lambda: dense.factor_list()


# For x^2+1518516543x+943851152 both SymPy forms leave the square root of the
# discriminant 1048583^2 * 2097169 as it is, where Vorantel takes the square out.
def solve(p):
    general = lambda: sympy.solve(p, x)
    dense = sympy.Poly(p, x)
    return "roots", general, lambda: sympy.roots(dense)


# POWER_SUMS[j] is the sum of k^j for k = 1 to n, a polynomial in n.
POWER_SUMS = [sympy.Poly(sympy.summation(k**j, (k, 1, n)), n, domain=sympy.QQ) for j in range(4)]


def sigma(summand, lower, upper):
    def general():
        total = sympy.summation(summand, (k, lower, upper))
        return sympy.factor(total) if total.free_symbols else total

    # With S(m) the sum of the summand for k = 1 to m, the sum from L to U is
    # S(U) - S(L - 1), and S is a combination of the power sums.
    coeffs = sympy.Poly(summand, k).all_coeffs()[::-1]
    at_upper = sympy.Poly(upper, n, domain=sympy.QQ)
    before_lower = sympy.Poly(lower - 1, n, domain=sympy.QQ)

    def dense():
        partial = sympy.Poly(0, n, domain=sympy.QQ)
        for c, power_sum in zip(coeffs, POWER_SUMS):
            partial += power_sum.mul_ground(c)
        total = partial.compose(at_upper) - partial.compose(before_lower)
        return total.factor_list() if total.degree() > 0 else total

    return "sum", general, dense


# Window benchmarks of window_bench.cpp: (calculation, input).
WINDOWS = {
    "Renritu_FractionsNear2To31": ("2 linear equations", "6 fractions near 2^31, x=1 y=-1"),
    "Renritu_Overflow": ("2 linear equations", "6 fractions near 2^31, answer too large"),
    "Renritu3_FractionsNear2To31": ("3 linear equations", "12 fractions near 2^31, (1,-1,1)"),
    "Renritu3_Overflow": ("3 linear equations", "12 fractions near 2^31, answer too large"),
    "Hutei_FibonacciAll": ("indefinite equation", "F46 x + F45 y = 1, all solutions"),
    "Hutei_FibonacciMinusOne": ("indefinite equation", "-F46 x - F45 y = -1, one solution"),
    "Hutei_LargestOverflow": ("indefinite equation", "F46 x + F45 y = 2^31-1"),
    "Junretu_Factorial253": ("n!", "253! (500 digits)"),
    "Junretu_Factorial254Overflow": ("n!", "254! (overflow)"),
    "Junretu_Permutations253P252": ("nPr", "253P252 (500 digits)"),
    "Junretu_PermutationsLargestN": ("nPr", "2147483647P2147483647 (overflow)"),
    "Junretu_Combinations1666C833": ("nCr", "1666C833 (500 digits)"),
    "Junretu_Combinations1668C834Overflow": ("nCr", "1668C834 (overflow)"),
    "Junretu_CombinationsLargestN": ("nCr", "2147483647C60 (478 digits)"),
    "Naibun_InternalFractions": ("internal division", "fractions in all 6 fields"),
    "Naibun_ExternalFractions": ("external division", "fractions in all 6 fields"),
    "Naibun_LineFractions": ("line through A, B", "fractions in all 4 fields"),
    "Naibun_InternalOverflow": ("internal division", "6 fractions near 2^31 (overflow)"),
    "Bibun_DerivativeValue": ("derivative value", "degree 4 fractions at x=-13/11"),
    "Bibun_Tangent": ("tangent line", "degree 4 fractions at x=-13/11"),
    "Bibun_ExtremaIrrationalFractions": ("extrema", "-2/3x^3+5/7x^2+11/13x-17/19"),
    "Bibun_ExtremaIrrationalLarge": ("extrema", "2x^3-997x^2-991x+983"),
    "Bibun_ExtremaOverflow": ("extrema", "x^3-46337x^2-46327x+2^31-1"),
    "Sekibun_Degree5Fractions": ("definite integral", "degree 5 fractions, -1/2..2/3"),
    "Sekibun_Degree5LargeLimits": ("definite integral", "degree 5, -19..20"),
    "Sekibun_LimitsNear2To31Overflow": ("definite integral", "degree 5, limits near 2^31"),
    "Sigma_QuadraticUpperLimit": ("sum", "k^3, k=1..2n^2+3n+1"),
    "Sigma_FractionsQuadraticUpperLimit": ("sum", "7/3k^3-5/2k^2+3k-11/13, k=-7..3/2n^2-5/3n+7"),
    "Sigma_LinearUpperLimit": ("sum", "k^3+k^2+k+1, k=1..n"),
    "Sigma_NumericLimits": ("sum", "k^3-k^2+k-1, k=-200..200"),
    "Insuu_ManyCandidates": ("factorization", "2147483646x^4+x^3-7x^2+3x+2095133040"),
    "Niji_SquaredLargePrime": ("quadratic equation", "x^2+1518516543x+943851152"),
    "Koji_FourRationalRoots": ("quartic equation", "30x^4-61x^3+41x^2-11x+1"),
    "Koji_ManyCandidates": ("quartic equation", "2147483646x^4+x^3-7x^2+3x+2095133040"),
    "Koji_LargeQuadraticsOverflow": ("quartic equation", "two quadratics, coefficients ~2^15"),
    "Enzan_MulDegree5Fractions": ("product f*g", "degree 5 by degree 5, fractions"),
    "Enzan_DivDegree5ByQuadratic": ("quotient, remainder", "degree 5 fractions by 2x^2-3x+5"),
    "Enzan_SubstituteQuadratic": ("substitution f(g)", "degree 5 into x^2-x+1"),
}

# The same problems for SymPy: benchmark name -> (calculation, input,
# (kind, general call, polynomial-level call)).
SYMPY = {
    "Factor/QuarticManyDivisors": ("factorization", "x^4+2095133040", factor(poly("x**4+2095133040"))),
    "Factor/SplitManyDivisors": (
        "factorization", "(45360x+3)(46189x+5)", factor(poly("45360*x+3", "46189*x+5"))),
    "Factor/LargePrimes": (
        "factorization", "2147483647x^3+2147483629x+2147483587",
        factor(poly("2147483647*x**3+2147483629*x+2147483587"))),
    "Factor/TenIntegerRoots": (
        "factorization", "(x-1)(x+1)...(x-5)(x+5)",
        factor(poly(*[f"x{s}{i}" for i in range(1, 6) for s in "-+"]))),
    "Factor/TenRationalRoots": (
        "factorization", "ten rational roots",
        factor(poly("2*x-1", "3*x-1", "5*x+1", "7*x-2", "2*x+3", "3*x+2", "4*x-3", "5*x-2", "x-7",
                    "6*x+5"))),
    "Factor/FiveQuadratics": (
        "factorization", "five irreducible quadratics",
        factor(poly("x**2+1", "x**2+2", "x**2+x+1", "x**2-x+1", "2*x**2+3*x+5"))),
    "Factor/TwoQuintics": (
        "factorization", "(x^5-x+1)(x^5+3x^2-2)", factor(poly("x**5-x+1", "x**5+3*x**2-2"))),
    "Factor/IrreducibleDegree10": (
        "factorization", "x^10-x^9+3x^4-7x+2095133040",
        factor(poly("x**10-x**9+3*x**4-7*x+2095133040"))),
    "Factor/TenRealIrrationalRoots": (
        "factorization", "512x^10-1280x^8+...-1", factor(
            poly("512*x**10-1280*x**8+1120*x**6-400*x**4+50*x**2-1"))),
    "Factor/QuarticLargeCoefficients": (
        "factorization", "(19997x^2+15001x+19993)(19991x^2-17003x+19979)",
        factor(poly("19997*x**2+15001*x+19993", "19991*x**2-17003*x+19979"))),
    "Insuu_ManyCandidates": (
        "factorization (window)", "2147483646x^4+x^3-7x^2+3x+2095133040",
        factor(poly("2147483646*x**4+x**3-7*x**2+3*x+2095133040"))),
    "SolveQuadratic/SmallDiscriminant": (
        "quadratic roots", "x^2+300x+1", solve(poly("x**2+300*x+1"))),
    "SolveQuadratic/Discriminant2To32": (
        "quadratic roots", "x^2+65536x+1", solve(poly("x**2+65536*x+1"))),
    "SolveQuadratic/SquaredLargePrime": (
        "quadratic roots", "x^2+1518516543x+943851152", solve(poly("x**2+1518516543*x+943851152"))),
    "Niji_SquaredLargePrime": (
        "quadratic equation (window)", "x^2+1518516543x+943851152",
        solve(poly("x**2+1518516543*x+943851152"))),
    "FactorToRoots/FourRoots": (
        "quartic roots", "30x^4-61x^3+41x^2-11x+1", solve(poly("30*x**4-61*x**3+41*x**2-11*x+1"))),
    "FactorToRoots/TwoQuadratics": ("quartic roots", "x^4+x^2+1", solve(poly("x**4+x**2+1"))),
    "Koji_FourRationalRoots": (
        "quartic equation (window)", "30x^4-61x^3+41x^2-11x+1",
        solve(poly("30*x**4-61*x**3+41*x**2-11*x+1"))),
    "Sigma_QuadraticUpperLimit": (
        "sum (window)", "k^3, k=1..2n^2+3n+1", sigma(k**3, 1, 2 * n**2 + 3 * n + 1)),
    "Sigma_FractionsQuadraticUpperLimit": (
        "sum (window)", "7/3k^3-5/2k^2+3k-11/13, k=-7..3/2n^2-5/3n+7",
        sigma(Q(7, 3) * k**3 - Q(5, 2) * k**2 + 3 * k - Q(11, 13), -7,
              Q(3, 2) * n**2 - Q(5, 3) * n + 7)),
    "Sigma_LinearUpperLimit": (
        "sum (window)", "k^3+k^2+k+1, k=1..n", sigma(k**3 + k**2 + k + 1, 1, n)),
    "Sigma_NumericLimits": (
        "sum (window)", "k^3-k^2+k-1, k=-200..200", sigma(k**3 - k**2 + k - 1, -200, 200)),
}


# FLINT's fmpz_poly_factor on the same polynomial (flint_bench.cpp).
FLINT = {name: "FlintFactor/" + name.split("/")[1] for name in SYMPY if name.startswith("Factor/")}
FLINT["Insuu_ManyCandidates"] = "FlintFactor/WindowManyCandidates"


def sympy_seconds(run, clear, budget=0.5):
    """Median CPU time of one run.

    With clear, every run is fresh (SymPy's cache cleared before it); without,
    runs are timed in batches of at least 2 ms and the cache is kept.
    """
    run()
    batch = 1
    if not clear:
        while True:
            start = time.process_time()
            for _ in range(batch):
                run()
            if time.process_time() - start >= 2e-3:
                break
            batch *= 2
    times = []
    spent = 0.0
    while len(times) < 5 or (spent < budget and len(times) < 50):
        if clear:
            clear_cache()
        start = time.process_time()
        for _ in range(batch):
            run()
        elapsed = time.process_time() - start
        times.append(elapsed / batch)
        spent += elapsed
    return statistics.median(times)


def as_expr(answer):
    """A factor list (coefficient, [(Poly, multiplicity)]) or a Poly as an expression."""
    if isinstance(answer, tuple):
        return answer[0] * sympy.Mul(*[f.as_expr()**m for f, m in answer[1]])
    return answer.as_expr() if isinstance(answer, sympy.Poly) else answer


def check_same(name, kind, general, dense):
    """Raises unless both calls give the same answer, so both forms do the same work."""
    a, b = general(), dense()
    if kind == "roots":
        values = lambda roots: sorted((complex(sympy.N(r, 30)) for r in roots),
                                      key=lambda z: (z.real, z.imag))
        va, vb = values(a), values(b)
        same = len(va) == len(vb) and all(abs(p - q) <= 1e-9 * (1 + abs(p)) for p, q in zip(va, vb))
    else:
        same = sympy.expand(as_expr(a) - as_expr(b)) == 0
        if isinstance(b, tuple):
            count = lambda e: sum(m for f, m in sympy.factor_list(e)[1])
            same = same and count(as_expr(a)) == sum(m for _, m in b[1])
    if not same:
        raise RuntimeError(f"{name}: SymPy's two forms differ: {a} and {b}")


def vorantel_seconds(bench_json):
    """Median CPU time per iteration by benchmark name, and its label."""
    times, labels = {}, {}
    for b in bench_json["benchmarks"]:
        if b.get("aggregate_name", "median") != "median":
            continue
        name = b.get("run_name", b["name"])
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b.get("time_unit", "ns")]
        times[name] = b["cpu_time"] * scale
        labels[name] = b.get("label", "")
    return times, labels


def startup(build, runs=15):
    """Median time from launching vorantel_startup to its main window's first paint."""
    probe = os.path.join(build, "bench", "startup", "vorantel_startup")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    launch, in_main, peak = [], [], []
    for _ in range(runs):
        started = time.time_ns()
        out = subprocess.run([probe], env=env, capture_output=True, text=True, check=True).stdout
        fields = dict(item.split("=") for item in out.split())
        launch.append((int(fields["shown_ns"]) - started) / 1e9)
        in_main.append(int(fields["in_main_ns"]) / 1e9)
        peak.append(int(fields["vmhwm_kb"]))
    out = subprocess.run([probe, "--all-windows"], env=env, capture_output=True, text=True,
                         check=True).stdout
    all_windows = int(dict(item.split("=") for item in out.split())["vmhwm_kb"])
    return statistics.median(launch), statistics.median(in_main), max(peak), all_windows


def flint_version(build):
    """FLINT's version from the cache of the build, or its header."""
    header = "/usr/include/flint/flint.h"
    try:
        with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
            for line in f:
                if line.startswith("FLINT_INCLUDE_DIR:"):
                    header = os.path.join(line.split("=", 1)[1].strip(), "flint", "flint.h")
        with open(header, encoding="utf-8") as f:
            for line in f:
                if line.startswith("#define FLINT_VERSION "):
                    return line.split()[2].strip('"')
    except OSError:
        pass
    return "?"


def fmt(seconds):
    if seconds is None:
        return "-"
    if seconds >= 1e-3:
        return f"{seconds * 1e3:.2f} ms"
    return f"{seconds * 1e6:.1f} us"


def main():
    bench_path, build, program_peak_kb, bench_peak_kb = sys.argv[1:5]
    load_before = os.getloadavg()[0]
    with open(bench_path, encoding="utf-8") as f:
        times, labels = vorantel_seconds(json.load(f))

    rows = []
    for name, (calc, text) in WINDOWS.items():
        if name in times:
            rows.append((calc, text, times[name], None, labels[name]))
    compared = []
    for name, (calc, text, (kind, general, dense)) in SYMPY.items():
        if name in times:
            check_same(name, kind, general, dense)
            compared.append((calc, text, kind, times[name], sympy_seconds(general, True),
                             sympy_seconds(dense, False), times.get(FLINT.get(name))))

    head = f"{'Calculation':<26} {'Input':<48} {'Vorantel':>10} {'SymPy':>10} {'Ratio':>8}"
    print("Every window's calculation, the arithmetic of its whole handler "
          "(fields read, computed, answer texts made)")
    print(head)
    print("-" * len(head))
    for calc, text, v, _, label in rows:
        print(f"{calc:<26} {text:<48} {fmt(v):>10} {'-':>10} {'-':>8}   {label}")
    print()
    runs = 21
    print("The first calculation of each window in a fresh process: its slowest case above, "
          f"one click, median wall time of {runs} processes")
    head_first = f"{'Window':<26} {'Input':<48} {'Warm':>10} {'First call':>10} {'Ratio':>8}"
    print(head_first)
    print("-" * len(head_first))
    for window, name, warm, first, _ in first_calls.measure(times, build, runs):
        text = WINDOWS.get(name, ("", name))[1]
        print(f"{window:<26} {text:<48} {fmt(warm):>10} {fmt(first):>10} {first / warm:>7.0f}x")
    print()
    print("Side by side with SymPy " + sympy.__version__ + " and FLINT " + flint_version(build)
          + ". SymPy: general calls (factor, solve, summation), cache cleared before each; "
          "SymPy Poly: Poly.factor_list, roots of a Poly, power sums with Poly.compose, cache kept")
    print("FLINT: fmpz_poly_factor alone on the factorizations. Ratios: SymPy/V and Poly/V are "
          "SymPy time / Vorantel time, V/FLINT is Vorantel time / FLINT time")
    wide = f"{'Calculation':<26} {'Input':<48} {'Vorantel':>10} {'SymPy':>10} {'SymPy Poly':>10} " \
           f"{'FLINT':>10} {'SymPy/V':>8} {'Poly/V':>8} {'V/FLINT':>8}"
    print(wide)
    print("-" * len(wide))
    ratio = lambda a, b: f"{a / b:>7.{0 if a / b >= 10 else 1}f}x" if a and b else f"{'-':>8}"
    for calc, text, _, v, general, dense, flint in compared:
        print(f"{calc:<26} {text:<48} {fmt(v):>10} {fmt(general):>10} {fmt(dense):>10} "
              f"{fmt(flint):>10} {ratio(general, v)} {ratio(dense, v)} {ratio(v, flint)}")
    groups = [("factorizations", "factor"), ("equation roots", "roots"), ("sums", "sum"),
              ("all", None)]
    for title, kind in groups:
        rows_in = [row for row in compared if kind in (None, row[2])]
        if not rows_in:
            continue
        mean = lambda pairs: statistics.geometric_mean([a / b for a, b in pairs]) if pairs else None
        general = mean([(row[4], row[3]) for row in rows_in])
        dense = mean([(row[5], row[3]) for row in rows_in])
        flint = mean([(row[3], row[6]) for row in rows_in if row[6]])
        print(f"{'':<26} {'geometric mean, ' + title:<48} {'':>10} {'':>10} {'':>10} {'':>10} "
              f"{ratio(general, 1)} {ratio(dense, 1)} {ratio(flint, 1)}")
    print()

    ours = {name: t for name, t in times.items() if not name.startswith("FlintFactor/")}
    slowest = max(ours.items(), key=lambda item: item[1])
    over = [name for name, t in ours.items() if t >= 1e-3]
    print(f"All {len(ours)} Vorantel benchmarks (bench/*_bench.cpp but flint_bench.cpp): "
          f"slowest {fmt(slowest[1])} ({slowest[0]}); "
          f"at or above 1 ms: {', '.join(over) if over else 'none'}")

    print(f"Load average (1 minute) on the {os.cpu_count()} cores: {load_before:.2f} as the "
          f"report began, {os.getloadavg()[0]:.2f} after the SymPy timings")
    launch, in_main, startup_peak, all_windows = startup(build)
    print(f"Start-up to the main window's first paint (offscreen, median of 15): {fmt(launch)} "
          f"from launch, {fmt(in_main)} of it inside main()")
    print(f"Peak resident memory: program after start-up {int(program_peak_kb) / 1024:.1f} MB; "
          f"start-up probe {startup_peak / 1024:.1f} MB, with all 13 windows open "
          f"{all_windows / 1024:.1f} MB; benchmark process after every calculation above "
          f"{int(bench_peak_kb) / 1024:.1f} MB")


if __name__ == "__main__":
    main()
