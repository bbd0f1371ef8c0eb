// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of finding the extrema of a quadratic or cubic by its sign chart
// (増減表), as exact values: what the solver chose, computed and checked,
// before any of it is typeset. Each step stands for the line or lines its
// comment shows (the Unicode forms); the writer sets them one after the
// other. A new way of showing a step is a new step type in the variant, a
// branch in the solver that records it and an overload in the writer.
#pragma once

#include "Calculus.h"
#include "Notation.h"

#include <optional>
#include <variant>
#include <vector>

namespace arith {

// The derivative:
//   f′(x) = 3x² − 3
struct TDerivativeLine {
    TPolynomial Derivative;
};

// The one root of a quadratic's derivative:
//   f′(x) = 0 とすると 2x − 4 = 0 より x = 2
struct TCriticalPoint {
    TPolynomial Derivative;
    TRational X;
};

// The two roots of a cubic's derivative, the smaller first, and the note
// that the roots may simplify further where they may:
//   f′(x) = 0 とすると 3x² − 3 = 0 より x = −1, 1
struct TCriticalPoints {
    TPolynomial Derivative;
    TSurd Smaller;
    TSurd Larger;
    bool Simplest = true;
};

// A cubic whose derivative has no two real roots, by the discriminant of f′(x) = ax² + bx + c:
//   f′(x) = 0 の判別式は D = 0² − 4·3·3 = −36
//   D ≤ 0 より f′(x) ≥ 0 で f(x) はつねに増加するので 極値なし
struct TNoCriticalPoints {
    TRational A;
    TRational B;
    TRational C;
    TRational Discriminant;
    bool Rising = true;
};

// A column of the sign chart between critical points: "… | + | ↗" or "… | − | ↘".
struct TChartInterval {
    bool Rising = true;
};

// A column at a critical point: "−1 | 0 | 極大 2". X is a fraction for a
// quadratic, a root of the formula for a cubic.
struct TChartPoint {
    std::variant<TRational, TSurd> X;
    bool Maximum = false;
    TSurd Value;
};

// The sign chart (framed, ruled between all its rows and columns), its
// columns an interval, then each point followed by an interval:
//   x     | … | −1     | … | 1      | …
//   f′(x) | + | 0      | − | 0      | +
//   f(x)  | ↗ | 極大 2 | ↘ | 極小 −2 | ↗
struct TSignChart {
    std::vector<TChartInterval> Intervals; // one more than Points
    std::vector<TChartPoint> Points;
};

using TExtremaStep =
    std::variant<TDerivativeLine, TCriticalPoint, TCriticalPoints, TNoCriticalPoints, TSignChart>;

// The working: the steps, then ExtremaAnswer of Answer.
struct TExtremaSteps {
    std::vector<TExtremaStep> Steps;
    TExtrema Answer;
};

// The extrema of a quadratic or cubic f: the derivative, its roots and the
// sign chart; for a cubic whose derivative's discriminant is not positive
// the discriminant and "極値なし" instead. None for another degree.
std::optional<TExtremaSteps> SolveExtremaSteps(const TPolynomial& f, const TExtrema& extrema);
TMath WriteExtremaSteps(const TExtremaSteps& steps);

} // namespace arith
