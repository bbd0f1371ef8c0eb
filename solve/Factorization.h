// SPDX-License-Identifier: GPL-3.0-or-later
// Factorization as the factorization window answers it: the factor list of
// a polynomial, and its text such as "2( x-1 )( x+1 )".
#pragma once

#include "Outcome.h"
#include "PolyFactor.h"

#include <array>
#include <string>

namespace arith {

// The factor list of p; the zero polynomial stops with TWarning::ZeroCoefficients.
TOutcome<TFactorList> Factorize(const TPolynomial& p);

// How a factor list reads: its factors are the entries up to the last
// non-zero one (Count), and a run of equal entries is one factor to a
// power: Length[k] is the run's length at its first entry k, 0 inside it.
struct TFactorRuns {
    int Count = 0;
    std::array<int, kMaxFactors> Length{};
};
TFactorRuns FactorRuns(const TFactorList& list);

// A factor list as PolyFactor fills it, written as "2( x-1 )( x+1 )" in the given letter.
std::string FactorListToText(const TFactorList& list, char letter);

} // namespace arith
