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

TMath Root(TMath radicand) {
    return MathParts(TMathKind::Root, {std::move(radicand)});
}

// Exact values.

TRational Constant(const TPolynomial& p) {
    return Reduced(PolyCoeff(p, 0));
}

// A line that goes on from the one above: "= …".
TMath Continued(TMath right) {
    return MathRow({Op("="), std::move(right)});
}

// p(x) by Horner's rule.
TRational Evaluate(const TPolynomial& p, const TRational& x) {
    TRational value{0, 1};
    for (int i = Normalized(p).Degree(); i >= 0; --i) {
        value = value * x + PolyCoeff(p, i);
    }
    return Reduced(value);
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

// "F(2)", "F(x)".
TMath Applied(const char* function, TMath argument) {
    return MathRow({Letter(function), Paren(std::move(argument))});
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
              PolyCoeff(Normalized(s), 0).Num().IsZero(),
          "和の公式");
    return s;
}

// The formula of Σₖ₌₁ᵐ kⁱ with m put in: "n(n + 1)/2", "10·11/2",
// "(2n)(2n + 1)(4n + 1)/6", "(n(n + 1)/2)²".
TMath PowerSumFormula(int i, const TPolynomial& m) {
    const bool number = Normalized(m).Degree() == 0;
    const auto bare = [](const TMath& math) {
        return math.Parts.size() == 1 && math.Parts[0].Kind != TMathKind::Fraction;
    };
    const auto factor = [&](const TPolynomial& p, bool first) {
        TMath math = PolynomialMath(p, 'n');
        return number || (first && bare(math)) ? math : Paren(std::move(math));
    };
    // A factor without brackets goes first: "n(n − 1)/2" for m = n − 1.
    const auto product = [&](std::vector<TPolynomial> factors) {
        std::stable_partition(factors.begin(), factors.end(), [&](const TPolynomial& p) {
            return !number && bare(PolynomialMath(p, 'n'));
        });
        std::vector<TMath> parts;
        for (std::size_t k = 0; k < factors.size(); ++k) {
            parts.push_back(factor(factors[k], k == 0));
        }
        return number ? Product(std::move(parts)) : MathRow(std::move(parts));
    };
    const TPolynomial m1 = m + Monomial({1, 1}, 0);
    switch (i) {
    case 0:
        return factor(m, true);
    case 1:
        return Fraction(product({m, m1}), Number(2));
    case 2:
        return Fraction(product({m, m1, m + m + Monomial({1, 1}, 0)}), Number(6));
    default:
        return Power(Paren(Fraction(product({m, m1}), Number(2))), 2);
    }
}

// c₃u₃ + c₂u₂ + c₁u₁ + c₀u₀ for the non-zero coefficients, with the product
// dot after a coefficient where the unit is a product of numbers.
TMath ScaledSum(const TPolynomial& f, const std::function<TMath(int)>& unit, bool dot) {
    std::vector<TMath> parts;
    for (int i = Normalized(f).Degree(); i >= 0; --i) {
        const TRational c = Reduced(PolyCoeff(f, i));
        if (c.Num().IsZero()) {
            continue;
        }
        if (Negative(c)) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TRational size = TRational::AsTyped(Abs(c.Num()), c.Den());
        if (size.Num() != 1 || size.Den() != 1) {
            parts.push_back(RationalMath(size));
            if (dot) {
                parts.push_back(Dot());
            }
        }
        parts.push_back(unit(i));
    }
    return parts.empty() ? MathRow({Number(0)}) : MathRow(std::move(parts));
}

