// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkingAlgebra.h"

#include "BoardNotation.h"
#include "Errors.h"
#include "WorkingSteps.h"

#include <algorithm>
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

// "P(x)", "f′(x)".
TMath Applied(const char* name, TMath argument) {
    const bool word = std::string(name).size() > 1;
    return MathRow({word ? Word(name) : Letter(name), Paren(std::move(argument))});
}

TMath X() {
    return Letter("x");
}

// Exact values.

int DegreeOf(const TPolynomial& p) {
    return Normalized(p).Degree();
}

TRational Coeff(const TPolynomial& p, int i) {
    return Reduced(PolyCoeff(p, i));
}

// s x − r for the root r/s in lowest terms, s > 0.
TPolynomial LinearFactor(const TRational& root) {
    const TRational a = Reduced(root);
    TPolynomial p;
    PolySetCoeff(p, 1, {a.Den(), 1});
    PolySetCoeff(p, 0, {-a.Num(), 1});
    p = Normalized(p);
    return p;
}

TRational Evaluate(const TPolynomial& p, const TRational& x) {
    TRational value{0, 1};
    for (int i = DegreeOf(p); i >= 0; --i) {
        value = value * x + PolyCoeff(p, i);
    }
    return Reduced(value);
}

void Check(bool holds, const char* step) {
    if (!holds) {
        throw WorkingCheckError(step);
    }
}

// c₃a³ + c₂a² + … with a put in: "2·(−1)³ − 3·(−1)² − 3·(−1) + 2".
TMath Substituted(const TPolynomial& p, const TRational& a) {
    std::vector<TMath> parts;
    for (int i = DegreeOf(p); i >= 0; --i) {
        const TRational c = Coeff(p, i);
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
            parts.push_back(Op("·"));
        }
        parts.push_back(i > 1 ? Power(Factor(a), i) : unit ? Signed(a) : Factor(a));
    }
    return parts.empty() ? MathRow({Number(0)}) : MathRow(std::move(parts));
}

// The values of the terms of p at a, as a sum: "−2 − 3 + 3 + 2".
TMath TermValues(const TPolynomial& p, const TRational& a) {
    std::vector<TMath> parts;
    TRational power{1, 1};
    std::vector<TRational> values;
    for (int i = 0; i <= DegreeOf(p); ++i) {
        const TRational c = Coeff(p, i);
        if (!c.Num().IsZero()) {
            values.push_back(c * power);
        }
        power = power * a;
    }
    std::reverse(values.begin(), values.end());
    for (const TRational& v : values) {
        const TRational r = Reduced(v);
        if (parts.empty()) {
            parts.push_back(Value(r));
            continue;
        }
        parts.push_back(Op(Negative(r) ? "−" : "+"));
        parts.push_back(Value(TRational::AsTyped(Abs(r.Num()), r.Den())));
    }
    return MathRow(std::move(parts));
}

// Rational roots: the candidates ±d/e for d dividing the constant term and
// e the leading coefficient of an integer polynomial.

constexpr long kLargestListed = 1000000000; // coefficients beyond this list too many divisors
constexpr std::size_t kListedPairs = 6;     // a longer list is shortened with "…"
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
    Check(constant.Den() == 1 && leading.Den() == 1 && !constant.Num().IsZero(), "整数係数");
    const TInteger c = Abs(constant.Num());
    const TInteger l = Abs(leading.Num());
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

// The names of the polynomials being factored, one for each quotient.
constexpr const char* kNames[] = {"P", "Q", "R", "S", "T", "U", "V", "W"};
constexpr std::size_t kNameCount = sizeof(kNames) / sizeof(kNames[0]);

// The factoring as far as it goes, the lines it takes and the factors it
// finds: primitive integer polynomials with a positive leading coefficient.
struct TFactoring {
    std::vector<TMath> Lines;
    TRational Content{1, 1}; // with the power of x: the common factor
    int XPower = 0;
    std::vector<TPolynomial> Factors;
};

