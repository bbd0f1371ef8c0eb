// SPDX-License-Identifier: GPL-3.0-or-later
// Equations p(x) = 0 solved as the equation windows solve them: factor first,
// then read rational roots off the linear factors and take the root formula
// for the quadratic ones. Factors of degree 3 or 4 give no roots.
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
};

struct TEquationRoots {
    TFactorList Factors;              // the factoring the roots are read from
    std::vector<TFactorRoots> Groups; // factor order; a repeated factor once, constants left out
    bool Constant = false;            // p is a non-zero constant: no x satisfies p = 0
};

// The roots of p = 0; the zero polynomial stops with TWarning::ZeroCoefficients.
TOutcome<TEquationRoots> SolveByFactoring(const TPolynomial& p);

// The roots read off a factor list as PolyFactor fills it (never Constant).
TEquationRoots RootsOfFactors(const TFactorList& factors);

// The roots joined by " , " ("1/5 , 1/3 , 1/2", "(-1+SQR(3)i)/2 , (-1-SQR(3)i)/2");
// empty when no factor gives a root. A constant equation is written "解なし"
// when noSolutionText is set, as the quadratic window writes it.
std::string RootsText(const TEquationRoots& roots, bool noSolutionText);

// The root of a linear factor p1 x + p0: 2 for x - 2, -1/2 for 2x + 1.
TRational LinearRoot(const TPolynomial& factor);

} // namespace arith
