// SPDX-License-Identifier: GPL-3.0-or-later
#include "Geometry.h"

namespace arith {

namespace {

// (p a + q b) / d, the coordinate of a division point.
TRational Weighted(TRational p, TRational a, TRational q, TRational b, TRational d) {
    TRational first;
    TRational second;
    TRational result;
    RatMul(p, a, first);
    RatMul(q, b, second);
    RatAdd(first, second, result);
    RatDiv(result, d, result);
    return result;
}

TRational Negated(TRational r) {
    r.Num = -r.Num;
    return r;
}

} // namespace

TOutcome<TPoint> DivisionPoint(TDivision kind, TPoint a, TPoint b, TRational m, TRational n) {
    if (m.Num == 0 || n.Num == 0) {
        return TWarning::NoRatio;
    }
    if (kind == TDivision::Internal) {
        TRational sum;
        RatAdd(m, n, sum);
        if (sum.Num == 0) {
            return TWarning::BadInternalRatio;
        }
        return TPoint{Weighted(n, a.X, m, b.X, sum), Weighted(n, a.Y, m, b.Y, sum)};
    }
    if (RatEqual(m, n)) {
        return TWarning::BadExternalRatio;
    }
    TRational difference;
    RatSub(m, n, difference);
    return TPoint{Weighted(m, b.X, Negated(n), a.X, difference),
                  Weighted(m, b.Y, Negated(n), a.Y, difference)};
}

TOutcome<TLine> LineThrough(TPoint a, TPoint b) {
    if (RatEqual(a.X, b.X) && RatEqual(a.Y, b.Y)) {
        return TWarning::SamePoints;
    }
    TLine line;
    if (RatEqual(a.X, b.X)) {
        line.Vertical = true;
        line.Level = a.X;
        return line;
    }
    if (RatEqual(a.Y, b.Y)) {
        line.Level = a.Y;
        return line;
    }
    TRational rise;
    TRational run;
    TRational slope;
    TRational intercept;
    RatSub(a.Y, b.Y, rise);
    RatSub(a.X, b.X, run);
    RatDiv(rise, run, slope);
    RatMul(slope, a.X, intercept);
    RatSub(a.Y, intercept, intercept);
    TPolynomial right;
    right.Degree = 1;
    PolySetCoeff(right, 1, slope);
    PolySetCoeff(right, 0, intercept);
    PolyNormalize(right);
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
