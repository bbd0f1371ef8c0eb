// SPDX-License-Identifier: GPL-3.0-or-later
#include "Working.h"

#include "BoardNotation.h"
#include "Errors.h"
#include "SquarePart.h"
#include "WorkingSteps.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace arith {

namespace {

using namespace steps;

// Formula parts.

TMath Word(const char* word) {
    return MathText(TMathKind::Word, word);
}

TMath Fraction(TMath num, TMath den) {
    return MathParts(TMathKind::Fraction, {std::move(num), std::move(den)});
}

// Exact values.

TRational Constant(const TPolynomial& p) {
    return Reduced(PolyCoeff(p, 0));
}

// A line that goes on from the one above: "= …".
TMath Continued(TMath right) {
    return MathRow({Op("="), std::move(right)});
}

// Stops the working where a step it is about to state is not exactly true.
void Check(bool holds, const char* step) {
    if (!holds) {
        throw WorkingCheckError(step);
    }
}

// Joins the items with the product dot: "7·6·5".
TMath Product(std::vector<TMath> factors) {
    std::vector<TMath> parts;
    for (TMath& factor : factors) {
        if (!parts.empty()) {
            parts.push_back(Dot());
        }
        parts.push_back(std::move(factor));
    }
    return MathRow(std::move(parts));
}

// Quadratic equations.

// Whether (P ± Q√R)/D and (P2 ± Q2√R2)/D2 are the same pair of values.
bool SamePair(const TInteger& P, const TInteger& Q, const TInteger& R, const TInteger& D,
              const TQuadRoots& other) {
    return R == other.R && P * other.D == other.P * D && Abs(Q) * other.D == Abs(other.Q) * D;
}

// The rational roots of the board's answer.
std::vector<TRational> AnswerRoots(const TEquationRoots& roots) {
    std::vector<TRational> values;
    for (const TFactorRoots& group : roots.Groups) {
        Check(group.Root.has_value(), "有理数解");
        values.push_back(Reduced(*group.Root));
    }
    return values;
}

bool SameValues(std::vector<TRational> a, std::vector<TRational> b) {
    const auto has = [](const std::vector<TRational>& list, const TRational& x) {
        for (const TRational& y : list) {
            if (x == y) {
                return true;
            }
        }
        return false;
    };
    for (const TRational& x : a) {
        if (!has(b, x)) {
            return false;
        }
    }
    for (const TRational& x : b) {
        if (!has(a, x)) {
            return false;
        }
    }
    return true;
}

// An integer coefficient after a sign or as a factor: "3", "(−2)".
TMath SignedInt(const TInteger& n) {
    return Signed({n, 1});
}

// Sums.

// Σₖ₌₁ˣ kⁱ for i = 0 to 3 as polynomials in x: x, x(x + 1)/2,
// x(x + 1)(2x + 1)/6, {x(x + 1)/2}²; each checked by S(x) − S(x − 1) = xⁱ
// and S(0) = 0.
TPolynomial PowerSum(int i) {
    const TPolynomial x = Monomial({1, 1}, 1);
    const TPolynomial x1 = x + Monomial({1, 1}, 0);
    const TPolynomial half = x * x1 * Monomial({1, 2}, 0);
    TPolynomial s;
    switch (i) {
    case 0:
        s = x;
        break;
    case 1:
        s = half;
        break;
    case 2:
        s = x * x1 * (Monomial({2, 1}, 1) + Monomial({1, 1}, 0)) * Monomial({1, 6}, 0);
        break;
    default:
        s = half * half;
        break;
    }
    Check(((s - Compose(s, x - Monomial({1, 1}, 0))) == Monomial({1, 1}, i)) &&
              s(TRational{}) == TRational{},
          "和の公式");
    return s;
}

// Factors in n side by side, "n(n + 1)(2n + 1)", a factor without brackets
// first ("n(n − 1)" for n − 1 and n), a factor repeated at once as a power
// ("n(n + 1)²"); numbers joined by the dot: "10·11·21".
TMath ProductInN(std::vector<TPolynomial> factors) {
    bool number = true;
    for (const TPolynomial& p : factors) {
        number = number && Normalized(p).Degree() == 0;
    }
    const auto bare = [](const TMath& math) {
        return math.Parts.size() == 1 && math.Parts[0].Kind != TMathKind::Fraction;
    };
    std::stable_partition(factors.begin(), factors.end(), [&](const TPolynomial& p) {
        return !number && bare(PolynomialMath(p, 'n'));
    });
    std::vector<TMath> parts;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        int times = 1;
        while (!number && k + 1 < factors.size() && factors[k + 1] == factors[k]) {
            ++k;
            ++times;
        }
        TMath math = PolynomialMath(factors[k], 'n');
        if (!number && (parts.size() > 0 || !bare(math))) {
            math = Paren(std::move(math));
        }
        parts.push_back(times > 1 ? Power(std::move(math), times) : std::move(math));
    }
    return number ? Product(std::move(parts)) : MathRow(std::move(parts));
}

// The formula of Σₖ₌₁ᵐ kⁱ with m put in: "n(n + 1)/2", "10·11/2",
// "(2n)(2n + 1)(4n + 1)/6", "(n(n + 1)/2)²".
TMath PowerSumFormula(int i, const TPolynomial& m) {
    const TPolynomial m1 = m + Monomial({1, 1}, 0);
    switch (i) {
    case 0:
        return Normalized(m).Degree() == 0 ? PolynomialMath(m, 'n') : ProductInN({m});
    case 1:
        return Fraction(ProductInN({m, m1}), Number(2));
    case 2:
        return Fraction(ProductInN({m, m1, m + m + Monomial({1, 1}, 0)}), Number(6));
    default:
        return Power(Paren(Fraction(ProductInN({m, m1}), Number(2))), 2);
    }
}

// In braces: "{(2n + 1) + 3}".
TMath Braces(TMath body) {
    return MathParts(TMathKind::Paren, {std::move(body)}, "{");
}

// The formula of Σₖ₌₁ᵐ kⁱ as a textbook states it, a fraction before the
// factors: "n", "(1/2)n(n + 1)", "(1/6)n(n + 1)(2n + 1)", "{(1/2)n(n + 1)}²".
TMath FactoredPowerSum(int i, const TPolynomial& m) {
    const TPolynomial m1 = m + Monomial({1, 1}, 0);
    const TMath half = MathRow({Fraction(Number(1), Number(2)), ProductInN({m, m1})});
    switch (i) {
    case 0:
        return ProductInN({m});
    case 1:
        return half;
    case 2:
        return MathRow(
            {Fraction(Number(1), Number(6)), ProductInN({m, m1, m + m + Monomial({1, 1}, 0)})});
    default:
        return Power(Braces(half), 2);
    }
}

// What is left of Σₖ₌₁ᵐ kⁱ's formula once its fraction and m(m + 1) (both)
// or m are taken out: its factors, none for 1.
std::vector<TPolynomial> FormulaRest(int i, const TPolynomial& m, bool both) {
    const TPolynomial m1 = m + Monomial({1, 1}, 0);
    const TPolynomial twice = m + m1;
    switch (i) {
    case 0:
        return {};
    case 1:
        return both ? std::vector<TPolynomial>{} : std::vector<TPolynomial>{m1};
    case 2:
        return both ? std::vector<TPolynomial>{twice} : std::vector<TPolynomial>{m1, twice};
    default:
        return both ? std::vector<TPolynomial>{m, m1} : std::vector<TPolynomial>{m, m1, m1};
    }
}

