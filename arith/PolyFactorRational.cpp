// SPDX-License-Identifier: GPL-3.0-or-later
// Complete factoring over the rationals. The square-free part comes from the
// gcd with the derivative; its roots, found numerically, propose rational
// roots p/q and products of root sets closed under conjugation. Every
// proposal is confirmed by exact division, so rounding can at worst leave a
// factor unsplit, never produce a wrong one.
#include "Errors.h"
#include "IntPoly.h"
#include "PolyFactor.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace arith {

namespace {

using Complex = std::complex<long double>;

struct TRoots {
    int Count = 0;
    std::array<Complex, kMaxDegree> Z{};
};

Complex Inverse(Complex z) {
    const long double norm = z.real() * z.real() + z.imag() * z.imag();
    return {z.real() / norm, -z.imag() / norm};
}

// All roots of a square-free polynomial by the Aberth-Ehrlich iteration.
TRoots FindRoots(const TIntPoly& f) {
    const int n = f.Degree;
    std::array<long double, kMaxDegree + 1> c{};
    const long double lead = static_cast<long double>(f.C[n]);
    for (int i = 0; i <= n; ++i) {
        c[i] = static_cast<long double>(f.C[i]) / lead;
    }
    // Fujiwara's bound on the root moduli gives the starting circle.
    long double radius = 0;
    for (int i = 0; i < n; ++i) {
        radius = std::max(radius, std::pow(std::fabs(c[i]), 1.0L / (n - i)));
    }
    radius = std::max(radius, 1e-3L);
    TRoots roots;
    roots.Count = n;
    for (int k = 0; k < n; ++k) {
        roots.Z[k] = std::polar(radius, 6.283185307179586L * k / n + 0.4L);
    }
    // A root is settled once its correction is at rounding level or stops
    // shrinking near it; convergence is cubic, so few rounds are needed.
    std::array<long double, kMaxDegree> lastStep{};
    std::array<bool, kMaxDegree> settled{};
    for (int iteration = 0; iteration < 200; ++iteration) {
        bool allSettled = true;
        for (int k = 0; k < n; ++k) {
            if (settled[k]) {
                continue;
            }
            const Complex z = roots.Z[k];
            Complex value = c[n];
            Complex slope = 0;
            for (int i = n - 1; i >= 0; --i) {
                slope = slope * z + value;
                value = value * z + c[i];
            }
            Complex repulsion = 0;
            for (int j = 0; j < n; ++j) {
                if (j != k) {
                    repulsion += Inverse(z - roots.Z[j]);
                }
            }
            // step = ratio / (1 - ratio * repulsion) with ratio = value / slope
            const Complex step = value * Inverse(slope - value * repulsion);
            if (!std::isfinite(step.real()) || !std::isfinite(step.imag())) {
                settled[k] = true;
                continue;
            }
            roots.Z[k] = z - step;
            const long double size = std::abs(step);
            const long double scale = std::max(std::abs(z), 1e-30L);
            if (size <= 1e-17L * scale ||
                (iteration > 0 && size <= 1e-9L * scale && size > 0.5L * lastStep[k])) {
                settled[k] = true;
            } else {
                allSettled = false;
            }
            lastStep[k] = size;
        }
        if (allSettled) {
            break;
        }
    }
    return roots;
}

// The linear factors first by increasing root, the others by increasing
// degree and then by their coefficients from the leading one down, so that
// x^2 - x + 1 comes before x^2 + x + 1.
bool FactorBefore(const TIntPoly& a, const TIntPoly& b) {
    if (a.Degree != b.Degree) {
        return a.Degree < b.Degree;
    }
    if (a.Degree == 1) {
        // -a0/a1 < -b0/b1 with a1, b1 > 0
        return a.C[0] * b.C[1] > b.C[0] * a.C[1];
    }
    for (int i = a.Degree; i >= 0; --i) {
        if (a.C[i] != b.C[i]) {
            return a.C[i] < b.C[i];
        }
    }
    return false;
}

void Append(TIntFactors& list, const TIntPoly& f) {
    list.Items[list.Count++] = f;
}

// A quadratic splits exactly when its discriminant is a square.
void FactorQuadratic(const TIntPoly& f, TIntFactors& out) {
    const Wide a = f.C[2];
    const Wide b = f.C[1];
    const Wide c = f.C[0];
    const Wide disc = b * b - 4 * a * c;
    Wide r = 0;
    if (!ExactSqrt(disc, r)) {
        Append(out, f);
        return;
    }
    TIntPoly first = IntPolyLinear(2 * a, b + r);
    TIntPoly second = IntPolyLinear(2 * a, b - r);
    IntPolyMakePrimitive(first);
    IntPolyMakePrimitive(second);
    Append(out, first);
    Append(out, second);
}

bool NearInteger(long double v, Wide& rounded) {
    if (!(std::fabs(v) < 9.0e18L)) {
        return false;
    }
    const long long r = static_cast<long long>(v < 0 ? v - 0.5L : v + 0.5L);
    if (std::fabs(v - static_cast<long double>(r)) > 0.25L) {
        return false;
    }
    rounded = r;
    return true;
}

bool NearInteger(Complex v, Wide& rounded) {
    return std::fabs(v.imag()) <= 0.25L && NearInteger(v.real(), rounded);
}

// Irreducible factors of a square-free primitive polynomial, in the order found.
void FactorSquareFree(TIntPoly f, TIntFactors& out) {
    if (f.Degree <= 1) {
        Append(out, f);
        return;
    }
    if (f.Degree == 2) {
        FactorQuadratic(f, out);
        return;
    }
    const TRoots roots = FindRoots(f);
    unsigned used = 0;

    // Rational roots p/q: q divides the leading coefficient, p the constant term.
    TDivisorList dens;
    Wide densOf = 0;
    for (int k = 0; k < roots.Count && f.Degree > 1; ++k) {
        const Complex z = roots.Z[k];
        if ((used & (1u << k)) != 0 || std::fabs(z.imag()) > 1e-6L * std::max(1.0L, std::abs(z)) ||
            f.C[0] == 0) {
            continue;
        }
        if (densOf != f.C[f.Degree]) {
            densOf = f.C[f.Degree];
            IntDivisors(CheckedInt(densOf), dens);
        }
        for (int i = 0; i < dens.Count; i += 2) {
            const Wide q = dens.Items[i];
            Wide p;
            if (!NearInteger(z.real() * static_cast<long double>(q), p) || p == 0 ||
                f.C[0] % p != 0 || WideGcd(p, q) != 1) {
                continue;
            }
            TIntPoly quotient;
            if (IntPolyDivExact(f, IntPolyLinear(q, -p), quotient)) {
                Append(out, IntPolyLinear(q, -p));
                f = quotient;
                // The root p/q may be a neighbour of z; z itself is then tried again.
                const long double value = static_cast<long double>(p) / static_cast<long double>(q);
                int nearest = k;
                for (int j = 0; j < roots.Count; ++j) {
                    if ((used & (1u << j)) == 0 &&
                        std::abs(roots.Z[j] - value) < std::abs(roots.Z[nearest] - value)) {
                        nearest = j;
                    }
                }
                used |= 1u << nearest;
                if (nearest != k) {
                    --k;
                }
                break;
            }
        }
    }

    // Factors of degree 2 and more: products of root sets of growing size, so
    // the first factor confirmed at each size has no smaller factor. If the
    // set is the roots of a factor g of f = g h, lead * prod (x - z) = lc(h) g
    // has integer coefficients and its constant term divides lead * f(0).
    for (int size = 2; 2 * size <= f.Degree; ++size) {
        std::array<int, kMaxDegree> free{};
        int freeCount = 0;
        for (int k = 0; k < roots.Count; ++k) {
            if ((used & (1u << k)) == 0) {
                free[freeCount++] = k;
            }
        }
        const long double lead = static_cast<long double>(f.C[f.Degree]);
        const Wide leadTimesConstant = f.C[f.Degree] * f.C[0];
        bool found = false;
        // Every subset of `size` of the free roots, by Gosper's enumeration.
        for (unsigned pick = (1u << size) - 1; pick < (1u << freeCount) && !found;) {
            Complex constant = lead;
            for (int k = 0; k < freeCount; ++k) {
                if (pick & (1u << k)) {
                    constant *= -roots.Z[free[k]];
                }
            }
            TIntPoly candidate;
            candidate.Degree = size;
            if (NearInteger(constant, candidate.C[0]) && candidate.C[0] != 0 &&
                leadTimesConstant % candidate.C[0] == 0) {
                std::array<Complex, kMaxDegree + 1> monic{};
                monic[0] = 1;
                int degree = 0;
                for (int k = 0; k < freeCount; ++k) {
                    if (pick & (1u << k)) {
                        const Complex z = roots.Z[free[k]];
                        ++degree;
                        for (int i = degree; i > 0; --i) {
                            monic[i] = monic[i - 1] - z * monic[i];
                        }
                        monic[0] = -z * monic[0];
                    }
                }
                bool plausible = true;
                for (int i = 1; i <= size && plausible; ++i) {
                    plausible = NearInteger(monic[i] * lead, candidate.C[i]);
                }
                IntPolyMakePrimitive(candidate);
                TIntPoly quotient;
                if (plausible && candidate.Degree == size &&
                    IntPolyDivExact(f, candidate, quotient)) {
                    Append(out, candidate);
                    f = quotient;
                    for (int k = 0; k < freeCount; ++k) {
                        if (pick & (1u << k)) {
                            used |= 1u << free[k];
                        }
                    }
                    found = true;
                }
            }
            const unsigned low = pick & -pick;
            const unsigned ripple = pick + low;
            pick = ripple | (((pick ^ ripple) >> 2) / low);
        }
        if (found) {
            --size; // the same size again among the roots that are left
        }
    }
    if (f.Degree >= 1) {
        Append(out, f);
    }
}

} // namespace

