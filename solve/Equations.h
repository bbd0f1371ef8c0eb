// SPDX-License-Identifier: GPL-3.0-or-later
// Equations p(x) = 0 solved as the equation windows solve them: factor first,
// then read rational roots off the linear factors and take the root formula
// for the quadratic ones. A factor of higher degree, irreducible over the
// rationals, gives its real roots as decimals.
#pragma once

#include "Outcome.h"
#include "PolyFactor.h"
#include "Quadratic.h"

#include <optional>
#include <string>
#include <vector>

namespace arith {

// The roots that one irreducible factor gives.
struct TFactorRoots {
    TPolynomial Factor;
    std::optional<TRational> Root;  // a linear factor's root
    std::optional<TQuadRoots> Pair; // a quadratic factor's two roots
    // A factor of degree 3 or more: its real roots, ascending, correctly
    // rounded decimals ("1.5321"); empty when it has none.
    std::vector<std::string> Approximate;

    bool Approximated() const { return !Root && !Pair; }
};

struct TEquationRoots {
    TFactorList Factors;              // the factoring the roots are read from
    std::vector<TFactorRoots> Groups; // factor order; a repeated factor once, constants left out
    bool Constant = false;            // p is a non-zero constant: no x satisfies p = 0
    bool Identity = false;            // p is zero and that was asked for: every x does

    bool HasApproximations() const;
};

// The roots of p = 0. The zero polynomial stops with
// TWarning::ZeroCoefficients, or, with zeroIsIdentity, is the equation 0 = 0
// that every x satisfies.
TOutcome<TEquationRoots> SolveByFactoring(const TPolynomial& p, bool zeroIsIdentity = false);

// The roots read off a factor list as PolyFactor fills it (never Constant).
TEquationRoots RootsOfFactors(const TFactorList& factors);

// The roots joined by " , " ("1/5 , 1/3 , 1/2", "(-1+SQR(3)i)/2 , (-1-SQR(3)i)/2",
// "1 , ≈-1.2470 , ≈0.44504 , ≈1.8019"); "実数解なし" when the roots are to be
// approximated and there is no real one. A constant equation is written
// "解なし" when noSolutionText is set, as the equation windows write it, and
// 0 = 0 "すべての実数".
std::string RootsText(const TEquationRoots& roots, bool noSolutionText);

// The root of a linear factor p1 x + p0: 2 for x - 2, -1/2 for 2x + 1.
TRational LinearRoot(const TPolynomial& factor);

} // namespace arith