// c₃u₃ + c₂u₂ + c₁u₁ + c₀u₀ for the non-zero coefficients, with the product
// dot after a coefficient where dot(i) says the unit uᵢ is a product of numbers.
TMath ScaledSum(const TPolynomial& f, const std::function<TMath(int)>& unit,
                const std::function<bool(int)>& dot) {
    std::vector<TMath> parts;
    for (int i = Normalized(f).Degree(); i >= 0; --i) {
        const TRational c = Reduced(PolyCoeff(f, i));
        if (c == TRational{}) {
            continue;
        }
        if (Negative(c)) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TRational size = Negative(c) ? -c : c;
        if (size != TRational{1, 1}) {
            parts.push_back(RationalMath(size));
            if (dot(i)) {
                parts.push_back(Dot());
            }
        }
        parts.push_back(unit(i));
    }
    return parts.empty() ? MathRow({Number(0)}) : MathRow(std::move(parts));
}

// c₃u₃ + … with the factored formulas as the units, "4·(1/6)n(n + 1)(2n + 1)
// − 4·(1/2)n(n + 1) + n": the dot after a coefficient, except before Σ1's m.
TMath FactoredFormulas(const TPolynomial& f, const TPolynomial& m) {
    return ScaledSum(
        f, [&](int i) { return FactoredPowerSum(i, m); }, [](int i) { return i > 0; });
}

// Counting.

// hi·(hi − 1)·…·lo, more than 8 factors shortened to the first three, "…"
// and the last two: "12·11·10·…·2·1".
TMath Falling(const TInteger& hi, const TInteger& lo) {
    std::vector<TMath> factors;
    if (hi - lo + 1 > 8) {
        factors = {Number(hi), Number(hi - 1), Number(hi - 2),
                   Word("…"),  Number(lo + 1), Number(lo)};
    } else {
        for (TInteger k = hi; k >= lo; k -= 1) {
            factors.push_back(Number(k));
        }
    }
    return Product(std::move(factors));
}

// hi·(hi − 1)·…·lo. A count of at most 500 digits is a product of fewer
// than 1700 factors above 1 (2¹⁷⁰⁰ has 512 digits), so a longer product
// means a count that does not belong to its n and r.
TInteger FallingValue(const TInteger& hi, const TInteger& lo) {
    Check(hi - lo < 2000, "積の長さ");
    TInteger value = 1;
    for (TInteger k = hi; k >= lo; k -= 1) {
        value *= k;
    }
    return value;
}

// "7!".
TMath FactorialMath(const TInteger& n) {
    return MathRow({Number(n), Word("!")});
}

// Points and lines.

// "x − 1", "y + 2", "x": the letter less the value.
TMath LessValue(const char* letter, const TRational& value) {
    return TermsMath({{{1, 1}, Letter(letter)}, {Reduced(value * TRational{-1, 1}), MathRow({})}});
}

// slope·(x − x₁) as written after "=": "(1/2)(x − 1)", "−(x + 2)", "3x", "0".
TMath SlopeTimes(const TRational& slope, const TRational& x1) {
    TMath x = LessValue("x", x1);
    if (x1 != TRational{}) {
        x = Paren(std::move(x));
    }
    return TermsMath({{Reduced(slope), std::move(x)}});
}

// A visitor for a step variant from one lambda per step kind.
template <typename... Write> struct TStepWriter : Write... { using Write::operator()...; };
template <typename... Write> TStepWriter(Write...) -> TStepWriter<Write...>;

// Lines shared by the derivative, the tangent and the line through two points.

// "f′(x) = 3x² − 2".
TMath DerivativeFormulaLine(const TDerivativeFormula& step) {
    return Equals(MathRow({Word("f′"), Paren(Letter("x"))}), PolynomialMath(step.Derivative));
}

// "f(2) = 2³ − 2·2 = 4".
TMath ValueAtPointLine(const TValueAtPoint& step) {
    const TMath argument = Paren(RationalMath(step.Written));
    std::vector<TMath> parts = {step.Derivative ? MathRow({Word("f′"), argument})
                                                : MathRow({Letter("f"), argument}),
                                Op("=")};
    if (Normalized(step.P).Degree() > 0) {
        parts.push_back(Substituted(step.P, step.At));
        parts.push_back(Op("="));
    }
    parts.push_back(Value(step.Value));
    return MathRow(std::move(parts));
}

// "y − 2 = (1/2)(x − 1)".
TMath PointSlopeLine(const TPointSlopeForm& step) {
    return Equals(LessValue("y", step.Y), SlopeTimes(step.Slope, step.X));
}

// f′ as the derivative of f term by term, checked against the calculation's.
TDerivativeFormula DerivativeOf(const TPolynomial& f, const TPolynomial& derivative) {
    const TPolynomial d = Derivative(f);
    Check(d == derivative, "導関数");
    return {d};
}

// The power sums of Σₖ₌₁ᵐ f(k) and their value; a single power sum with
// coefficient 1 is not split first.
TPolynomial PowerSums(const TPolynomial& f, const TPolynomial& m, bool final,
                      std::vector<TSumSteps::TStep>& steps) {
    const TPolynomial g = Normalized(f);
    TPolynomial value;
    int terms = 0;
    for (int i = 0; i <= g.Degree(); ++i) {
        value = value + Monomial(PolyCoeff(g, i), 0) * Compose(PowerSum(i), m);
        terms += PolyCoeff(g, i) == TRational{} ? 0 : 1;
    }
    const bool single = terms == 1 && PolyCoeff(g, g.Degree()) == TRational{1, 1};
    steps.push_back(TSumSteps::TPowerSums{g, m, value, !single, final});
    return value;
}

// Σₖ₌₁ᵐ f(k) for m in n by the factored formulas, their common factor taken
// out where there are two or more: the fraction that clears every formula's
// denominator and m(m + 1), or m where Σ1 is among them.
TPolynomial FactoredPowerSums(const TPolynomial& f, const TPolynomial& m,
                              std::vector<TSumSteps::TStep>& steps) {
    const TPolynomial value = PowerSums(f, m, true, steps);
    std::get<TSumSteps::TPowerSums>(steps.back()).Factored = true;
    const TPolynomial g = Normalized(f);
    std::vector<int> powers;
    for (int i = g.Degree(); i >= 0; --i) {
        if (PolyCoeff(g, i) != TRational{}) {
            powers.push_back(i);
        }
    }
    if (powers.size() < 2) {
        return value;
    }
    const TRational fractions[] = {{1, 1}, {1, 2}, {1, 6}, {1, 4}};
    const auto scaled = [&](int i) { return Reduced(PolyCoeff(g, i) * fractions[i]); };
    TInteger lcm = 1;
    for (int i : powers) {
        lcm = Abs(IntLcm(lcm, scaled(i).Den()));
    }
    TInteger gcd = 0;
    for (int i : powers) {
        gcd = Gcd(gcd, Reduced(scaled(i) * TRational{lcm, 1}).Num());
    }
    TSumSteps::TCommonFactor common{m, Reduced({gcd, lcm}), powers.back() > 0, {}, {}};
    for (int i : powers) {
        const TRational part = Reduced(scaled(i) * TRational{lcm, gcd});
        Check(IsInteger(part), "共通因数");
        common.Parts.push_back({part.Num(), i});
        TPolynomial term = Monomial(part, 0);
        for (const TPolynomial& factor : FormulaRest(i, m, common.Both)) {
            term = term * factor;
        }
        common.Inside = common.Inside + term;
    }
    const TPolynomial taken = common.Both ? m * (m + Monomial({1, 1}, 0)) : Normalized(m);
    Check(Monomial(common.Scale, 0) * taken * common.Inside == value, "共通因数");
    steps.push_back(std::move(common));
    return value;
}

