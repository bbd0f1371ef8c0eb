// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingAlgebra.h"

#include "BoardNotation.h"
#include "Errors.h"
#include "ExtremaSteps.h"
#include "FactoringSteps.h"
#include "WorkingSteps.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace arith {

namespace {

// Exact values.

int DegreeOf(const TPolynomial& p) {
    return Normalized(p).Degree();
}

TRational Coeff(const TPolynomial& p, int i) {
    return Reduced(PolyCoeff(p, i));
}

void Check(bool holds, const char* step) {
    if (!holds) {
        throw WorkingCheckError(step);
    }
}

bool IsZero(const TRational& r) {
    return r == TRational{0, 1};
}

// The value of r, an integer as a value formed from integer coefficients is.
TInteger IntegerValue(const TRational& r) {
    const TRational reduced = Reduced(r);
    Check(IsInteger(reduced), "整数係数");
    return reduced.Num();
}

// r/s with s > 0 in lowest terms as the surd r/s + 0√0.
TSurd SurdOf(const TRational& value) {
    const TRational r = Reduced(value);
    return {r.Num(), 0, 0, r.Den()};
}

// x − a.
TPolynomial Monic(const TRational& a) {
    return Monomial({1, 1}, 1) - ConstantPolynomial(a);
}

// s x − r for the root r/s in lowest terms, s > 0.
TPolynomial LinearFactor(const TRational& root) {
    const TRational a = Reduced(root);
    return Monomial(a.Den(), 1) - ConstantPolynomial(a.Num());
}

// The values of the non-zero terms of p at a, highest degree first.
std::vector<TRational> TermValues(const TPolynomial& p, const TRational& a) {
    TRational power{1, 1};
    std::vector<TRational> values;
    for (int i = 0; i <= DegreeOf(p); ++i) {
        const TRational c = Coeff(p, i);
        if (!IsZero(c)) {
            values.push_back(Reduced(c * power));
        }
        power = power * a;
    }
    std::reverse(values.begin(), values.end());
    return values;
}

// Rational roots: the candidates ±d/e for d dividing the constant term and
// e the leading coefficient of an integer polynomial.

constexpr long kLargestListed = 1000000000; // coefficients beyond this list too many divisors
// Beyond this many candidates the search would hold up the answer (735134400
// has 1344 divisors): such a polynomial gets no working.
constexpr std::size_t kMostCandidates = 4096;

std::vector<long> Divisors(long n) {
    std::vector<long> small;
    std::vector<long> large;
    for (long d = 1; d * d <= n; ++d) {
        if (n % d == 0) {
            small.push_back(d);
            if (d != n / d) {
                large.push_back(n / d);
            }
        }
    }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

// The positive candidates: integers first, then fractions, each increasing;
// none when a coefficient is too large to list its divisors or they are too many.
std::optional<std::vector<TRational>> Candidates(const TPolynomial& p) {
    const TRational constant = Coeff(p, 0);
    const TRational leading = Coeff(p, DegreeOf(p));
    Check(IsInteger(constant) && IsInteger(leading) && !IsZero(constant), "整数係数");
    const TInteger c = Abs(IntegerValue(constant));
    const TInteger l = Abs(IntegerValue(leading));
    if (c > TInteger(kLargestListed) || l > TInteger(kLargestListed)) {
        return std::nullopt;
    }
    const std::vector<long> numerators = Divisors(c.ToLong());
    const std::vector<long> denominators = Divisors(l.ToLong());
    if (numerators.size() * denominators.size() > kMostCandidates) {
        return std::nullopt;
    }
    std::vector<TRational> integers;
    std::vector<TRational> fractions;
    for (long d : numerators) {
        for (long e : denominators) {
            if (IntGcd(d, e) == 1) {
                (e == 1 ? integers : fractions).push_back({d, e});
            }
        }
    }
    std::sort(fractions.begin(), fractions.end(),
              [](const TRational& a, const TRational& b) { return b > a; });
    integers.insert(integers.end(), fractions.begin(), fractions.end());
    return integers;
}

// The names P, Q, R, … of the polynomials being factored, one for each quotient.
constexpr const char* kNames[] = {"P", "Q", "R", "S", "T", "U", "V", "W"};
constexpr int kNameCount = sizeof(kNames) / sizeof(kNames[0]);

// Synthetic division of p by x − a; the remainder must be 0.
TSyntheticDivision SyntheticDivision(const TPolynomial& p, const TRational& a) {
    const int n = DegreeOf(p);
    TSyntheticDivision division{a, {}, {}, {}, {}};
    TRational carry{0, 1};
    for (int i = n; i >= 0; --i) {
        const TRational c = Coeff(p, i);
        division.Coefficients.push_back(c);
        if (i < n) {
            const TRational product = Reduced(carry * a);
            division.Products.push_back(product);
            carry = Reduced(c + product);
        } else {
            carry = c;
        }
        division.Results.push_back(carry);
        if (i > 0) {
            PolySetCoeff(division.Quotient, i - 1, carry);
        }
    }
    division.Quotient = Normalized(division.Quotient);
    Check(IsZero(carry), "組立除法の余り");
    return division;
}

TPolynomial ProductOf(const TRational& content, int xPower,
                      const std::vector<TPolynomial>& factors) {
    TPolynomial product = Monomial(content, xPower);
    for (const TPolynomial& f : factors) {
        product = product * f;
    }
    return Normalized(product);
}

// A quadratic with rational roots as the product of its two linear factors:
// by two integers of the right sum and product when it is monic with
// integer roots, otherwise by たすき掛け, and by the root formula for one
// whose coefficients keep a common factor.
void SplitQuadratic(const TPolynomial& q, TFactoringSteps& out) {
    const TRational a = Coeff(q, 2);
    const TRational b = Coeff(q, 1);
    const TRational c = Coeff(q, 0);
    const TInteger disc = IntegerValue(b * b - TRational{4, 1} * a * c);
    TInteger root;
    Check(ExactSqrt(disc, root), "有理数解");
    const TRational two_a = TRational{2, 1} * a;
    const TRational r1 = Reduced((-b - TRational{root, 1}) / two_a);
    const TRational r2 = Reduced((-b + TRational{root, 1}) / two_a);
    Check(IsZero(q(r1)) && IsZero(q(r2)), "2次式の解");
    const TPolynomial f1 = LinearFactor(r1);
    const TPolynomial f2 = LinearFactor(r2);
    Check((f1 * f2) == q, "2次式の因数分解");
    if (a == TRational{1, 1} && IsInteger(r1) && IsInteger(r2)) {
        // x² + bx + c = (x + m)(x + n) with m + n = b and mn = c.
        const TRational m = Reduced(-r1);
        const TRational n = Reduced(-r2);
        Check(((m + n) == b) && ((m * n) == c), "和と積");
        out.Steps.push_back(TSumAndProduct{q, b, c, m, n, {f1, f2}});
    } else if (const std::optional<TCrossTable> table = CrossTableOf(q)) {
        // ax² + bx + c = (a₁x + c₁)(a₂x + c₂), the factors as the table's rows.
        const std::array<TPolynomial, 2> factors = CrossFactors(*table);
        Check((factors[0] * factors[1]) == q, "たすき掛け");
        out.Steps.push_back(TCrossMultiplication{q, *table, factors});
    } else {
        TFormulaSplit split{q, a, Reduced(-b), disc, two_a, root.IsZero(), {r1, r2}, {f1, f2}, {}};
        if (!IsInteger(r1) || !IsInteger(r2)) {
            // a(x − r₁)(x − r₂) before the fractions go into the factors.
            split.Monic = std::array<TPolynomial, 2>{Monic(r1), Monic(r2)};
        }
        out.Steps.push_back(std::move(split));
    }
    out.Factors.push_back(f1);
    out.Factors.push_back(f2);
}

// A root of rest for the factor theorem: the first candidate, tried as +v
// then −v, that is one; where the candidates are too many to list, the root
// a linear factor of the complete factoring gives.
std::optional<TRational> FindRoot(const TPolynomial& rest,
                                  const std::optional<std::vector<TRational>>& candidates,
                                  const TFactorList& list) {
    if (candidates) {
        for (const TRational& v : *candidates) {
            for (const TRational& a : {v, -v}) {
                if (IsZero(rest(a))) {
                    return Reduced(a);
                }
            }
        }
        return std::nullopt;
    }
    for (const TPolynomial& f : list) {
        if (DegreeOf(f) == 1 && !PolyIsX(f)) {
            const TRational a = Reduced(-Coeff(f, 0) / Coeff(f, 1));
            if (IsZero(rest(a))) {
                return a;
            }
        }
    }
    return std::nullopt;
}

// No candidate is a root of rest (the name-th polynomial): a cubic is
// irreducible; one of higher degree is irreducible or the product of the
// factors of degree 2 or more that the complete factoring finds.
void NoLinearFactor(int name, const TPolynomial& rest, const TFactorList& list,
                    TFactoringSteps& out) {
    out.Steps.push_back(TNoLinearFactor{name});
    if (DegreeOf(rest) == 3) {
        out.Steps.push_back(TIrreducibleCubic{name});
        out.Factors.push_back(rest);
        return;
    }
    // The list's factors of degree 2 or more that divide rest, as often as they do.
    std::vector<TPolynomial> higher;
    TPolynomial left = rest;
    for (const TPolynomial& f : list) {
        if (PolyIsZero(f)) {
            break;
        }
        if (DegreeOf(f) >= 2) {
            const TPolyDivision division = DivMod(left, f);
            if (PolyIsZero(division.Remainder)) {
                higher.push_back(f);
                left = Normalized(division.Quotient);
            }
        }
    }
    if (higher.size() < 2) {
        // Irreducible of degree 4 or more, as the complete factoring found.
        Check(higher.size() == 1 && (higher[0] == rest), "既約");
        out.Steps.push_back(TIrreducible{name});
        out.Factors.push_back(rest);
        return;
    }
    Check(ProductOf({1, 1}, 0, higher) == rest, "因数の積");
    out.Steps.push_back(THigherFactors{name, rest, higher});
    out.Factors.insert(out.Factors.end(), higher.begin(), higher.end());
}

// The factor theorem on the root a of rest (the name-th polynomial): P(a) =
// 0, the synthetic division by x − a and the product. Gives the quotient,
// with the denominator of a fractional root moved into the factor.
TPolynomial DivideByRoot(int name, const TPolynomial& rest, const TRational& a,
                         TFactoringSteps& out) {
    const TPolynomial linear = LinearFactor(a);
    out.Steps.push_back(TRootFound{name, rest, a, TermValues(rest, a), linear});
    TSyntheticDivision synthetic = SyntheticDivision(rest, a);
    const TPolynomial quotient = synthetic.Quotient;
    out.Steps.push_back(std::move(synthetic));
    const TPolynomial monic = Monic(a);
    Check((monic * quotient) == rest, "組立除法");
    TDivided divided{name, monic, quotient, {}};
    // s x − r = s(x − a): the quotient divided by s.
    const TPolynomial next = quotient * ConstantPolynomial(TRational{1, 1} / Coeff(linear, 1));
    if (!IsInteger(a)) {
        Check((linear * next) == rest, "因数の分母");
        divided.Cleared = std::make_pair(linear, next);
    }
    out.Steps.push_back(std::move(divided));
    out.Factors.push_back(linear);
    return Normalized(next);
}

// What is left below degree 3: a quadratic split where its discriminant is
// a square, otherwise (when factoring alone) shown not to split.
void LastFactor(const TPolynomial& rest, bool equation, TFactoringSteps& out) {
    if (DegreeOf(rest) == 2) {
        const TRational a = Coeff(rest, 2);
        const TRational b = Coeff(rest, 1);
        const TRational c = Coeff(rest, 0);
        const TInteger disc = IntegerValue(b * b - TRational{4, 1} * a * c);
        TInteger root;
        if (disc.Sign() >= 0 && ExactSqrt(disc, root)) {
            SplitQuadratic(rest, out);
            return;
        }
        if (!equation) {
            out.Steps.push_back(TNonSquareDiscriminant{rest, a, b, c, disc});
        }
        out.Factors.push_back(rest);
    } else if (DegreeOf(rest) == 1) {
        out.Factors.push_back(rest);
    }
}

// Factoring by the formulas.

// The integer whose cube is n, if there is one.
std::optional<TInteger> ExactCbrt(const TInteger& n) {
    const TInteger size = Abs(n);
    TInteger low = 0;
    TInteger high = Power(TInteger(2), size.Bits() / 3 + 1);
    while (low < high) { // the least r with r³ ≥ |n|
        const TInteger middle = (low + high) / TInteger(2);
        if (middle * middle * middle < size) {
            low = middle + TInteger(1);
        } else {
            high = middle;
        }
    }
    if (low * low * low != size) {
        return std::nullopt;
    }
    return n.Sign() < 0 ? -low : low;
}

std::optional<TInteger> ExactSquareRoot(const TInteger& n) {
    TInteger root;
    if (n.Sign() < 0 || !ExactSqrt(n, root)) {
        return std::nullopt;
    }
    return root;
}

// The degrees of p's non-zero terms, highest first.
std::vector<int> TermDegrees(const TPolynomial& p) {
    std::vector<int> degrees;
    for (int i = DegreeOf(p); i >= 0; --i) {
        if (!IsZero(Coeff(p, i))) {
            degrees.push_back(i);
        }
    }
    return degrees;
}

TInteger IntegerCoeff(const TPolynomial& p, int i) {
    return IntegerValue(Coeff(p, i));
}

// Whether the integer polynomial p has no common factor but 1 (and −1).
bool Primitive(const TPolynomial& p) {
    TInteger content = 0;
    for (int i = 0; i <= DegreeOf(p); ++i) {
        content = Gcd(content, IntegerCoeff(p, i));
    }
    return Abs(content) == TInteger(1);
}

TPolynomial Term(const TInteger& c, int degree) {
    return Monomial(TRational{c, 1}, degree);
}

// A formula's first side and the factors it gives.
struct TSplit {
    TChainForm Form;
    std::vector<TPolynomial> Factors;
};

// a·x^n + c as A² − B² or A³ ± B³, squares first: "x⁶ − 1 = (x³)² − 1²".
std::optional<TSplit> SplitTwoTerms(const TPolynomial& f) {
    const std::vector<int> degrees = TermDegrees(f);
    if (degrees.size() != 2 || degrees[1] != 0) {
        return std::nullopt;
    }
    const int n = degrees[0];
    const TInteger a = IntegerCoeff(f, n);
    const TInteger c = IntegerCoeff(f, 0);
    if (a.Sign() <= 0) {
        return std::nullopt;
    }
    if (n % 2 == 0 && c.Sign() < 0) {
        const std::optional<TInteger> alpha = ExactSquareRoot(a);
        const std::optional<TInteger> beta = ExactSquareRoot(-c);
        if (alpha && beta) {
            const TPolynomial A = Term(*alpha, n / 2);
            const TPolynomial B = Term(*beta, 0);
            return TSplit{TSquaresForm{A, B}, {A + B, A - B}};
        }
    }
    if (n % 3 == 0) {
        const std::optional<TInteger> alpha = ExactCbrt(a);
        const std::optional<TInteger> beta = ExactCbrt(Abs(c));
        if (alpha && beta) {
            const TPolynomial A = Term(*alpha, n / 3);
            const TPolynomial B = Term(*beta, 0);
            const bool plus = c.Sign() > 0;
            // A³ + B³ = (A + B)(A² − AB + B²), A³ − B³ = (A − B)(A² + AB + B²)
            const TPolynomial linear = plus ? A + B : A - B;
            const TPolynomial square = plus ? A * A - A * B + B * B : A * A + A * B + B * B;
            return TSplit{TCubesForm{A, B, plus}, {linear, square}};
        }
    }
    return std::nullopt;
}

// (αx^k ± β)² for k = 1, 2 and (αx ± β)³, written out.
std::optional<TSplit> SplitPerfectPower(const TPolynomial& f) {
    const std::vector<int> degrees = TermDegrees(f);
    const int n = DegreeOf(f);
    const TInteger a = IntegerCoeff(f, n);
    if (a.Sign() <= 0) {
        return std::nullopt;
    }
    if (degrees.size() == 3 && (n == 2 || n == 4) && degrees[1] == n / 2 && degrees[2] == 0) {
        const std::optional<TInteger> alpha = ExactSquareRoot(a);
        const std::optional<TInteger> beta = ExactSquareRoot(IntegerCoeff(f, 0));
        const TInteger b = IntegerCoeff(f, n / 2);
        if (alpha && beta && Abs(b) == TInteger(2) * *alpha * *beta) {
            const TPolynomial A = Term(*alpha, n / 2);
            const TPolynomial B = Term(*beta, 0);
            const bool plus = b.Sign() > 0;
            const TPolynomial root = plus ? A + B : A - B;
            return TSplit{TSquareForm{A, B, plus}, {root, root}};
        }
    }
    if (degrees.size() == 4 && n == 3) {
        const std::optional<TInteger> alpha = ExactCbrt(a);
        const std::optional<TInteger> beta = ExactCbrt(IntegerCoeff(f, 0));
        if (alpha && beta) {
            const TPolynomial root = Term(*alpha, 1) + Term(*beta, 0);
            if (root * root * root == f) {
                const TPolynomial A = Term(*alpha, 1);
                const TPolynomial B = Term(Abs(*beta), 0);
                return TSplit{TCubeForm{A, B, beta->Sign() > 0}, {root, root, root}};
            }
        }
    }
    return std::nullopt;
}

// ax³ + bx² + cx + d with ad = bc as x²(ax + b) + k(ax + b), the common
// factor's content taken into the first group: "2x²(x + 2) + 3(x + 2)".
std::optional<TSplit> SplitByGrouping(const TPolynomial& f) {
    if (DegreeOf(f) != 3 || TermDegrees(f).size() != 4) {
        return std::nullopt;
    }
    const TInteger a = IntegerCoeff(f, 3);
    const TInteger b = IntegerCoeff(f, 2);
    const TInteger c = IntegerCoeff(f, 1);
    const TInteger d = IntegerCoeff(f, 0);
    if (a * d != b * c) {
        return std::nullopt;
    }
    const TInteger g = IntGcd(a, b);
    const TPolynomial inner = Term(a / g, 1) + Term(b / g, 0);
    const TInteger k = c / (a / g);
    const TPolynomial first = Term(g, 2);
    const TPolynomial second = Term(k, 0);
    Check((first * inner + second * inner) == f, "組み合わせ");
    return TSplit{TGroupedForm{{first, second}, inner}, {inner, first + second}};
}

// Equal factors side by side, in the order they first come.
std::vector<TPolynomial> Gathered(const std::vector<TPolynomial>& factors) {
    std::vector<TPolynomial> out;
    for (const TPolynomial& f : factors) {
        const auto last = std::find(out.rbegin(), out.rend(), f);
        out.insert(last == out.rend() ? out.end() : last.base(), f);
    }
    return out;
}

// The factors again, each that is a difference of squares or a sum or
// difference of cubes split; none when none splits.
std::optional<std::vector<TPolynomial>> SplitFurther(const std::vector<TPolynomial>& factors) {
    std::vector<TPolynomial> out;
    bool split = false;
    for (const TPolynomial& f : factors) {
        if (std::optional<TSplit> s = SplitTwoTerms(f)) {
            out.insert(out.end(), s->Factors.begin(), s->Factors.end());
            split = true;
        } else {
            out.push_back(f);
        }
    }
    if (!split) {
        return std::nullopt;
    }
    return Gathered(out);
}

// a·x^2k + b·x^k + c for k = 2, 3 whose aX² + bX + c splits: the chain
// through X = x^k. None for any other f.
std::optional<TPatternChain> ChainInX(const TPolynomial& f) {
    const std::vector<int> degrees = TermDegrees(f);
    const int n = DegreeOf(f);
    if (degrees.size() != 3 || (n != 4 && n != 6) || degrees[1] != n / 2 || degrees[2] != 0) {
        return std::nullopt;
    }
    const int k = n / 2;
    const TInteger a = IntegerCoeff(f, n);
    const TInteger b = IntegerCoeff(f, k);
    const TInteger c = IntegerCoeff(f, 0);
    const std::optional<TInteger> root = ExactSquareRoot(b * b - TInteger(4) * a * c);
    if (!root) {
        return std::nullopt;
    }
    TPolynomial inX;
    PolySetCoeff(inX, 2, {a, 1});
    PolySetCoeff(inX, 1, {b, 1});
    PolySetCoeff(inX, 0, {c, 1});
    inX = Normalized(inX);
    const TRational two_a{TInteger(2) * a, 1};
    const std::vector<TPolynomial> linear{
        LinearFactor(Reduced((TRational{-b, 1} - TRational{*root, 1}) / two_a)),
        LinearFactor(Reduced((TRational{-b, 1} + TRational{*root, 1}) / two_a))};
    Check((linear[0] * linear[1]) == inX, "X の2次式の因数分解");
    std::vector<TPolynomial> back;
    for (const TPolynomial& l : linear) {
        back.push_back(Term(IntegerCoeff(l, 1), k) + Term(IntegerCoeff(l, 0), 0));
    }
    Check(ProductOf({1, 1}, 0, back) == f, "x^k を戻して");
    return TPatternChain{
        f, k, {TInXForm{inX}, TProductForm{Gathered(linear), true}, TProductForm{Gathered(back)}}};
}

// α²x⁴ + bx² + m² as (αx² ± m)² − (tx)², the square of t in 2α(±m) − b:
// "x⁴ + x² + 1 = (x² + 1)² − x²".
std::optional<TSplit> SplitByAddingASquare(const TPolynomial& f) {
    const std::vector<int> degrees = TermDegrees(f);
    if (DegreeOf(f) != 4 || degrees.back() != 0 ||
        std::any_of(degrees.begin(), degrees.end(), [](int d) { return d % 2 != 0; })) {
        return std::nullopt;
    }
    const std::optional<TInteger> alpha = ExactSquareRoot(IntegerCoeff(f, 4));
    const std::optional<TInteger> m = ExactSquareRoot(IntegerCoeff(f, 0));
    if (!alpha || !m) {
        return std::nullopt;
    }
    const TInteger b = IntegerCoeff(f, 2);
    for (const TInteger& s : {*m, -*m}) {
        const std::optional<TInteger> t = ExactSquareRoot(TInteger(2) * *alpha * s - b);
        if (t && t->Sign() > 0) {
            const TPolynomial A = Term(*alpha, 2) + Term(s, 0);
            const TPolynomial B = Term(*t, 1);
            return TSplit{TSquaresForm{A, B}, {A + B, A - B}};
        }
    }
    return std::nullopt;
}

// x² − 1² and x³ ± 1³ only repeat x² − 1 and x³ ± 1.
bool SaysNothingNew(const TChainForm& form) {
    const auto plain = [](const TPolynomial& a, const TPolynomial& b) {
        return PolyIsX(a) && PolyIsOne(b);
    };
    if (const auto* squares = std::get_if<TSquaresForm>(&form)) {
        return plain(squares->A, squares->B);
    }
    if (const auto* cubes = std::get_if<TCubesForm>(&form)) {
        return plain(cubes->A, cubes->B);
    }
    return false;
}

// The chain of the first formula that fits f, each factor that splits
// further by a formula split on a side of its own.
std::optional<TPatternChain> PatternChain(const TPolynomial& f) {
    if (!Primitive(f)) {
        return std::nullopt;
    }
    std::optional<TSplit> split = SplitTwoTerms(f);
    for (const auto& next : {SplitPerfectPower, SplitByGrouping}) {
        if (!split) {
            split = next(f);
        }
    }
    std::optional<TPatternChain> chain;
    if (split) {
        Check(ProductOf({1, 1}, 0, split->Factors) == f, "公式による因数分解");
        chain = TPatternChain{f, 0, {split->Form, TProductForm{Gathered(split->Factors)}}};
        if (SaysNothingNew(split->Form)) {
            chain->Forms.erase(chain->Forms.begin());
        }
    } else {
        // X = x² where the quadratic in X splits, otherwise a square added and taken away.
        chain = ChainInX(f);
        if (!chain) {
            split = SplitByAddingASquare(f);
            if (!split) {
                return std::nullopt;
            }
            Check(ProductOf({1, 1}, 0, split->Factors) == f, "平方の差");
            chain = TPatternChain{f, 0, {split->Form, TProductForm{split->Factors}}};
        }
    }
    for (int guard = 0; guard < kMaxDegree; ++guard) {
        const std::vector<TPolynomial>& last = std::get<TProductForm>(chain->Forms.back()).Factors;
        std::optional<std::vector<TPolynomial>> further = SplitFurther(last);
        if (!further) {
            break;
        }
        Check(ProductOf({1, 1}, 0, *further) == f, "公式による因数分解");
        chain->Forms.push_back(TProductForm{std::move(*further)});
    }
    return chain;
}

// What factoring the common factor out leaves, and where the steps go.
struct TFactoring {
    const TFactorList& List;
    bool Equation = false;
    int Names = 0; // the polynomials named so far
    TFactoringSteps& Out;
};

bool Listed(const TFactorList& list, const TPolynomial& f) {
    for (const TPolynomial& g : list) {
        if (PolyIsZero(g)) {
            break;
        }
        if (g == f) {
            return true;
        }
    }
    return false;
}

// Factors f, an integer polynomial with a positive leading coefficient and
// no common factor: by the first formula that fits, each factor it leaves
// that the list does not hold factored the same way; otherwise from degree
// 3 by the factor theorem (each polynomial named in turn) and then the
// quotient the same way; a quadratic left split. False where the working
// cannot be shown (more names than there are).
bool FactorRest(const TPolynomial& f, TFactoring& c) {
    if (DegreeOf(f) <= 1) {
        c.Out.Factors.push_back(f);
        return true;
    }
    if (std::optional<TPatternChain> chain = PatternChain(f)) {
        const std::vector<TPolynomial> found = std::get<TProductForm>(chain->Forms.back()).Factors;
        c.Out.Steps.push_back(std::move(*chain));
        for (const TPolynomial& g : found) {
            if (DegreeOf(g) <= 1 || Listed(c.List, g)) {
                c.Out.Factors.push_back(g);
            } else if (!FactorRest(g, c)) {
                return false;
            }
        }
        return true;
    }
    if (DegreeOf(f) >= 3) {
        if (c.Names == kNameCount) {
            return false;
        }
        const int name = c.Names++;
        c.Out.Steps.push_back(TNamePolynomial{name, f});
        const std::optional<std::vector<TRational>> candidates = Candidates(f);
        c.Out.Steps.push_back(TRootCandidates{name, candidates});
        const std::optional<TRational> found = FindRoot(f, candidates, c.List);
        if (!found) {
            NoLinearFactor(name, f, c.List, c.Out);
            return true;
        }
        return FactorRest(DivideByRoot(name, f, *found, c.Out), c);
    }
    LastFactor(f, c.Equation, c.Out);
    return true;
}

// Factors p: the common factor out, then the rest (see FactorRest; for an
// equation a quadratic that does not split is left without a word). None
// where the working cannot be shown (see SolveFactorSteps). The factors
// come in the order they are found.
std::optional<TFactoringSteps> SolveFactoring(const TPolynomial& p, const TFactorList& list,
                                              bool equation) {
    TFactoringSteps out;
    // The common factor: the constants and the factors x of the list.
    for (const TPolynomial& f : list) {
        if (PolyIsZero(f)) {
            break;
        }
        if (DegreeOf(f) == 0) {
            out.Content = Reduced(out.Content * Coeff(f, 0));
        } else if (PolyIsX(f)) {
            ++out.XPower;
        }
    }
    const TPolyDivision division = DivMod(p, Monomial(out.Content, out.XPower));
    const TPolynomial q = Normalized(division.Quotient);
    Check(PolyIsZero(division.Remainder), "共通因数");
    if (DegreeOf(q) == 0) {
        return std::nullopt; // nothing but the common factor
    }
    for (int i = 0; i <= DegreeOf(q); ++i) {
        Check(IsInteger(Coeff(q, i)), "共通因数");
    }
    if (out.XPower > 0 || (out.Content != TRational{1, 1})) {
        out.Steps.push_back(TCommonFactor{p, out.Content, out.XPower, q});
    }
    TFactoring rest{list, equation, 0, out};
    if (!FactorRest(q, rest)) {
        return std::nullopt;
    }
    return out;
}

// Puts the factors found in the order the list writes them, so that equal
// ones stand together as a power and the product reads as the answer does,
// and checks that their product is p.
void OrderAsListed(const TPolynomial& p, const TFactorList& list, TFactoringSteps& f) {
    const auto rank = [&list](const TPolynomial& factor) {
        std::size_t k = 0;
        while (k < list.size() && !PolyIsZero(list[k]) && (list[k] != factor)) {
            ++k;
        }
        return k;
    };
    std::stable_sort(
        f.Factors.begin(), f.Factors.end(),
        [&rank](const TPolynomial& a, const TPolynomial& b) { return rank(a) < rank(b); });
    Check(ProductOf(f.Content, f.XPower, f.Factors) == p, "因数分解");
}

// A chain on p itself that is the whole factoring ends in the factors as
// the list orders them, so that it states the answer.
void EndChainAsListed(const TPolynomial& p, TFactoringSteps& f) {
    if (f.Steps.size() != 1 || !std::holds_alternative<TPatternChain>(f.Steps[0])) {
        return;
    }
    TPatternChain& chain = std::get<TPatternChain>(f.Steps[0]);
    std::vector<TPolynomial>& last = std::get<TProductForm>(chain.Forms.back()).Factors;
    if (chain.Polynomial != Normalized(p) || last.size() != f.Factors.size()) {
        return;
    }
    Check(ProductOf({1, 1}, 0, last) == ProductOf({1, 1}, 0, f.Factors), "因数の並べかえ");
    last = f.Factors;
}

// The roots of one factor's group, checked against the factor: x = r for
// a linear factor (none for x, whose x = 0 says it all), square roots for
// a quadratic without an x term, the root formula for any other, the
// decimals or no real roots for a higher degree.
std::optional<TRootStep> RootStep(const TFactorRoots& group) {
    if (group.Approximated()) {
        // A real polynomial of odd degree has a real root.
        Check(!group.Approximate.empty() || DegreeOf(group.Factor) % 2 == 0, "実数解の個数");
        if (group.Approximate.empty()) {
            return TNoRealRoots{group.Factor};
        }
        return TApproximateRoots{group};
    }
    if (group.Root) {
        Check(IsZero(group.Factor(*group.Root)), "1次式の解");
        if (PolyIsX(group.Factor)) {
            return std::nullopt;
        }
        return TLinearRoot{group.Factor, *group.Root};
    }
    // (P ± Q√R)/D: the sum 2P/D is −b/a and the product (P² − Q²R)/D² is c/a.
    const TQuadRoots& x = *group.Pair;
    const TRational a = Coeff(group.Factor, 2);
    Check(DegreeOf(group.Factor) == 2 && !x.D.IsZero() &&
              (TRational{2 * x.P, x.D} == (-Coeff(group.Factor, 1) / a)) &&
              (TRational{x.P * x.P - x.Q * x.Q * x.R, x.D * x.D} == (Coeff(group.Factor, 0) / a)),
          "2次式の解");
    if (IsZero(Coeff(group.Factor, 1))) {
        // ax² + c = 0: x² = −c/a.
        const TRational k = Reduced(-Coeff(group.Factor, 0) / a);
        Check(steps::SquareRootsOf(x, k), "平方根");
        return TSquareRootRoots{group.Factor, k, x};
    }
    return TFormulaRoots{group.Factor, x};
}

// Exact values (A + B√R)/C with R fixed, for f at a critical point.
struct TSurdValue {
    TInteger A = 0;
    TInteger B = 0;
    TInteger C = 1;
};

TSurdValue AtSurd(const TPolynomial& f, const TSurd& x) {
    TSurdValue v;
    for (int i = DegreeOf(f); i >= 0; --i) {
        const TRational c = Coeff(f, i);
        // v·x
        TSurdValue t{v.A * x.P + v.B * x.Q * x.R, v.A * x.Q + v.B * x.P, v.C * x.D};
        // + c
        v = {t.A * c.Den() + c.Num() * t.C, t.B * c.Den(), t.C * c.Den()};
    }
    return v;
}

bool SurdEquals(const TSurdValue& v, const TSurd& y, const TInteger& r) {
    if (!y.Q.IsZero() && y.R != r) {
        return false;
    }
    return v.A * y.D == y.P * v.C && v.B * y.D == y.Q * v.C;
}

bool SameSurd(const TSurd& a, const TSurd& b) {
    if (a.Q.IsZero() || b.Q.IsZero()) {
        return a.Q.IsZero() && b.Q.IsZero() && a.P * b.D == b.P * a.D;
    }
    return a.R == b.R && a.P * b.D == b.P * a.D && a.Q * b.D == b.Q * a.D;
}

// Whether a < b for two roots of one quadratic: both fractions, or (P ± Q√R)/D.
bool SurdLess(const TSurd& a, const TSurd& b) {
    if (a.Q.IsZero() && b.Q.IsZero()) {
        return TRational{b.P, b.D} > TRational{a.P, a.D};
    }
    Check(!a.Q.IsZero() && !b.Q.IsZero() && a.R == b.R && a.P * b.D == b.P * a.D &&
              a.Q * b.D == -(b.Q * a.D) && a.D.Sign() > 0 && b.D.Sign() > 0,
          "極値をとる x の大小");
    return a.Q.Sign() < 0;
}

void ExpectX(const std::optional<TExtremum>& e, const TSurd& x, const char* what) {
    Check(e.has_value() && SameSurd(e->X, x), what);
}

} // namespace

std::optional<TFactorSteps> SolveFactorSteps(const TPolynomial& p, const TFactorList& factors) {
    if (DegreeOf(p) < 2) {
        return std::nullopt;
    }
    std::optional<TFactoringSteps> factoring = SolveFactoring(Normalized(p), factors, false);
    if (!factoring) {
        return std::nullopt;
    }
    TPolynomial listed = ConstantPolynomial({1, 1});
    for (const TPolynomial& factor : factors) {
        if (PolyIsZero(factor)) {
            break;
        }
        listed = listed * factor;
    }
    Check(listed == p, "因数分解の答え");
    OrderAsListed(p, factors, *factoring);
    EndChainAsListed(p, *factoring);
    return TFactorSteps{p, std::move(*factoring), factors};
}

namespace {

// a·x⁴ + b·x² + c = 0, an integer polynomial without a common factor and
// with a > 0, whose quadratic in X = x² splits: X, then x from each x² = X,
// every group of roots from one of them. None for any other p.
std::optional<TEquationSteps> SolveInX(const TPolynomial& p, const TEquationRoots& roots) {
    const TPolynomial f = Normalized(p);
    for (int i = 0; i <= DegreeOf(f); ++i) {
        if (!IsInteger(Coeff(f, i))) {
            return std::nullopt;
        }
    }
    if (DegreeOf(f) != 4 || !Primitive(f) || Negative(Coeff(f, 4))) {
        return std::nullopt;
    }
    const std::optional<TPatternChain> chain = ChainInX(f);
    if (!chain || chain->Power != 2) {
        return std::nullopt;
    }
    const TPolynomial inX = std::get<TInXForm>(chain->Forms[0]).Polynomial;
    const std::vector<TPolynomial>& factors = std::get<TProductForm>(chain->Forms[1]).Factors;
    TQuadraticInX solved{inX, factors, {}};
    for (const TPolynomial& factor : factors) {
        const TRational r = Reduced(-Coeff(factor, 0) / Coeff(factor, 1));
        Check(IsZero(inX(r)), "X の値");
        if (std::find(solved.Roots.begin(), solved.Roots.end(), r) == solved.Roots.end()) {
            solved.Roots.push_back(r);
        }
    }
    TEquationSteps steps{p, std::nullopt, {solved}, roots};
    std::size_t used = 0; // the groups of roots accounted for
    const auto group = [&roots, &used](const TPolynomial& factor) {
        const auto at =
            std::find_if(roots.Groups.begin(), roots.Groups.end(),
                         [&factor](const TFactorRoots& g) { return g.Factor == factor; });
        Check(at != roots.Groups.end(), "因数と解");
        ++used;
        return *at;
    };
    for (const TRational& r : solved.Roots) {
        Check(!IsZero(r), "x² = X の解");
        const std::optional<TInteger> num = ExactSquareRoot(r.Num());
        const std::optional<TInteger> den = ExactSquareRoot(r.Den());
        if (Negative(r) || !num || !den) {
            // x² = r from the irreducible factor s x² − t of the list, r = t/s.
            const TPolynomial factor = LinearFactor(r);
            const TPolynomial square =
                Term(IntegerCoeff(factor, 1), 2) + Term(IntegerCoeff(factor, 0), 0);
            const TFactorRoots g = group(square);
            Check(g.Pair.has_value() && steps::SquareRootsOf(*g.Pair, r), "x² = X の解");
            steps.Roots.push_back(TSquareEquals{r, std::nullopt, g.Pair});
            continue;
        }
        const TRational u{*num, *den};
        for (const TRational& x : {u, -u}) {
            const TFactorRoots g = group(LinearFactor(x));
            Check(g.Root.has_value() && *g.Root == x, "x² = X の解");
        }
        steps.Roots.push_back(TSquareEquals{r, u, std::nullopt});
    }
    Check(used == roots.Groups.size(), "因数と解");
    return steps;
}

} // namespace

std::optional<TEquationSteps> SolveEquationSteps(const TPolynomial& p,
                                                 const TEquationRoots& roots) {
    TEquationSteps steps{p, std::nullopt, {}, roots};
    if (roots.Constant || roots.Identity) {
        steps.Roots.push_back(TConstantEquation{p, roots.Identity});
        return steps;
    }
    if (DegreeOf(p) < 3) {
        return std::nullopt;
    }
    if (std::optional<TEquationSteps> inX = SolveInX(p, roots)) {
        return inX;
    }
    std::optional<TFactoringSteps> factoring = SolveFactoring(Normalized(p), roots.Factors, true);
    if (!factoring) {
        return std::nullopt;
    }
    OrderAsListed(p, roots.Factors, *factoring);
    EndChainAsListed(p, *factoring);
    // Each factor found gives the roots of one group, and each group belongs to a factor.
    std::vector<TPolynomial> found = factoring->Factors;
    if (factoring->XPower > 0) {
        found.push_back(Monomial({1, 1}, 1));
    }
    for (const TPolynomial& factor : found) {
        const bool listed =
            std::any_of(roots.Groups.begin(), roots.Groups.end(),
                        [&factor](const TFactorRoots& group) { return group.Factor == factor; });
        Check(listed, "因数と解");
    }
    for (const TFactorRoots& group : roots.Groups) {
        Check(std::find(found.begin(), found.end(), group.Factor) != found.end(), "因数と解");
        if (std::optional<TRootStep> step = RootStep(group)) {
            steps.Roots.push_back(std::move(*step));
        }
    }
    steps.Factoring = std::move(*factoring);
    return steps;
}

std::optional<TExtremaSteps> SolveExtremaSteps(const TPolynomial& f, const TExtrema& extrema) {
    const int degree = DegreeOf(f);
    if (degree != 2 && degree != 3) {
        return std::nullopt;
    }
    const TPolynomial d = Derivative(f);
    Check(d == extrema.Derivative, "導関数");
    TExtremaSteps steps{{TDerivativeLine{d}}, extrema};
    const bool rising = Coeff(f, degree) > TRational{0, 1}; // at the right end
    TSignChart chart;

    if (degree == 2) {
        const TRational alpha = Reduced(-Coeff(d, 0) / Coeff(d, 1));
        Check(IsZero(d(alpha)), "f′(x) = 0 の解");
        const TRational y = Reduced(f(alpha));
        const std::optional<TExtremum>& extremum = rising ? extrema.Minimum : extrema.Maximum;
        ExpectX(extremum, SurdOf(alpha), "極値をとる x");
        const TSurd value = SurdOf(y);
        Check(SurdEquals({value.P, 0, value.D}, extremum->Y, 0), "極値");
        Check(!(rising ? extrema.Maximum : extrema.Minimum).has_value(), "極値の数");
        steps.Steps.push_back(TCriticalPoint{d, alpha});
        // Rising at the right end: falling down to the minimum.
        chart.Intervals = {{!rising}, {rising}};
        chart.Points = {{alpha, !rising, value}};
    } else {
        const TRational a = Coeff(d, 2);
        const TRational b = Coeff(d, 1);
        const TRational c = Coeff(d, 0);
        const TRational disc = Reduced(b * b - TRational{4, 1} * a * c);
        if (disc <= TRational{0, 1}) {
            Check(!extrema.Maximum && !extrema.Minimum, "極値なし");
            steps.Steps.push_back(TNoCriticalPoints{a, b, c, disc, rising});
            return steps;
        }
        Check(extrema.Maximum && extrema.Minimum, "極値の数");
        TSurd alpha = extrema.Maximum->X;
        TSurd beta = extrema.Minimum->X;
        if (SurdLess(beta, alpha)) {
            std::swap(alpha, beta);
        }
        for (const TSurd& x : {alpha, beta}) {
            const TSurdValue zero = AtSurd(d, x);
            Check(zero.A.IsZero() && zero.B.IsZero(), "f′(x) = 0 の解");
        }
        // Rising at the right end: the maximum at the smaller root.
        const std::optional<TExtremum>& first = rising ? extrema.Maximum : extrema.Minimum;
        const std::optional<TExtremum>& second = rising ? extrema.Minimum : extrema.Maximum;
        ExpectX(first, alpha, "極値をとる x");
        ExpectX(second, beta, "極値をとる x");
        for (const TExtremum* e : {&*first, &*second}) {
            Check(SurdEquals(AtSurd(f, e->X), e->Y, e->X.R), "極値");
        }
        steps.Steps.push_back(TCriticalPoints{d, alpha, beta, extrema.Simplest});
        chart.Intervals = {{rising}, {!rising}, {rising}};
        chart.Points = {{alpha, rising, first->Y}, {beta, !rising, second->Y}};
    }
    steps.Steps.push_back(std::move(chart));
    return steps;
}

namespace {

using namespace steps;

// Formula parts.

TMath Word(const char* word) {
    return MathText(TMathKind::Word, word);
}

// "P(x)", "f′(x)".
TMath Applied(const char* name, TMath argument) {
    const bool word = std::string(name).size() > 1;
    return MathRow({word ? Word(name) : Letter(name), Paren(std::move(argument))});
}

TMath X() {
    return Letter("x");
}

// P(x), Q(x), … for the name-th polynomial being factored.
TMath Named(int name, TMath argument) {
    return Applied(kNames[name], std::move(argument));
}

TMath DerivativeName() {
    return Applied("f′", X());
}

// Values as a sum: "−2 − 3 + 3 + 2".
TMath SumOf(const std::vector<TRational>& values) {
    std::vector<TMath> parts;
    for (const TRational& r : values) {
        if (parts.empty()) {
            parts.push_back(Value(r));
            continue;
        }
        parts.push_back(Op(Negative(r) ? "−" : "+"));
        parts.push_back(Value(Negative(r) ? -r : r));
    }
    return MathRow(std::move(parts));
}

constexpr std::size_t kListedPairs = 6; // a longer list of candidates is shortened with "…"

// "±1, ±2, ±1/2", the middle left out of a long list: "±1, ±2, ±3, ±4, ±6, …, ±60".
TMath CandidateList(const std::vector<TRational>& values) {
    std::vector<TMath> parts;
    const bool shorten = values.size() > kListedPairs;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (shorten && k + 1 == kListedPairs) {
            parts.push_back(Comma());
            parts.push_back(Word("…"));
            k = values.size() - 1;
        }
        if (!parts.empty()) {
            parts.push_back(Comma());
        }
        parts.push_back(Op("±"));
        parts.push_back(Value(values[k]));
    }
    return MathRow(std::move(parts));
}

// A product of factors as written after "=": "2x(x − 1)²(x² + 1)".
TMath ProductMath(const TRational& content, int xPower, const std::vector<TPolynomial>& factors,
                  char letter = 'x') {
    std::vector<TMath> parts;
    const TRational c = Reduced(content);
    const bool unit = c == TRational{1, 1};
    if (xPower > 0 || !unit) {
        TMath common = PolynomialMath(Monomial(c, xPower));
        if (xPower == 0 && c == TRational{-1, 1} && !factors.empty()) {
            common = Op("−");
        } else if (xPower == 0 && unit) {
            common = MathRow({});
        }
        parts.push_back(std::move(common));
    }
    const bool bracket = factors.size() > 1 || !parts.empty();
    for (std::size_t k = 0; k < factors.size();) {
        std::size_t run = 1;
        while (k + run < factors.size() && (factors[k] == factors[k + run])) {
            ++run;
        }
        TMath factor = PolynomialMath(factors[k], letter);
        if (bracket || run > 1) {
            factor = Paren(std::move(factor));
        }
        parts.push_back(run > 1 ? Power(std::move(factor), static_cast<long>(run))
                                : std::move(factor));
        k += run;
    }
    return MathRow(std::move(parts));
}

TMath ProductMath(const std::vector<TPolynomial>& factors, char letter = 'x') {
    return ProductMath({1, 1}, 0, factors, letter);
}

// "D = b² − 4·a·c = disc".
TMath Discriminant(const TRational& a, const TRational& b, const TRational& c,
                   const TRational& disc) {
    return MathRow({Letter("D"), Op("="), Power(Signed(b), 2), Op("−"), Number(4), Op("·"),
                    Factor(a), Op("·"), Factor(c), Op("="), Value(disc)});
}

TMath Cannot() {
    return Word("は有理数の範囲でこれ以上因数分解できない");
}

// The lines of each factoring step.

using TLines = std::vector<TMath>;

void WriteStep(const TCommonFactor& s, TLines& lines) {
    lines.push_back(MathRow(
        {Word("共通因数"), PolynomialMath(Monomial(s.Content, s.XPower)), Word("をくくり出して")}));
    lines.push_back(
        Equals(PolynomialMath(s.Polynomial), ProductMath(s.Content, s.XPower, {s.Rest})));
}

void WriteStep(const TNamePolynomial& s, TLines& lines) {
    lines.push_back(
        MathRow({Equals(Named(s.Name, X()), PolynomialMath(s.Polynomial)), Word("とおく")}));
}

void WriteStep(const TRootCandidates& s, TLines& lines) {
    std::vector<TMath> rule{Named(s.Name, X()),
                            Op("="),
                            Number(0),
                            Word("の有理数解の候補は"),
                            Op("±"),
                            MathParts(TMathKind::Fraction, {Paren(Word("定数項の約数")),
                                                            Paren(Word("最高次の係数の約数"))})};
    if (s.Candidates) {
        rule.push_back(Word("より"));
    }
    lines.push_back(MathRow(std::move(rule)));
    if (s.Candidates) {
        lines.push_back(CandidateList(*s.Candidates));
    }
}

void WriteStep(const TRootFound& s, TLines& lines) {
    std::vector<TMath> value{Named(s.Name, Value(s.Root)), Op("="),
                             Substituted(s.Polynomial, s.Root)};
    const TMath terms = SumOf(s.Terms);
    if (!SameForm(terms, value.back())) {
        value.push_back(Op("="));
        value.push_back(terms);
    }
    value.push_back(Op("="));
    value.push_back(Number(0));
    lines.push_back(MathRow(std::move(value)));
    lines.push_back(MathRow({Word("よって"), Named(s.Name, X()), Word("は"),
                             PolynomialMath(s.Factor), Word("を因数にもつ")}));
}

// The divisor at the right end of the first row, set apart by a rule that
// runs down to the rule above the results.
void WriteStep(const TSyntheticDivision& s, TLines& lines) {
    std::vector<TMath> top;
    std::vector<TMath> middle{MathRow({})};
    std::vector<TMath> bottom;
    for (const TRational& c : s.Coefficients) {
        top.push_back(Value(c));
    }
    top.push_back(Value(s.Root));
    for (const TRational& c : s.Products) {
        middle.push_back(Value(c));
    }
    middle.push_back(MathRow({}));
    for (const TRational& c : s.Results) {
        bottom.push_back(Value(c));
    }
    lines.push_back(MathTable({std::move(top), std::move(middle), std::move(bottom)}, false,
                              {false, false, true}, true));
}

// A raised to e: "x²", "3²", "(x²)²", "(2x)³", "(x² + 1)²".
TMath PowerOf(const TPolynomial& a, int e) {
    const bool bare = PolyIsX(a) || (DegreeOf(a) == 0 && !Negative(Coeff(a, 0)));
    TMath base = PolynomialMath(a);
    return Power(bare ? std::move(base) : Paren(std::move(base)), e);
}

// A as a factor after "·": "x", "2x", "x²", "3".
TMath FactorOf(const TPolynomial& a) {
    return PolynomialMath(a);
}

TMath FormMath(const TSquaresForm& f) {
    return MathRow({PowerOf(f.A, 2), Op("−"), PowerOf(f.B, 2)});
}

TMath FormMath(const TCubesForm& f) {
    return MathRow({PowerOf(f.A, 3), Op(f.Plus ? "+" : "−"), PowerOf(f.B, 3)});
}

TMath FormMath(const TSquareForm& f) {
    return MathRow({PowerOf(f.A, 2), Op(f.Plus ? "+" : "−"), Number(2), Dot(), FactorOf(f.A), Dot(),
                    FactorOf(f.B), Op("+"), PowerOf(f.B, 2)});
}

TMath FormMath(const TCubeForm& f) {
    const char* sign = f.Plus ? "+" : "−";
    return MathRow({PowerOf(f.A, 3), Op(sign), Number(3), Dot(), PowerOf(f.A, 2), Dot(),
                    FactorOf(f.B), Op("+"), Number(3), Dot(), FactorOf(f.A), Dot(), PowerOf(f.B, 2),
                    Op(sign), PowerOf(f.B, 3)});
}

// "x²(x + 1) − (x + 1)", "2x²(x + 2) + 3(x + 2)".
TMath FormMath(const TGroupedForm& f) {
    std::vector<TMath> parts;
    for (const TPolynomial& outer : f.Outer) {
        const TRational c = Coeff(outer, DegreeOf(outer));
        if (Negative(c)) {
            parts.push_back(Op("−"));
        } else if (!parts.empty()) {
            parts.push_back(Op("+"));
        }
        const TPolynomial size = Negative(c) ? ConstantPolynomial({-1, 1}) * outer : outer;
        if (!PolyIsOne(size)) {
            parts.push_back(PolynomialMath(size));
        }
        parts.push_back(Paren(PolynomialMath(f.Inner)));
    }
    return MathRow(std::move(parts));
}

TMath FormMath(const TProductForm& f) {
    return ProductMath(f.Factors, f.InX ? 'X' : 'x');
}

TMath FormMath(const TInXForm& f) {
    return PolynomialMath(f.Polynomial, 'X');
}

// The chain's first two forms beside the polynomial, each further form on a
// line of its own that goes on from the one above: "= (x² + 4)(x + 2)(x − 2)".
void WriteStep(const TPatternChain& s, TLines& lines) {
    if (s.Power > 0) {
        lines.push_back(MathRow({Equals(Power(X(), s.Power), Letter("X")), Word("とおくと")}));
    }
    std::vector<TMath> first{PolynomialMath(s.Polynomial)};
    for (std::size_t k = 0; k < s.Forms.size(); ++k) {
        TMath form = std::visit([](const auto& f) { return FormMath(f); }, s.Forms[k]);
        if (k < 2) {
            first.push_back(Op("="));
            first.push_back(std::move(form));
            continue;
        }
        if (k == 2) {
            lines.push_back(MathRow(std::move(first)));
        }
        lines.push_back(MathRow({Op("="), std::move(form)}));
    }
    if (s.Forms.size() <= 2) {
        lines.push_back(MathRow(std::move(first)));
    }
}

void WriteStep(const TDivided& s, TLines& lines) {
    TMath line = Equals(Named(s.Name, X()), ProductMath({s.Monic, s.Quotient}));
    if (s.Cleared) {
        line =
            MathRow({std::move(line), Op("="), ProductMath({s.Cleared->first, s.Cleared->second})});
    }
    lines.push_back(std::move(line));
}

void WriteStep(const TNoLinearFactor& s, TLines& lines) {
    lines.push_back(
        MathRow({Word("どの候補 a でも"), Named(s.Name, Letter("a")), Op("≠"), Number(0),
                 Word("なので"), Named(s.Name, X()), Word("は1次の因数をもたない")}));
}

void WriteStep(const TIrreducibleCubic& s, TLines& lines) {
    lines.push_back(MathRow({Word("よって"), Named(s.Name, X()), Cannot()}));
}

void WriteStep(const TIrreducible& s, TLines& lines) {
    lines.push_back(MathRow(
        {Word("また"), Named(s.Name, X()), Word("は2次以上の因数の積にも分解できないので")}));
    lines.push_back(MathRow({Named(s.Name, X()), Cannot()}));
}

void WriteStep(const THigherFactors& s, TLines& lines) {
    const TMath product = ProductMath(s.Factors);
    lines.push_back(MathRow({Equals(product, PolynomialMath(s.Polynomial)), Word("を確かめて")}));
    lines.push_back(Equals(Named(s.Name, X()), product));
}

void WriteStep(const TSumAndProduct& s, TLines& lines) {
    lines.push_back(
        MathRow({Word("和が"), Value(s.Sum), Comma(), Word("積が"), Value(s.Product),
                 Word("となる2数は"), Value(s.M), Comma(), Value(s.N), Word("なので")}));
    lines.push_back(Equals(PolynomialMath(s.Quadratic), ProductMath({s.Factors[0], s.Factors[1]})));
}

void WriteStep(const TCrossMultiplication& s, TLines& lines) {
    lines.push_back(CrossTableMath(s.Table));
    lines.push_back(Equals(PolynomialMath(s.Quadratic), ProductMath({s.Factors[0], s.Factors[1]})));
}

void WriteStep(const TFormulaSplit& s, TLines& lines) {
    TMath formula;
    if (s.DoubleRoot) {
        formula = MathParts(TMathKind::Fraction, {Value(s.MinusB), Value(s.TwoA)});
    } else {
        formula = MathParts(TMathKind::Fraction,
                            {MathRow({Value(s.MinusB), Op("±"),
                                      MathParts(TMathKind::Root, {Number(s.Discriminant)})}),
                             Value(s.TwoA)});
    }
    std::vector<TMath> roots{Value(s.Roots[0])};
    if (!s.DoubleRoot) {
        roots.push_back(Comma());
        roots.push_back(Value(s.Roots[1]));
    }
    lines.push_back(
        MathRow({Equals(PolynomialMath(s.Quadratic), Number(0)), Word("を解の公式で解くと")}));
    lines.push_back(MathRow({Equals(X(), formula), Op("="), MathRow(std::move(roots))}));
    const TMath split = ProductMath({s.Factors[0], s.Factors[1]});
    if (!s.Monic) {
        lines.push_back(Equals(PolynomialMath(s.Quadratic), split));
        return;
    }
    const TMath first = MathRow({RationalMath(s.Leading), Paren(PolynomialMath((*s.Monic)[0])),
                                 Paren(PolynomialMath((*s.Monic)[1]))});
    lines.push_back(MathRow({Equals(PolynomialMath(s.Quadratic), first), Op("="), split}));
}

void WriteStep(const TNonSquareDiscriminant& s, TLines& lines) {
    lines.push_back(MathRow({Equals(PolynomialMath(s.Quadratic), Number(0)), Word("の判別式は"),
                             Discriminant(s.A, s.B, s.C, {s.Discriminant, 1})}));
    lines.push_back(
        MathRow({Letter("D"), Word("は平方数でないので"), PolynomialMath(s.Quadratic), Cannot()}));
}

TLines FactoringLines(const TFactoringSteps& factoring) {
    TLines lines;
    for (const TFactoringStep& step : factoring.Steps) {
        std::visit([&lines](const auto& s) { WriteStep(s, lines); }, step);
    }
    return lines;
}

// The lines of each root step.

void WriteStep(const TConstantEquation& s, TLines& lines) {
    // c = 0 holds for no x, 0 = 0 for every x.
    const char* reason =
        s.Identity ? "はどの x についても成り立つので" : "はどの x についても成り立たないので";
    lines.push_back(MathRow({Equals(PolynomialMath(s.Polynomial), Number(0)), Word(reason)}));
}

TMath Zero(const TPolynomial& factor) {
    return Equals(PolynomialMath(factor), Number(0));
}

void WriteStep(const TLinearRoot& s, TLines& lines) {
    lines.push_back(MathRow({Zero(s.Factor), Word("より"), Equals(X(), Value(s.Root))}));
}

void WriteStep(const TFormulaRoots& s, TLines& lines) {
    const TQuadRoots& x = s.Roots;
    lines.push_back(MathRow({Zero(s.Factor), Word("を解の公式で解くと"),
                             Equals(X(), RootFormulaMath(x.P, x.Q, x.R, x.D, "±"))}));
    if (!x.Simplest) {
        lines.push_back(SurdMayReduce());
    }
}

void WriteStep(const TSquareRootRoots& s, TLines& lines) {
    lines.push_back(MathRow({Zero(s.Factor), Word("より"), Equals(Power(X(), 2), Value(s.Value)),
                             Word("よって"), Equals(X(), PlusMinusRoot(s.Value, s.Roots))}));
    if (!s.Roots.Simplest) {
        lines.push_back(SurdMayReduce());
    }
}

void WriteStep(const TNoRealRoots& s, TLines& lines) {
    lines.push_back(MathRow({Zero(s.Factor), Word("は実数解をもたない")}));
}

void WriteStep(const TApproximateRoots& s, TLines& lines) {
    TEquationRoots alone;
    alone.Groups.push_back(s.Group);
    lines.push_back(MathRow({Zero(s.Group.Factor), Word("は有理数の範囲で因数分解できないため")}));
    lines.push_back(MathRow({Word("実数解を小数で近似すると"), RootsAnswer(alone, false)}));
}

void WriteStep(const TQuadraticInX& s, TLines& lines) {
    lines.push_back(MathRow({Equals(Power(X(), 2), Letter("X")), Word("とおくと"),
                             Equals(PolynomialMath(s.InX, 'X'), Number(0))}));
    std::vector<TMath> values;
    for (const TRational& r : s.Roots) {
        if (!values.empty()) {
            values.push_back(Comma());
        }
        values.push_back(Value(r));
    }
    lines.push_back(MathRow({Equals(ProductMath(s.Factors, 'X'), Number(0)), Word("より"),
                             Equals(Letter("X"), MathRow(std::move(values)))}));
}

void WriteStep(const TSquareEquals& s, TLines& lines) {
    const TMath x = s.Root ? MathRow({Op("±"), Value(*s.Root)})
                           : RootFormulaMath(s.Pair->P, s.Pair->Q, s.Pair->R, s.Pair->D, "±");
    lines.push_back(MathRow({Equals(Power(X(), 2), Value(s.Value)), Word("より"), Equals(X(), x)}));
    if (s.Pair && !s.Pair->Simplest) {
        lines.push_back(SurdMayReduce());
    }
}

// The lines of each extrema step.

void WriteStep(const TDerivativeLine& s, TLines& lines) {
    lines.push_back(Equals(DerivativeName(), PolynomialMath(s.Derivative)));
}

TMath CriticalPointsLine(const TPolynomial& derivative, TMath x) {
    return MathRow({Equals(DerivativeName(), Number(0)), Word("とすると"),
                    Equals(PolynomialMath(derivative), Number(0)), Word("より"),
                    Equals(X(), std::move(x))});
}

void WriteStep(const TCriticalPoint& s, TLines& lines) {
    lines.push_back(CriticalPointsLine(s.Derivative, Value(s.X)));
}

void WriteStep(const TCriticalPoints& s, TLines& lines) {
    lines.push_back(CriticalPointsLine(
        s.Derivative, MathRow({SurdMath(s.Smaller), Comma(), SurdMath(s.Larger)})));
    if (!s.Simplest) {
        lines.push_back(SurdMayReduce());
    }
}

void WriteStep(const TNoCriticalPoints& s, TLines& lines) {
    lines.push_back(MathRow({Equals(DerivativeName(), Number(0)), Word("の判別式は"),
                             Discriminant(s.A, s.B, s.C, s.Discriminant)}));
    lines.push_back(MathRow({Letter("D"), Op("≤"), Number(0), Word("より"), DerivativeName(),
                             Op(s.Rising ? "≥" : "≤"), Number(0),
                             Word(s.Rising ? "で f(x) はつねに増加するので 極値なし"
                                           : "で f(x) はつねに減少するので 極値なし")}));
}

void WriteStep(const TSignChart& s, TLines& lines) {
    std::vector<std::vector<TMath>> chart{{X()}, {DerivativeName()}, {Applied("f", X())}};
    const auto column = [&chart](TMath x, TMath sign, TMath value) {
        chart[0].push_back(std::move(x));
        chart[1].push_back(std::move(sign));
        chart[2].push_back(std::move(value));
    };
    const auto interval = [&column](const TChartInterval& i) {
        column(Word("…"), Op(i.Rising ? "+" : "−"), Word(i.Rising ? "↗" : "↘"));
    };
    interval(s.Intervals.front());
    for (std::size_t k = 0; k < s.Points.size(); ++k) {
        const TChartPoint& point = s.Points[k];
        TMath x = std::holds_alternative<TRational>(point.X) ? Value(std::get<TRational>(point.X))
                                                             : SurdMath(std::get<TSurd>(point.X));
        column(std::move(x), Number(0),
               MathRow({Word(point.Maximum ? "極大" : "極小"), SurdMath(point.Value)}));
        interval(s.Intervals[k + 1]);
    }
    lines.push_back(MathGridTable(std::move(chart), {false, true, true}));
}

} // namespace

