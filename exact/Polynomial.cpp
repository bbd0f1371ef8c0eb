// SPDX-License-Identifier: GPL-3.0-or-later
#include "Polynomial.h"

#include "Errors.h"

#include <algorithm>

namespace arith {

namespace {

// The coefficients as canonical fractions: every operation works in this form
// and writes the record once, at the end.
using TRatPoly = std::array<TRational, kMaxDegree + 1>;

// The Degree field as an index that is safe to use, whatever the record holds.
int TopIndex(const TPolynomial& p) {
    return std::clamp<int>(p.Degree, 0, kMaxDegree);
}

TRational Coefficient(const TPolynomial& p, int i) {
    TRational c{p.Num[i], p.Den[i]};
    RatReduce(c);
    if (c.Den.IsZero()) {
        throw ZeroDivideError();
    }
    return c;
}

TRatPoly Widen(const TPolynomial& p, int top) {
    TRatPoly w{};
    for (int i = 0; i <= top; ++i) {
        w[i] = Coefficient(p, i);
    }
    return w;
}

int RatDegree(const TRatPoly& w) {
    for (int i = kMaxDegree; i > 0; --i) {
        if (!w[i].Num.IsZero()) {
            return i;
        }
    }
    return 0;
}

bool RatIsZero(const TRatPoly& w) {
    return RatDegree(w) == 0 && w[0].Num.IsZero();
}

TRatPoly Product(const TRatPoly& a, const TRatPoly& b) {
    TRatPoly r{};
    TRational term;
    for (int i = 0; i <= kMaxDegree; ++i) {
        if (a[i].Num.IsZero()) {
            continue;
        }
        for (int j = 0; j <= kMaxDegree; ++j) {
            if (b[j].Num.IsZero()) {
                continue;
            }
            if (i + j > kMaxDegree) {
                throw DegreeError();
            }
            RatMul(a[i], b[j], term);
            RatAdd(r[i + j], term, r[i + j]);
        }
    }
    return r;
}

void Store(TRatPoly w, TPolynomial& r) {
    r.Degree = RatDegree(w);
    for (int i = 0; i <= kMaxDegree; ++i) {
        r.Num[i] = std::move(w[i].Num);
        r.Den[i] = std::move(w[i].Den);
    }
}

} // namespace

void PolyClear(TPolynomial& p) {
    p = TPolynomial{};
}

void PolyNormalize(TPolynomial& p) {
    p.Degree = 0;
    for (int i = kMaxDegree; i > 0; --i) {
        if (!p.Num[i].IsZero()) {
            p.Degree = i;
            break;
        }
    }
    for (int i = p.Degree; i >= 0; --i) {
        TRational c{p.Num[i], p.Den[i]};
        RatReduce(c);
        p.Num[i] = std::move(c.Num);
        p.Den[i] = std::move(c.Den);
    }
}

void PolyFromInt(const TInteger& n, TPolynomial& p) {
    PolyClear(p);
    p.Num[0] = n;
}

std::optional<TInteger> PolyToInt(const TPolynomial& p) {
    if (p.Degree != 0 || p.Den[0] != 1) {
        return std::nullopt;
    }
    return p.Num[0];
}

bool PolyIsZero(const TPolynomial& p) {
    return p.Degree == 0 && p.Num[0].IsZero();
}

bool PolyIsOne(const TPolynomial& p) {
    return p.Degree == 0 && p.Num[0] == 1;
}

bool PolyIsX(TPolynomial p) {
    PolyNormalize(p);
    return p.Degree == 1 && p.Num[1] == 1 && p.Num[0].IsZero() && p.Den[0] == 1;
}

bool PolyEqual(TPolynomial a, TPolynomial b) {
    PolyNormalize(a);
    PolyNormalize(b);
    if (a.Degree != b.Degree) {
        return false;
    }
    for (int i = 0; i <= a.Degree; ++i) {
        if (a.Num[i] != b.Num[i] || a.Den[i] != b.Den[i]) {
            return false;
        }
    }
    return true;
}

void PolyAdd(TPolynomial a, TPolynomial b, TPolynomial& r) {
    int top = std::max(TopIndex(a), TopIndex(b));
    TRatPoly x = Widen(a, top);
    const TRatPoly y = Widen(b, top);
    for (int i = 0; i <= top; ++i) {
        RatAdd(x[i], y[i], x[i]);
    }
    Store(std::move(x), r);
}

void PolySub(TPolynomial a, TPolynomial b, TPolynomial& r) {
    int top = std::max(TopIndex(a), TopIndex(b));
    TRatPoly x = Widen(a, top);
    const TRatPoly y = Widen(b, top);
    for (int i = 0; i <= top; ++i) {
        RatSub(x[i], y[i], x[i]);
    }
    Store(std::move(x), r);
}

void PolyMul(TPolynomial a, TPolynomial b, TPolynomial& r) {
    Store(Product(Widen(a, TopIndex(a)), Widen(b, TopIndex(b))), r);
}

void PolyDivMod(TPolynomial a, TPolynomial b, TPolynomial& q, TPolynomial& r) {
    PolyNormalize(a);
    PolyNormalize(b);
    if (PolyIsZero(b)) {
        throw ZeroDivideError();
    }
    const int m = b.Degree;
    const TRatPoly divisor = Widen(b, m);
    TRatPoly rest = Widen(a, a.Degree);
    TRatPoly quotient{};
    TRational term;
    // Each pass cancels the leading term exactly, so the degree of the rest falls every time.
    while (!RatIsZero(rest) && RatDegree(rest) >= m) {
        int top = RatDegree(rest);
        int k = top - m;
        RatDiv(rest[top], divisor[m], quotient[k]);
        for (int j = 0; j < m; ++j) {
            RatMul(quotient[k], divisor[j], term);
            RatSub(rest[j + k], term, rest[j + k]);
        }
        RatClear(rest[top]);
    }
    Store(std::move(quotient), q);
    Store(std::move(rest), r);
}

void PolyDerivative(TPolynomial a, TPolynomial& r) {
    TRatPoly w{};
    for (int k = kMaxDegree; k >= 1; --k) {
        RatMul({k, 1}, Coefficient(a, k), w[k - 1]);
    }
    Store(std::move(w), r);
}

void PolyIntegral(TPolynomial a, TPolynomial& r) {
    TRatPoly w{};
    for (int k = TopIndex(a); k >= 0; --k) {
        const TRational c = Coefficient(a, k);
        if (c.Num.IsZero()) {
            continue;
        }
        if (k == kMaxDegree) {
            throw DegreeError();
        }
        RatDiv(c, {k + 1, 1}, w[k + 1]);
    }
    Store(std::move(w), r);
}

void PolyPower(TPolynomial base, TPolynomial e, TPolynomial& r) {
    if (e.Num[0].Sign() <= 0) {
        PolyFromInt(1, r);
        return;
    }
    const TRatPoly w = Widen(base, TopIndex(base));
    const int degree = RatDegree(w);
    const bool small = e.Num[0] <= kMaxDegree;
    if (degree > 0 && (!small || e.Num[0].ToLong() > kMaxDegree / degree)) {
        throw DegreeError();
    }
    if (degree == 0) {
        const TRational& c = w[0];
        if (c.Den == 1 && Abs(c.Num) <= 1) {
            const bool flip = c.Num.Sign() < 0 && fmpz_is_even(e.Num[0].Raw());
            PolyFromInt(flip ? -c.Num : c.Num, r);
            return;
        }
        if (PowerTooLong(c.Num, e.Num[0]) || PowerTooLong(c.Den, e.Num[0])) {
            throw OverflowError();
        }
        const auto n = static_cast<unsigned long>(e.Num[0].ToLong());
        TRational power{Power(c.Num, n), Power(c.Den, n)};
        PolyClear(r);
        r.Num[0] = std::move(power.Num);
        r.Den[0] = std::move(power.Den);
        return;
    }
    TRatPoly acc = w;
    for (long i = 1; i < e.Num[0].ToLong(); ++i) {
        acc = Product(acc, w);
    }
    Store(std::move(acc), r);
}

void PolyCompose(TPolynomial f, TPolynomial g, TPolynomial& r) {
    const TRatPoly inner = Widen(g, TopIndex(g));
    // f(g) has degree deg f * deg g exactly; refuse it before forming the powers.
    if (RatDegree(Widen(f, TopIndex(f))) * RatDegree(inner) > kMaxDegree) {
        throw DegreeError();
    }
    TRatPoly acc{};
    // Horner's scheme: f(g) = (...(f_d g + f_(d-1)) g + ...) g + f_0.
    for (int i = TopIndex(f); i >= 0; --i) {
        acc = Product(acc, inner);
        RatAdd(acc[0], Coefficient(f, i), acc[0]);
    }
    Store(std::move(acc), r);
}

TRational PolyCoeff(const TPolynomial& p, int i) {
    if (i < 0 || i > kMaxDegree) {
        return {0, 1};
    }
    return {p.Num[i], p.Den[i]};
}

void PolySetCoeff(TPolynomial& p, int i, TRational c) {
    if (i < 0 || i > kMaxDegree) {
        if (!c.Num.IsZero()) {
            throw DegreeError();
        }
        return;
    }
    p.Num[i] = std::move(c.Num);
    p.Den[i] = std::move(c.Den);
}

} // namespace arith
