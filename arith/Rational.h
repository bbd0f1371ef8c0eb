// SPDX-License-Identifier: GPL-3.0-or-later
// Exact fractions of 32-bit integers and the integer gcd/lcm they rest on.
//
// Every operation is computed exactly in wide intermediates and reduced; a
// canonical result whose numerator or denominator has a magnitude above
// 2^31 - 1 throws OverflowError. Inputs are taken by value, so a result
// variable may be one of the operands.
#pragma once

#include "WideInt.h"

#include <cstdint>
#include <string>

namespace arith {

struct TRational {
    std::int32_t Num = 0;
    std::int32_t Den = 1;
};

// Greatest common divisor of |a| and |b|, always at least 1; 1 when either is 0.
std::int32_t IntGcd(std::int32_t a, std::int32_t b);
// Signed least common multiple: (a div g)(b div g)g, 0 when either is 0.
std::int32_t IntLcm(std::int32_t a, std::int32_t b);

void RatClear(TRational& r);
void RatReduce(TRational& r);
void RatAdd(TRational a, TRational b, TRational& r);
void RatSub(TRational a, TRational b, TRational& r);
void RatMul(TRational a, TRational b, TRational& r);
void RatDiv(TRational a, TRational b, TRational& r); // throws ZeroDivideError for b = 0
bool RatEqual(TRational a, TRational b);
// a > b, compared exactly; both denominators positive.
bool RatGreater(TRational a, TRational b);
std::string RatToText(TRational r);

// Reads an optionally signed integer or fraction as typed (not reduced). The
// numerator may be a finite decimal, read as the exact fraction it denotes
// (reduced): "-1.25" is -5/4, ".5" is 1/2, "1.5/3" is 3/6. A bad first
// character leaves r = 0/1 and returns false (the caller warns
// TWarning::BadInput); a non-digit later on throws ConversionError naming it,
// and a typed value beyond 32 bits throws OverflowError.
bool ParseRational(const std::string& text, TRational& r);

} // namespace arith
