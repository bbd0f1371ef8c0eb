// SPDX-License-Identifier: GPL-3.0-or-later
// Exact fractions of integers of any size, and the integer gcd/lcm they rest on.
//
// Every operation gives the canonical result: positive denominator, no common
// divisor, zero as 0/1. Inputs are taken by value, so a result variable may be
// one of the operands. A fraction read from a field keeps the form it was
// typed in ("2/4") until it is reduced.
#pragma once

#include "Integer.h"

#include <string>

namespace arith {

struct TRational {
    TInteger Num = 0;
    TInteger Den = 1;
};

// Greatest common divisor of |a| and |b|, always at least 1; 1 when either is 0.
TInteger IntGcd(const TInteger& a, const TInteger& b);
// Signed least common multiple: (a div g)(b div g)g, 0 when either is 0.
TInteger IntLcm(const TInteger& a, const TInteger& b);

void RatClear(TRational& r);
void RatReduce(TRational& r); // n/0 is left as it is
void RatAdd(TRational a, TRational b, TRational& r);
void RatSub(TRational a, TRational b, TRational& r);
void RatMul(TRational a, TRational b, TRational& r);
void RatDiv(TRational a, TRational b, TRational& r); // throws ZeroDivideError for b = 0
bool RatEqual(TRational a, TRational b);
// a > b, compared exactly; both denominators positive.
bool RatGreater(const TRational& a, const TRational& b);
// "-3/4", "5": the reduced value; OverflowError for a part beyond 500 digits.
std::string RatToText(TRational r);

// Reads an optionally signed integer or fraction as typed (not reduced). The
// numerator may be a finite decimal, read as the exact fraction it denotes
// (reduced): "-1.25" is -5/4, ".5" is 1/2, "1.5/3" is 3/6. A bad first
// character leaves r = 0/1 and returns false (the caller warns
// TWarning::BadInput); a non-digit later on throws ConversionError naming the
// whole text, a "/" followed by no digits or by zero throws DenominatorError,
// and a number of more than 500 digits throws OverflowError.
bool ParseRational(const std::string& text, TRational& r);

} // namespace arith
