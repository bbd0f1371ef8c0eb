// SPDX-License-Identifier: GPL-3.0-or-later
// The factor list of a polynomial and the gcd of two. FLINT finds the
// irreducible factors; this file puts them in the order the answers use.
#include "PolyFactor.h"

#include "Errors.h"

#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace arith {

namespace {

// An integer polynomial of FLINT's, owned.
class TIntPoly {
public:
    TIntPoly() { fmpz_poly_init(poly_); }
    explicit TIntPoly(const fmpz_poly_struct* p) {
        fmpz_poly_init(poly_);
        fmpz_poly_set(poly_, p);
    }
    TIntPoly(const TIntPoly& other) : TIntPoly(other.poly_) {}
    TIntPoly& operator=(const TIntPoly& other) {
        fmpz_poly_set(poly_, other.poly_);
        return *this;
    }
    ~TIntPoly() { fmpz_poly_clear(poly_); }

    fmpz_poly_struct* Raw() { return poly_; }
    const fmpz_poly_struct* Raw() const { return poly_; }
    int Degree() const { return static_cast<int>(fmpz_poly_degree(poly_)); }
    TInteger Coeff(int i) const {
        TInteger c;
        fmpz_poly_get_coeff_fmpz(c.Raw(), poly_, i);
        return c;
    }
    void SetCoeff(int i, const TInteger& c) { fmpz_poly_set_coeff_fmpz(poly_, i, c.Raw()); }
    friend bool operator==(const TIntPoly& a, const TIntPoly& b) {
        return fmpz_poly_equal(a.poly_, b.poly_);
    }

private:
    fmpz_poly_t poly_;
};

// p = Content * P with P integer, primitive, with a positive leading coefficient.
struct TContentSplit {
    TRational Content;
    TIntPoly P;
};

// For a normalised p other than zero: the content is gcd(numerators) /
// lcm(denominators), already in lowest terms since each coefficient is.
TContentSplit ContentSplit(const TPolynomial& p) {
    TInteger lcm = 1;
    TInteger g = 0;
    for (int i = 0; i <= p.Degree(); ++i) {
        if (!p.Num(i).IsZero()) {
            lcm = lcm / Gcd(lcm, p.Den(i)) * p.Den(i);
            g = Gcd(g, p.Num(i));
        }
    }
    if (p.Num(p.Degree()).Sign() < 0) {
        g = -g;
    }
    TContentSplit s{{g, lcm}, {}};
    for (int i = 0; i <= p.Degree(); ++i) {
        if (!p.Num(i).IsZero()) {
            s.P.SetCoeff(i, DivExact(p.Num(i), g) * DivExact(lcm, p.Den(i)));
        }
    }
    return s;
}

struct TFactor {
    TIntPoly P;
    int Multiplicity = 1;
};

// The irreducible factors of a primitive polynomial with a positive leading
// coefficient, each with a positive leading coefficient.
std::vector<TFactor> IrreducibleFactors(const TIntPoly& p) {
    fmpz_poly_factor_t found;
    fmpz_poly_factor_init(found);
    fmpz_poly_factor(found, p.Raw());
    std::vector<TFactor> factors;
    for (slong i = 0; i < found->num; ++i) {
        TFactor f{TIntPoly(found->p + i), static_cast<int>(found->exp[i])};
        if (f.P.Coeff(f.P.Degree()).Sign() < 0) {
            fmpz_poly_neg(f.P.Raw(), f.P.Raw());
        }
        factors.push_back(std::move(f));
    }
    fmpz_poly_factor_clear(found);
    return factors;
}

// Divisor-list order: by size, the positive one first.
bool DivisorBefore(const TInteger& a, const TInteger& b) {
    const int bySize = fmpz_cmpabs(a.Raw(), b.Raw());
    return bySize != 0 ? bySize < 0 : a > b;
}

// Linear factors by increasing root, the others by increasing degree and then
// by their coefficients from the leading one down, so that x^2 - x + 1 comes
// before x^2 + x + 1.
bool FactorBefore(const TIntPoly& a, const TIntPoly& b) {
    if (a.Degree() != b.Degree()) {
        return a.Degree() < b.Degree();
    }
    if (a.Degree() == 1) {
        // -a0/a1 < -b0/b1 with a1, b1 > 0
        return a.Coeff(0) * b.Coeff(1) > b.Coeff(0) * a.Coeff(1);
    }
    for (int i = a.Degree(); i >= 0; --i) {
        const TInteger x = a.Coeff(i);
        const TInteger y = b.Coeff(i);
        if (x != y) {
            return x < y;
        }
    }
    return false;
}

// Every factor as often as it divides, by FactorBefore.
std::vector<TIntPoly> Sorted(const std::vector<TFactor>& factors) {
    std::vector<TIntPoly> list;
    for (const TFactor& f : factors) {
        list.insert(list.end(), f.Multiplicity, f.P);
    }
    std::stable_sort(list.begin(), list.end(), FactorBefore);
    return list;
}

// The two linear factors of a quadratic as a student splits it: the one with
// the smaller leading coefficient first, of equal ones the one whose constant
// comes first in divisor order.
std::pair<TIntPoly, TIntPoly> QuadraticPair(const std::vector<TFactor>& factors) {
    std::vector<TIntPoly> both = Sorted(factors);
    const bool swap =
        both[1].Coeff(1) < both[0].Coeff(1) ||
        (both[1].Coeff(1) == both[0].Coeff(1) && DivisorBefore(both[1].Coeff(0), both[0].Coeff(0)));
    return swap ? std::pair{both[1], both[0]} : std::pair{both[0], both[1]};
}

int TotalDegree(const std::vector<TFactor>& factors) {
    int degree = 0;
    for (const TFactor& f : factors) {
        degree += f.P.Degree() * f.Multiplicity;
    }
    return degree;
}

bool AllLinear(const std::vector<TFactor>& factors) {
    return std::all_of(factors.begin(), factors.end(),
                       [](const TFactor& f) { return f.P.Degree() == 1; });
}

// f(x^2) for f(y), and back.
TIntPoly InSquare(const TIntPoly& f) {
    TIntPoly r;
    for (int i = 0; i <= f.Degree(); ++i) {
        r.SetCoeff(2 * i, f.Coeff(i));
    }
    return r;
}

// What is left once x and the integer roots are taken out.
void AppendRest(const std::vector<TFactor>& rest, std::vector<TIntPoly>& list) {
    const int degree = TotalDegree(rest);
    if (degree == 2 && AllLinear(rest)) {
        auto [t, s] = QuadraticPair(rest);
        list.push_back(std::move(t));
        list.push_back(std::move(s));
        return;
    }
    if (degree == 4) {
        TIntPoly product;
        fmpz_poly_one(product.Raw());
        for (const TFactor& f : rest) {
            for (int k = 0; k < f.Multiplicity; ++k) {
                fmpz_poly_mul(product.Raw(), product.Raw(), f.P.Raw());
            }
        }
        if (product.Coeff(3).IsZero() && product.Coeff(1).IsZero()) {
            TIntPoly y; // the quartic as a quadratic in y = x^2
            for (int i = 0; i <= 2; ++i) {
                y.SetCoeff(i, product.Coeff(2 * i));
            }
            const std::vector<TFactor> inY = IrreducibleFactors(y);
            if (AllLinear(inY)) {
                const auto [t, s] = QuadraticPair(inY);
                for (const TIntPoly* part : {&t, &s}) {
                    const std::vector<TIntPoly> pieces =
                        Sorted(IrreducibleFactors(InSquare(*part)));
                    list.insert(list.end(), pieces.begin(), pieces.end());
                }
                return;
            }
        }
    }
    const std::vector<TIntPoly> pieces = Sorted(rest);
    list.insert(list.end(), pieces.begin(), pieces.end());
}

// Moves each factor next to the first factor equal to it, keeping order otherwise.
void GatherEqual(std::vector<TIntPoly>& list) {
    for (std::size_t i = 0; i < list.size();) {
        std::size_t end = i + 1;
        while (end < list.size() && list[end] == list[i]) {
            ++end;
        }
        for (std::size_t j = end; j < list.size(); ++j) {
            if (list[j] == list[i]) {
                std::rotate(list.begin() + static_cast<std::ptrdiff_t>(end),
                            list.begin() + static_cast<std::ptrdiff_t>(j),
                            list.begin() + static_cast<std::ptrdiff_t>(j + 1));
                ++end;
            }
        }
        i = end;
    }
}

void ToPoly(const TIntPoly& p, TPolynomial& r) {
    r = TPolynomial{};
    r.SetDegree(std::max(p.Degree(), 0));
    for (int i = 0; i <= r.Degree(); ++i) {
        r.SetCoeff(i, p.Coeff(i));
    }
}

} // namespace

