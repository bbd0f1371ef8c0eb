// SPDX-License-Identifier: GPL-3.0-or-later
#include "Equations.h"

#include "Messages.h"
#include "RealRoots.h"

#include <algorithm>

namespace arith {

namespace {

// The roots of each linear and quadratic factor of roots.Factors.
void ReadRoots(TEquationRoots& roots) {
    const TFactorList& factors = roots.Factors;
    for (int k = 0; k < kMaxFactors && !PolyIsZero(factors[k]); ++k) {
        const TPolynomial& factor = factors[k];
        if (k > 0 && (factor == factors[k - 1])) {
            continue; // equal factors stand side by side: a repeated root is listed once
        }
        if (factor.Degree() == 1) {
            roots.Groups.push_back({factor, LinearRoot(factor), std::nullopt, {}});
        } else if (factor.Degree() == 2) {
            roots.Groups.push_back({factor, std::nullopt, QuadFormula(factor), {}});
        } else if (factor.Degree() > 2) {
            roots.Groups.push_back(
                {factor, std::nullopt, std::nullopt, ApproximateRealRoots(factor)});
        }
    }
}

} // namespace

bool TEquationRoots::HasApproximations() const {
    return std::any_of(Groups.begin(), Groups.end(),
                       [](const TFactorRoots& group) { return group.Approximated(); });
}

TOutcome<TEquationRoots> SolveByFactoring(const TPolynomial& p, bool zeroIsIdentity) {
    TEquationRoots roots;
    if (PolyIsZero(p)) {
        if (!zeroIsIdentity) {
            return TWarning::ZeroCoefficients;
        }
        roots.Identity = true;
        return roots;
    }
    if (p.Degree() == 0) {
        roots.Constant = true; // never 0, so there is nothing to factor
        return roots;
    }
    roots.Factors = PolyFactor(p);
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
    if (roots.Identity) {
        return kEveryNumberText;
    }
    std::string text;
    const auto add = [&text](const std::string& root) {
        if (!text.empty()) {
            text += kRootSeparator;
        }
        text += root;
    };
    for (const TFactorRoots& group : roots.Groups) {
        if (group.Root) {
            add(RatToText(*group.Root));
        } else if (group.Pair) {
            add(QuadRootsToText(*group.Pair));
        } else {
            for (const std::string& root : group.Approximate) {
                add(kApproximatelyText + root);
            }
        }
    }
    if (text.empty() && roots.HasApproximations()) {
        return kNoRealRootText;
    }
    return text;
}

TRational LinearRoot(const TPolynomial& factor) {
    return -(PolyCoeff(factor, 0) / PolyCoeff(factor, 1));
}

} // namespace arith
