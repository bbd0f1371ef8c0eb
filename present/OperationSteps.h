// SPDX-License-Identifier: GPL-3.0-or-later
// The working of one operation of the four-operations window as data: the
// method chosen and the exact values each line states. The solver chooses
// and checks (WorkingCheckError); OperationWorking writes the lines out.
// F and G are the operands as typed, which the problem line shows.
#pragma once

#include "WorkingSystems.h"

#include <optional>
#include <variant>
#include <vector>

namespace arith {

// A term Coefficient·x^Power.
struct TPolyTerm {
    TRational Coefficient;
    int Power = 0;
};

// "(x² + 1) − (2x − 3) = x² + 1 − 2x + 3 = x² − 2x + 4": Terms are those of
// F, then those of ±G, as they stand once the brackets are taken off.
struct TAdditionSteps {
    TOperation Operation = TOperation::Add; // Add or Subtract
    TPolynomial F, G;
    std::vector<TPolyTerm> Terms;
    TPolynomial Value;
};

// "(x + 1) × (x² − 2) = (x³ − 2x) + (x² − 2) = x³ + x² − 2x − 2": Parts are
// each term of F times G, empty where F or G is a single term.
struct TProductSteps {
    TPolynomial F, G;
    std::vector<TPolynomial> Parts;
    TPolynomial Value;
};

// "f = g·q + r", "x³ − 1 = (x − 1)(x² + x + 1) + 0": Dividend and Divisor as
// they are to be written, Quotient and Remainder normalised.
struct TDivisionLine {
    TPolynomial Dividend, Divisor, Quotient, Remainder;
};

// One step of a long division (筆算): the quotient's term Term, the
// product Divisor × Term under what is left so far, and below the rule what
// is left after taking it away, as far down as Lowest, the lowest power the
// next product reaches (0 for the last step, whose row is the remainder).
struct TLongDivisionStep {
    TPolyTerm Term;
    TPolynomial Product;
    TPolynomial Left;
    int Lowest = 0;
};

// The long division set as a textbook sets it, powers in columns: the
// quotient on top, "divisor ) dividend", then each step's two rows. A power
// missing from the dividend or quotient is left as a gap.
struct TLongDivision {
    TPolynomial Dividend, Divisor, Quotient;
    std::vector<TLongDivisionStep> Steps;
};

// The long division where there is one, the division line, then the
// board's quotient and remainder.
struct TQuotientSteps {
    std::optional<TLongDivision> LongDivision;
    TDivisionLine Division;
    TQuotient Quotient;
};

// Euclid's algorithm, a division a line; "最大公約数は −2x − 2 を定数倍して
// x + 1" (Scaled) or "最大公約数は x + 1"; for the lcm "最小公倍数は (f)(g)/(gcd)
// = …"; then "= " and the factored answer where it reads otherwise.
struct TCommonSteps {
    TOperation Operation = TOperation::Gcd; // Gcd or Lcm
    TPolynomial F, G;
    std::vector<TDivisionLine> Euclid;
    TPolynomial Last; // the last non-zero remainder
    TPolynomial Gcd;  // the window's gcd, Last times a constant
    bool Scaled = false;
    TCommonPolynomial Result;
};

// How a polynomial power is multiplied out, for the exponent n:
// as it stands, "x³ = x³" (n 0 or 1, or a single term);
struct TPowerAsIs {};
// by the binomial theorem for two terms, "(x + 1)³ = x³ + 3·x²·1 + 3·x·1² +
// 1³", "= x³ + 3x² + 3x + 1": the term Choose·(U)^UPower·(V)^VPower each;
struct TBinomialTerm {
    TInteger Choose = 1;
    TPolynomial U;
    int UPower = 0;
    TPolynomial V;
    int VPower = 0;
};
struct TBinomialExpansion {
    std::vector<TBinomialTerm> Terms;
};
// as repeated products, "(f)(f)(f) = (f²)(f) = f³": Products are f², …, fⁿ.
struct TRepeatedProduct {
    std::vector<TPolynomial> Products;
};
using TPowerMethod = std::variant<TPowerAsIs, TBinomialExpansion, TRepeatedProduct>;

// A polynomial base to the power Exponent, or for a negative exponent
// (Reciprocal) first "f⁻ⁿ = 1/fⁿ", then fⁿ multiplied out, then "f⁻ⁿ = 1/(…)".
struct TPolynomialPowerSteps {
    TPolynomial F, G;
    bool Reciprocal = false;
    int Exponent = 0; // |n|
    TPowerMethod Method;
    TPower Power;
};

// A constant base c: "(−2)³ = (−2)·(−2)·(−2) = −8" with Factors copies of c
// written out (0 for none: "2¹⁰ = 1024"); "2⁻³ = 1/2³ = 1/8" (Reciprocal).
struct TConstantPowerSteps {
    TPolynomial F, G;
    TRational Base;
    TInteger Exponent = 0; // |n|
    bool Reciprocal = false;
    int Factors = 0;
    TPower Power;
};

// "f(g(x)) = (x − 1)² + 2(x − 1) + 3 = x² + 2": Terms are F's coefficients,
// each with the power of G it multiplies, from the highest down.
struct TSubstitutionSteps {
    TPolynomial G;
    std::vector<TPolyTerm> Terms;
    TPolynomial Value;
};

using TOperationSteps =
    std::variant<TAdditionSteps, TProductSteps, TQuotientSteps, TCommonSteps, TPolynomialPowerSteps,
                 TConstantPowerSteps, TSubstitutionSteps>;

// The steps of `operation` on f and g, given the result the window computed.
// A quotient is worked as a long division where the divisor has x in it
// and the dividend's degree is at least the divisor's, every number in it
// of at most 12 digits; otherwise only as f = g·q + r. A product is
// written by the distributive law where both factors have more than one
// term; a power of two terms by the binomial theorem, of one
// term as it stands, of more as repeated products; a constant power with
// its factors written out for an exponent of 2 to 6. None for a sum,
// difference, product, gcd or lcm with a zero operand, for a zero divisor,
// and for a power whose exponent is not an integer or whose value is too
// long to write out.
std::optional<TOperationSteps> SolveOperationSteps(TOperation operation, const TPolynomial& f,
                                                   const TPolynomial& g,
                                                   const TOperationResult& result);

} // namespace arith
