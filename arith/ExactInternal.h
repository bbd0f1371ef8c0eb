// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the arithmetic sources only: exact fractions of 128-bit
// integers for intermediate results, and naming a character of UTF-8 text.
//
// Every operation here is checked: a value that leaves the 128-bit range throws
// OverflowError, so an intermediate result is either exact or abandoned.
#pragma once

#include "Rational.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace arith {

// Always canonical: Den > 0, no common divisor, zero as 0/1.
struct TWideRational {
    __int128 Num = 0;
    __int128 Den = 1;
};

TWideRational WideReduce(__int128 num, __int128 den); // den = 0 throws ZeroDivideError
TWideRational WideFromInt(__int128 n);
// A zero numerator reads as 0 whatever the denominator; n/0 otherwise throws ZeroDivideError.
TWideRational WideFromRat(TRational r);
TRational WideToRat(TWideRational w); // throws OverflowError beyond 32 bits
TWideRational WideSum(TWideRational a, TWideRational b);
TWideRational WideDifference(TWideRational a, TWideRational b);
TWideRational WideProduct(TWideRational a, TWideRational b);
TWideRational WideQuotient(TWideRational a, TWideRational b); // b = 0 throws ZeroDivideError

// The value of the decimal whole.digits, digits being those after the point,
// as a reduced fraction: 1.25 is 5/4. A numerator or denominator beyond 32
// bits throws OverflowError, as a typed number of that size does.
TRational DecimalValue(std::int64_t whole, std::string_view digits);

// The whole UTF-8 character that starts at byte pos, for error texts; a byte
// that does not start a valid character is named as U+FFFD.
std::string Utf8CharAt(const std::string& text, std::size_t pos);
// The bytes [begin, end) widened to whole UTF-8 characters.
std::string Utf8Widen(const std::string& text, std::size_t begin, std::size_t end);

} // namespace arith