TMath WriteFactorSteps(const TFactorSteps& steps) {
    TLines lines = FactoringLines(steps.Factoring);
    const std::vector<TFactoringStep>& done = steps.Factoring.Steps;
    const TMath whole = PolynomialMath(steps.Polynomial);
    const TMath answer = FactorAnswer(steps.Answer);
    // A chain on p itself, or p as the product of its factors of degree 2
    // or more, that ends in the answer has stated it.
    bool stated = false;
    const TPolynomial p = Normalized(steps.Polynomial);
    const TFactoringStep* last = done.empty() ? nullptr : &done.back();
    if (const auto* chain = last ? std::get_if<TPatternChain>(last) : nullptr) {
        stated = chain->Polynomial == p &&
                 SameForm(FormMath(std::get<TProductForm>(chain->Forms.back())), answer);
    } else if (const auto* higher = last ? std::get_if<THigherFactors>(last) : nullptr) {
        stated = higher->Polynomial == p && SameForm(ProductMath(higher->Factors), answer);
    }
    // So has a quadratic split alone, whose last line is p as the product.
    const TFactoringSteps& f = steps.Factoring;
    const TMath product = ProductMath(f.Content, f.XPower, f.Factors);
    stated = stated || (!lines.empty() && (SameForm(lines.back(), Equals(whole, product)) ||
                                           SameForm(lines.back(), Equals(whole, answer))));
    if (SameForm(answer, whole)) {
        lines.push_back(answer);
    } else if (!stated) {
        lines.push_back(MathRow({Word("よって"), Equals(whole, answer)}));
    }
    return MathLines(std::move(lines));
}

