// SPDX-License-Identifier: GPL-3.0-or-later
// Points on the plane: the point dividing AB in the ratio m : n, and the
// straight line through two points.
#pragma once

#include "Outcome.h"
#include "Polynomial.h"

#include <optional>
#include <string>

namespace arith {

struct TPoint {
    TRational X;
    TRational Y;
};

enum class TDivision { Internal, External };

// The point dividing AB internally, ((n x1 + m x2)/(m + n), ...), or
// externally, ((m x2 - n x1)/(m - n), ...). A zero m or n stops with
// TWarning::NoRatio, m + n = 0 (internal) and m = n (external) with their
// own warnings.
TOutcome<TPoint> DivisionPoint(TDivision kind, TPoint a, TPoint b, TRational m, TRational n);

// The line through A and B: x = c when it is vertical, otherwise y = the
// polynomial Right (a constant when it is horizontal).
struct TLine {
    bool Vertical = false;
    TRational Level;                  // c of x = c, or of a horizontal y = c
    std::optional<TPolynomial> Right; // slope x + intercept of a sloping line
};
// Equal points stop with TWarning::SamePoints.
TOutcome<TLine> LineThrough(TPoint a, TPoint b);
// The letter on the left, 'x' or 'y', and the right-hand side.
char LineLetter(const TLine& line);
std::string LineText(const TLine& line);

} // namespace arith