// Synthetic division of p by x − a as a table: the coefficients with a to
// their left, the products, the results and the remainder; the quotient
// comes back in `quotient`.
TMath SyntheticDivision(const TPolynomial& p, const TRational& a, TPolynomial& quotient) {
    const int n = DegreeOf(p);
    std::vector<TMath> top{Value(a)};
    std::vector<TMath> middle{MathRow({}), MathRow({})};
    std::vector<TMath> bottom{MathRow({})};
    TRational carry{0, 1};
    quotient = TPolynomial{};
    for (int i = n; i >= 0; --i) {
        const TRational c = Coeff(p, i);
        top.push_back(Value(c));
        if (i < n) {
            const TRational product = Reduced(carry * a);
            middle.push_back(Value(product));
            carry = Reduced(c + product);
        } else {
            carry = c;
        }
        bottom.push_back(Value(carry));
        if (i > 0) {
            PolySetCoeff(quotient, i - 1, carry);
        }
    }
    quotient = Normalized(quotient);
    Check(carry.Num().IsZero(), "組立除法の余り");
    return MathTable({std::move(top), std::move(middle), std::move(bottom)}, true,
                     {false, false, true});
}

// A product of factors as written after "=": "2x(x − 1)²(x² + 1)".
TMath ProductMath(const TRational& content, int xPower, const std::vector<TPolynomial>& factors) {
    std::vector<TMath> parts;
    const TRational c = Reduced(content);
    const bool unit = c.Num() == 1 && c.Den() == 1;
    if (xPower > 0 || !unit) {
        TMath common = PolynomialMath(Monomial(c, xPower));
        if (xPower == 0 && c.Num() == -1 && c.Den() == 1 && !factors.empty()) {
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
        TMath factor = PolynomialMath(factors[k]);
        if (bracket || run > 1) {
            factor = Paren(std::move(factor));
        }
        parts.push_back(run > 1 ? Power(std::move(factor), static_cast<long>(run))
                                : std::move(factor));
        k += run;
    }
    return MathRow(std::move(parts));
}

TPolynomial ProductOf(const TRational& content, int xPower,
                      const std::vector<TPolynomial>& factors) {
    TPolynomial product = Monomial(content, xPower);
    for (const TPolynomial& f : factors) {
        product = product * f;
    }
    return Normalized(product);
}

// A quadratic with rational roots as the product of its two linear factors,
// by two integers of the right sum and product when it is monic with
// integer roots, otherwise by the root formula.
void SplitQuadratic(const TPolynomial& q, TFactoring& out) {
    const TRational a = Coeff(q, 2);
    const TRational b = Coeff(q, 1);
    const TRational c = Coeff(q, 0);
    const TInteger disc = b.Num() * b.Num() - 4 * a.Num() * c.Num(); // integer coefficients
    TInteger root;
    Check(ExactSqrt(disc, root), "有理数解");
    const TRational two_a = TRational{2, 1} * a;
    const TRational r1 = Reduced((TRational{-b.Num(), 1} + TRational{-root, 1}) / two_a);
    const TRational r2 = Reduced((TRational{-b.Num(), 1} + TRational{root, 1}) / two_a);
    Check(Evaluate(q, r1).Num().IsZero() && Evaluate(q, r2).Num().IsZero(), "2次式の解");
    const TPolynomial f1 = LinearFactor(r1);
    const TPolynomial f2 = LinearFactor(r2);
    Check((f1 * f2) == q, "2次式の因数分解");
    const TMath split = ProductMath({1, 1}, 0, {f1, f2});
    if (a.Num() == 1 && IsInteger(r1) && IsInteger(r2)) {
        // x² + bx + c = (x + m)(x + n) with m + n = b and mn = c.
        const TRational m = Reduced(TRational{-1, 1} * r1);
        const TRational n = Reduced(TRational{-1, 1} * r2);
        Check(((m + n) == b) && ((m * n) == c), "和と積");
        out.Lines.push_back(
            MathRow({Word("和が"), Value(b), Comma(), Word("積が"), Value(c), Word("となる2数は"),
                     Value(m), Comma(), Value(n), Word("なので")}));
        out.Lines.push_back(Equals(PolynomialMath(q), split));
    } else {
        TMath formula;
        if (root.IsZero()) {
            formula = MathParts(TMathKind::Fraction, {Value({-b.Num(), 1}), Value(two_a)});
        } else {
            formula = MathParts(TMathKind::Fraction,
                                {MathRow({Value({-b.Num(), 1}), Op("±"),
                                          MathParts(TMathKind::Root, {Number(disc)})}),
                                 Value(two_a)});
        }
        std::vector<TMath> roots{Value(r1)};
        if (r1 != r2) {
            roots.push_back(Comma());
            roots.push_back(Value(r2));
        }
        out.Lines.push_back(
            MathRow({Equals(PolynomialMath(q), Number(0)), Word("を解の公式で解くと")}));
        out.Lines.push_back(MathRow({Equals(X(), formula), Op("="), MathRow(std::move(roots))}));
        if (IsInteger(r1) && IsInteger(r2)) {
            out.Lines.push_back(Equals(PolynomialMath(q), split));
        } else {
            // a(x − r₁)(x − r₂) with the fractions cleared into the factors.
            std::vector<TMath> monic;
            for (const TRational& r : {r1, r2}) {
                TPolynomial m;
                PolySetCoeff(m, 1, {1, 1});
                PolySetCoeff(m, 0, TRational{-1, 1} * r);
                m = Normalized(m);
                monic.push_back(Paren(PolynomialMath(m)));
            }
            TMath first = MathRow({RationalMath(a), MathRow(std::move(monic))});
            out.Lines.push_back(MathRow({Equals(PolynomialMath(q), first), Op("="), split}));
        }
    }
    out.Factors.push_back(f1);
    out.Factors.push_back(f2);
}

// Factors p: the common factor out, the factor theorem while the degree is
// 3 or more, the quadratic left split. False where the working cannot be
// shown (see FactorWorking).
bool Factoring(const TPolynomial& p, const TFactorList& list, bool equation, TFactoring& out) {
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
        return false; // nothing but the common factor
    }
    for (int i = 0; i <= DegreeOf(q); ++i) {
        Check(IsInteger(Coeff(q, i)), "共通因数");
    }
    const bool common = out.XPower > 0 || (out.Content != TRational{1, 1});
    if (common) {
        out.Lines.push_back(
            MathRow({Word("共通因数"), PolynomialMath(Monomial(out.Content, out.XPower)),
                     Word("をくくり出して")}));
        out.Lines.push_back(Equals(PolynomialMath(p), ProductMath(out.Content, out.XPower, {q})));
    }

    TPolynomial rest = q;
    std::size_t stage = 0;
    while (DegreeOf(rest) >= 3) {
        if (stage == kNameCount) {
            return false;
        }
        const char* name = kNames[stage++];
        out.Lines.push_back(
            MathRow({Equals(Applied(name, X()), PolynomialMath(rest)), Word("とおく")}));
        const std::optional<std::vector<TRational>> candidates = Candidates(rest);
        std::vector<TMath> rule{
            Applied(name, X()),
            Op("="),
            Number(0),
            Word("の有理数解の候補は"),
            Op("±"),
            MathParts(TMathKind::Fraction,
                      {Paren(Word("定数項の約数")), Paren(Word("最高次の係数の約数"))})};
        if (candidates) {
            rule.push_back(Word("より"));
        }
        out.Lines.push_back(MathRow(std::move(rule)));
        std::optional<TRational> found;
        if (candidates) {
            out.Lines.push_back(CandidateList(*candidates));
            for (const TRational& v : *candidates) {
                for (const TRational& a : {v, TRational{-1, 1} * v}) {
                    if (!found && Evaluate(rest, a).Num().IsZero()) {
                        found = Reduced(a);
                    }
                }
            }
        } else {
            // Too many to list or to try: the root is the one a linear factor of
            // the complete factoring gives, and P(a) = 0 below shows it.
            for (const TPolynomial& f : list) {
                if (!found && DegreeOf(f) == 1 && !PolyIsX(f)) {
                    const TRational a = Reduced(TRational{-1, 1} * Coeff(f, 0) / Coeff(f, 1));
                    if (Evaluate(rest, a).Num().IsZero()) {
                        found = a;
                    }
                }
            }
        }
        if (!found) {
            // No candidate is a root: no factor of degree 1.
            out.Lines.push_back(
                MathRow({Word("どの候補 a でも"), Applied(name, Letter("a")), Op("≠"), Number(0),
                         Word("なので"), Applied(name, X()), Word("は1次の因数をもたない")}));
            if (DegreeOf(rest) == 3) {
                out.Lines.push_back(MathRow({Word("よって"), Applied(name, X()),
                                             Word("は有理数の範囲でこれ以上因数分解できない")}));
                out.Factors.push_back(rest);
                return true;
            }
            // The factors of higher degree that the list finds, confirmed by their product.
            std::vector<TPolynomial> higher;
            for (const TPolynomial& f : list) {
                if (PolyIsZero(f)) {
                    break;
                }
                if (DegreeOf(f) >= 2) {
                    higher.push_back(f);
                }
            }
            if (higher.size() < 2) {
                // Irreducible of degree 4 or more, as the complete factoring found.
                Check(higher.size() == 1 && (higher[0] == rest), "既約");
                out.Lines.push_back(MathRow({Word("また"), Applied(name, X()),
                                             Word("は2次以上の因数の積にも分解できないので")}));
                out.Lines.push_back(MathRow(
                    {Applied(name, X()), Word("は有理数の範囲でこれ以上因数分解できない")}));
                out.Factors.push_back(rest);
                return true;
            }
            const TMath product = ProductMath({1, 1}, 0, higher);
            Check(ProductOf({1, 1}, 0, higher) == rest, "因数の積");
            out.Lines.push_back(
                MathRow({Equals(product, PolynomialMath(rest)), Word("を確かめて")}));
            out.Lines.push_back(Equals(Applied(name, X()), product));
            for (const TPolynomial& f : higher) {
                out.Factors.push_back(f);
            }
            return true;
        }
        const TRational a = *found;
        std::vector<TMath> value{Applied(name, Value(a)), Op("="), Substituted(rest, a)};
        const TMath terms = TermValues(rest, a);
        if (!SameForm(terms, value.back())) {
            value.push_back(Op("="));
            value.push_back(terms);
        }
        value.push_back(Op("="));
        value.push_back(Number(0));
        out.Lines.push_back(MathRow(std::move(value)));
        const TPolynomial linear = LinearFactor(a);
        out.Lines.push_back(MathRow({Word("よって"), Applied(name, X()), Word("は"),
                                     PolynomialMath(linear), Word("を因数にもつ")}));
        TPolynomial quotient;
        out.Lines.push_back(SyntheticDivision(rest, a, quotient));
        TPolynomial monic;
        PolySetCoeff(monic, 1, {1, 1});
        PolySetCoeff(monic, 0, TRational{-1, 1} * a);
        monic = Normalized(monic);
        Check((monic * quotient) == rest, "組立除法");
        TMath line = Equals(Applied(name, X()), ProductMath({1, 1}, 0, {monic, quotient}));
        // A fractional root: its denominator moved from the quotient into the factor.
        const TPolynomial next = quotient * Monomial({1, Reduced(a).Den()}, 0);
        if (!IsInteger(a)) {
            Check((linear * next) == rest, "因数の分母");
            line = MathRow({std::move(line), Op("="), ProductMath({1, 1}, 0, {linear, next})});
        }
        out.Lines.push_back(std::move(line));
        out.Factors.push_back(linear);
        rest = Normalized(next);
    }
    if (DegreeOf(rest) == 2) {
        const TRational b = Coeff(rest, 1);
        const TInteger disc = b.Num() * b.Num() - 4 * Coeff(rest, 2).Num() *
                                                      Coeff(rest, 0).Num(); // integer coefficients
        TInteger root;
        if (disc.Sign() >= 0 && ExactSqrt(disc, root)) {
            SplitQuadratic(rest, out);
        } else {
            if (!equation) {
                out.Lines.push_back(
                    MathRow({Equals(PolynomialMath(rest), Number(0)), Word("の判別式は"),
                             Letter("D"), Op("="), Power(Signed(b), 2), Op("−"), Number(4), Op("·"),
                             Factor(Coeff(rest, 2)), Op("·"), Factor(Coeff(rest, 0)), Op("="),
                             Value({disc, 1})}));
                out.Lines.push_back(
                    MathRow({Letter("D"), Word("は平方数でないので"), PolynomialMath(rest),
                             Word("は有理数の範囲でこれ以上因数分解できない")}));
            }
            out.Factors.push_back(rest);
        }
    } else if (DegreeOf(rest) == 1) {
        out.Factors.push_back(rest);
    }
    return true;
}

