// SPDX-License-Identifier: GPL-3.0-or-later
// The four-operations window's answers beyond a plain sum, difference,
// product or substitution: the quotient with its remainder, powers, and the
// gcd and lcm in factored form.
#pragma once

#include "Outcome.h"
#include "PolyFactor.h"

#include <string>

namespace arith {

// f = g Quotient + Remainder, deg Remainder < deg g.
using TQuotient = TPolyDivision;

// f divided by g; a zero g throws ZeroDivideError.
TQuotient PolyQuotient(const TPolynomial& f, const TPolynomial& g);
// "x+1  余り  0".
std::string QuotientText(const TQuotient& q);

// f(x)^n. A constant f is raised exactly as long decimal numbers; any other
// f gives its polynomial power f^|n|, shown as 1/(...) for a negative n.
struct TPower {
    TInteger Exponent = 0;
    bool ConstantBase = false;
    // A constant base: the value as Negative, Numerator and Denominator
    // (decimal texts, "1" for an integer), or TooLong beyond 500 digits.
    bool TooLong = false;
    bool Negative = false;
    std::string Numerator;
    std::string Denominator;
    // Any other base: f^|Exponent|.
    TPolynomial Power;
};

// f^g for a constant integer g; any other g stops with its warning. 0 to a
// negative power throws ZeroDivideError; a polynomial power of degree above
// 10 throws DegreeError.
TOutcome<TPower> PowerOf(const TPolynomial& f, const TPolynomial& g);
// "-1/8", "overflow", "x^2+2x+1", "1/(x^2+2x+1)".
std::string PowerText(const TPower& power);

// The gcd or lcm with its factor list; a zero f or g throws ZeroDivideError.
struct TCommonPolynomial {
    TPolynomial Value;
    TFactorList Factors;
};
TCommonPolynomial GcdOf(const TPolynomial& f, const TPolynomial& g);
TCommonPolynomial LcmOf(const TPolynomial& f, const TPolynomial& g);
// The factored form, as "( x-2 )( x+2 )".
std::string CommonText(const TCommonPolynomial& common);

} // namespace arith
