// SPDX-License-Identifier: GPL-3.0-or-later
// n!, nPr and nCr as long decimal integers, written in full up to 500 digits.
#pragma once

#include "Outcome.h"

#include <cstdint>
#include <string>

namespace arith {

struct TCount {
    bool TooLong = false; // the count has more than 500 digits
    std::string Digits;   // the count in decimal when it fits
};

// n! for n >= 0; nPr and nCr for n >= r >= 1. Other numbers stop with
// TWarning::BadCount.
TOutcome<TCount> Factorial(std::int32_t n);
TOutcome<TCount> Permutations(std::int32_t n, std::int32_t r);
TOutcome<TCount> Combinations(std::int32_t n, std::int32_t r);

// The digits, or "overflow".
std::string CountText(const TCount& count);

} // namespace arith