// The factors found, in the order the list writes them, so that equal ones
// stand together as a power and the product reads as the answer does.
TMath FactoredLine(const TPolynomial& p, const TFactorList& list, TFactoring& f) {
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
    const TPolynomial product = ProductOf(f.Content, f.XPower, f.Factors);
    Check(product == p, "因数分解");
    return ProductMath(f.Content, f.XPower, f.Factors);
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

TMath ExtremumCell(const char* name, const TSurd& y) {
    return MathRow({Word(name), SurdMath(y)});
}

TMath DerivativeName() {
    return Applied("f′", X());
}

} // namespace

std::optional<TMath> FactorWorking(const TPolynomial& p, const TFactorList& factors) {
    if (DegreeOf(p) < 2) {
        return std::nullopt;
    }
    TFactoring f;
    if (!Factoring(Normalized(p), factors, false, f)) {
        return std::nullopt;
    }
    const TMath answer = FactorAnswer(factors);
    TPolynomial listed;
    listed = ConstantPolynomial({1, 1});
    for (const TPolynomial& factor : factors) {
        if (PolyIsZero(factor)) {
            break;
        }
        listed = listed * factor;
    }
    Check(listed == p, "因数分解の答え");
    const TMath product = FactoredLine(p, factors, f);
    if (!SameForm(product, PolynomialMath(p))) {
        f.Lines.push_back(MathRow({Word("よって"), Equals(PolynomialMath(p), product)}));
    }
    f.Lines.push_back(answer);
    return MathLines(std::move(f.Lines));
}

