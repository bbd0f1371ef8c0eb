// SPDX-License-Identifier: GPL-3.0-or-later
// The square part of an integer: n = Root^2 * Free with Free square-free, as
// the root formula needs it to write SQR(72) as 6*SQR(2).
#pragma once

#include "Integer.h"

namespace arith {

struct TSquareSplit {
    TInteger Root = 1;
    TInteger Free = 1;
    // False where Free may still hold the square of a large prime.
    bool Complete = true;
};

// Every part of n of up to this many digits is factored completely.
constexpr int kCompleteDigits = 40;

// For n >= 0 (Free = 0 for 0). The split is complete for every n of up to
// kCompleteDigits digits: quick searches find the small primes, and a part
// they leave unsplit is factored in full. Beyond that, prime factors below
// 27449 are always found, and most up to about 2^18 in a part of up to 128
// bits (2^16 up to 256 bits); a part of more than kCompleteDigits digits
// that is neither prime nor a square and that is not split so is taken as
// square-free and Complete is false (the value written is exact either way).
TSquareSplit SquarePart(const TInteger& n);

} // namespace arith
