// SPDX-License-Identifier: GPL-3.0-or-later
// Integer solutions of the indefinite equation a x + b y = c (plus) or
// a x - b y = c (minus).
#pragma once

#include "Integer.h"
#include "Outcome.h"

#include <string>

namespace arith {

// One solution (X, Y) and every solution x = XStep n + X, y = YStep n + Y for
// integer n.
struct THuteiSolution {
    TInteger X = 0;
    TInteger Y = 0;
    TInteger XStep = 0;
    TInteger YStep = 0;
};

// Coefficients of any size. Where Euclid's algorithm with
// truncating division on the ordered pair reaches the remainder 1, its back
// substitution gives the solution; otherwise the extended algorithm on |a|
// and |b| does. a = b = 0 stops with TWarning::ZeroCoefficients, a gcd of
// |a| and |b| that does not divide c with TWarning::NoIntegerSolution.
// Where that solution (the Bezout coefficients times c / gcd) is longer than
// an answer may be, it is moved along the solutions to one that fits: x
// reduced to [0, |XStep|), or the nearest solution to it that fits. It stays
// too long only where no solution fits.
TOutcome<THuteiSolution> HuteiSolve(const TInteger& a, const TInteger& b, const TInteger& c,
                                    bool plus);

// "5n-2", "-n+3", "5n", "7" (step 0) or "0".
std::string HuteiTermText(const TInteger& step, const TInteger& constant);

} // namespace arith
