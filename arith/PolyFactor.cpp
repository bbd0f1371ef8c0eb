// SPDX-License-Identifier: GPL-3.0-or-later
// The factor list of a polynomial: content, factors x, integer roots in
// divisor order, one split of a quadratic (or of a quartic in x^2), and
// finally a complete split of whatever is left into factors irreducible over
// the rationals. Also the gcd and lcm of two polynomials.
#include "PolyFactor.h"

#include "Errors.h"
#include "IntPoly.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace arith {

namespace {

std::uint64_t Magnitude32(std::int32_t n) {
    if (n == INT32_MIN) {
        throw OverflowError(); // its divisor 2^31 has no 32-bit form
    }
    return static_cast<std::uint64_t>(n < 0 ? -static_cast<std::int64_t>(n) : n);
}

// Divisor-list order: by size, the positive one first.
bool DivisorBefore(Wide a, Wide b) {
    const Wide ma = WideAbs(a);
    const Wide mb = WideAbs(b);
    return ma != mb ? ma < mb : a > b;
}

// The first pair (p, r) in divisor-list order with a = p q2, c = r s0 and
// r q2 + p s0 = b, so that a x^2 + b x + c = (p x + r)(q2 x + s0). For each
// p, r is a root of q2 r^2 - b r + p c, whose discriminant b^2 - 4ac does not
// depend on p, so only the divisors of a are walked.
bool SplitQuadraticWide(Wide a, Wide b, Wide c, TIntPoly& t, TIntPoly& s) {
    if (a == 0) {
        return false;
    }
    Wide root;
    if (!ExactSqrt(b * b - 4 * a * c, root)) {
        return false;
    }
    TDivisorList divisors;
    IntDivisors(CheckedInt(a), divisors);
    for (int i = 0; i < divisors.Count; ++i) {
        const Wide p = divisors.Items[i];
        const Wide q2 = a / p;
        bool found = false;
        Wide best = 0;
        for (Wide num : {b + root, b - root}) {
            if (num % (2 * q2) != 0) {
                continue;
            }
            const Wide r = num / (2 * q2);
            const bool isDivisor = c == 0 ? WideAbs(r) == 1 : r != 0 && c % r == 0;
            if (!isDivisor || r * q2 + p * (c == 0 ? 0 : c / r) != b) {
                continue;
            }
            if (!found || DivisorBefore(r, best)) {
                best = r;
                found = true;
            }
        }
        if (found) {
            t = IntPolyLinear(p, best);
            s = IntPolyLinear(q2, c == 0 ? 0 : c / best);
            return true;
        }
    }
    return false;
}

// Whether d is a root of p, and then the quotient by x - d. Synthetic
// division: for a root d (|d| >= 1) every partial value is a quotient
// coefficient, bounded by the sum of the magnitudes of p's coefficients, so a
// larger partial value rules d out before anything can overflow.
bool DivideByRoot(const TIntPoly& p, Wide bound, Wide d, TIntPoly& quotient) {
    Wide v = p.C[p.Degree];
    for (int i = p.Degree - 1; i >= 0; --i) {
        if (v > bound || v < -bound) {
            return false;
        }
        v = v * d + p.C[i];
    }
    if (v != 0) {
        return false;
    }
    quotient = TIntPoly{};
    quotient.Degree = p.Degree - 1;
    v = p.C[p.Degree];
    for (int i = p.Degree - 1; i >= 0; --i) {
        quotient.C[i] = v;
        v = v * d + p.C[i];
    }
    return true;
}

// Substitutes y = x^2 back into a factor found for the quadratic in y.
TIntPoly FromSquareVariable(const TIntPoly& f) {
    TIntPoly r;
    for (int i = 0; i <= f.Degree; ++i) {
        r.C[2 * i] = f.C[i];
    }
    r.Degree = 2 * f.Degree;
    return r;
}

// A list of working factors with room for every factor of a degree-10 polynomial.
struct TWorkList {
    int Count = 0;
    std::array<TIntPoly, kMaxDegree + 1> Items{};
    void Push(const TIntPoly& f) { Items[Count++] = f; }
};

// Moves each factor next to the first factor equal to it, keeping order otherwise.
void GatherEqual(TWorkList& list) {
    int i = 0;
    while (i < list.Count) {
        int end = i + 1;
        while (end < list.Count && IntPolyEqual(list.Items[end], list.Items[i])) {
            ++end;
        }
        for (int j = end; j < list.Count; ++j) {
            if (IntPolyEqual(list.Items[j], list.Items[i])) {
                std::rotate(list.Items.begin() + end, list.Items.begin() + j,
                            list.Items.begin() + j + 1);
                ++end;
            }
        }
        i = end;
    }
}

} // namespace

