// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the readers of typed numbers in the arithmetic sources.
#pragma once

#include "Rational.h"

#include <string_view>

namespace arith {

// The value of the decimal whole.digits, digits being those after the point,
// as a reduced fraction: 1.25 is 5/4.
TRational DecimalValue(const TInteger& whole, std::string_view digits);

// Digits as typed, at most kMaxAnswerDigits of them once leading zeros are
// dropped; a longer run throws OverflowError.
TInteger TypedDigits(std::string_view digits);

} // namespace arith
