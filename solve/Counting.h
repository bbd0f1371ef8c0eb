// SPDX-License-Identifier: GPL-3.0-or-later
// n!, nPr and nCr as long decimal integers, written in full up to 500 digits.
#pragma once

#include "Integer.h"
#include "Outcome.h"

#include <string>

namespace arith {

struct TCount {
    bool TooLong = false; // the count has more than 500 digits
    std::string Digits;   // the count in decimal when it fits
};

// n! for n >= 0; nPr and nCr for n >= r >= 0 (nP0 = nC0 = 1). A negative n
// stops with TWarning::NegativeCount, an r below 0 or above n with
// TWarning::ChoiceOutOfRange.
TOutcome<TCount> Factorial(const TInteger& n);
TOutcome<TCount> Permutations(const TInteger& n, const TInteger& r);
TOutcome<TCount> Combinations(const TInteger& n, const TInteger& r);

// The digits, or "overflow".
std::string CountText(const TCount& count);

} // namespace arith
