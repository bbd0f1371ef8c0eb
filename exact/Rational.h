// SPDX-License-Identifier: GPL-3.0-or-later
// Exact fractions of integers of any size, and the integer gcd/lcm they rest on.
//
// Every operation gives the canonical result: positive denominator, no common
// divisor, zero as 0/1. A fraction read from a field keeps the form it was
// typed in ("2/4") until it is reduced.
#pragma once

#include "Integer.h"

#include <compare>
#include <string>
#include <utility>

namespace arith {

class TRational {
public:
    // 0.
    TRational() = default;
    // The integer n.
    TRational(TInteger n) : num_(std::move(n)) {}
    // num/den in canonical form (n/0 is kept as it is, for the arithmetic to refuse).
    TRational(TInteger num, TInteger den);
    // num/den exactly as given, as a field's text is read ("2/4" stays 2/4
    // until it is reduced).
    static TRational AsTyped(TInteger num, TInteger den);

    const TInteger& Num() const { return num_; }
    const TInteger& Den() const { return den_; }

private:
    TInteger num_ = 0;
    TInteger den_ = 1;
};

// Greatest common divisor of |a| and |b|, always at least 1; 1 when either is 0.
TInteger IntGcd(const TInteger& a, const TInteger& b);
// Signed least common multiple: (a div g)(b div g)g, 0 when either is 0.
TInteger IntLcm(const TInteger& a, const TInteger& b);

// "-3/4", "5": the reduced value; OverflowError for a part beyond 500 digits.
std::string RatToText(TRational r);

// Value arithmetic: an operand may be as typed (2/4), the result is canonical.
// n/0 as an operand throws ZeroDivideError, as does a zero divisor.
TRational operator+(const TRational& a, const TRational& b);
TRational operator-(const TRational& a, const TRational& b);
TRational operator*(const TRational& a, const TRational& b);
TRational operator/(const TRational& a, const TRational& b);
// The negative in the same form: -(2/4) is -2/4.
TRational operator-(const TRational& r);
// Equal values, whatever their forms: 2/4 == 1/2.
bool operator==(const TRational& a, const TRational& b);
// Ordered by value, compared exactly.
std::strong_ordering operator<=>(const TRational& a, const TRational& b);

// The canonical form of r (n/0 is left as it is).
TRational Reduced(TRational r);
bool IsInteger(const TRational& r);
// Below zero, whichever part carries the sign.
bool Negative(const TRational& r);

// Reads an optionally signed integer or fraction as typed (not reduced). The
// numerator may be a finite decimal, read as the exact fraction it denotes
// (reduced): "-1.25" is -5/4, ".5" is 1/2, "1.5/3" is 3/6. A bad first
// character leaves r = 0/1 and returns false (the caller warns
// TWarning::BadInput); a non-digit later on throws ConversionError naming the
// whole text, a "/" followed by no digits or by zero throws DenominatorError,
// and a number of more than 500 digits throws OverflowError.
bool ParseRational(const std::string& text, TRational& r);

} // namespace arith