// Σₖ₌₁ᵐ f(k): split into power sums, their formulas, the value, which is
// left out when the formulas already read as the final form. Gives the
// value and the last right-hand side written.
TPolynomial PartialSumLines(const TPolynomial& f, const TPolynomial& m, const TMath* final,
                            std::vector<TMath>& lines, TMath& last) {
    const TPolynomial one = Monomial({1, 1}, 0);
    const TPolynomial g = Normalized(f);
    TPolynomial value;
    for (int i = 0; i <= g.Degree(); ++i) {
        value = value + Monomial(PolyCoeff(g, i), 0) * Compose(PowerSum(i), m);
    }
    const bool number = Normalized(m).Degree() == 0;
    const TMath head = SumProblem(g, one, m);
    const TMath split = ScaledSum(
        g,
        [&](int i) {
            return SumProblem(Monomial({1, 1}, i), one, m);
        },
        false);
    const TMath formulas = ScaledSum(
        g, [&](int i) { return PowerSumFormula(i, m); }, number);
    int terms = 0;
    for (int i = 0; i <= g.Degree(); ++i) {
        terms += g.Num(i).IsZero() ? 0 : 1;
    }
    if (terms == 1 && PolyCoeff(g, g.Degree()).Num() == PolyCoeff(g, g.Degree()).Den()) {
        lines.push_back(Equals(head, formulas)); // a single power sum needs no splitting
    } else {
        lines.push_back(Equals(head, split));
        lines.push_back(Continued(formulas));
    }
    last = formulas;
    const TMath expanded = PolynomialMath(value, 'n');
    if (!SameForm(expanded, formulas) && !(final && SameForm(*final, formulas))) {
        lines.push_back(Continued(expanded));
        last = expanded;
    }
    return value;
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

// c₂aⁱ + … with a put in, a negative or fractional a in brackets: "3·(−2)² − 2".
TMath Substituted(const TPolynomial& p, const TRational& a) {
    std::vector<TMath> parts;
    for (int i = Normalized(p).Degree(); i >= 0; --i) {
        const TRational c = Reduced(PolyCoeff(p, i));
        if (c.Num().IsZero()) {
            continue;
        }
        if (Negative(c)) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TRational size = TRational::AsTyped(Abs(c.Num()), c.Den());
        if (i == 0) {
            parts.push_back(Value(size));
            continue;
        }
        const bool unit = size.Num() == 1 && size.Den() == 1;
        if (!unit) {
            parts.push_back(RationalMath(size));
            parts.push_back(Dot());
        }
        // A lone a needs brackets only for its sign: "− 1/2", "+ (−3)".
        parts.push_back(i > 1 ? Power(Factor(a), i) : unit ? Signed(a) : Factor(a));
    }
    return parts.empty() ? MathRow({Number(0)}) : MathRow(std::move(parts));
}

// "x − 1", "y + 2", "x": the letter less the value.
TMath LessValue(const char* letter, const TRational& value) {
    return TermsMath({{{1, 1}, Letter(letter)}, {Reduced(value * TRational{-1, 1}), MathRow({})}});
}

// slope·(x − x₁) as written after "=": "(1/2)(x − 1)", "−(x + 2)", "3x", "0".
TMath SlopeTimes(const TRational& slope, const TRational& x1) {
    TMath x = LessValue("x", x1);
    if (!Reduced(x1).Num().IsZero()) {
        x = Paren(std::move(x));
    }
    return TermsMath({{Reduced(slope), std::move(x)}});
}

// "f′(2)", with a as the problem writes it.
TMath DerivativeAt(const TPolynomial& a) {
    return MathRow({Word("f′"), Paren(RationalMath(PolyCoeff(a, 0)))});
}

// "f′(x) = 3x² − 2", checked against the calculation's derivative.
TMath DerivativeLine(const TPolynomial& f, const TPolynomial& derivative) {
    TPolynomial d;
    d = Derivative(f);
    Check(d == derivative, "導関数");
    return Equals(MathRow({Word("f′"), Paren(Letter("x"))}), PolynomialMath(d));
}

// "f(2) = 2³ − 2·2 = 4": the name applied to a, then p(a) with a put in (left
// out for a constant p), then the value.
TMath ValueLine(TMath name, const TPolynomial& p, const TRational& a, const TRational& value) {
    std::vector<TMath> parts = {std::move(name), Op("=")};
    if (Normalized(p).Degree() > 0) {
        parts.push_back(Substituted(p, a));
        parts.push_back(Op("="));
    }
    parts.push_back(Value(value));
    return MathRow(std::move(parts));
}

} // namespace

