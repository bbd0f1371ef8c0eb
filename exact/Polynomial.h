// SPDX-License-Identifier: GPL-3.0-or-later
// Polynomials of degree at most 10 with exact fraction coefficients, and
// their text form.
//
// Arithmetic is exact at any size; a result of degree above 10 throws
// DegreeError.
#pragma once

#include "Rational.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace arith {

inline constexpr int kMaxDegree = 10;

// A polynomial as a record of coefficients and a degree. A record read from
// a field keeps the form it was typed in (2/4 x, a leading 0x^2) until it is
// normalised; every arithmetic result is normalised. The degree always
// indexes the coefficients: it lies in 0..kMaxDegree.
class TPolynomial {
public:
    // 0.
    TPolynomial() = default;

    int Degree() const { return degree_; }
    // The coefficient of x^i as recorded (0 <= i <= kMaxDegree).
    const TInteger& Num(int i) const { return num_[i]; }
    const TInteger& Den(int i) const { return den_[i]; }

    // Records the coefficient of x^i as given, leaving the degree alone;
    // outside 0..kMaxDegree a zero is ignored and anything else throws DegreeError.
    void SetCoeff(int i, TRational c);
    // Records the degree as typed, clamped to 0..kMaxDegree.
    void SetDegree(int degree);

    // p(x), exact and canonical.
    TRational operator()(const TRational& x) const;

private:
    std::int32_t degree_ = 0;
    std::array<TInteger, kMaxDegree + 1> num_{};
    std::array<TInteger, kMaxDegree + 1> den_{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// A quotient and its remainder.
struct TPolyDivision {
    TPolynomial Quotient;
    TPolynomial Remainder;
};

// The value of an integer constant; nothing for any other p (TWarning::NotInteger).
std::optional<TInteger> PolyToInt(const TPolynomial& p);
bool PolyIsZero(const TPolynomial& p);
bool PolyIsOne(const TPolynomial& p);
bool PolyIsX(const TPolynomial& p);

// Value arithmetic: operands may be as typed, results are normalised.
TPolynomial operator+(const TPolynomial& a, const TPolynomial& b);
TPolynomial operator-(const TPolynomial& a, const TPolynomial& b);
TPolynomial operator*(const TPolynomial& a, const TPolynomial& b);
TPolynomial operator-(const TPolynomial& p);
// Equal once normalised.
bool operator==(const TPolynomial& a, const TPolynomial& b);
// The normal form: each coefficient reduced, the degree that of the top
// non-zero coefficient.
TPolynomial Normalized(TPolynomial p);
// c x^i and the constant c, normalised.
TPolynomial Monomial(const TRational& c, int i);
TPolynomial ConstantPolynomial(const TRational& c);
TPolyDivision DivMod(const TPolynomial& a, const TPolynomial& b); // b = 0: ZeroDivideError
TPolynomial Derivative(const TPolynomial& p);
TPolynomial Integral(const TPolynomial& p);
// base^n for n the numerator of e's constant (1 for n <= 0). A constant power
// of more than 500 digits throws OverflowError before it is formed.
TPolynomial Power(const TPolynomial& base, const TPolynomial& e);
TPolynomial Compose(const TPolynomial& f, const TPolynomial& g); // f(g(x))

// The coefficient of x^i as recorded (0 outside 0..kMaxDegree), and
// recording it (p.SetCoeff).
TRational PolyCoeff(const TPolynomial& p, int i);
void PolySetCoeff(TPolynomial& p, int i, TRational c);

// "2x^3-x+1/2"; OverflowError for a coefficient beyond 500 digits.
std::string PolyToText(const TPolynomial& p);
std::string PolyToTextVar(const TPolynomial& p, char letter);

// Reads one number from a coefficient field into a constant polynomial, as
// ParseRational does (not reduced). Returns false for TWarning::BadInput.
bool ParseCoefficient(const std::string& text, TPolynomial& c);

// Reads a whole polynomial in the given letter; a coefficient may be a
// decimal ("0.5n" is 1/2n). Returns false for text that is not a polynomial
// (one TWarning::BadInput); p is then unspecified. The empty text reads as 0.
bool ParsePolynomial(const std::string& text, char letter, TPolynomial& p);

} // namespace arith
