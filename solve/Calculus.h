// SPDX-License-Identifier: GPL-3.0-or-later
// The calculus windows' answers: the derivative value, the tangent line and
// the extrema of a polynomial, definite integrals and sums of a polynomial.
#pragma once

#include "Outcome.h"
#include "PolyFactor.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace arith {

// f'(a). The zero f stops with TWarning::ZeroCoefficients (so do the tangent and the extrema).
struct TDerivativeValue {
    TPolynomial At;         // a as typed, not reduced
    TPolynomial Derivative; // f'(x)
    TPolynomial Value;      // f'(a)
};
TOutcome<TDerivativeValue> DerivativeValue(const TPolynomial& f, const TPolynomial& a);

// The tangent y = f'(a) x + (f(a) - f'(a) a) at x = a.
struct TTangent {
    TPolynomial Derivative; // f'(x)
    TPolynomial Point;      // f(a)
    TPolynomial Slope;      // f'(a)
    TPolynomial Line;       // the right-hand side, a polynomial of degree at most 1
};
TOutcome<TTangent> TangentLine(const TPolynomial& f, const TPolynomial& a);

// An exact value (P + Q·√R)/D: Q = 0 for a fraction P/D; R square-free and positive otherwise.
struct TSurd {
    TInteger P = 0;
    TInteger Q = 0;
    TInteger R = 0;
    TInteger D = 1;
};
// "-4/9", "4*SQR(2)", "(1-SQR(6))/3", written as the root formula writes a root.
std::string SurdText(const TSurd& value);

struct TExtremum {
    TSurd X;
    TSurd Y;
};
// The maximum and minimum of a quadratic or cubic f, where there are any.
// Only critical points that factoring or the root formula finds are real.
struct TExtrema {
    TPolynomial Derivative;
    std::optional<TExtremum> Maximum;
    std::optional<TExtremum> Minimum;
    // False where the √R of the x and the values may simplify further (TQuadRoots::Simplest).
    bool Simplest = true;
};
// Any degree but 2 or 3 stops with TWarning::DegreeNotTwoOrThree.
TOutcome<TExtrema> Extrema(const TPolynomial& f);
// The four answers: x and value of the maximum, x and value of the minimum;
// a missing one is "" and "なし".
std::array<std::string, 4> ExtremaTexts(const TExtrema& extrema);

// The integral of f from lower to upper: F(upper) - F(lower).
struct TDefiniteIntegral {
    TPolynomial Antiderivative; // F(x), without a constant term
    TPolynomial AtUpper;
    TPolynomial AtLower;
    TPolynomial Value;
};
TDefiniteIntegral DefiniteIntegral(const TPolynomial& f, const TPolynomial& lower,
                                   const TPolynomial& upper);

// The warning for a constant upper limit below the lower limit; the sum is
// answered all the same.
std::optional<TWarning> SumLimitsWarning(const TPolynomial& lower, const TPolynomial& upper);

// The sum of f(k) for k = lower to upper, where upper is a number or a
// polynomial in n: S(upper) - S(lower - 1) with S(n) the sum from 1 to n,
// built from the power sums of k^9 down to k and 1. A summand of degree 10
// (whose sum would have degree 11) throws DegreeError.
struct TSum {
    TPolynomial PartialSum; // S(n)
    TPolynomial Value;      // a number, or a polynomial in n
    bool InN = false;       // the upper limit is a polynomial in n
    TFactorList Factors;    // the factored Value when InN
};
TOutcome<TSum> SumOf(const TPolynomial& f, const TPolynomial& lower, const TPolynomial& upper);
// "3025", or the factored form in n: "1/2n( n+1 )".
std::string SumText(const TSum& sum);

} // namespace arith