std::optional<TMath> QuadraticWorking(const TPolynomial& p, const TEquationRoots& roots) {
    const TPolynomial q = Normalized(p);
    if (q.Degree() != 2 || roots.Constant) {
        return std::nullopt;
    }
    std::vector<TMath> lines;

    // Integer coefficients with a positive x² term: both sides times the
    // lcm of the denominators, negated for a negative x² coefficient.
    TInteger scale = 1;
    for (int i = 0; i <= 2; ++i) {
        scale = Abs(IntLcm(scale, PolyCoeff(q, i).Den()));
    }
    if (Negative(PolyCoeff(q, 2))) {
        scale = -scale;
    }
    TInteger coefficient[3];
    TPolynomial scaled;
    for (int i = 0; i <= 2; ++i) {
        const TRational c = Reduced(PolyCoeff(q, i) * TRational{scale, 1});
        Check(c.Den() == 1, "分母を払う");
        coefficient[i] = c.Num();
        PolySetCoeff(scaled, i, c);
    }
    scaled = Normalized(scaled);
    if (scale != 1) {
        lines.push_back(MathRow(
            {Word("両辺に"), IntegerMath(scale), Word("を掛けて"), EquationProblem(scaled)}));
    }
    const TInteger& a = coefficient[2];
    const TInteger& b = coefficient[1];
    const TInteger& c = coefficient[0];

    const TInteger discriminant = b * b - 4 * a * c;
    lines.push_back(
        MathRow({Word("判別式"), Letter("D"), Op("="), Power(Letter("b"), 2), Op("−"), Number(4),
                 Letter("a"), Letter("c"), Op("="), Power(SignedInt(b), 2), Op("−"), Number(4),
                 Dot(), SignedInt(a), Dot(), SignedInt(c), Op("="), IntegerMath(discriminant)}));
    const int sign = discriminant.Sign();
    lines.push_back(MathRow({Letter("D"),
                             Op(sign > 0   ? ">"
                                : sign < 0 ? "<"
                                           : "="),
                             Number(0), Word("より"),
                             Word(sign > 0   ? "異なる2つの実数解"
                                  : sign < 0 ? "異なる2つの虚数解"
                                             : "重解")}));

    const TMath twoA = Product({Number(2), Number(a)});
    const TMath minusB =
        b.IsZero() ? MathRow({}) : MathRow({Op("−"), SignedInt(b)}); // −b, left out for b = 0
    if (sign == 0) {
        // The double root −b/(2a).
        const TRational root = Reduced({-b, 2 * a});
        Check(Evaluate(scaled, root).Num().IsZero(), "重解の代入");
        const std::vector<TRational> answer = AnswerRoots(roots);
        Check(answer.size() == 1 && (answer[0] == root), "重解");
        lines.push_back(
            Equals(Letter("x"), Fraction(b.IsZero() ? MathRow({Number(0)}) : minusB, twoA)));
        lines.push_back(RootsAnswer(roots, true));
        return MathLines(std::move(lines));
    }

    // √D = s√r, r square-free and signed as D; r = ±1 when |D| is a square.
    // Irrational roots already hold r, which gives s without factoring |D| again.
    TSquareSplit split;
    if (roots.Groups.size() == 1 && roots.Groups[0].Pair) {
        const TQuadRoots& pair = *roots.Groups[0].Pair;
        split.Free = Abs(pair.R);
        split.Complete = pair.Simplest;
        Check(!split.Free.IsZero() && ExactSqrt(Abs(discriminant) / split.Free, split.Root),
              "√D の簡約");
    } else {
        split = SquarePart(Abs(discriminant));
    }
    const TInteger& s = split.Root;
    const TInteger r = sign < 0 ? -split.Free : split.Free;
    Check(s * s * split.Free == Abs(discriminant), "√D の簡約");
    const TMath simplified = RootFormulaMath(0, s, r, 1, "+");
    const TMath rootD = Root(IntegerMath(discriminant));
    if (!SameForm(simplified, rootD)) {
        lines.push_back(Equals(rootD, simplified));
    }
    if (!split.Complete) {
        lines.push_back(SurdMayReduce());
    }

    // x = (−b ± √D)/(2a), then with √D simplified, then reduced.
    TMath formula = Equals(Letter("x"), Fraction(MathRow({minusB, Op("±"), rootD}), twoA));
    const TMath spelled = RootFormulaMath(-b, s, r, 2 * a, "±");
    const TMath answer = RootsAnswer(roots, true);
    const TMath answerRight =
        answer.Parts.size() > 2
            ? MathRow(std::vector<TMath>(answer.Parts.begin() + 2, answer.Parts.end()))
            : answer;
    if (!SameForm(spelled, answerRight)) {
        formula = MathRow({std::move(formula), Op("="), spelled});
    }
    lines.push_back(std::move(formula));

    if (r == 1) {
        // Rational roots (−b ± s)/(2a).
        const TRational first = Reduced({-b + s, 2 * a});
        const TRational second = Reduced({-b - s, 2 * a});
        Check(Evaluate(scaled, first).Num().IsZero() && Evaluate(scaled, second).Num().IsZero(),
              "解の代入");
        Check(SameValues({first, second}, AnswerRoots(roots)), "解");
    } else {
        // (P ± Q√R)/D in lowest terms, checked by the sum and product of the roots.
        TInteger g = Gcd(Gcd(b, s), 2 * a);
        const TInteger P = DivExact(-b, g);
        const TInteger Q = DivExact(s, g);
        const TInteger D = DivExact(2 * a, g);
        Check(2 * P * a == -b * D && (P * P - Q * Q * r) * a == c * D * D, "解と係数の関係");
        Check(roots.Groups.size() == 1 && roots.Groups[0].Pair &&
                  SamePair(P, Q, r, D, *roots.Groups[0].Pair),
              "解");
    }
    lines.push_back(answer);
    return MathLines(std::move(lines));
}

