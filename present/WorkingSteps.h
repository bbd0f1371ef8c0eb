// SPDX-License-Identifier: GPL-3.0-or-later
// The small pieces every working is written with: formula parts and exact
// values that read like the step they state.
#pragma once

#include "Notation.h"
#include "Polynomial.h"
#include "Quadratic.h"
#include "Rational.h"

namespace arith::steps {

// Formula parts: an integer's digits, a letter, a sign with space around
// it, a comma, a bracket, a power, the product dot, "left = right".
TMath Number(const TInteger& n);
TMath Letter(const char* letter);
TMath Op(const char* sign);
TMath Comma();
TMath Paren(TMath body);
TMath Power(TMath base, const TInteger& exponent);
TMath Dot();
TMath Equals(TMath left, TMath right);
TMath Root(TMath radicand);

// Values in a formula: "3", "−2", "1/2"; after a sign in brackets when
// negative, "(−2)"; as a factor also when a fraction, "3·(1/2)".
TMath Value(const TRational& r);
TMath Signed(const TRational& r);
TMath Factor(const TRational& r);

// p with a put in for x, term by term, a negative or fractional a in
// brackets: "3·(−2)² − 2", "2·(−1)³ − 3·(−1)² − 3·(−1) + 2".
TMath Substituted(const TPolynomial& p, const TRational& a);

// Whether two forms read the same, so that a step that changes nothing is left out.
bool SameForm(const TMath& a, const TMath& b);

// The line after a square root whose number was too long to factor
// completely (TSquareSplit::Complete): the root may simplify further.
TMath SurdMayReduce();

// x² = k by square roots, k not the square of a rational: whether ±Q√R/D
// (P = 0) are the roots, (Q√R/D)² = k; and "±√(3/2) = ±√6/2" (the root
// of k, then the roots as the answer writes them where that reads
// otherwise; "±√(−4) = ±2i" for a negative k).
bool SquareRootsOf(const TQuadRoots& roots, const TRational& k);
TMath PlusMinusRoot(const TRational& k, const TQuadRoots& roots);

} // namespace arith::steps
