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
    return std::clamp<int>(p.Degree(), 0, kMaxDegree);
}

TRational Coefficient(const TPolynomial& p, int i) {
    const TRational c = Reduced({p.Num(i), p.Den(i)});
    if (c.Den().IsZero()) {
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
        if (!w[i].Num().IsZero()) {
            return i;
        }
    }
    return 0;
}

bool RatIsZero(const TRatPoly& w) {
    return RatDegree(w) == 0 && w[0].Num().IsZero();
}

TRatPoly Product(const TRatPoly& a, const TRatPoly& b) {
    TRatPoly r{};
    for (int i = 0; i <= kMaxDegree; ++i) {
        if (a[i].Num().IsZero()) {
            continue;
        }
        for (int j = 0; j <= kMaxDegree; ++j) {
            if (b[j].Num().IsZero()) {
                continue;
            }
            if (i + j > kMaxDegree) {
                throw DegreeError();
            }
            r[i + j] = r[i + j] + a[i] * b[j];
        }
    }
    return r;
}

TPolynomial Stored(TRatPoly w) {
    TPolynomial r;
    r.SetDegree(RatDegree(w));
    for (int i = 0; i <= kMaxDegree; ++i) {
        r.SetCoeff(i, std::move(w[i]));
    }
    return r;
}

} // namespace

TPolynomial Normalized(TPolynomial p) {
    int degree = 0;
    for (int i = kMaxDegree; i > 0; --i) {
        if (!p.Num(i).IsZero()) {
            degree = i;
            break;
        }
    }
    p.SetDegree(degree);
    for (int i = degree; i >= 0; --i) {
        p.SetCoeff(i, Reduced(TRational::AsTyped(p.Num(i), p.Den(i))));
    }
    return p;
}

std::optional<TInteger> PolyToInt(const TPolynomial& p) {
    if (p.Degree() != 0 || p.Den(0) != 1) {
        return std::nullopt;
    }
    return p.Num(0);
}

bool PolyIsZero(const TPolynomial& p) {
    return p.Degree() == 0 && p.Num(0).IsZero();
}

bool PolyIsOne(const TPolynomial& p) {
    return p.Degree() == 0 && p.Num(0) == 1;
}

bool PolyIsX(const TPolynomial& x) {
    const TPolynomial p = Normalized(x);
    return p.Degree() == 1 && p.Num(1) == 1 && p.Num(0).IsZero() && p.Den(0) == 1;
}

bool operator==(const TPolynomial& x, const TPolynomial& y) {
    const TPolynomial a = Normalized(x);
    const TPolynomial b = Normalized(y);
    if (a.Degree() != b.Degree()) {
        return false;
    }
    for (int i = 0; i <= a.Degree(); ++i) {
        if (a.Num(i) != b.Num(i) || a.Den(i) != b.Den(i)) {
            return false;
        }
    }
    return true;
}

TRational TPolynomial::operator()(const TRational& x) const {
    TRational value;
    for (int i = TopIndex(*this); i >= 0; --i) {
        value = value * x + PolyCoeff(*this, i);
    }
    return value;
}

TPolynomial operator+(const TPolynomial& a, const TPolynomial& b) {
    const int top = std::max(TopIndex(a), TopIndex(b));
    TRatPoly x = Widen(a, top);
    const TRatPoly y = Widen(b, top);
    for (int i = 0; i <= top; ++i) {
        x[i] = x[i] + y[i];
    }
    return Stored(std::move(x));
}

TPolynomial operator-(const TPolynomial& a, const TPolynomial& b) {
    const int top = std::max(TopIndex(a), TopIndex(b));
    TRatPoly x = Widen(a, top);
    const TRatPoly y = Widen(b, top);
    for (int i = 0; i <= top; ++i) {
        x[i] = x[i] - y[i];
    }
    return Stored(std::move(x));
}

TPolynomial operator*(const TPolynomial& a, const TPolynomial& b) {
    return Stored(Product(Widen(a, TopIndex(a)), Widen(b, TopIndex(b))));
}

TPolynomial operator-(const TPolynomial& p) {
    return TPolynomial{} - p;
}

TPolynomial Monomial(const TRational& c, int i) {
    TPolynomial p;
    PolySetCoeff(p, i, c);
    return Normalized(std::move(p));
}

TPolynomial ConstantPolynomial(const TRational& c) {
    return Monomial(c, 0);
}