std::optional<TMath> IntegralWorking(const TPolynomial& f, const TPolynomial& lower,
                                     const TPolynomial& upper, const TDefiniteIntegral& integral) {
    const TRational a = Constant(lower);
    const TRational b = Constant(upper);
    const TMath problem = IntegralProblem(f, lower, upper);
    if (a == b) {
        Check(PolyIsZero(Normalized(integral.Value)), "上端と下端が等しい積分");
        return MathLines({Equals(problem, IntegralAnswer(integral))});
    }
    // F, checked by differentiating it back.
    const TPolynomial& F = integral.Antiderivative;
    TPolynomial derivative;
    derivative = Derivative(F);
    Check(derivative == f, "原始関数");
    const TRational atUpper = Evaluate(F, b);
    const TRational atLower = Evaluate(F, a);
    Check((atUpper == Constant(integral.AtUpper)) && (atLower == Constant(integral.AtLower)),
          "F(b), F(a)");
    Check(ConstantPolynomial(atUpper - atLower) == integral.Value, "F(b) − F(a)");

    const TMath bracket = MathParts(TMathKind::Bracket, {PolynomialMath(F), Value(a), Value(b)});
    return MathLines({Equals(Applied("F", Letter("x")), PolynomialMath(F)),
                      Equals(problem, bracket),
                      Continued(MathRow({Applied("F", Value(b)), Op("−"), Applied("F", Value(a)),
                                         Op("="), Value(atUpper), Op("−"), Signed(atLower)})),
                      Continued(IntegralAnswer(integral))});
}

