// SPDX-License-Identifier: GPL-3.0-or-later
#include "Equations.h"

#include "Messages.h"

namespace arith {

namespace {

// The roots of each linear and quadratic factor of roots.Factors.
void ReadRoots(TEquationRoots& roots) {
    const TFactorList& factors = roots.Factors;
    for (int k = 0; k < kMaxFactors && !PolyIsZero(factors[k]); ++k) {
        const TPolynomial& factor = factors[k];
        if (k > 0 && PolyEqual(factor, factors[k - 1])) {
            continue; // equal factors stand side by side: a repeated root is listed once
        }
        if (factor.Degree == 1) {
            roots.Groups.push_back({factor, LinearRoot(factor), std::nullopt});
        } else if (factor.Degree == 2) {
            roots.Groups.push_back({factor, std::nullopt, QuadFormula(factor)});
        }
    }
}

} // namespace

TOutcome<TEquationRoots> SolveByFactoring(const TPolynomial& p) {
    if (PolyIsZero(p)) {
        return TWarning::ZeroCoefficients;
    }
    TEquationRoots roots;
    if (p.Degree == 0) {
        roots.Constant = true; // never 0, so there is nothing to factor
        return roots;
    }
    PolyFactor(p, roots.Factors);
    ReadRoots(roots);
    return roots;
}

TEquationRoots RootsOfFactors(const TFactorList& factors) {
    TEquationRoots roots;
    roots.Factors = factors;
    ReadRoots(roots);
    return roots;
}

std::string RootsText(const TEquationRoots& roots, bool noSolutionText) {
    if (roots.Constant && noSolutionText) {
        return kNoSolutionText;
    }
    std::string text;
    for (const TFactorRoots& group : roots.Groups) {
        if (!text.empty()) {
            text += kRootSeparator;
        }
        text += group.Root ? RatToText(*group.Root) : QuadRootsToText(*group.Pair);
    }
    return text;
}

TRational LinearRoot(const TPolynomial& factor) {
    TRational root;
    RatDiv(PolyCoeff(factor, 0), PolyCoeff(factor, 1), root);
    root.Num = -root.Num;
    return root;
}

} // namespace arith