std::optional<TMath> EquationWorking(const TPolynomial& p, const TEquationRoots& roots) {
    if (roots.Constant || roots.Identity) {
        // c = 0 holds for no x, 0 = 0 for every x.
        const TMath equation = Equals(PolynomialMath(p), Number(0));
        const char* reason = roots.Identity ? "はどの x についても成り立つので"
                                            : "はどの x についても成り立たないので";
        return MathLines({MathRow({equation, Word(reason)}), RootsAnswer(roots, true)});
    }
    if (DegreeOf(p) < 3) {
        return std::nullopt;
    }
    TFactoring f;
    if (!Factoring(Normalized(p), roots.Factors, true, f)) {
        return std::nullopt;
    }
    TMath product = FactoredLine(p, roots.Factors, f);
    if (!SameForm(product, PolynomialMath(p))) { // one factor alone says below what it gives
        f.Lines.push_back(MathRow({Equals(std::move(product), Number(0)), Word("より")}));
    }
    // Each factor found gives the roots of one group, and each group belongs to a factor.
    std::vector<TPolynomial> found = f.Factors;
    if (f.XPower > 0) {
        found.push_back(Monomial({1, 1}, 1));
    }
    for (const TPolynomial& factor : found) {
        bool listed = false;
        for (const TFactorRoots& group : roots.Groups) {
            listed = listed || (group.Factor == factor);
        }
        Check(listed, "因数と解");
    }
    for (const TFactorRoots& group : roots.Groups) {
        bool belongs = false;
        for (const TPolynomial& factor : found) {
            belongs = belongs || (group.Factor == factor);
        }
        Check(belongs, "因数と解");
        const TMath zero = Equals(PolynomialMath(group.Factor), Number(0));
        if (group.Approximated()) {
            // A real polynomial of odd degree has a real root.
            Check(!group.Approximate.empty() || DegreeOf(group.Factor) % 2 == 0, "実数解の個数");
            if (group.Approximate.empty()) {
                f.Lines.push_back(MathRow({zero, Word("は実数解をもたない")}));
                continue;
            }
            TEquationRoots alone;
            alone.Groups.push_back(group);
            f.Lines.push_back(MathRow({zero, Word("は有理数の範囲で因数分解できないため")}));
            f.Lines.push_back(
                MathRow({Word("実数解を小数で近似すると"), RootsAnswer(alone, false)}));
            continue;
        }
        if (group.Root) {
            Check(Evaluate(group.Factor, *group.Root).Num().IsZero(), "1次式の解");
            if (PolyIsX(group.Factor)) {
                continue; // x = 0 says it all
            }
            f.Lines.push_back(MathRow({zero, Word("より"), Equals(X(), Value(*group.Root))}));
            continue;
        }
        // (P ± Q√R)/D: the sum 2P/D is −b/a and the product (P² − Q²R)/D² is c/a.
        const TQuadRoots& x = *group.Pair;
        const TRational a = Coeff(group.Factor, 2);
        Check(
            DegreeOf(group.Factor) == 2 && !x.D.IsZero() &&
                (TRational{2 * x.P, x.D} == (TRational{-1, 1} * Coeff(group.Factor, 1) / a)) &&
                (TRational{x.P * x.P - x.Q * x.Q * x.R, x.D * x.D} == (Coeff(group.Factor, 0) / a)),
            "2次式の解");
        f.Lines.push_back(MathRow({zero, Word("を解の公式で解くと"),
                                   Equals(X(), RootFormulaMath(x.P, x.Q, x.R, x.D, "±"))}));
        if (!x.Simplest) {
            f.Lines.push_back(SurdMayReduce());
        }
    }
    f.Lines.push_back(RootsAnswer(roots, true));
    return MathLines(std::move(f.Lines));
}

