// SPDX-License-Identifier: GPL-3.0-or-later
// Integer polynomials with 128-bit coefficients: the working form of the
// factoring, gcd and lcm routines. A factor of a polynomial with 32-bit
// coefficients and degree at most 10 has coefficients below 2^44, so every
// exact step fits here; results go back into TPolynomial through CheckedInt.
#pragma once

#include "Polynomial.h"
#include "WideInt.h"

#include <array>

namespace arith {

struct TIntPoly {
    int Degree = 0;
    std::array<Wide, kMaxDegree + 1> C{};
};

// Up to ten factors of one polynomial.
struct TIntFactors {
    int Count = 0;
    std::array<TIntPoly, kMaxDegree> Items{};
};

TIntPoly IntPolyConst(Wide c);
TIntPoly IntPolyLinear(Wide c1, Wide c0); // c1 x + c0
void IntPolyTrim(TIntPoly& p);            // Degree = highest non-zero coefficient
bool IntPolyEqual(const TIntPoly& a, const TIntPoly& b);
Wide IntPolyContent(const TIntPoly& p); // positive gcd of the coefficients (0 for zero)
void IntPolyMakePrimitive(TIntPoly& p); // divides by the content; leading coefficient > 0
TIntPoly IntPolyDerivative(const TIntPoly& p);
// q = a / b when b divides a with an integer quotient, else false.
bool IntPolyDivExact(const TIntPoly& a, const TIntPoly& b, TIntPoly& q);
// Greatest common divisor of two primitive non-zero polynomials: primitive,
// positive leading coefficient. Throws OverflowError if it cannot be lifted.
TIntPoly IntPolyGcd(const TIntPoly& a, const TIntPoly& b);

// The integer polynomial as a TPolynomial; OverflowError if a coefficient does not fit.
void IntPolyToPoly(const TIntPoly& p, TPolynomial& r);

// p = (Num / Den) * P with P primitive, integer and with a positive leading
// coefficient; Num carries the sign. p must not be zero.
struct TContentSplit {
    Wide Num = 1;
    Wide Den = 1;
    TIntPoly P;
};
TContentSplit PolyContentSplit(const TPolynomial& p);

// Splits a primitive integer polynomial with a positive leading coefficient
// into factors irreducible over the rationals: linear factors first by
// increasing root, then the others by increasing degree, equal factors side
// by side. Numeric root estimates only propose factors; each one is confirmed
// by exact division.
TIntFactors IntPolyFactorComplete(const TIntPoly& f);

} // namespace arith
