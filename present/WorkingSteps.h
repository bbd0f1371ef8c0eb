// SPDX-License-Identifier: GPL-3.0-or-later
// The small pieces every working is written with: formula parts and exact
// values that read like the step they state.
#pragma once

#include "Notation.h"
#include "Polynomial.h"
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

// Values in a formula: "3", "−2", "1/2"; after a sign in brackets when
// negative, "(−2)"; as a factor also when a fraction, "3·(1/2)".
TMath Value(const TRational& r);
TMath Signed(const TRational& r);
TMath Factor(const TRational& r);

// Whether two forms read the same, so that a step that changes nothing is left out.
bool SameForm(const TMath& a, const TMath& b);

// The line after a square root whose number was too long to factor
// completely (TSquareSplit::Complete): the root may simplify further.
TMath SurdMayReduce();

} // namespace arith::steps
