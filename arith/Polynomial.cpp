// SPDX-License-Identifier: GPL-3.0-or-later
#include "Polynomial.h"

#include "Errors.h"
#include "ExactInternal.h"

#include <algorithm>

namespace arith {

namespace {

// A polynomial with exact 128-bit coefficients: every operation works in this
// form and narrows to 32 bits once, at the end, so that only the result has to fit.
using TWidePoly = std::array<TWideRational, kMaxDegree + 1>;

// The Degree field as an index that is safe to use, whatever the record holds.
int TopIndex(const TPolynomial& p) {
    return std::clamp<int>(p.Degree, 0, kMaxDegree);
}

TWidePoly Widen(const TPolynomial& p, int top) {
    TWidePoly w{};
    for (int i = 0; i <= top; ++i) {
        w[i] = WideFromRat({p.Num[i], p.Den[i]});
    }
    return w;
}

int WideDegree(const TWidePoly& w) {
    for (int i = kMaxDegree; i > 0; --i) {
        if (w[i].Num != 0) {
            return i;
        }
    }
    return 0;
}

bool WideIsZero(const TWidePoly& w) {
    return WideDegree(w) == 0 && w[0].Num == 0;
}

TWidePoly WideMul(const TWidePoly& a, const TWidePoly& b) {
    TWidePoly r{};
    for (int i = 0; i <= kMaxDegree; ++i) {
        if (a[i].Num == 0) {
            continue;
        }
        for (int j = 0; j <= kMaxDegree; ++j) {
            if (b[j].Num == 0) {
                continue;
            }
            if (i + j > kMaxDegree) {
                throw DegreeError();
            }
            r[i + j] = WideSum(r[i + j], WideProduct(a[i], b[j]));
        }
    }
    return r;
}

void Narrow(const TWidePoly& w, TPolynomial& r) {
    TPolynomial t;
    for (int i = 0; i <= kMaxDegree; ++i) {
        TRational c = WideToRat(w[i]);
        t.Num[i] = c.Num;
        t.Den[i] = c.Den;
    }
    t.Degree = WideDegree(w);
    r = t;
}

} // namespace

void PolyClear(TPolynomial& p) {
    p = TPolynomial{};
}

void PolyNormalize(TPolynomial& p) {
    p.Degree = 0;
    for (int i = kMaxDegree; i > 0; --i) {
        if (p.Num[i] != 0) {
            p.Degree = i;
            break;
        }
    }
    for (int i = p.Degree; i >= 0; --i) {
        TRational c{p.Num[i], p.Den[i]};
        RatReduce(c);
        p.Num[i] = c.Num;
        p.Den[i] = c.Den;
    }
}

void PolyFromInt(std::int32_t n, TPolynomial& p) {
    PolyClear(p);
    p.Num[0] = n;
}

std::optional<std::int32_t> PolyToInt(const TPolynomial& p) {
    if (p.Degree != 0 || p.Den[0] != 1) {
        return std::nullopt;
    }
    return p.Num[0];
}

bool PolyIsZero(const TPolynomial& p) {
    return p.Degree == 0 && p.Num[0] == 0;
}

bool PolyIsOne(const TPolynomial& p) {
    return p.Degree == 0 && p.Num[0] == 1;
}

bool PolyIsX(TPolynomial p) {
    PolyNormalize(p);
    return p.Degree == 1 && p.Num[1] == 1 && p.Num[0] == 0 && p.Den[0] == 1;
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
    TWidePoly x = Widen(a, top);
    TWidePoly y = Widen(b, top);
    for (int i = 0; i <= top; ++i) {
        x[i] = WideSum(x[i], y[i]);
    }
    Narrow(x, r);
}

void PolySub(TPolynomial a, TPolynomial b, TPolynomial& r) {
    int top = std::max(TopIndex(a), TopIndex(b));
    TWidePoly x = Widen(a, top);
    TWidePoly y = Widen(b, top);
    for (int i = 0; i <= top; ++i) {
        x[i] = WideDifference(x[i], y[i]);
    }
    Narrow(x, r);
}

void PolyMul(TPolynomial a, TPolynomial b, TPolynomial& r) {
    Narrow(WideMul(Widen(a, TopIndex(a)), Widen(b, TopIndex(b))), r);
}

void PolyDivMod(TPolynomial a, TPolynomial b, TPolynomial& q, TPolynomial& r) {
    PolyNormalize(a);
    PolyNormalize(b);
    if (PolyIsZero(b)) {
        throw ZeroDivideError();
    }
    const int m = b.Degree;
    const TWidePoly divisor = Widen(b, m);
    TWidePoly rest = Widen(a, a.Degree);
    TWidePoly quotient{};
    // Each pass cancels the leading term exactly, so the degree of the rest falls every time.
    while (!WideIsZero(rest) && WideDegree(rest) >= m) {
        int top = WideDegree(rest);
        int k = top - m;
        TWideRational t = WideQuotient(rest[top], divisor[m]);
        quotient[k] = t;
        for (int j = 0; j < m; ++j) {
            rest[j + k] = WideDifference(rest[j + k], WideProduct(t, divisor[j]));
        }
        rest[top] = {0, 1};
    }
    Narrow(quotient, q);
    Narrow(rest, r);
}

void PolyDerivative(TPolynomial a, TPolynomial& r) {
    TWidePoly w{};
    for (int k = kMaxDegree; k >= 1; --k) {
        w[k - 1] = WideProduct(WideFromInt(k), WideFromRat({a.Num[k], a.Den[k]}));
    }
    Narrow(w, r);
}

void PolyIntegral(TPolynomial a, TPolynomial& r) {
    TWidePoly w{};
    for (int k = TopIndex(a); k >= 0; --k) {
        TWideRational c = WideFromRat({a.Num[k], a.Den[k]});
        if (c.Num == 0) {
            continue;
        }
        if (k == kMaxDegree) {
            throw DegreeError();
        }
        w[k + 1] = WideQuotient(c, WideFromInt(k + 1));
    }
    Narrow(w, r);
}

void PolyPower(TPolynomial base, TPolynomial e, TPolynomial& r) {
    const std::int32_t n = e.Num[0];
    if (n <= 0) {
        PolyFromInt(1, r);
        return;
    }
    const TWidePoly w = Widen(base, TopIndex(base));
    const int degree = WideDegree(w);
    if (degree > 0 && n > kMaxDegree / degree) {
        throw DegreeError();
    }
    if (degree == 0) {
        // A constant c = p/q in lowest terms: c^n is p^n/q^n, already in lowest
        // terms, so once |p| or q is 2 or more it leaves 32 bits before n reaches 32.
        const TWideRational c = w[0];
        bool unit = (c.Num >= -1 && c.Num <= 1) && c.Den == 1;
        if (!unit && n >= 32) {
            throw OverflowError();
        }
        if (unit) {
            PolyFromInt(c.Num < 0 && n % 2 == 0 ? 1 : static_cast<std::int32_t>(c.Num), r);
            return;
        }
    }
    TWidePoly acc = w;
    for (std::int32_t i = 1; i < n; ++i) {
        acc = WideMul(acc, w);
    }
    Narrow(acc, r);
}

void PolyCompose(TPolynomial f, TPolynomial g, TPolynomial& r) {
    const TWidePoly inner = Widen(g, TopIndex(g));
    // f(g) has degree deg f * deg g exactly; refuse it before a product of
    // the growing powers could overflow first.
    if (WideDegree(Widen(f, TopIndex(f))) * WideDegree(inner) > kMaxDegree) {
        throw DegreeError();
    }
    TWidePoly acc{};
    // Horner's scheme: f(g) = (...(f_d g + f_(d-1)) g + ...) g + f_0.
    for (int i = TopIndex(f); i >= 0; --i) {
        acc = WideMul(acc, inner);
        acc[0] = WideSum(acc[0], WideFromRat({f.Num[i], f.Den[i]}));
    }
    Narrow(acc, r);
}

TRational PolyCoeff(const TPolynomial& p, int i) {
    if (i < 0 || i > kMaxDegree) {
        return {0, 1};
    }
    return {p.Num[i], p.Den[i]};
}

void PolySetCoeff(TPolynomial& p, int i, TRational c) {
    if (i < 0 || i > kMaxDegree) {
        if (c.Num != 0) {
            throw DegreeError();
        }
        return;
    }
    p.Num[i] = c.Num;
    p.Den[i] = c.Den;
}

} // namespace arith