std::optional<TMath> SumWorking(const TPolynomial& f, const TPolynomial& lower,
                                const TPolynomial& upper, const TSum& sum) {
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
    const TMath problem = SumProblem(g, lower, u);
    const TMath answer = SumAnswer(sum);
    std::vector<TMath> lines;
    TMath last;
    TPolynomial total;
    if (*l == 1) {
        total = PartialSumLines(g, u, &answer, lines, last);
    } else if (*l < 1) {
        // The terms from k = 0 down, the lower ones turned round:
        // Σₖ₌ₗᵘ f(k) = f(0) + Σₖ₌₁ᵘ f(k) + Σₖ₌₁⁻ˡ f(−k).
        const TPolynomial one = Monomial({1, 1}, 0);
        const TPolynomial turned = Normalized(Compose(g, Monomial({-1, 1}, 1)));
        const TPolynomial depth = Monomial({-*l, 1}, 0);
        const TRational zero = Constant(g);
        std::vector<TMath> split;
        if (!zero.Num().IsZero()) {
            split = {Value(zero), Op("+")};
        }
        split.push_back(SumProblem(g, one, u));
        if (*l < 0) {
            split.push_back(Op("+"));
            split.push_back(SumProblem(turned, one, depth));
        }
        lines.push_back(Equals(problem, MathRow(std::move(split))));
        const TPolynomial all = PartialSumLines(g, u, nullptr, lines, last);
        std::vector<TMath> added = {PolynomialMath(all, 'n')};
        total = all;
        const auto add = [&](const TRational& value) {
            added.push_back(Op("+"));
            added.push_back(Signed(value));
            total = total + Monomial(value, 0);
        };
        if (!zero.Num().IsZero()) {
            add(zero);
        }
        if (*l < 0) {
            add(Constant(PartialSumLines(turned, depth, nullptr, lines, last)));
        }
        TMath sum = MathRow(std::move(added));
        lines.push_back(Equals(problem, sum));
        last = PolynomialMath(total, 'n');
        if (SameForm(last, sum)) {
            last = std::move(sum);
        } else {
            lines.push_back(Continued(last));
        }
    } else {
        // Σₖ₌ₗᵘ = Σₖ₌₁ᵘ − Σₖ₌₁ˡ⁻¹.
        const TPolynomial one = Monomial({1, 1}, 0);
        const TPolynomial before = Monomial({*l - 1, 1}, 0);
        lines.push_back(
            Equals(problem, MathRow({SumProblem(g, one, u), Op("−"), SumProblem(g, one, before)})));
        const TPolynomial all = PartialSumLines(g, u, nullptr, lines, last);
        const TPolynomial head = PartialSumLines(g, before, nullptr, lines, last);
        total = all - head;
        TMath difference = MathRow({PolynomialMath(all, 'n'), Op("−"), Signed(Constant(head))});
        lines.push_back(Equals(problem, difference));
        last = PolynomialMath(total, 'n');
        if (SameForm(last, difference)) {
            last = difference;
        } else {
            lines.push_back(Continued(last));
        }
    }
    Check(total == sum.Value, "和");
    if (!SameForm(answer, last)) {
        lines.push_back(Continued(answer));
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> CountWorking(TCountKind kind, const TInteger& n, const TInteger& r,
                                  const TCount& count) {
    const bool counted = kind == TCountKind::Factorial ? n.Sign() >= 0 : r.Sign() >= 0 && n >= r;
    if (count.TooLong || !counted) {
        return std::nullopt;
    }
    // The count fits in 500 digits, so every product below has at most a
    // few thousand factors.
    const TInteger value = TInteger::FromDigits(count.Digits);
    const TMath answer = CountAnswer(count);
    std::vector<TMath> parts;
    switch (kind) {
    case TCountKind::Factorial:
        Check(n <= 1 ? value == 1 : FallingValue(n, 1) == value, "階乗");
        parts = {FactorialProblem(n), Op("=")};
        if (n > 1) {
            parts.push_back(Falling(n, 1));
            parts.push_back(Op("="));
        }
        break;
    case TCountKind::Permutation:
        Check(FallingValue(n, n - r + 1) == value, "順列");
        parts = {PermutationProblem(n, r), Op("="),
                 Fraction(FactorialMath(n), FactorialMath(n - r)), Op("=")};
        if (r > 1) {
            parts.push_back(Falling(n, n - r + 1));
            parts.push_back(Op("="));
        }
        break;
    case TCountKind::Combination: {
        // ₙCᵣ = ₙCₙ₋ᵣ for the shorter products.
        parts = {CombinationProblem(n, r), Op("=")};
        TInteger k = r;
        if (n - r < r) {
            k = n - r;
        }
        if (k.IsZero()) {
            Check(value == 1, "組合せ"); // one way to choose nothing, or everything
            break;
        }
        if (k != r) {
            parts.push_back(CombinationProblem(n, k));
            parts.push_back(Op("="));
        }
        const TInteger top = FallingValue(n, n - k + 1);
        const TInteger bottom = FallingValue(k, 1);
        Check(top % bottom == 0 && top / bottom == value, "組合せ");
        parts.push_back(Fraction(PermutationProblem(n, k), FactorialMath(k)));
        parts.push_back(Op("="));
        if (k > 1) {
            parts.push_back(Fraction(Falling(n, n - k + 1), Falling(k, 1)));
            parts.push_back(Op("="));
        }
        break;
    }
    }
    parts.push_back(answer);
    return MathLines({MathRow(std::move(parts))});
}

std::optional<TMath> DivisionWorking(TDivision kind, const TPoint& a, const TPoint& b,
                                     const TRational& m, const TRational& n, const TPoint& point) {
    const bool internal = kind == TDivision::Internal;
    const TRational den = internal ? (m + n) : (m - n);
    if (m.Num().IsZero() || n.Num().IsZero() || den.Num().IsZero()) {
        return std::nullopt;
    }
    // (n·x₁ + m·x₂)/(m + n) internally, (−n·x₁ + m·x₂)/(m − n) externally.
    const auto coordinate = [&](const char* letter, const TRational& first, const TRational& second,
                                const TRational& shown) {
        const TRational value =
            (((internal ? n : (n * TRational{-1, 1})) * first) + m * second) / den;
        Check(value == shown, "分点の座標");
        std::vector<TMath> num;
        if (!internal) {
            num.push_back(Op("−"));
        }
        num.insert(num.end(),
                   {Factor(n), Dot(), Factor(first), Op("+"), Factor(m), Dot(), Factor(second)});
        const TMath fraction = Fraction(MathRow(std::move(num)),
                                        MathRow({Value(m), Op(internal ? "+" : "−"), Signed(n)}));
        return MathRow({Letter(letter), Op("="), fraction, Op("="), Value(value)});
    };
    return MathLines({coordinate("x", a.X, b.X, point.X), coordinate("y", a.Y, b.Y, point.Y),
                      DivisionAnswer(point)});
}

std::optional<TMath> LineWorking(const TPoint& a, const TPoint& b, const TLine& line) {
    const TRational dx = b.X - a.X;
    const TRational dy = b.Y - a.Y;
    if (dx.Num().IsZero() && dy.Num().IsZero()) {
        return std::nullopt;
    }
    std::vector<TMath> lines;
    if (dx.Num().IsZero() || dy.Num().IsZero()) {
        // Parallel to an axis: x = x₁ or y = y₁.
        const bool vertical = dx.Num().IsZero();
        const TRational& level = vertical ? a.X : a.Y;
        Check(line.Vertical == vertical && !line.Right && (line.Level == level),
              "座標軸に平行な直線");
        lines.push_back(MathRow(
            {Letter(vertical ? "x₁" : "y₁"), Op("="), Letter(vertical ? "x₂" : "y₂"), Op("="),
             Value(level), Word(vertical ? "より y 軸に平行な直線" : "より x 軸に平行な直線")}));
    } else {
        const TRational slope = dy / dx;
        TPolynomial right;
        PolySetCoeff(right, 1, Reduced(slope));
        PolySetCoeff(right, 0, Reduced(a.Y - slope * a.X));
        right = Normalized(right);
        Check(!line.Vertical && line.Right && (*line.Right == right) &&
                  (Evaluate(right, b.X) == b.Y),
              "2点を通る直線");
        const TMath rise = MathRow({Value(b.Y), Op("−"), Signed(a.Y)});
        const TMath run = MathRow({Value(b.X), Op("−"), Signed(a.X)});
        lines.push_back(
            MathRow({Word("傾き"), Op("="), Fraction(rise, run), Op("="), Value(slope)}));
        lines.push_back(Equals(LessValue("y", a.Y), SlopeTimes(slope, a.X)));
    }
    lines.push_back(LineAnswer(line));
    return MathLines(std::move(lines));
}

std::optional<TMath> DerivativeWorking(const TPolynomial& f, const TPolynomial& a,
                                       const TDerivativeValue& value) {
    const TRational at = Constant(a);
    const TRational slope = Evaluate(value.Derivative, at);
    Check(ConstantPolynomial(slope) == value.Value, "微分係数");
    return MathLines({DerivativeLine(f, value.Derivative),
                      ValueLine(DerivativeAt(a), value.Derivative, at, slope)});
}

std::optional<TMath> TangentWorking(const TPolynomial& f, const TPolynomial& a,
                                    const TTangent& tangent) {
    const TRational at = Constant(a);
    const TRational point = Evaluate(f, at);
    const TRational slope = Evaluate(tangent.Derivative, at);
    TPolynomial line;
    PolySetCoeff(line, 1, slope);
    PolySetCoeff(line, 0, Reduced(point - slope * at));
    line = Normalized(line);
    Check((ConstantPolynomial(point) == tangent.Point) &&
              (ConstantPolynomial(slope) == tangent.Slope) && (line == tangent.Line),
          "接線");
    std::vector<TMath> lines = {
        DerivativeLine(f, tangent.Derivative),
        ValueLine(MathRow({Letter("f"), Paren(RationalMath(PolyCoeff(a, 0)))}), f, at, point),
        ValueLine(DerivativeAt(a), tangent.Derivative, at, slope),
        Equals(LessValue("y", point), SlopeTimes(slope, at))};
    // At the origin y − 0 = f′(0)(x − 0) is already the answer's form.
    const TMath answer = TangentAnswer(tangent);
    if (!SameForm(answer, lines.back())) {
        lines.push_back(answer);
    }
    return MathLines(std::move(lines));
}

} // namespace arith