using TQuadraticStep = TQuadraticSteps::TStep;

// p times r, every coefficient reduced.
TPolynomial Scaled(const TPolynomial& p, const TRational& r) {
    TPolynomial out;
    for (int i = 0; i <= Normalized(p).Degree(); ++i) {
        PolySetCoeff(out, i, Reduced(PolyCoeff(p, i) * r));
    }
    return Normalized(out);
}

// Checks that r₁ ≤ r₂ solve p = 0 and are the answer's roots.
void CheckRationalRoots(const TPolynomial& p, const TRational& r1, const TRational& r2,
                        const TEquationRoots& roots) {
    Check(r2 >= r1 && p(r1) == TRational{} && p(r2) == TRational{}, "解の代入");
    Check(SameValues({r1, r2}, AnswerRoots(roots)), "解");
}

// ax² + c = 0 by square roots: x² = −c/a, x = ±√(−c/a).
TQuadraticSteps::TSquareRoot SquareRootStep(const TInteger& a, const TInteger& c,
                                            const TEquationRoots& roots) {
    const TRational k = Reduced({-c, a});
    TQuadraticSteps::TSquareRoot step{a, -c, k, std::nullopt, std::nullopt};
    TInteger num;
    TInteger den;
    if (k.Num().Sign() >= 0 && ExactSqrt(k.Num(), num) && ExactSqrt(k.Den(), den)) {
        // x = ±√k, a rational.
        const TRational root = Reduced({num, den});
        Check(root * root == k, "平方根");
        Check(SameValues({root, -root}, AnswerRoots(roots)), "解");
        step.Root = root;
        return step;
    }
    // ±√k = ±Q√R/D as the answer writes it.
    Check(roots.Groups.size() == 1 && roots.Groups[0].Pair, "解");
    const TQuadRoots& pair = *roots.Groups[0].Pair;
    Check(SquareRootsOf(pair, k), "平方根");
    step.Pair = pair;
    return step;
}

// Rational roots r₁ ≤ r₂ of ax² + bx + c (integers, no common factor, a > 0):
// a square for a double root, the sum and product for a = 1, otherwise
// たすき掛け.
TQuadraticStep FactoredStep(const TPolynomial& p, const TInteger& a, const TInteger& b,
                            const TInteger& c, const TRational& r1, const TRational& r2) {
    using S = TQuadraticSteps;
    if (a == 1) {
        // (x + m)(x + n) with m = −r₁ ≥ n = −r₂.
        Check(IsInteger(r1) && IsInteger(r2), "整数解");
        const TInteger m = -r1.Num();
        const TInteger n = -r2.Num();
        const std::array<TPolynomial, 2> factors = {
            Monomial({1, 1}, 1) + ConstantPolynomial({m, 1}),
            Monomial({1, 1}, 1) + ConstantPolynomial({n, 1})};
        Check(m + n == b && m * n == c && factors[0] * factors[1] == p, "和と積");
        if (r1 == r2) {
            return S::TPerfectSquare{factors[0], r1};
        }
        return S::TSumAndProduct{b, c, m, n, factors, {r1, r2}};
    }
    const std::optional<TCrossTable> table = CrossTableOf(p);
    Check(table.has_value(), "たすき掛け");
    const std::array<TPolynomial, 2> factors = CrossFactors(*table);
    if (r1 == r2) {
        Check(factors[0] == factors[1], "平方の形");
        return S::TPerfectSquare{factors[0], r1};
    }
    return S::TCrossSplit{*table, factors, {r1, r2}};
}

} // namespace

// Integer coefficients without a common factor and with a positive x² term
// first; then square roots for b = 0, the factor x for c = 0, factoring
// where the roots are rational and the root formula (by D/4 for an even b)
// where they are not.
std::optional<TQuadraticSteps> SolveQuadraticSteps(const TPolynomial& p,
                                                   const TEquationRoots& roots) {
    using S = TQuadraticSteps;
    const TPolynomial q = Normalized(p);
    if (q.Degree() != 2 || roots.Constant) {
        return std::nullopt;
    }
    TQuadraticSteps steps;
    steps.Roots = roots;

    // Both sides times the lcm of the denominators, negated for a negative
    // x² coefficient; then divided by the common factor, negated where the
    // x² coefficient is still negative.
    TInteger lcm = 1;
    for (int i = 0; i <= 2; ++i) {
        lcm = Abs(IntLcm(lcm, PolyCoeff(q, i).Den()));
    }
    const bool negative = Negative(PolyCoeff(q, 2));
    TPolynomial scaled = q;
    if (lcm != 1) {
        const TInteger scale = negative ? -lcm : lcm;
        scaled = Scaled(q, {scale, 1});
        steps.Steps.push_back(S::TClearDenominators{scale, scaled});
    }
    TInteger coefficient[3];
    for (int i = 0; i <= 2; ++i) {
        const TRational c = Reduced(PolyCoeff(scaled, i));
        Check(c.Den() == 1, "分母を払う");
        coefficient[i] = c.Num();
    }
    TInteger divisor = Gcd(Gcd(coefficient[0], coefficient[1]), coefficient[2]);
    if (coefficient[2].Sign() < 0) {
        divisor = -divisor;
    }
    if (divisor != 1) {
        scaled = Scaled(scaled, {1, divisor});
        for (TInteger& c : coefficient) {
            c = DivExact(c, divisor);
        }
        steps.Steps.push_back(S::TDivideCommon{divisor, scaled});
    }
    const TInteger& a = coefficient[2];
    const TInteger& b = coefficient[1];
    const TInteger& c = coefficient[0];
    Check(a.Sign() > 0 && Gcd(Gcd(a, b), c) == 1, "係数の整理");

    if (b.IsZero()) {
        steps.Steps.push_back(SquareRootStep(a, c, roots));
        return steps;
    }
    if (c.IsZero()) {
        // x(ax + b) = 0.
        const TPolynomial rest = Monomial({a, 1}, 1) + ConstantPolynomial({b, 1});
        Check(Monomial({1, 1}, 1) * rest == scaled, "共通因数");
        TRational r1 = Reduced({-b, a});
        TRational r2;
        if (r1 > r2) {
            std::swap(r1, r2);
        }
        CheckRationalRoots(scaled, r1, r2, roots);
        steps.Steps.push_back(S::TCommonX{rest, {r1, r2}});
        return steps;
    }

    const TInteger discriminant = b * b - 4 * a * c;
    TInteger s;
    if (discriminant.Sign() >= 0 && ExactSqrt(discriminant, s)) {
        const TRational r1 = Reduced({-b - s, 2 * a});
        const TRational r2 = Reduced({-b + s, 2 * a});
        CheckRationalRoots(scaled, r1, r2, roots);
        steps.Steps.push_back(FactoredStep(scaled, a, b, c, r1, r2));
        return steps;
    }

    // The root formula, by b′ = b/2 and D/4 = b′² − ac where b is even.
    const bool half = b % 2 == 0;
    const TInteger b1 = half ? DivExact(b, 2) : b;
    const TInteger d = half ? b1 * b1 - a * c : discriminant;
    const int sign = d.Sign();
    Check(sign != 0, "判別式");
    steps.Steps.push_back(S::TDiscriminant{a, b1, c, d, half});
    steps.Steps.push_back(S::TRootKind{sign, half});

    // √d = s√r, r square-free and signed as d, from the answer's r, which
    // spares factoring |d| again.
    Check(roots.Groups.size() == 1 && roots.Groups[0].Pair, "解");
    const TQuadRoots& pair = *roots.Groups[0].Pair;
    TSquareSplit split;
    split.Free = Abs(pair.R);
    split.Complete = pair.Simplest;
    Check(!split.Free.IsZero() && ExactSqrt(Abs(d) / split.Free, split.Root), "√D の簡約");
    s = split.Root;
    const TInteger r = sign < 0 ? -split.Free : split.Free;
    Check(s * s * split.Free == Abs(d) && r != 1, "√D の簡約");
    steps.Steps.push_back(S::TSimplifyRoot{d, s, r, split.Complete});

    // (P ± Q√R)/D in lowest terms, checked by the sum and product of the roots.
    const TInteger denominator = half ? a : 2 * a;
    const TInteger g = Gcd(Gcd(b1, s), denominator);
    const TInteger P = DivExact(-b1, g);
    const TInteger Q = DivExact(s, g);
    const TInteger D = DivExact(denominator, g);
    Check(2 * P * a == -b * D && (P * P - Q * Q * r) * a == c * D * D, "解と係数の関係");
    Check(SamePair(P, Q, r, D, pair), "解");
    steps.Steps.push_back(S::TRootFormula{a, b1, d, s, r, half});
    return steps;
}

