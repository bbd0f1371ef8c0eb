// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculus.h"

#include "Equations.h"
#include "Errors.h"
#include "Factorization.h"
#include "Messages.h"
#include "Quadratic.h"

#include <algorithm>
#include <initializer_list>

namespace arith {

namespace {

TPolynomial Constant(TRational r) {
    TPolynomial p;
    PolySetCoeff(p, 0, r);
    return p;
}

TRational ConstantOf(const TPolynomial& c) {
    return PolyCoeff(c, 0);
}

TPolynomial ValueAt(const TPolynomial& f, const TPolynomial& x) {
    TPolynomial y;
    y = Compose(f, x);
    return y;
}

// A constant polynomial's value as a surd without a root part.
TSurd Fraction(const TPolynomial& c) {
    return {c.Num(0), 0, 0, c.Den(0)};
}

// An exact value (A + B·√R)/C with C > 0 and no common divisor of A, B and C.
struct TExactSurd {
    TInteger A = 0;
    TInteger B = 0;
    TInteger C = 1;
};

TExactSurd Reduced(TExactSurd v) {
    const TInteger g = Gcd(Gcd(v.A, v.B), v.C);
    if (g > 1) {
        v.A = DivExact(v.A, g);
        v.B = DivExact(v.B, g);
        v.C = DivExact(v.C, g);
    }
    return v;
}

// v · (P + w·√R)/D, where w is Q or -Q.
TExactSurd SurdTimes(const TExactSurd& v, const TQuadRoots& x, const TInteger& w) {
    return Reduced({v.A * x.P + v.B * w * x.R, v.A * w + v.B * x.P, v.C * x.D});
}

// v + c for a fraction c with a positive denominator.
TExactSurd SurdPlus(const TExactSurd& v, const TRational& c) {
    return Reduced({v.A * c.Den() + c.Num() * v.C, v.B * c.Den(), v.C * c.Den()});
}

// One root (P ± Q·√R)/D of a quadratic with R > 0, the first (+) or the second (-).
TSurd RootOf(const TQuadRoots& x, bool first) {
    return {x.P, first ? x.Q : -x.Q, x.R, x.D};
}

// f at one root of a quadratic, by Horner's rule in exact surd arithmetic.
TSurd ValueAtRoot(const TPolynomial& f, const TQuadRoots& x, bool first) {
    const TInteger w = first ? x.Q : -x.Q;
    TExactSurd value;
    for (int i = f.Degree(); i >= 0; --i) {
        value = SurdPlus(SurdTimes(value, x, w), PolyCoeff(f, i));
    }
    return {value.A, value.B, x.R, value.C};
}

// Whether the quadratic q has two distinct real roots: the sign of b^2 - 4ac,
// exactly. Decided before the root formula, so that a derivative without real
// roots answers "なし" however large its discriminant.
bool TwoRealRoots(const TPolynomial& q) {
    const TInteger& a = q.Num(2);
    const TInteger& b = q.Num(1);
    const TInteger& c = q.Num(0);
    return b * b * q.Den(2) * q.Den(0) > 4 * a * c * q.Den(1) * q.Den(1);
}

// The extrema of a cubic f from the factors of its derivative d.
TExtrema CubicExtrema(const TPolynomial& f, const TPolynomial& d) {
    TExtrema extrema;
    extrema.Derivative = d;
    TFactorList factors;
    factors = PolyFactor(d);
    const int k = factors[0].Degree() == 0 ? 1 : 0;
    const TPolynomial& g1 = factors[k];
    const TPolynomial& g2 = factors[k + 1];

    if (g1.Degree() == 1 && g2.Degree() == 1 && (g1 != g2)) {
        // Two rational critical points: the larger value is the maximum.
        const TPolynomial x1 = Constant(LinearRoot(g1));
        const TPolynomial x2 = Constant(LinearRoot(g2));
        TExtremum first{Fraction(x1), Fraction(ValueAt(f, x1))};
        TExtremum second{Fraction(x2), Fraction(ValueAt(f, x2))};
        if (TRational{first.Y.P, first.Y.D} <= TRational{second.Y.P, second.Y.D}) {
            std::swap(first, second);
        }
        extrema.Maximum = first;
        extrema.Minimum = second;
        return extrema;
    }
    if (g1.Degree() == 2 && TwoRealRoots(g1)) {
        const TQuadRoots roots = QuadFormula(d);
        if (roots.R.Sign() > 0) {
            // Two irrational critical points (P ± Q√R)/D, the first the larger.
            // With a positive x^3 coefficient the smaller one is the maximum.
            const bool maxFirst = f.Num(3).Sign() < 0;
            extrema.Maximum = {RootOf(roots, maxFirst), ValueAtRoot(f, roots, maxFirst)};
            extrema.Minimum = {RootOf(roots, !maxFirst), ValueAtRoot(f, roots, !maxFirst)};
            extrema.Simplest = roots.Simplest;
        }
    }
    // Otherwise a double critical point, or none that is real.
    return extrema;
}

// A polynomial from its coefficients 1/den[i] of n^i (den 0: no term).
TPolynomial UnitFractions(std::initializer_list<int> dens) {
    TPolynomial p;
    int i = 0;
    for (int den : dens) {
        if (den != 0) {
            PolySetCoeff(p, i, {1, den});
        }
        ++i;
    }
    p = Normalized(p);
    return p;
}

// PowerSums()[p] is the sum of k^p for k = 1 to n, as a polynomial in n, for
// every p whose sum has degree at most 10. The first four are written out;
// the others follow from (n+1)^(p+1) - 1 = sum over j <= p of C(p+1, j) S_j(n).
const std::array<TPolynomial, kMaxDegree>& PowerSums() {
    static const std::array<TPolynomial, kMaxDegree> sums = [] {
        std::array<TPolynomial, kMaxDegree> s = {
            UnitFractions({0, 1}),          // n
            UnitFractions({0, 2, 2}),       // n^2/2 + n/2
            UnitFractions({0, 6, 2, 3}),    // n^3/3 + n^2/2 + n/6
            UnitFractions({0, 0, 4, 2, 4}), // n^4/4 + n^3/2 + n^2/4
        };
        const TPolynomial nPlusOne = UnitFractions({1, 1});
        for (int p = 4; p < kMaxDegree; ++p) {
            TPolynomial rest;
            rest = Power(nPlusOne, Constant({p + 1, 1}));
            rest = rest - Constant({1, 1});
            TInteger binomial = 1; // C(p+1, j)
            for (int j = 0; j < p; ++j) {
                TPolynomial term;
                term = Constant({binomial, 1}) * s[j];
                rest = rest - term;
                binomial = DivExact(binomial * (p + 1 - j), j + 1);
            }
            s[p] = Constant({1, p + 1}) * rest;
        }
        return s;
    }();
    return sums;
}

} // namespace

TOutcome<TDerivativeValue> DerivativeValue(const TPolynomial& f, const TPolynomial& a) {
    if (PolyIsZero(f)) {
        return TWarning::ZeroCoefficients;
    }
    const TPolynomial d = Derivative(f);
    return TDerivativeValue{a, d, ValueAt(d, a)};
}

TOutcome<TTangent> TangentLine(const TPolynomial& f, const TPolynomial& a) {
    if (PolyIsZero(f)) {
        return TWarning::ZeroCoefficients;
    }
    TTangent tangent;
    tangent.Point = ValueAt(f, a);
    tangent.Derivative = Derivative(f);
    tangent.Slope = ValueAt(tangent.Derivative, a);

    // The intercept f(a) - f'(a) a.
    TRational run;
    TRational intercept;
    run = ConstantOf(tangent.Slope) * ConstantOf(a);
    intercept = ConstantOf(tangent.Point) - run;
    PolySetCoeff(tangent.Line, 1, ConstantOf(tangent.Slope));
    PolySetCoeff(tangent.Line, 0, intercept);
    tangent.Line = Normalized(tangent.Line);
    return tangent;
}

std::string SurdText(const TSurd& value) {
    if (value.Q.IsZero()) {
        return RatToText({value.P, value.D});
    }
    return QuadRootText({value.P, Abs(value.Q), value.R, value.D}, value.Q.Sign() > 0);
}

TOutcome<TExtrema> Extrema(const TPolynomial& f) {
    if (PolyIsZero(f)) {
        return TWarning::ZeroCoefficients;
    }
    if (f.Degree() != 2 && f.Degree() != 3) {
        return TWarning::DegreeNotTwoOrThree;
    }
    const TPolynomial d = Derivative(f);
    if (f.Degree() == 3) {
        return CubicExtrema(f, d);
    }
    const TPolynomial x = Constant(LinearRoot(d));
    const TExtremum vertex{Fraction(x), Fraction(ValueAt(f, x))};
    TExtrema extrema;
    extrema.Derivative = d;
    (f.Num(2).Sign() > 0 ? extrema.Minimum : extrema.Maximum) = vertex;
    return extrema;
}

std::array<std::string, 4> ExtremaTexts(const TExtrema& extrema) {
    std::array<std::string, 4> texts;
    const std::optional<TExtremum>* both[2] = {&extrema.Maximum, &extrema.Minimum};
    for (int i = 0; i < 2; ++i) {
        if (*both[i]) {
            texts[2 * i] = SurdText((*both[i])->X);
            texts[2 * i + 1] = SurdText((*both[i])->Y);
        } else {
            texts[2 * i + 1] = kNoExtremumText;
        }
    }
    return texts;
}

TDefiniteIntegral DefiniteIntegral(const TPolynomial& f, const TPolynomial& lower,
                                   const TPolynomial& upper) {
    TDefiniteIntegral integral;
    integral.Antiderivative = Integral(f);
    integral.AtUpper = ValueAt(integral.Antiderivative, upper);
    integral.AtLower = ValueAt(integral.Antiderivative, lower);
    integral.Value = integral.AtUpper - integral.AtLower;
    return integral;
}

std::optional<TWarning> SumLimitsWarning(const TPolynomial& lower, const TPolynomial& upper) {
    if (upper.Degree() == 0 && (ConstantOf(lower) > ConstantOf(upper))) {
        return TWarning::LimitsReversed;
    }
    return std::nullopt;
}

TOutcome<TSum> SumOf(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper) {
    if (PolyIsZero(f)) {
        return TWarning::ZeroCoefficients;
    }
    // S(n) = f3 S3 + f2 S2 + f1 S1 + f0 S0, the sum of f(k) for k = 1 to n;
    // the sum of k^10 would have degree 11.
    if (f.Degree() >= kMaxDegree) {
        throw DegreeError();
    }
    TSum sum;
    for (int power = std::max(f.Degree(), 0); power >= 0; --power) {
        TPolynomial term;
        term = Constant(PolyCoeff(f, power)) * PowerSums()[power];
        sum.PartialSum = sum.PartialSum + term;
    }
    // The sum from L to U is S(U) - S(L - 1).
    const TPolynomial atUpper = ValueAt(sum.PartialSum, upper);
    TPolynomial one;
    TPolynomial beforeLower;
    one = ConstantPolynomial({1, 1});
    beforeLower = lower - one;
    sum.Value = atUpper - ValueAt(sum.PartialSum, beforeLower);
    sum.InN = upper.Degree() != 0;
    if (sum.InN) {
        sum.Factors = PolyFactor(sum.Value);
    }
    return sum;
}

std::string SumText(const TSum& sum) {
    return sum.InN ? FactorListToText(sum.Factors, 'n') : PolyToText(sum.Value);
}

} // namespace arith