void IntDivisors(std::int32_t n, TDivisorList& list) {
    list = TDivisorList{};
    std::uint32_t m = static_cast<std::uint32_t>(Magnitude32(n));
    if (m == 0) {
        m = 1; // 0 gives 1, -1 like 1
    }
    // Prime factors by trial division up to the square root (2, 3, then 6k +- 1).
    std::array<std::uint32_t, 32> primes{};
    std::array<int, 32> powers{};
    int distinct = 0;
    auto take = [&](std::uint32_t f) {
        if (m % f == 0) {
            primes[distinct] = f;
            while (m % f == 0) {
                m /= f;
                ++powers[distinct];
            }
            ++distinct;
        }
    };
    take(2);
    take(3);
    for (std::uint32_t f = 5; std::uint64_t(f) * f <= m; f += 6) {
        take(f);
        take(f + 2);
    }
    if (m > 1) {
        primes[distinct] = m;
        powers[distinct++] = 1;
    }
    std::array<std::int32_t, kMaxDivisors / 2> positive{};
    int count = 1;
    positive[0] = 1;
    for (int k = 0; k < distinct; ++k) {
        const int before = count;
        std::uint64_t factor = 1;
        for (int e = 1; e <= powers[k]; ++e) {
            factor *= primes[k];
            for (int j = 0; j < before; ++j) {
                positive[count++] = static_cast<std::int32_t>(positive[j] * factor);
            }
        }
    }
    std::sort(positive.begin(), positive.begin() + count);
    for (int j = 0; j < count; ++j) {
        list.Items[2 * j] = positive[j];
        list.Items[2 * j + 1] = -positive[j];
    }
    list.Count = 2 * count;
}

void PolySplitQuadratic(TPolynomial q, TPolynomial& s, TPolynomial& t) {
    PolyNormalize(q);
    TIntPoly ts;
    TIntPoly ss;
    if (q.Degree == 2 && q.Den[0] == 1 && q.Den[1] == 1 && q.Den[2] == 1 &&
        SplitQuadraticWide(q.Num[2], q.Num[1], q.Num[0], ts, ss)) {
        IntPolyToPoly(ts, t);
        IntPolyToPoly(ss, s);
        return;
    }
    s = q;
    PolyFromInt(1, t);
}