TMath WriteQuadraticSteps(const TQuadraticSteps& steps) {
    using S = TQuadraticSteps;
    std::vector<TMath> lines;
    const TMath answer = RootsAnswer(steps.Roots, true);
    bool stated = false; // whether a line has stated the roots
    const TMath x = Letter("x");
    // 2a and −b as the formula writes them: "2·2", "−(−4)".
    const auto twoA = [](const TInteger& a) { return Product({Number(2), Number(a)}); };
    const auto minusB = [](const TInteger& b) { return MathRow({Op("−"), SignedInt(b)}); };
    // "D", "D/4".
    const auto named = [](bool half) {
        return half ? Fraction(Letter("D"), Number(4)) : Letter("D");
    };
    // "(x − 2)(x − 3) = 0 より x = 2, 3".
    const auto solved = [&](TMath product, const std::vector<TRational>& roots) {
        std::vector<TMath> list;
        for (const TRational& r : roots) {
            if (!list.empty()) {
                list.push_back(Comma());
            }
            list.push_back(Value(r));
        }
        lines.push_back(MathRow({Equals(std::move(product), Number(0)), Word("より"),
                                 Equals(x, MathRow(std::move(list)))}));
        stated = true;
    };
    const auto factors = [](const std::array<TPolynomial, 2>& f) {
        return MathRow({Paren(PolynomialMath(f[0])), Paren(PolynomialMath(f[1]))});
    };
    const TStepWriter write{
        [&](const S::TClearDenominators& step) {
            lines.push_back(MathRow({Word("両辺に"), IntegerMath(step.Scale), Word("を掛けて"),
                                     EquationProblem(step.Scaled)}));
        },
        [&](const S::TDivideCommon& step) {
            lines.push_back(step.Divisor == -1
                                ? MathRow({Word("両辺に"), IntegerMath(step.Divisor),
                                           Word("を掛けて"), EquationProblem(step.Divided)})
                                : MathRow({Word("両辺を"), IntegerMath(step.Divisor),
                                           Word("で割って"), EquationProblem(step.Divided)}));
        },
        [&](const S::TSquareRoot& step) {
            const TMath square = Power(x, 2);
            if (step.K == TRational{}) {
                lines.push_back(Equals(x, Number(0)));
                stated = true;
                return;
            }
            if (step.A != 1) {
                lines.push_back(
                    Equals(MathRow({Number(step.A), square}), IntegerMath(step.MinusC)));
            }
            lines.push_back(Equals(square, Value(step.K)));
            if (step.Root) {
                lines.push_back(Equals(x, MathRow({Op("±"), Value(*step.Root)})));
                stated = true;
                return;
            }
            lines.push_back(Equals(x, PlusMinusRoot(step.K, *step.Pair)));
            if (step.Pair->Simplest) {
                stated = true;
            } else {
                lines.push_back(SurdMayReduce());
            }
        },
        [&](const S::TCommonX& step) {
            solved(MathRow({x, Paren(PolynomialMath(step.Rest))}), {step.Roots[0], step.Roots[1]});
        },
        [&](const S::TPerfectSquare& step) {
            solved(Power(Paren(PolynomialMath(step.Base)), 2), {step.Root});
        },
        [&](const S::TSumAndProduct& step) {
            lines.push_back(
                MathRow({Word("和が"), IntegerMath(step.Sum), Comma(), Word("積が"),
                         IntegerMath(step.Product), Word("となる2数は"), IntegerMath(step.M),
                         Comma(), IntegerMath(step.N), Word("なので")}));
            solved(factors(step.Factors), {step.Roots[0], step.Roots[1]});
        },
        [&](const S::TCrossSplit& step) {
            lines.push_back(CrossTableMath(step.Table));
            solved(factors(step.Factors), {step.Roots[0], step.Roots[1]});
        },
        [&](const S::TDiscriminant& step) {
            std::vector<TMath> parts = {Word("判別式"), Letter("D")};
            if (step.Half) {
                parts.insert(parts.end(), {Word("について"), named(true), Op("="),
                                           Power(Letter("b′"), 2), Op("−"), Letter("a"),
                                           Letter("c"), Op("="), Power(SignedInt(step.B), 2),
                                           Op("−"), SignedInt(step.A), Dot(), SignedInt(step.C)});
            } else {
                parts.insert(parts.end(),
                             {Op("="), Power(Letter("b"), 2), Op("−"), Number(4), Letter("a"),
                              Letter("c"), Op("="), Power(SignedInt(step.B), 2), Op("−"), Number(4),
                              Dot(), SignedInt(step.A), Dot(), SignedInt(step.C)});
            }
            parts.insert(parts.end(), {Op("="), IntegerMath(step.D)});
            lines.push_back(MathRow(std::move(parts)));
        },
        [&](const S::TRootKind& step) {
            lines.push_back(
                MathRow({named(step.Half), Op(step.Sign > 0 ? ">" : "<"), Number(0), Word("より"),
                         Word(step.Sign > 0 ? "異なる2つの実数解" : "異なる2つの虚数解")}));
        },
        [&](const S::TSimplifyRoot& step) {
            const TMath simplified = RootFormulaMath(0, step.S, step.R, 1, "+");
            const TMath rootD = Root(IntegerMath(step.D));
            if (!SameForm(simplified, rootD)) {
                lines.push_back(Equals(rootD, simplified));
            }
            if (!step.Complete) {
                lines.push_back(SurdMayReduce());
            }
        },
        [&](const S::TRootFormula& step) {
            // x = (−b ± √D)/(2a) or (−b′ ± √(D/4))/a, then with √D simplified,
            // each unless it reads as the answer.
            const TMath top = MathRow({minusB(step.B), Op("±"), Root(IntegerMath(step.D))});
            const TMath formula = !step.Half    ? Fraction(top, twoA(step.A))
                                  : step.A == 1 ? top
                                                : Fraction(top, Number(step.A));
            const TMath spelled =
                RootFormulaMath(-step.B, step.S, step.R, step.Half ? step.A : 2 * step.A, "±");
            const TMath answerRight =
                answer.Parts.size() > 2
                    ? MathRow(std::vector<TMath>(answer.Parts.begin() + 2, answer.Parts.end()))
                    : answer;
            if (SameForm(formula, answerRight)) {
                return;
            }
            TMath line = Equals(x, formula);
            if (!SameForm(spelled, answerRight) && !SameForm(spelled, formula)) {
                line = MathRow({std::move(line), Op("="), spelled});
            }
            lines.push_back(std::move(line));
        },
    };
    for (const S::TStep& step : steps.Steps) {
        std::visit(write, step);
    }
    if (!stated) {
        lines.push_back(answer);
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> QuadraticWorking(const TPolynomial& p, const TEquationRoots& roots) {
    const std::optional<TQuadraticSteps> steps = SolveQuadraticSteps(p, roots);
    return steps ? std::optional(WriteQuadraticSteps(*steps)) : std::nullopt;
}

// Equal limits give 0 at once; a quadratic with both limits as roots the
// formula −(a/6)(β − α)³; otherwise F(b) − F(a) by the antiderivative.
std::optional<TIntegralSteps> SolveIntegralSteps(const TPolynomial& f, const TPolynomial& lower,
                                                 const TPolynomial& upper,
                                                 const TDefiniteIntegral& integral) {
    using S = TIntegralSteps;
    const TRational a = Constant(lower);
    const TRational b = Constant(upper);
    S steps{f, lower, upper, {}, integral};
    if (a == b) {
        Check(PolyIsZero(Normalized(integral.Value)), "上端と下端が等しい積分");
        steps.Steps = {S::TEqualLimits{}};
        return steps;
    }
    const TPolynomial g = Normalized(f);
    if (g.Degree() == 2 && g(a) == TRational{} && g(b) == TRational{}) {
        // f = c(x − a)(x − b), whose integral from a to b is −(c/6)(b − a)³.
        const TRational c = Reduced(PolyCoeff(g, 2));
        const TPolynomial x = Monomial({1, 1}, 1);
        Check(Monomial(c, 0) * (x - Monomial(a, 0)) * (x - Monomial(b, 0)) == g, "因数分解");
        const TRational width = b - a;
        const TRational value = Reduced(TRational{-1, 6} * c * width * width * width);
        Check(ConstantPolynomial(value) == integral.Value, "1/6 公式");
        steps.Steps = {S::TSixthFormula{c, a, b}, S::TValue{}};
        return steps;
    }
    // F, checked by differentiating it back.
    const TPolynomial& F = integral.Antiderivative;
    Check(Derivative(F) == f && Constant(F) == TRational{}, "原始関数");
    const TRational atUpper = F(b);
    const TRational atLower = F(a);
    Check((atUpper == Constant(integral.AtUpper)) && (atLower == Constant(integral.AtLower)),
          "F(b), F(a)");
    Check(ConstantPolynomial(atUpper - atLower) == integral.Value, "F(b) − F(a)");
    steps.Steps = {S::TBracket{F, a, b}, S::TSubstituted{F, a, b}};
    if (a != TRational{}) {
        steps.Steps.push_back(S::TDifference{atLower, atUpper});
    }
    steps.Steps.push_back(S::TValue{});
    return steps;
}

TMath WriteIntegralSteps(const TIntegralSteps& steps) {
    using S = TIntegralSteps;
    std::vector<TMath> lines;
    const TMath problem = IntegralProblem(steps.Integrand, steps.Lower, steps.Upper);
    const TMath answer = IntegralAnswer(steps.Integral);
    const TStepWriter write{
        [&](const S::TEqualLimits&) { lines.push_back(Equals(problem, answer)); },
        [&](const S::TBracket& step) {
            lines.push_back(Equals(
                problem, MathParts(TMathKind::Bracket, {PolynomialMath(step.F), Value(step.Lower),
                                                        Value(step.Upper)})));
        },
        [&](const S::TSubstituted& step) {
            const TPolynomial F = Normalized(step.F);
            int terms = 0;
            for (int i = 0; i <= F.Degree(); ++i) {
                terms += PolyCoeff(F, i) == TRational{} ? 0 : 1;
            }
            const bool braced = terms > 1 || Negative(PolyCoeff(F, F.Degree()));
            const auto at = [&](const TRational& x) {
                TMath put = Substituted(F, x);
                return braced ? Braces(std::move(put)) : put;
            };
            if (step.Lower == TRational{}) {
                lines.push_back(Continued(Substituted(F, step.Upper)));
            } else {
                lines.push_back(Continued(MathRow({at(step.Upper), Op("−"), at(step.Lower)})));
            }
        },
        [&](const S::TDifference& step) {
            lines.push_back(
                Continued(MathRow({Value(step.AtUpper), Op("−"), Signed(step.AtLower)})));
        },
        [&](const S::TSixthFormula& step) {
            // c∫ (x − α)(x − β) dx with c taken out, then c times the formula
            // −(1/6)(β − α)³: "2·{−(1/6)}{2 − (−1)}³", the product read as
            // "−(1/6)…" for c = 1 and as "(1/6)…" for c = −1.
            const auto less = [](const TRational& root) {
                TMath math = PolynomialMath(Monomial({1, 1}, 1) - Monomial(root, 0));
                return root == TRational{} ? math : Paren(std::move(math));
            };
            const TMath factors = MathRow({less(step.Lower), less(step.Upper)});
            const TMath integral =
                MathParts(TMathKind::Integral,
                          {Value(step.Lower), Value(step.Upper), MathRow({factors, Word("dx")})});
            const TRational& c = step.Coefficient;
            lines.push_back(Equals(problem, TermsMath({{c, integral}})));
            // β − α, in braces where α is negative: "{2 − (−1)}".
            TMath width = MathRow({Value(step.Upper), Op("−"), Signed(step.Lower)});
            width = Negative(step.Lower) ? Braces(std::move(width)) : Paren(std::move(width));
            const TMath sixth = Fraction(Number(1), Number(6));
            const TMath formula = MathRow({Op("−"), sixth});
            TMath times;
            if (c == TRational{1, 1}) {
                times = formula;
            } else if (c == TRational{-1, 1}) {
                times = sixth;
            } else {
                times = TermsMath({{c, MathRow({Dot(), Braces(formula)})}});
            }
            lines.push_back(Continued(MathRow({times, Power(width, 3)})));
        },
        [&](const S::TValue&) { lines.push_back(Continued(answer)); },
    };
    for (const S::TStep& step : steps.Steps) {
        std::visit(write, step);
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> IntegralWorking(const TPolynomial& f, const TPolynomial& lower,
                                     const TPolynomial& upper, const TDefiniteIntegral& integral) {
    const std::optional<TIntegralSteps> steps = SolveIntegralSteps(f, lower, upper, integral);
    return steps ? std::optional(WriteIntegralSteps(*steps)) : std::nullopt;
}

// From k = 1 by the power sums straight away; from a lower limit of 0 or
// below split at k = 0, the lower terms turned round; from above 1 as the
// difference of two sums from 1.
std::optional<TSumSteps> SolveSumSteps(const TPolynomial& f, const TPolynomial& lower,
                                       const TPolynomial& upper, const TSum& sum) {
    using S = TSumSteps;
    const TPolynomial g = Normalized(f);
    const std::optional<TInteger> l = PolyToInt(Normalized(lower));
    const TPolynomial u = Normalized(upper);
    if (g.Degree() > 3 || !l) {
        return std::nullopt;
    }
    if (u.Degree() == 0) {
        const std::optional<TInteger> top = PolyToInt(u);
        if (!top || *top < *l - 1 || (*l < 1 && *top < 1)) {
            return std::nullopt; // not a count of terms from 1
        }
    }
    S steps{g, lower, u, {}, sum};
    TPolynomial total;
    if (*l == 1 && u.Degree() > 0) {
        total = FactoredPowerSums(g, u, steps.Steps);
    } else if (*l == 1) {
        total = PowerSums(g, u, true, steps.Steps);
    } else if (*l < 1) {
        // The terms from k = 0 down, the lower ones turned round:
        // Σₖ₌ₗᵘ f(k) = f(0) + Σₖ₌₁ᵘ f(k) + Σₖ₌₁⁻ˡ f(−k).
        const TPolynomial turned = Normalized(Compose(g, Monomial({-1, 1}, 1)));
        const TPolynomial depth = Monomial({-*l, 1}, 0);
        const TRational zero = Constant(g);
        S::TSplitRange split{zero, {{false, g, u}}};
        if (*l < 0) {
            split.Sums.push_back({false, turned, depth});
        }
        steps.Steps.push_back(std::move(split));
        const TPolynomial all = PowerSums(g, u, false, steps.Steps);
        S::TAddUp added{all, {}, {}};
        total = all;
        const auto add = [&](const TRational& value) {
            added.Parts.push_back({false, value});
            total = total + Monomial(value, 0);
        };
        if (zero != TRational{}) {
            add(zero);
        }
        if (*l < 0) {
            add(Constant(PowerSums(turned, depth, false, steps.Steps)));
        }
        added.Total = total;
        steps.Steps.push_back(std::move(added));
    } else {
        // Σₖ₌ₗᵘ = Σₖ₌₁ᵘ − Σₖ₌₁ˡ⁻¹.
        const TPolynomial before = Monomial({*l - 1, 1}, 0);
        steps.Steps.push_back(S::TSplitRange{{}, {{false, g, u}, {true, g, before}}});
        const TPolynomial all = PowerSums(g, u, false, steps.Steps);
        const TPolynomial head = PowerSums(g, before, false, steps.Steps);
        total = all - head;
        steps.Steps.push_back(S::TAddUp{all, {{true, Constant(head)}}, total});
    }
    Check(total == sum.Value, "和");
    return steps;
}

TMath WriteSumSteps(const TSumSteps& steps) {
    using S = TSumSteps;
    const TPolynomial one = Monomial({1, 1}, 0);
    const TMath problem = SumProblem(steps.Summand, steps.Lower, steps.Upper);
    const TMath answer = SumAnswer(steps.Sum);
    std::vector<TMath> lines;
    TMath last; // the last right-hand side written
    const TStepWriter write{
        [&](const S::TSplitRange& step) {
            std::vector<TMath> parts;
            if (step.AtZero != TRational{}) {
                parts = {Value(step.AtZero), Op("+")};
            }
            for (const S::TRangeSum& sum : step.Sums) {
                if (&sum != &step.Sums.front()) {
                    parts.push_back(Op(sum.Subtract ? "−" : "+"));
                }
                parts.push_back(SumProblem(sum.Summand, one, sum.Upper));
            }
            lines.push_back(Equals(problem, MathRow(std::move(parts))));
        },
        [&](const S::TPowerSums& step) {
            const TPolynomial& g = step.Summand;
            const TPolynomial& m = step.Upper;
            const bool number = Normalized(m).Degree() == 0;
            const TMath head = SumProblem(g, one, m);
            TMath formulas = ScaledSum(
                g, [&](int i) { return PowerSumFormula(i, m); }, [number](int) { return number; });
            if (step.Factored) {
                formulas = FactoredFormulas(g, m);
            }
            if (step.Split) {
                const TMath split = ScaledSum(
                    g,
                    [&](int i) {
                        return SumProblem(Monomial({1, 1}, i), one, m);
                    },
                    [](int) { return false; });
                lines.push_back(Equals(head, split));
                lines.push_back(Continued(formulas));
            } else {
                lines.push_back(Equals(head, formulas));
            }
            last = formulas;
            const TMath expanded = PolynomialMath(step.Value, 'n');
            if (!step.Factored && !SameForm(expanded, formulas) &&
                !(step.Final && SameForm(answer, formulas))) {
                lines.push_back(Continued(expanded));
                last = expanded;
            }
        },
        [&](const S::TCommonFactor& step) {
            const TPolynomial& m = step.Upper;
            const auto taken = [&] {
                std::vector<TMath> parts;
                if (step.Scale != TRational{1, 1}) {
                    parts.push_back(Value(step.Scale));
                }
                parts.push_back(step.Both ? ProductInN({m, m + Monomial({1, 1}, 0)})
                                          : ProductInN({m}));
                return parts;
            };
            // Each formula's part: "2(n + 1)(2n + 1)", "− 6(n + 1)", "+ 3".
            std::vector<TMath> inside;
            for (const S::TCommonPart& part : step.Parts) {
                const std::vector<TPolynomial> rest = FormulaRest(part.Power, m, step.Both);
                if (part.Coefficient.Sign() < 0) {
                    inside.push_back(Op("−"));
                } else if (!inside.empty()) {
                    inside.push_back(Op("+"));
                }
                const TInteger size = Abs(part.Coefficient);
                if (size != 1 || rest.empty()) {
                    inside.push_back(Number(size));
                }
                if (!rest.empty()) {
                    inside.push_back(ProductInN(rest));
                }
            }
            std::vector<TMath> parts = taken();
            parts.push_back(Braces(MathRow(std::move(inside))));
            lines.push_back(Continued(MathRow(std::move(parts))));
            std::vector<TMath> multiplied = taken();
            multiplied.push_back(Paren(PolynomialMath(step.Inside, 'n')));
            last = MathRow(std::move(multiplied));
            lines.push_back(Continued(last));
        },
        [&](const S::TAddUp& step) {
            std::vector<TMath> parts = {PolynomialMath(step.Whole, 'n')};
            for (const S::TConstantPart& part : step.Parts) {
                parts.push_back(Op(part.Subtract ? "−" : "+"));
                parts.push_back(Signed(part.Value));
            }
            TMath added = MathRow(std::move(parts));
            lines.push_back(Equals(problem, added));
            last = PolynomialMath(step.Total, 'n');
            if (SameForm(last, added)) {
                last = std::move(added);
            } else {
                lines.push_back(Continued(last));
            }
        },
    };
    for (const S::TStep& step : steps.Steps) {
        std::visit(write, step);
    }
    if (!SameForm(answer, last)) {
        lines.push_back(Continued(answer));
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> SumWorking(const TPolynomial& f, const TPolynomial& lower,
                                const TPolynomial& upper, const TSum& sum) {
    const std::optional<TSumSteps> steps = SolveSumSteps(f, lower, upper, sum);
    return steps ? std::optional(WriteSumSteps(*steps)) : std::nullopt;
}

// n! and ₙPᵣ as falling products; ₙCᵣ as ₙPᵣ/r!, by ₙCₙ₋ᵣ where n − r is smaller.
std::optional<TCountSteps> SolveCountSteps(TCountKind kind, const TInteger& n, const TInteger& r,
                                           const TCount& count) {
    using S = TCountSteps;
    const bool counted = kind == TCountKind::Factorial ? n.Sign() >= 0 : r.Sign() >= 0 && n >= r;
    if (count.TooLong || !counted) {
        return std::nullopt;
    }
    // The count fits in 500 digits, so every product below has at most a
    // few thousand factors.
    const TInteger value = TInteger::FromDigits(count.Digits);
    S steps{kind, n, r, {}, count};
    switch (kind) {
    case TCountKind::Factorial:
        // n! = n·(n − 1)·…·1; 0! = 1! = 1 directly.
        Check(n <= 1 ? value == 1 : FallingValue(n, 1) == value, "階乗");
        if (n > 1) {
            steps.Forms.push_back(S::TFalling{n, 1});
        }
        break;
    case TCountKind::Permutation:
        // ₙPᵣ = n!/(n − r)! = n·(n − 1)·…·(n − r + 1).
        Check(FallingValue(n, n - r + 1) == value, "順列");
        steps.Forms.push_back(S::TFactorials{n, n - r});
        if (r > 1) {
            steps.Forms.push_back(S::TFalling{n, n - r + 1});
        }
        break;
    case TCountKind::Combination: {
        // ₙCᵣ = ₙPᵣ/r! with r turned into n − r where that is smaller.
        TInteger k = r;
        if (n - r < r) {
            k = n - r;
        }
        if (k.IsZero()) {
            Check(value == 1, "組合せ"); // one way to choose nothing, or everything
            break;
        }
        if (k != r) {
            steps.Forms.push_back(S::TCombination{n, k});
        }
        const TInteger top = FallingValue(n, n - k + 1);
        const TInteger bottom = FallingValue(k, 1);
        Check(top % bottom == 0 && top / bottom == value, "組合せ");
        steps.Forms.push_back(S::TPermutationsOverFactorial{n, k});
        if (k > 1) {
            steps.Forms.push_back(S::TFallingOverFalling{n, k});
        }
        break;
    }
    }
    return steps;
}

TMath WriteCountSteps(const TCountSteps& steps) {
    using S = TCountSteps;
    std::vector<TMath> parts;
    switch (steps.Kind) {
    case TCountKind::Factorial:
        parts.push_back(FactorialProblem(steps.N));
        break;
    case TCountKind::Permutation:
        parts.push_back(PermutationProblem(steps.N, steps.R));
        break;
    case TCountKind::Combination:
        parts.push_back(CombinationProblem(steps.N, steps.R));
        break;
    }
    parts.push_back(Op("="));
    const TStepWriter form{
        [](const S::TFactorials& f) {
            return Fraction(FactorialMath(f.Top), FactorialMath(f.Bottom));
        },
        [](const S::TFalling& f) { return Falling(f.High, f.Low); },
        [](const S::TCombination& f) { return CombinationProblem(f.N, f.K); },
        [](const S::TPermutationsOverFactorial& f) {
            return Fraction(PermutationProblem(f.N, f.K), FactorialMath(f.K));
        },
        [](const S::TFallingOverFalling& f) {
            return Fraction(Falling(f.N, f.N - f.K + 1), Falling(f.K, 1));
        },
    };
    for (const S::TForm& f : steps.Forms) {
        parts.push_back(std::visit(form, f));
        parts.push_back(Op("="));
    }
    parts.push_back(CountAnswer(steps.Count));
    return MathLines({MathRow(std::move(parts))});
}

std::optional<TMath> CountWorking(TCountKind kind, const TInteger& n, const TInteger& r,
                                  const TCount& count) {
    const std::optional<TCountSteps> steps = SolveCountSteps(kind, n, r, count);
    return steps ? std::optional(WriteCountSteps(*steps)) : std::nullopt;
}

// Each coordinate by the division formula.
std::optional<TDivisionSteps> SolveDivisionSteps(TDivision kind, const TPoint& a, const TPoint& b,
                                                 const TRational& m, const TRational& n,
                                                 const TPoint& point) {
    const bool internal = kind == TDivision::Internal;
    const TRational den = internal ? (m + n) : (m - n);
    if (m == TRational{} || n == TRational{} || den == TRational{}) {
        return std::nullopt;
    }
    TDivisionSteps steps{internal, m, n, {}, point};
    // (n·x₁ + m·x₂)/(m + n) internally, (−n·x₁ + m·x₂)/(m − n) externally.
    const auto coordinate = [&](char letter, const TRational& first, const TRational& second,
                                const TRational& shown) {
        const TRational value = ((internal ? n : -n) * first + m * second) / den;
        Check(value == shown, "分点の座標");
        steps.Coordinates.push_back({letter, first, second, value});
    };
    coordinate('x', a.X, b.X, point.X);
    coordinate('y', a.Y, b.Y, point.Y);
    return steps;
}

TMath WriteDivisionSteps(const TDivisionSteps& steps) {
    std::vector<TMath> lines;
    for (const TDivisionSteps::TCoordinate& c : steps.Coordinates) {
        std::vector<TMath> num;
        if (!steps.Internal) {
            num.push_back(Op("−"));
        }
        num.insert(num.end(), {Factor(steps.N), Dot(), Factor(c.First), Op("+"), Factor(steps.M),
                               Dot(), Factor(c.Second)});
        const TMath fraction =
            Fraction(MathRow(std::move(num)),
                     MathRow({Value(steps.M), Op(steps.Internal ? "+" : "−"), Signed(steps.N)}));
        const char letter[] = {c.Letter, '\0'};
        lines.push_back(MathRow({Letter(letter), Op("="), fraction, Op("="), Value(c.Value)}));
    }
    lines.push_back(DivisionAnswer(steps.Point));
    return MathLines(std::move(lines));
}

std::optional<TMath> DivisionWorking(TDivision kind, const TPoint& a, const TPoint& b,
                                     const TRational& m, const TRational& n, const TPoint& point) {
    const std::optional<TDivisionSteps> steps = SolveDivisionSteps(kind, a, b, m, n, point);
    return steps ? std::optional(WriteDivisionSteps(*steps)) : std::nullopt;
}

// Two points level in x or y give a line parallel to an axis; any others
// the slope and the point-slope form through A.
std::optional<TLineSteps> SolveLineSteps(const TPoint& a, const TPoint& b, const TLine& line) {
    using S = TLineSteps;
    const TRational dx = b.X - a.X;
    const TRational dy = b.Y - a.Y;
    if (dx == TRational{} && dy == TRational{}) {
        return std::nullopt;
    }
    S steps;
    steps.Line = line;
    if (dx == TRational{} || dy == TRational{}) {
        // Parallel to an axis: x = x₁ or y = y₁.
        const bool vertical = dx == TRational{};
        const TRational& level = vertical ? a.X : a.Y;
        Check(line.Vertical == vertical && !line.Right && (line.Level == level),
              "座標軸に平行な直線");
        steps.Steps.push_back(S::TAxisParallel{vertical, level});
        return steps;
    }
    // The slope, then the line through A of that slope.
    const TRational slope = dy / dx;
    TPolynomial right;
    PolySetCoeff(right, 1, Reduced(slope));
    PolySetCoeff(right, 0, Reduced(a.Y - slope * a.X));
    right = Normalized(right);
    Check(!line.Vertical && line.Right && (*line.Right == right) && (right(b.X) == b.Y),
          "2点を通る直線");
    steps.Steps.push_back(S::TSlope{a, b, slope});
    steps.Steps.push_back(TPointSlopeForm{a.X, a.Y, slope});
    return steps;
}

TMath WriteLineSteps(const TLineSteps& steps) {
    using S = TLineSteps;
    std::vector<TMath> lines;
    const TStepWriter write{
        [&](const S::TAxisParallel& step) {
            const bool vertical = step.Vertical;
            lines.push_back(
                MathRow({Letter(vertical ? "x₁" : "y₁"), Op("="), Letter(vertical ? "x₂" : "y₂"),
                         Op("="), Value(step.Level),
                         Word(vertical ? "より y 軸に平行な直線" : "より x 軸に平行な直線")}));
        },
        [&](const S::TSlope& step) {
            const TMath rise = MathRow({Value(step.B.Y), Op("−"), Signed(step.A.Y)});
            const TMath run = MathRow({Value(step.B.X), Op("−"), Signed(step.A.X)});
            lines.push_back(
                MathRow({Word("傾き"), Op("="), Fraction(rise, run), Op("="), Value(step.Slope)}));
        },
        [&](const TPointSlopeForm& step) { lines.push_back(PointSlopeLine(step)); },
    };
    for (const S::TStep& step : steps.Steps) {
        std::visit(write, step);
    }
    lines.push_back(LineAnswer(steps.Line));
    return MathLines(std::move(lines));
}

std::optional<TMath> LineWorking(const TPoint& a, const TPoint& b, const TLine& line) {
    const std::optional<TLineSteps> steps = SolveLineSteps(a, b, line);
    return steps ? std::optional(WriteLineSteps(*steps)) : std::nullopt;
}

// f′ term by term, then f′(a).
std::optional<TDerivativeSteps> SolveDerivativeSteps(const TPolynomial& f, const TPolynomial& a,
                                                     const TDerivativeValue& value) {
    const TRational at = Constant(a);
    const TRational slope = value.Derivative(at);
    Check(ConstantPolynomial(slope) == value.Value, "微分係数");
    TDerivativeSteps steps;
    steps.Steps = {DerivativeOf(f, value.Derivative),
                   TValueAtPoint{true, PolyCoeff(a, 0), value.Derivative, at, slope}};
    return steps;
}

TMath WriteDerivativeSteps(const TDerivativeSteps& steps) {
    std::vector<TMath> lines;
    const TStepWriter write{
        [&](const TDerivativeFormula& step) { lines.push_back(DerivativeFormulaLine(step)); },
        [&](const TValueAtPoint& step) { lines.push_back(ValueAtPointLine(step)); },
    };
    for (const TDerivativeSteps::TStep& step : steps.Steps) {
        std::visit(write, step);
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> DerivativeWorking(const TPolynomial& f, const TPolynomial& a,
                                       const TDerivativeValue& value) {
    const std::optional<TDerivativeSteps> steps = SolveDerivativeSteps(f, a, value);
    return steps ? std::optional(WriteDerivativeSteps(*steps)) : std::nullopt;
}

// f′, f(a) and f′(a), then the point-slope form through (a, f(a)).
std::optional<TTangentSteps> SolveTangentSteps(const TPolynomial& f, const TPolynomial& a,
                                               const TTangent& tangent) {
    const TRational at = Constant(a);
    const TRational point = f(at);
    const TRational slope = tangent.Derivative(at);
    TPolynomial line;
    PolySetCoeff(line, 1, slope);
    PolySetCoeff(line, 0, Reduced(point - slope * at));
    line = Normalized(line);
    Check((ConstantPolynomial(point) == tangent.Point) &&
              (ConstantPolynomial(slope) == tangent.Slope) && (line == tangent.Line),
          "接線");
    TTangentSteps steps;
    steps.Steps = {DerivativeOf(f, tangent.Derivative),
                   TValueAtPoint{false, PolyCoeff(a, 0), f, at, point},
                   TValueAtPoint{true, PolyCoeff(a, 0), tangent.Derivative, at, slope},
                   TPointSlopeForm{at, point, slope}};
    steps.Tangent = tangent;
    return steps;
}

TMath WriteTangentSteps(const TTangentSteps& steps) {
    std::vector<TMath> lines;
    const TStepWriter write{
        [&](const TDerivativeFormula& step) { lines.push_back(DerivativeFormulaLine(step)); },
        [&](const TValueAtPoint& step) { lines.push_back(ValueAtPointLine(step)); },
        [&](const TPointSlopeForm& step) { lines.push_back(PointSlopeLine(step)); },
    };
    for (const TTangentSteps::TStep& step : steps.Steps) {
        std::visit(write, step);
    }
    // At the origin y − 0 = f′(0)(x − 0) is already the answer's form.
    const TMath answer = TangentAnswer(steps.Tangent);
    if (lines.empty() || !SameForm(answer, lines.back())) {
        lines.push_back(answer);
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> TangentWorking(const TPolynomial& f, const TPolynomial& a,
                                    const TTangent& tangent) {
    const std::optional<TTangentSteps> steps = SolveTangentSteps(f, a, tangent);
    return steps ? std::optional(WriteTangentSteps(*steps)) : std::nullopt;
}

} // namespace arith
