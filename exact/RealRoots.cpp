// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealRoots.h"

#include <flint/fmpq.h>
#include <flint/fmpz_poly.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace arith {

namespace {

// A FLINT integer polynomial and rational, owned.
class TIntPoly {
public:
    TIntPoly() { fmpz_poly_init(poly_); }
    TIntPoly(const TIntPoly& other) : TIntPoly() { fmpz_poly_set(poly_, other.poly_); }
    TIntPoly& operator=(const TIntPoly&) = delete;
    ~TIntPoly() { fmpz_poly_clear(poly_); }
    fmpz_poly_struct* Raw() { return poly_; }
    const fmpz_poly_struct* Raw() const { return poly_; }
    long Degree() const { return fmpz_poly_degree(poly_); }

private:
    fmpz_poly_t poly_;
};

class TQ {
public:
    TQ() { fmpq_init(q_); }
    TQ(const TQ& other) : TQ() { fmpq_set(q_, other.q_); }
    TQ& operator=(const TQ& other) {
        fmpq_set(q_, other.q_);
        return *this;
    }
    ~TQ() { fmpq_clear(q_); }
    fmpq* Raw() { return q_; }
    const fmpq* Raw() const { return q_; }

private:
    fmpq_t q_;
};

// a + (b - a) t.
TQ Between(const TQ& a, const TQ& b, const TQ& t) {
    TQ m;
    fmpq_sub(m.Raw(), b.Raw(), a.Raw());
    fmpq_mul(m.Raw(), m.Raw(), t.Raw());
    fmpq_add(m.Raw(), m.Raw(), a.Raw());
    return m;
}

TQ Fraction(long num, unsigned long den) {
    TQ q;
    fmpq_set_si(q.Raw(), num, den);
    return q;
}

int SignAt(const TIntPoly& p, const TQ& x) {
    TQ v;
    fmpz_poly_evaluate_fmpq(v.Raw(), p.Raw(), x.Raw());
    return fmpq_sgn(v.Raw());
}

// The primitive square-free part of p with integer coefficients: the same
// real roots, each simple.
TIntPoly SquareFreeInteger(const TPolynomial& p) {
    TInteger lcm = 1;
    for (int i = 0; i <= p.Degree(); ++i) {
        lcm = IntLcm(lcm, p.Den(i));
    }
    TIntPoly f;
    for (int i = 0; i <= p.Degree(); ++i) {
        const TInteger c = p.Num(i) * (lcm / p.Den(i));
        fmpz_poly_set_coeff_fmpz(f.Raw(), i, c.Raw());
    }
    TIntPoly d, g;
    fmpz_poly_derivative(d.Raw(), f.Raw());
    fmpz_poly_gcd(g.Raw(), f.Raw(), d.Raw());
    if (g.Degree() > 0) {
        fmpz_poly_div(f.Raw(), f.Raw(), g.Raw());
    }
    fmpz_poly_primitive_part(f.Raw(), f.Raw());
    return f;
}

// The Sturm sequence p, p', -rem(p, p'), ..., each kept primitive: a
// positive multiple of a member changes no sign.
std::vector<TIntPoly> SturmSequence(const TIntPoly& p) {
    std::vector<TIntPoly> chain{p};
    TIntPoly d;
    fmpz_poly_derivative(d.Raw(), p.Raw());
    chain.push_back(d);
    while (chain.back().Degree() > 0) {
        const TIntPoly& a = chain[chain.size() - 2];
        const TIntPoly& b = chain.back();
        TIntPoly r;
        ulong power = 0; // lead(b)^power a = q b + r
        fmpz_poly_pseudo_rem(r.Raw(), &power, a.Raw(), b.Raw());
        if (r.Degree() < 0) {
            break;
        }
        const bool flipped = fmpz_sgn(fmpz_poly_lead(b.Raw())) < 0 && power % 2 == 1;
        if (!flipped) {
            fmpz_poly_neg(r.Raw(), r.Raw());
        }
        TInteger content; // positive, so that dividing by it changes no sign
        fmpz_poly_content(content.Raw(), r.Raw());
        fmpz_poly_scalar_divexact_fmpz(r.Raw(), r.Raw(), content.Raw());
        chain.push_back(r);
    }
    return chain;
}

int SignChanges(const std::vector<TIntPoly>& chain, const TQ& x) {
    int changes = 0;
    int last = 0;
    for (const TIntPoly& s : chain) {
        const int sign = SignAt(s, x);
        if (sign != 0) {
            changes += last != 0 && sign != last ? 1 : 0;
            last = sign;
        }
    }
    return changes;
}

// An interval (Low, High) holding exactly one root, its ends no roots.
struct TIsolated {
    TQ Low;
    TQ High;
};

// A point inside (a, b) that is no root of p.
TQ SplitPoint(const TIntPoly& p, const TQ& a, const TQ& b) {
    for (unsigned long den = 2;; ++den) {
        const TQ m = Between(a, b, Fraction(static_cast<long>(den / 2), den));
        if (SignAt(p, m) != 0) {
            return m;
        }
    }
}

std::vector<TIsolated> Isolate(const TIntPoly& p) {
    // Every root lies within 1 + max|c_i| / |c_d| of 0.
    TInteger top = 0;
    for (long i = 0; i < p.Degree(); ++i) {
        TInteger c;
        fmpz_poly_get_coeff_fmpz(c.Raw(), p.Raw(), i);
        top = std::max(top, Abs(c));
    }
    TInteger lead;
    fmpz_set(lead.Raw(), fmpz_poly_lead(p.Raw()));
    const TInteger bound = top / Abs(lead) + 2;
    TQ low, high;
    fmpq_set_fmpz_frac(high.Raw(), bound.Raw(), TInteger(1).Raw());
    fmpq_neg(low.Raw(), high.Raw());

    const std::vector<TIntPoly> chain = SturmSequence(p);
    struct TPending {
        TQ Low, High;
        int LowChanges, HighChanges;
    };
    std::vector<TPending> pending{{low, high, SignChanges(chain, low), SignChanges(chain, high)}};
    std::vector<TIsolated> roots;
    while (!pending.empty()) {
        TPending part = std::move(pending.back());
        pending.pop_back();
        const int count = part.LowChanges - part.HighChanges;
        if (count == 1) {
            roots.push_back({part.Low, part.High});
        } else if (count > 1) {
            const TQ m = SplitPoint(p, part.Low, part.High);
            const int changes = SignChanges(chain, m);
            pending.push_back({part.Low, m, part.LowChanges, changes});
            pending.push_back({m, part.High, changes, part.HighChanges});
        }
    }
    std::sort(roots.begin(), roots.end(), [](const TIsolated& a, const TIsolated& b) {
        return fmpq_cmp(a.Low.Raw(), b.Low.Raw()) < 0;
    });
    return roots;
}

// x 10^k rounded to the nearest integer (half up).
TInteger Rounded(const TQ& x, long k) {
    const TInteger scale = Power(10, static_cast<unsigned long>(k));
    TInteger num, den;
    fmpz_set(num.Raw(), fmpq_numref(x.Raw()));
    fmpz_set(den.Raw(), fmpq_denref(x.Raw()));
    TInteger q;
    const TInteger top = 2 * num * scale + den;
    const TInteger bottom = 2 * den;
    fmpz_fdiv_q(q.Raw(), top.Raw(), bottom.Raw());
    return q;
}

// Halves the interval around its root until both ends round alike to k
// decimals; returns that rounding. The bisection is bounded so that a
// rational root on a rounding boundary (only possible for a reducible p)
// cannot keep it going.
TInteger RoundRoot(const TIntPoly& p, TIsolated& root, long k) {
    const int lowSign = SignAt(p, root.Low);
    const TQ half = Fraction(1, 2);
    for (int step = 0; step < 20000; ++step) {
        TInteger low = Rounded(root.Low, k);
        if (low == Rounded(root.High, k)) {
            return low;
        }
        const TQ m = Between(root.Low, root.High, half);
        const int sign = SignAt(p, m);
        if (sign == 0) {
            root.Low = m;
            root.High = m;
        } else if (sign == lowSign) {
            root.Low = m;
        } else {
            root.High = m;
        }
    }
    return Rounded(root.Low, k);
}

// n 10^-k in decimal: "-0.0350" for n = -350, k = 4.
std::string DecimalText(const TInteger& n, long k) {
    std::string digits = Abs(n).Text();
    if (static_cast<long>(digits.size()) <= k) {
        digits.insert(0, static_cast<std::size_t>(k + 1) - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(k), 1, '.');
    if (n.Sign() < 0) {
        digits.insert(digits.begin(), '-');
    }
    return digits;
}

constexpr long kMinDecimals = 4;
constexpr long kMinSignificant = 4;
// Far more decimals than any two roots of a polynomial within the limits
// need to tell them apart, and a stop for those that do not differ at all.
constexpr long kMaxDecimals = 4000;

} // namespace

std::vector<std::string> ApproximateRealRoots(const TPolynomial& p) {
    const TIntPoly f = SquareFreeInteger(p);
    if (f.Degree() < 1) {
        return {};
    }
    std::vector<TIsolated> roots = Isolate(f);
    std::vector<long> decimals(roots.size(), kMinDecimals);
    std::vector<std::string> texts(roots.size());
    const TInteger significant = Power(10, kMinSignificant - 1);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        TInteger n = RoundRoot(f, roots[i], decimals[i]);
        while (Abs(n) < significant && decimals[i] < kMaxDecimals) {
            n = RoundRoot(f, roots[i], ++decimals[i]);
        }
        texts[i] = DecimalText(n, decimals[i]);
    }
    // Roots so close that their texts agree get more decimals, both of them.
    for (bool same = true; same;) {
        same = false;
        for (std::size_t i = 0; i + 1 < roots.size(); ++i) {
            if (texts[i] != texts[i + 1] || decimals[i] >= kMaxDecimals) {
                continue;
            }
            same = true;
            for (std::size_t j : {i, i + 1}) {
                ++decimals[j];
                texts[j] = DecimalText(RoundRoot(f, roots[j], decimals[j]), decimals[j]);
            }
        }
    }
    return texts;
}

} // namespace arith
