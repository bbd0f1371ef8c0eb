// SPDX-License-Identifier: GPL-3.0-or-later
// Factoring of polynomials over the rationals, and their gcd and lcm.
#pragma once

#include "Polynomial.h"

#include <array>
#include <cstdint>

namespace arith {

// Every divisor of an int32 as 1, -1, d2, -d2, ... by increasing size; an
// int32 has at most 1600 positive divisors.
inline constexpr int kMaxDivisors = 3200;
struct TDivisorList {
    std::int32_t Count = 0;
    std::array<std::int32_t, kMaxDivisors> Items{};
};

// Content, up to ten factors, and room for the zero polynomial that ends the list.
inline constexpr int kMaxFactors = 12;
using TFactorList = std::array<TPolynomial, kMaxFactors>;

// Divisors of n (of 1 when n = 0); INT32_MIN throws OverflowError.
void IntDivisors(std::int32_t n, TDivisorList& list);
// The factor list of p: the content (when not 1), the factors x, x - d for
// integer roots d in divisor order, then the remaining factors, each
// irreducible over the rationals; equal factors stand side by side. The zero
// polynomial throws ZeroDivideError, an entry beyond 32 bits OverflowError.
void PolyFactor(TPolynomial p, TFactorList& f);
// q = t s with t = p x + r the first split in divisor order, or s = q, t = 1.
void PolySplitQuadratic(TPolynomial q, TPolynomial& s, TPolynomial& t);
// The greatest common divisor: primitive with a positive leading coefficient,
// times the gcd of the two contents when both are integers. A zero input
// throws ZeroDivideError.
void PolyGcd(TPolynomial a, TPolynomial b, TPolynomial& g);
// l = (a div g)(b div g) g with g = PolyGcd(a, b).
void PolyLcm(TPolynomial a, TPolynomial b, TPolynomial& l);

} // namespace arith
