// SPDX-License-Identifier: GPL-3.0-or-later
// Factoring of polynomials over the rationals, and their gcd and lcm.
#pragma once

#include "Polynomial.h"

#include <array>

namespace arith {

// Content, up to ten factors, and room for the zero polynomial that ends the list.
inline constexpr int kMaxFactors = 12;
using TFactorList = std::array<TPolynomial, kMaxFactors>;

// The factor list of p, each factor irreducible over the rationals, primitive
// with a positive leading coefficient, equal factors side by side: the
// content (when not 1), the factors x, then x - d for integer roots d in
// divisor order (1, -1, 2, -2, ...), then what is left: a quadratic as its two
// linear factors, the one with the smaller leading coefficient first; a
// quartic in x^2 that splits as a quadratic in x^2 by that same rule, each
// part factored as below; anything else as its factors by increasing root
// (linear ones), then by increasing degree. The zero polynomial throws
// ZeroDivideError.
TFactorList PolyFactor(TPolynomial p);
// The greatest common divisor: primitive with a positive leading coefficient,
// times the gcd of the two contents when both are integers. A zero input
// throws ZeroDivideError.
TPolynomial PolyGcd(const TPolynomial& a, const TPolynomial& b);
// l = (a div g)(b div g) g with g = PolyGcd(a, b).
TPolynomial PolyLcm(const TPolynomial& a, const TPolynomial& b);

} // namespace arith
