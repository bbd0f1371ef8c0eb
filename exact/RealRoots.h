// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal values of the real roots of a polynomial that has no roots the
// exact answers can write: found by exact real-root isolation (Sturm
// sequences and bisection on rationals), never by a floating-point solver.
#pragma once

#include "Polynomial.h"

#include <string>
#include <vector>

namespace arith {

// The distinct real roots of p, ascending, each written correctly rounded
// ("1.5321", "-0.34730", "0.000012346"): at least four decimals and four
// significant digits, and as many more as it takes for every root's text to
// differ from the others'. A text may be exact only by chance; the roots of
// an irreducible p of degree 2 or more are irrational, so they never are.
// Empty for a p without real roots; p must not be zero.
std::vector<std::string> ApproximateRealRoots(const TPolynomial& p);

} // namespace arith
