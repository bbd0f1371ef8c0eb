// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntPoly.h"

#include "Errors.h"

#include <cstdint>

namespace arith {

TIntPoly IntPolyConst(Wide c) {
    TIntPoly p;
    p.C[0] = c;
    return p;
}

TIntPoly IntPolyLinear(Wide c1, Wide c0) {
    TIntPoly p;
    p.Degree = 1;
    p.C[1] = c1;
    p.C[0] = c0;
    return p;
}

void IntPolyTrim(TIntPoly& p) {
    p.Degree = 0;
    for (int i = kMaxDegree; i > 0; --i) {
        if (p.C[i] != 0) {
            p.Degree = i;
            break;
        }
    }
}

bool IntPolyEqual(const TIntPoly& a, const TIntPoly& b) {
    if (a.Degree != b.Degree) {
        return false;
    }
    for (int i = 0; i <= a.Degree; ++i) {
        if (a.C[i] != b.C[i]) {
            return false;
        }
    }
    return true;
}

Wide IntPolyContent(const TIntPoly& p) {
    Wide g = 0;
    for (int i = 0; i <= p.Degree; ++i) {
        g = WideGcd(g, p.C[i]);
    }
    return g;
}

void IntPolyMakePrimitive(TIntPoly& p) {
    Wide g = IntPolyContent(p);
    if (g == 0) {
        return;
    }
    if (p.C[p.Degree] < 0) {
        g = -g;
    }
    for (int i = 0; i <= p.Degree; ++i) {
        p.C[i] /= g;
    }
}

TIntPoly IntPolyDerivative(const TIntPoly& p) {
    TIntPoly r;
    for (int i = 1; i <= p.Degree; ++i) {
        r.C[i - 1] = CheckedMul(p.C[i], i);
    }
    r.Degree = p.Degree > 0 ? p.Degree - 1 : 0;
    return r;
}

bool IntPolyDivExact(const TIntPoly& a, const TIntPoly& b, TIntPoly& q) {
    if (b.Degree > a.Degree || b.C[b.Degree] == 0) {
        return false;
    }
    TIntPoly r = a;
    TIntPoly quot;
    const Wide lead = b.C[b.Degree];
    for (int k = a.Degree - b.Degree; k >= 0; --k) {
        const Wide top = r.C[k + b.Degree];
        if (top % lead != 0) {
            return false;
        }
        const Wide t = top / lead;
        quot.C[k] = t;
        for (int j = 0; j <= b.Degree; ++j) {
            Wide prod;
            if (!WideMul(t, b.C[j], prod) || !WideAdd(r.C[k + j], -prod, r.C[k + j])) {
                return false;
            }
        }
    }
    for (int i = 0; i < b.Degree; ++i) {
        if (r.C[i] != 0) {
            return false;
        }
    }
    quot.Degree = a.Degree - b.Degree;
    q = quot;
    return true;
}

namespace {

// Primes just below 2^31; their products by residues stay inside 64 bits.
constexpr std::array<std::uint64_t, 12> kPrimes{2147483647, 2147483629, 2147483587, 2147483579,
                                                2147483563, 2147483549, 2147483543, 2147483497,
                                                2147483489, 2147483477, 2147483423, 2147483399};

struct TModPoly {
    int Degree = -1; // -1 for the zero polynomial
    std::array<std::uint64_t, kMaxDegree + 1> C{};
};

std::uint64_t ModReduce(Wide v, std::uint64_t p) {
    Wide r = v % static_cast<Wide>(p);
    if (r < 0) {
        r += p;
    }
    return static_cast<std::uint64_t>(r);
}

std::uint64_t ModPow(std::uint64_t b, std::uint64_t e, std::uint64_t p) {
    std::uint64_t r = 1;
    b %= p;
    while (e > 0) {
        if (e & 1) {
            r = r * b % p;
        }
        b = b * b % p;
        e >>= 1;
    }
    return r;
}

std::uint64_t ModInverse(std::uint64_t a, std::uint64_t p) {
    return ModPow(a, p - 2, p);
}

TModPoly ModFrom(const TIntPoly& a, std::uint64_t p) {
    TModPoly m;
    for (int i = 0; i <= a.Degree; ++i) {
        m.C[i] = ModReduce(a.C[i], p);
        if (m.C[i] != 0) {
            m.Degree = i;
        }
    }
    return m;
}

// a mod b in place; b non-zero.
void ModRemainder(TModPoly& a, const TModPoly& b, std::uint64_t p) {
    const std::uint64_t inv = ModInverse(b.C[b.Degree], p);
    while (a.Degree >= b.Degree) {
        const std::uint64_t t = a.C[a.Degree] * inv % p;
        const int shift = a.Degree - b.Degree;
        for (int j = 0; j <= b.Degree; ++j) {
            a.C[shift + j] = (a.C[shift + j] + p - t * b.C[j] % p) % p;
        }
        while (a.Degree >= 0 && a.C[a.Degree] == 0) {
            --a.Degree;
        }
    }
}

// Monic gcd modulo p by Euclid's algorithm.
TModPoly ModGcd(TModPoly a, TModPoly b, std::uint64_t p) {
    while (b.Degree >= 0) {
        ModRemainder(a, b, p);
        std::swap(a, b);
    }
    const std::uint64_t inv = ModInverse(a.C[a.Degree], p);
    for (int i = 0; i <= a.Degree; ++i) {
        a.C[i] = a.C[i] * inv % p;
    }
    return a;
}

} // namespace

// Euclid's algorithm modulo several primes, combined by the Chinese remainder
// theorem. The gcd scaled to the gcd h of the leading coefficients has
// integer coefficients below 2^75, so three or four primes determine it; a
// prime whose gcd has too high a degree is passed over, and the lifted
// candidate counts only once it divides both inputs exactly.
TIntPoly IntPolyGcd(const TIntPoly& a, const TIntPoly& b) {
    if (a.Degree == 0 || b.Degree == 0) {
        return IntPolyConst(1);
    }
    const Wide h = WideGcd(a.C[a.Degree], b.C[b.Degree]);
    int degree = kMaxDegree + 1;
    TIntPoly acc; // residues in [0, modulus)
    Wide modulus = 0;
    for (std::uint64_t p : kPrimes) {
        if (ModReduce(a.C[a.Degree], p) == 0 || ModReduce(b.C[b.Degree], p) == 0) {
            continue;
        }
        const TModPoly g = ModGcd(ModFrom(a, p), ModFrom(b, p), p);
        if (g.Degree == 0) {
            return IntPolyConst(1);
        }
        if (g.Degree > degree) {
            continue; // an unlucky prime
        }
        const std::uint64_t hp = ModReduce(h, p);
        if (g.Degree < degree) {
            degree = g.Degree;
            acc = TIntPoly{};
            acc.Degree = degree;
            for (int i = 0; i <= degree; ++i) {
                acc.C[i] = g.C[i] * hp % p;
            }
            modulus = p;
        } else {
            if (modulus > (Wide(1) << 94)) {
                throw OverflowError();
            }
            const std::uint64_t inv = ModInverse(ModReduce(modulus, p), p);
            for (int i = 0; i <= degree; ++i) {
                const std::uint64_t v = g.C[i] * hp % p;
                const std::uint64_t t = (v + p - ModReduce(acc.C[i], p)) % p * inv % p;
                acc.C[i] += modulus * static_cast<Wide>(t);
            }
            modulus *= p;
        }
        TIntPoly candidate = acc;
        for (int i = 0; i <= degree; ++i) {
            if (candidate.C[i] > modulus / 2) {
                candidate.C[i] -= modulus;
            }
        }
        IntPolyTrim(candidate);
        if (candidate.Degree != degree) {
            continue;
        }
        IntPolyMakePrimitive(candidate);
        TIntPoly q;
        if (IntPolyDivExact(a, candidate, q) && IntPolyDivExact(b, candidate, q)) {
            return candidate;
        }
    }
    throw OverflowError();
}

void IntPolyToPoly(const TIntPoly& p, TPolynomial& r) {
    TPolynomial out;
    for (int i = 0; i <= p.Degree; ++i) {
        out.Num[i] = CheckedInt(p.C[i]);
    }
    out.Degree = p.Degree;
    r = out;
}

TContentSplit PolyContentSplit(const TPolynomial& p) {
    TContentSplit s;
    Wide lcm = 1;
    for (int i = 0; i <= p.Degree; ++i) {
        if (p.Num[i] != 0) {
            const Wide den = WideAbs(p.Den[i]);
            lcm = CheckedMul(lcm / WideGcd(lcm, den), den);
        }
    }
    Wide g = 0;
    for (int i = 0; i <= p.Degree; ++i) {
        if (p.Num[i] != 0) {
            g = WideGcd(g, p.Num[i]);
        }
    }
    const bool negative = (p.Num[p.Degree] < 0) != (p.Den[p.Degree] < 0);
    s.P.Degree = p.Degree;
    for (int i = 0; i <= p.Degree; ++i) {
        if (p.Num[i] != 0) {
            // Num/Den * lcm / g: lcm is a multiple of Den, g divides Num.
            const Wide den = p.Den[i];
            s.P.C[i] = CheckedMul(p.Num[i] / g, lcm / den);
            if (negative) {
                s.P.C[i] = -s.P.C[i];
            }
        }
    }
    s.Num = negative ? -g : g;
    s.Den = lcm;
    return s;
}

} // namespace arith
