// SPDX-License-Identifier: GPL-3.0-or-later
// Integer solutions of the indefinite equation a x + b y = c (plus) or
// a x - b y = c (minus).
#pragma once

#include "Outcome.h"

#include <cstdint>
#include <string>

namespace arith {

// One solution (X, Y) and every solution x = XStep n + X, y = YStep n + Y for
// integer n.
struct THuteiSolution {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t XStep = 0;
    std::int32_t YStep = 0;
};

// Coefficients of magnitude at most 2^31 - 1. Where Euclid's algorithm with
// truncating division on the ordered pair reaches the remainder 1, its back
// substitution gives the solution; otherwise the extended algorithm on |a|
// and |b| does. a = b = 0 stops with TWarning::ZeroCoefficients, a gcd of
// |a| and |b| that does not divide c with TWarning::NoIntegerSolution. A
// solution that does not fit in 32 bits throws OverflowError.
TOutcome<THuteiSolution> HuteiSolve(std::int32_t a, std::int32_t b, std::int32_t c, bool plus);

// "5n-2", "-n+3", "5n", "7" (step 0) or "0".
std::string HuteiTermText(std::int32_t step, std::int32_t constant);

} // namespace arith