void PolyFactor(TPolynomial p, TFactorList& f) {
    PolyNormalize(p);
    if (PolyIsZero(p)) {
        throw ZeroDivideError();
    }
    f = TFactorList{};
    int next = 0;

    // Content: p = (Num / Den) P with P primitive and a positive leading coefficient.
    const TContentSplit split = PolyContentSplit(p);
    if (split.Den != 1 || split.Num != 1) {
        TPolynomial c;
        c.Num[0] = CheckedInt(split.Num);
        c.Den[0] = CheckedInt(split.Den);
        f[next++] = c;
    }
    TIntPoly rest = split.P;
    // A primitive part beyond 32 bits (from fractions with large denominators)
    // can still have factors that fit: it goes straight to the complete split
    // below, and only the factors found must fit. Beyond 62 bits the exact
    // steps of that split could leave 128 bits, so such a part stays a failure.
    bool narrow = true;
    for (int i = 0; i <= rest.Degree; ++i) {
        const Wide magnitude = WideAbs(rest.C[i]);
        if (magnitude > std::numeric_limits<std::int64_t>::max() / 2) {
            throw OverflowError();
        }
        narrow = narrow && magnitude <= std::numeric_limits<std::int32_t>::max();
    }

    TWorkList list;
    while (rest.Degree > 0 && rest.C[0] == 0) {
        list.Push(IntPolyLinear(1, 0));
        for (int i = 0; i < rest.Degree; ++i) {
            rest.C[i] = rest.C[i + 1];
        }
        rest.C[rest.Degree--] = 0;
    }

    // Integer roots: divisors of the constant term of what is left, beyond
    // the root bound 1 + max |ai / an| skipped.
    if (narrow && rest.Degree > 0) {
        Wide largest = 0;
        Wide bound = rest.C[rest.Degree];
        for (int i = 0; i < rest.Degree; ++i) {
            largest = std::max(largest, WideAbs(rest.C[i]));
            bound += WideAbs(rest.C[i]);
        }
        const Wide lead = rest.C[rest.Degree];
        TDivisorList candidates;
        IntDivisors(CheckedInt(rest.C[0]), candidates);
        for (int i = 0; i < candidates.Count && rest.Degree > 0; ++i) {
            const Wide d = candidates.Items[i];
            if (WideAbs(d) * lead > lead + largest) {
                continue;
            }
            TIntPoly quotient;
            while (rest.Degree > 0 && DivideByRoot(rest, bound, d, quotient)) {
                list.Push(IntPolyLinear(1, -d));
                rest = quotient;
            }
        }
    }

    // One split of a quadratic, or of a quartic in x^2.
    const int restStart = list.Count;
    const bool inSquare = narrow && rest.Degree == 4 && rest.C[3] == 0 && rest.C[1] == 0;
    TIntPoly t;
    TIntPoly s;
    bool splitDone = false;
    if (inSquare) {
        splitDone = SplitQuadraticWide(rest.C[4], rest.C[2], rest.C[0], t, s);
        t = FromSquareVariable(t);
        s = FromSquareVariable(s);
    } else if (narrow && rest.Degree == 2) {
        splitDone = SplitQuadraticWide(rest.C[2], rest.C[1], rest.C[0], t, s);
    }
    if (splitDone) {
        list.Push(t);
        list.Push(s);
    } else if (rest.Degree > 0 || (next == 0 && list.Count == 0)) {
        list.Push(rest);
    }

    // Whatever can still be split over the rationals is replaced in place by
    // its irreducible factors.
    TWorkList full;
    for (int i = 0; i < list.Count; ++i) {
        if (i < restStart || list.Items[i].Degree < 2) {
            full.Push(list.Items[i]);
            continue;
        }
        const TIntFactors parts = IntPolyFactorComplete(list.Items[i]);
        for (int k = 0; k < parts.Count; ++k) {
            full.Push(parts.Items[k]);
        }
    }
    GatherEqual(full);

    for (int i = 0; i < full.Count; ++i) {
        IntPolyToPoly(full.Items[i], f[next++]);
    }
}

void PolyGcd(TPolynomial a, TPolynomial b, TPolynomial& g) {
    PolyNormalize(a);
    PolyNormalize(b);
    if (PolyIsZero(a) || PolyIsZero(b)) {
        throw ZeroDivideError();
    }
    const TContentSplit sa = PolyContentSplit(a);
    const TContentSplit sb = PolyContentSplit(b);
    TIntPoly common = IntPolyGcd(sa.P, sb.P);
    if (sa.Den == 1 && sb.Den == 1) {
        const Wide scale = WideGcd(sa.Num, sb.Num);
        for (int i = 0; i <= common.Degree; ++i) {
            common.C[i] = CheckedMul(common.C[i], scale);
        }
    }
    IntPolyToPoly(common, g);
}

// (a div g)(b div g) g, formed as a (b div g) since g divides a exactly.
void PolyLcm(TPolynomial a, TPolynomial b, TPolynomial& l) {
    TPolynomial g;
    PolyGcd(a, b, g);
    TPolynomial quotient;
    TPolynomial remainder;
    PolyDivMod(b, g, quotient, remainder);
    PolyMul(a, quotient, l);
}

} // namespace arith
