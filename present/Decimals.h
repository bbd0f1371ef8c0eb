// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal values of exact answers, for the smaller line the answer board
// sets under an answer that holds a fraction or a root: "≈ −0.2679". Every
// digit shown is correct: the values are rounded from their exact form with
// integer arithmetic, never through floating point.
#pragma once

#include "Calculus.h"
#include "Equations.h"
#include "Geometry.h"
#include "LinearSystem.h"
#include "Notation.h"

#include <optional>
#include <string>

namespace arith {

// A value written in decimals: −Digits × 10^Exponent for a negative one,
// and whether the digits are the value itself rather than its rounding.
struct TDecimal {
    bool Negative = false;
    std::string Digits; // "0.2679", "6.6667", "0.5", "1.2346"
    long Exponent = 0;  // the power of ten after the digits; 0 for none
    bool Exact = false;
};

// (P + Q√R)/D for R ≥ 0 and D ≠ 0, rounded half away from zero to four
// decimal places, or to four significant digits where those need more
// places; a value that ends within them is written whole ("0.5", "−3").
// Beyond 10¹⁵ and below 10⁻⁶ it is written with five significant digits
// and a power of ten: "1.2346×10⁴⁰", "−3.3333×10⁻⁷".
TDecimal DecimalOf(const TInteger& P, const TInteger& Q, const TInteger& R, const TInteger& D);
TDecimal DecimalOf(const TSurd& value);
TDecimal DecimalOf(const TRational& r);
// "−0.2679", "1.2346 × 10⁴⁰" as a formula.
TMath DecimalMath(const TDecimal& decimal);

// The smaller line under an answer, or nothing where every value of the
// answer is an integer (or already a decimal).

// "x ≈ 2.6180, 0.3820, −2": the roots in the answer's order, a pair of
// conjugate roots as "−0.5000 ± 0.8660 i".
std::optional<TMath> RootsDecimals(const TEquationRoots& roots);
// Lines {"x ≈ 0.1835 で極大値 ≈ 0.0887", ...}, for the points that hold a root or a fraction.
std::optional<TMath> ExtremaDecimals(const TExtrema& extrema);
// "≈ 6.6667", "= 0.5": a single value (an integral, a sum, a derivative's value).
std::optional<TMath> ValueDecimals(const TRational& value);
// The same for a value held as a polynomial: nothing where it is not a constant.
std::optional<TMath> ConstantDecimals(const TPolynomial& value);
// Lines {"x = 0.5", "y ≈ −0.3333"}, for a unique solution.
std::optional<TMath> LinearDecimals(const TLinearSolution& solution, int n);
// "= (4, 3.5)", "≈ (0.3333, 2)".
std::optional<TMath> PointDecimals(const TPoint& point);

} // namespace arith
