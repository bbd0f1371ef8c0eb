// SPDX-License-Identifier: GPL-3.0-or-later
// The square part of an integer: n = Root^2 * Free with Free square-free, as
// the root formula needs it to write SQR(72) as 6*SQR(2).
#pragma once

#include "Integer.h"

namespace arith {

struct TSquareSplit {
    TInteger Root = 1;
    TInteger Free = 1;
};

// For n >= 0 (Free = 0 for 0). Below 2^64 the split is complete but for a
// chance below e^-40 per number that a randomised search misses the square
// of a prime above 27449. Beyond that, prime factors below 27449 are always
// found, and most up to about 2^18 in a cofactor of up to 128 bits (2^16 up
// to 256 bits); a cofactor that is neither prime nor a square and that is
// not split so is taken as square-free, so Free may then still hold the
// square of a large prime (the value written is exact either way).
TSquareSplit SquarePart(const TInteger& n);

} // namespace arith