std::optional<TMath> ExtremaWorking(const TPolynomial& f, const TExtrema& extrema) {
    const int degree = DegreeOf(f);
    if (degree != 2 && degree != 3) {
        return std::nullopt;
    }
    TPolynomial d;
    d = Derivative(f);
    Check(d == extrema.Derivative, "導関数");
    std::vector<TMath> lines{Equals(DerivativeName(), PolynomialMath(d))};
    const bool rising = Coeff(f, degree).Num().Sign() > 0; // at the right end
    const TMath dots = Word("…");
    const TMath up = Word("↗");
    const TMath down = Word("↘");
    const TMath plus = Op("+");
    const TMath minus = Op("−");
    std::vector<std::vector<TMath>> chart{{X()}, {DerivativeName()}, {Applied("f", X())}};
    const auto column = [&chart](TMath x, TMath sign, TMath value) {
        chart[0].push_back(std::move(x));
        chart[1].push_back(std::move(sign));
        chart[2].push_back(std::move(value));
    };
    const auto expectX = [](const std::optional<TExtremum>& e, const TSurd& x, const char* what) {
        Check(e.has_value() && SameSurd(e->X, x), what);
    };

    if (degree == 2) {
        const TRational alpha = Reduced(TRational{-1, 1} * Coeff(d, 0) / Coeff(d, 1));
        Check(Evaluate(d, alpha).Num().IsZero(), "f′(x) = 0 の解");
        const TSurd x{alpha.Num(), 0, 0, alpha.Den()};
        const TRational y = Evaluate(f, alpha);
        const TSurd value{y.Num(), 0, 0, y.Den()};
        const auto& extremum = rising ? extrema.Minimum : extrema.Maximum;
        expectX(extremum, x, "極値をとる x");
        Check(SurdEquals({y.Num(), 0, y.Den()}, extremum->Y, 0), "極値");
        Check(!(rising ? extrema.Maximum : extrema.Minimum).has_value(), "極値の数");
        lines.push_back(MathRow({Equals(DerivativeName(), Number(0)), Word("とすると"),
                                 Equals(PolynomialMath(d), Number(0)), Word("より"),
                                 Equals(X(), Value(alpha))}));
        column(dots, rising ? minus : plus, rising ? down : up);
        column(Value(alpha), Number(0), ExtremumCell(rising ? "極小" : "極大", value));
        column(dots, rising ? plus : minus, rising ? up : down);
    } else {
        const TRational a = Coeff(d, 2);
        const TRational b = Coeff(d, 1);
        const TRational c = Coeff(d, 0);
        const TRational disc = Reduced(b * b - TRational{4, 1} * a * c);
        if (disc <= TRational{0, 1}) {
            Check(!extrema.Maximum && !extrema.Minimum, "極値なし");
            lines.push_back(
                MathRow({Equals(DerivativeName(), Number(0)), Word("の判別式は"), Letter("D"),
                         Op("="), Power(Signed(b), 2), Op("−"), Number(4), Op("·"), Factor(a),
                         Op("·"), Factor(c), Op("="), Value(disc)}));
            lines.push_back(MathRow({Letter("D"), Op("≤"), Number(0), Word("より"),
                                     DerivativeName(), Op(rising ? "≥" : "≤"), Number(0),
                                     Word(rising ? "で f(x) はつねに増加するので 極値なし"
                                                 : "で f(x) はつねに減少するので 極値なし")}));
            for (const TMath& line : ExtremaAnswer(extrema).Parts) {
                lines.push_back(line);
            }
            return MathLines(std::move(lines));
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
        expectX(first, alpha, "極値をとる x");
        expectX(second, beta, "極値をとる x");
        for (const TExtremum* e : {&*first, &*second}) {
            Check(SurdEquals(AtSurd(f, e->X), e->Y, e->X.R), "極値");
        }
        lines.push_back(
            MathRow({Equals(DerivativeName(), Number(0)), Word("とすると"),
                     Equals(PolynomialMath(d), Number(0)), Word("より"),
                     Equals(X(), MathRow({SurdMath(alpha), Comma(), SurdMath(beta)}))}));
        if (!extrema.Simplest) {
            lines.push_back(SurdMayReduce());
        }
        column(dots, rising ? plus : minus, rising ? up : down);
        column(SurdMath(alpha), Number(0), ExtremumCell(rising ? "極大" : "極小", first->Y));
        column(dots, rising ? minus : plus, rising ? down : up);
        column(SurdMath(beta), Number(0), ExtremumCell(rising ? "極小" : "極大", second->Y));
        column(dots, rising ? plus : minus, rising ? up : down);
    }
    lines.push_back(MathTable(std::move(chart), true, {false, true, true}));
    for (const TMath& line : ExtremaAnswer(extrema).Parts) {
        lines.push_back(line);
    }
    return MathLines(std::move(lines));
}

} // namespace arith