TMath WriteEquationSteps(const TEquationSteps& steps) {
    TLines lines;
    if (steps.Factoring) {
        lines = FactoringLines(*steps.Factoring);
        const TFactoringSteps& f = *steps.Factoring;
        const TMath product = ProductMath(f.Content, f.XPower, f.Factors);
        // One factor alone says below what it gives.
        if (!SameForm(product, PolynomialMath(steps.Polynomial))) {
            lines.push_back(MathRow({Equals(product, Number(0)), Word("より")}));
        }
    }
    for (const TRootStep& step : steps.Roots) {
        std::visit([&lines](const auto& s) { WriteStep(s, lines); }, step);
    }
    lines.push_back(RootsAnswer(steps.Answer, true));
    return MathLines(std::move(lines));
}

TMath WriteExtremaSteps(const TExtremaSteps& steps) {
    TLines lines;
    for (const TExtremaStep& step : steps.Steps) {
        std::visit([&lines](const auto& s) { WriteStep(s, lines); }, step);
    }
    for (const TMath& line : ExtremaAnswer(steps.Answer).Parts) {
        lines.push_back(line);
    }
    return MathLines(std::move(lines));
}

std::optional<TMath> FactorWorking(const TPolynomial& p, const TFactorList& factors) {
    const std::optional<TFactorSteps> steps = SolveFactorSteps(p, factors);
    if (!steps) {
        return std::nullopt;
    }
    return WriteFactorSteps(*steps);
}

std::optional<TMath> EquationWorking(const TPolynomial& p, const TEquationRoots& roots) {
    const std::optional<TEquationSteps> steps = SolveEquationSteps(p, roots);
    if (!steps) {
        return std::nullopt;
    }
    return WriteEquationSteps(*steps);
}

std::optional<TMath> ExtremaWorking(const TPolynomial& f, const TExtrema& extrema) {
    const std::optional<TExtremaSteps> steps = SolveExtremaSteps(f, extrema);
    if (!steps) {
        return std::nullopt;
    }
    return WriteExtremaSteps(*steps);
}

} // namespace arith