TFactorList PolyFactor(TPolynomial p) {
    p = Normalized(p);
    if (PolyIsZero(p)) {
        throw ZeroDivideError();
    }
    TFactorList f{};
    int next = 0;
    const TContentSplit split = ContentSplit(p);
    if (split.Content.Num() != 1 || split.Content.Den() != 1) {
        f[next++].SetCoeff(0, split.Content);
    }
    if (p.Degree() == 0) {
        if (next == 0) {
            f[next] = ConstantPolynomial({1, 1});
        }
        return f;
    }

    std::vector<TIntPoly> list;
    std::vector<TFactor> integerRoots;
    std::vector<TFactor> rest;
    for (TFactor& factor : IrreducibleFactors(split.P)) {
        const bool monicLinear = factor.P.Degree() == 1 && factor.P.Coeff(1) == 1;
        if (monicLinear && factor.P.Coeff(0).IsZero()) {
            list.insert(list.end(), factor.Multiplicity, factor.P);
        } else if (monicLinear) {
            integerRoots.push_back(std::move(factor));
        } else {
            rest.push_back(std::move(factor));
        }
    }
    // x - d by d in divisor order, that is x + c by -c.
    std::sort(integerRoots.begin(), integerRoots.end(), [](const TFactor& a, const TFactor& b) {
        return DivisorBefore(-a.P.Coeff(0), -b.P.Coeff(0));
    });
    for (const TFactor& factor : integerRoots) {
        list.insert(list.end(), factor.Multiplicity, factor.P);
    }
    AppendRest(rest, list);
    GatherEqual(list);
    for (const TIntPoly& factor : list) {
        ToPoly(factor, f[next++]);
    }
    return f;
}

TPolynomial PolyGcd(const TPolynomial& x, const TPolynomial& y) {
    const TPolynomial a = Normalized(x);
    const TPolynomial b = Normalized(y);
    if (PolyIsZero(a) || PolyIsZero(b)) {
        throw ZeroDivideError();
    }
    const TContentSplit sa = ContentSplit(a);
    const TContentSplit sb = ContentSplit(b);
    TIntPoly common;
    fmpz_poly_gcd(common.Raw(), sa.P.Raw(), sb.P.Raw());
    if (sa.Content.Den() == 1 && sb.Content.Den() == 1) {
        const TInteger scale = Gcd(sa.Content.Num(), sb.Content.Num());
        fmpz_poly_scalar_mul_fmpz(common.Raw(), common.Raw(), scale.Raw());
    }
    TPolynomial g;
    ToPoly(common, g);
    return g;
}

// (a div g)(b div g) g, formed as a (b div g) since g divides a exactly.
TPolynomial PolyLcm(const TPolynomial& a, const TPolynomial& b) {
    return a * DivMod(b, PolyGcd(a, b)).Quotient;
}

} // namespace arith
