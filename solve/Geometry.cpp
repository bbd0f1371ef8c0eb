// SPDX-License-Identifier: GPL-3.0-or-later
#include "Geometry.h"

namespace arith {

namespace {

// (p a + q b) / d, the coordinate of a division point.
TRational Weighted(TRational p, TRational a, TRational q, TRational b, TRational d) {
    TRational first;
    TRational second;
    TRational result;
    first = p * a;
    second = q * b;
    result = first + second;
    result = result / d;
    return result;
}

TRational Negated(const TRational& r) {
    return -r;
}

} // namespace

TOutcome<TPoint> DivisionPoint(TDivision kind, TPoint a, TPoint b, TRational m, TRational n) {
    if (m.Num() == 0 || n.Num() == 0) {
        return TWarning::NoRatio;
    }
    if (kind == TDivision::Internal) {
        TRational sum;
        sum = m + n;
        if (sum.Num() == 0) {
            return TWarning::BadInternalRatio;
        }
        return TPoint{Weighted(n, a.X, m, b.X, sum), Weighted(n, a.Y, m, b.Y, sum)};
    }
    if (m == n) {
        return TWarning::BadExternalRatio;
    }
    TRational difference;
    difference = m - n;
    return TPoint{Weighted(m, b.X, Negated(n), a.X, difference),
                  Weighted(m, b.Y, Negated(n), a.Y, difference)};
}

TOutcome<TLine> LineThrough(TPoint a, TPoint b) {
    if ((a.X == b.X) && (a.Y == b.Y)) {
        return TWarning::SamePoints;
    }
    TLine line;
    if (a.X == b.X) {
        line.Vertical = true;
        line.Level = a.X;
        return line;
    }
    if (a.Y == b.Y) {
        line.Level = a.Y;
        return line;
    }
    TRational rise;
    TRational run;
    TRational slope;
    TRational intercept;
    rise = a.Y - b.Y;
    run = a.X - b.X;
    slope = rise / run;
    intercept = slope * a.X;
    intercept = a.Y - intercept;
    TPolynomial right;
    right.SetDegree(1);
    PolySetCoeff(right, 1, slope);
    PolySetCoeff(right, 0, intercept);
    right = Normalized(right);
    line.Right = right;
    return line;
}

char LineLetter(const TLine& line) {
    return line.Vertical ? 'x' : 'y';
}

std::string LineText(const TLine& line) {
    return line.Right ? PolyToText(*line.Right) : RatToText(line.Level);
}

} // namespace arith
