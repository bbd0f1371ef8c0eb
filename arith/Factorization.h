// SPDX-License-Identifier: GPL-3.0-or-later
// Factorization as the factorization window answers it: the factor list of
// a polynomial, and its text such as "2( x-1 )( x+1 )".
#pragma once

#include "Outcome.h"
#include "PolyFactor.h"

#include <string>

namespace arith {

// The factor list of p; the zero polynomial stops with TWarning::ZeroCoefficients.
TOutcome<TFactorList> Factorize(const TPolynomial& p);

// A factor list as PolyFactor fills it, written as "2( x-1 )( x+1 )" in the given letter.
std::string FactorListToText(const TFactorList& list, char letter);

} // namespace arith