TPolyDivision DivMod(const TPolynomial& dividend, const TPolynomial& divisor) {
    const TPolynomial a = Normalized(dividend);
    const TPolynomial b = Normalized(divisor);
    if (PolyIsZero(b)) {
        throw ZeroDivideError();
    }
    const int m = b.Degree();
    const TRatPoly lead = Widen(b, m);
    TRatPoly rest = Widen(a, a.Degree());
    TRatPoly quotient{};
    // Each pass cancels the leading term exactly, so the degree of the rest falls every time.
    while (!RatIsZero(rest) && RatDegree(rest) >= m) {
        const int top = RatDegree(rest);
        const int k = top - m;
        quotient[k] = rest[top] / lead[m];
        for (int j = 0; j < m; ++j) {
            rest[j + k] = rest[j + k] - quotient[k] * lead[j];
        }
        rest[top] = TRational{};
    }
    return {Stored(std::move(quotient)), Stored(std::move(rest))};
}

TPolynomial Derivative(const TPolynomial& p) {
    TRatPoly w{};
    for (int k = kMaxDegree; k >= 1; --k) {
        w[k - 1] = TRational{k, 1} * Coefficient(p, k);
    }
    return Stored(std::move(w));
}

TPolynomial Integral(const TPolynomial& p) {
    TRatPoly w{};
    for (int k = TopIndex(p); k >= 0; --k) {
        const TRational c = Coefficient(p, k);
        if (c.Num().IsZero()) {
            continue;
        }
        if (k == kMaxDegree) {
            throw DegreeError();
        }
        w[k + 1] = c / TRational{k + 1, 1};
    }
    return Stored(std::move(w));
}

TPolynomial Power(const TPolynomial& base, const TPolynomial& e) {
    const TInteger& n = e.Num(0);
    if (n.Sign() <= 0) {
        return ConstantPolynomial({1, 1});
    }
    const TRatPoly w = Widen(base, TopIndex(base));
    const int degree = RatDegree(w);
    const bool small = n <= kMaxDegree;
    if (degree > 0 && (!small || n.ToLong() > kMaxDegree / degree)) {
        throw DegreeError();
    }
    if (degree == 0) {
        const TRational& c = w[0];
        if (c.Den() == 1 && Abs(c.Num()) <= 1) {
            const bool flip = c.Num().Sign() < 0 && !n.IsOdd();
            return ConstantPolynomial({flip ? -c.Num() : c.Num(), 1});
        }
        if (PowerTooLong(c.Num(), n) || PowerTooLong(c.Den(), n)) {
            throw OverflowError();
        }
        const auto k = static_cast<unsigned long>(n.ToLong());
        TPolynomial r;
        r.SetCoeff(0, TRational::AsTyped(Power(c.Num(), k), Power(c.Den(), k)));
        return r;
    }
    TRatPoly acc = w;
    for (long i = 1; i < n.ToLong(); ++i) {
        acc = Product(acc, w);
    }
    return Stored(std::move(acc));
}

TPolynomial Compose(const TPolynomial& f, const TPolynomial& g) {
    const TRatPoly inner = Widen(g, TopIndex(g));
    // f(g) has degree deg f * deg g exactly; refuse it before forming the powers.
    if (RatDegree(Widen(f, TopIndex(f))) * RatDegree(inner) > kMaxDegree) {
        throw DegreeError();
    }
    TRatPoly acc{};
    // Horner's scheme: f(g) = (...(f_d g + f_(d-1)) g + ...) g + f_0.
    for (int i = TopIndex(f); i >= 0; --i) {
        acc = Product(acc, inner);
        acc[0] = acc[0] + Coefficient(f, i);
    }
    return Stored(std::move(acc));
}

TRational PolyCoeff(const TPolynomial& p, int i) {
    if (i < 0 || i > kMaxDegree) {
        return {0, 1};
    }
    return TRational::AsTyped(p.Num(i), p.Den(i));
}

void PolySetCoeff(TPolynomial& p, int i, TRational c) {
    p.SetCoeff(i, std::move(c));
}

void TPolynomial::SetCoeff(int i, TRational c) {
    if (i < 0 || i > kMaxDegree) {
        if (!c.Num().IsZero()) {
            throw DegreeError();
        }
        return;
    }
    num_[i] = c.Num();
    den_[i] = c.Den();
}

void TPolynomial::SetDegree(int degree) {
    degree_ = std::clamp(degree, 0, kMaxDegree);
}

} // namespace arith