TIntFactors IntPolyFactorComplete(const TIntPoly& f) {
    TIntFactors out;
    if (f.Degree <= 1) {
        Append(out, f);
        return out;
    }
    TIntPoly squareFree = f;
    const TIntPoly repeated = IntPolyGcd(f, [&] {
        TIntPoly d = IntPolyDerivative(f);
        IntPolyMakePrimitive(d);
        return d;
    }());
    if (repeated.Degree > 0) {
        IntPolyDivExact(f, repeated, squareFree);
    }
    TIntFactors irreducible;
    FactorSquareFree(squareFree, irreducible);

    // Each irreducible factor as often as it divides f.
    TIntPoly left = f;
    for (int i = 0; i < irreducible.Count; ++i) {
        TIntPoly quotient;
        while (left.Degree > 0 && IntPolyDivExact(left, irreducible.Items[i], quotient)) {
            Append(out, irreducible.Items[i]);
            left = quotient;
        }
    }
    // Only if a factor of the square-free part stayed unsplit (g h with g
    // repeated but h not) is something left; it still belongs to the product.
    if (left.Degree > 0) {
        Append(out, left);
    }
    std::stable_sort(out.Items.begin(), out.Items.begin() + out.Count, FactorBefore);
    return out;
}

} // namespace arith
