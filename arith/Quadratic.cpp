// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quadratic.h"

#include "Errors.h"
#include "Messages.h"
#include "WideInt.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace arith {

namespace {

using std::uint64_t;

// The square part of a discriminant. A discriminant of 32-bit coefficients is
// below 5 (2^31 - 1)^2 < 2^65. Dividing out every prime up to the cube root of
// what is left leaves 1, a prime, the square of a prime or a product of two
// primes, which a square test tells apart; so no loop runs up to a square root.

constexpr std::uint32_t kPrimeLimit = 2900000; // 2900000^3 > 5 (2^31 - 1)^2
constexpr UWide kTwo64 = static_cast<UWide>(1) << 64;

// An odd prime with what a divisibility test needs: no division, two multiplications.
struct TPrime {
    std::uint32_t Value;
    std::uint32_t Wrap; // 2^64 mod Value
    uint64_t Inverse;   // Value^-1 mod 2^64
};

std::vector<TPrime> OddPrimesBelow(std::uint32_t limit) {
    std::vector<bool> composite(limit / 2); // entry i stands for 2i + 1
    std::vector<TPrime> primes;
    for (std::uint32_t i = 1; i < limit / 2; ++i) {
        if (composite[i]) {
            continue;
        }
        const std::uint32_t p = 2 * i + 1;
        for (uint64_t j = static_cast<uint64_t>(p) * p / 2; j < limit / 2; j += p) {
            composite[j] = true;
        }
        uint64_t inverse = p; // correct in the low 3 bits; Newton doubles them each step
        for (int step = 0; step < 5; ++step) {
            inverse *= 2 - p * inverse;
        }
        const auto wrap = static_cast<std::uint32_t>((UINT64_MAX % p + 1) % p);
        primes.push_back({p, wrap, inverse});
    }
    return primes;
}

// Sieved on first use, so that start-up does not pay for it.
const std::vector<TPrime>& OddPrimes() {
    static const std::vector<TPrime> primes = OddPrimesBelow(kPrimeLimit);
    return primes;
}

// Whether p divides n < 2^65.
bool Divides(const TPrime& p, UWide n) {
    auto low = static_cast<uint64_t>(n);
    if (n >= kTwo64) {
        // n = 2^64 + low is congruent to low + Wrap, and a carry out of that
        // sum to a further Wrap (kept free of branches: the carry is random).
        const bool carry = __builtin_add_overflow(low, p.Wrap, &low);
        low += carry * static_cast<uint64_t>(p.Wrap);
    }
    // low / p exactly when p divides low; otherwise the product overflows 64 bits.
    const uint64_t quotient = low * p.Inverse;
    return (static_cast<UWide>(quotient) * p.Value >> 64) == 0;
}

// floor(cbrt(n)) for n < 2^66.
uint64_t FloorCbrt(UWide n) {
    auto c = static_cast<uint64_t>(std::cbrt(static_cast<long double>(n)));
    while (static_cast<UWide>(c) * c * c > n) {
        --c;
    }
    while (static_cast<UWide>(c + 1) * (c + 1) * (c + 1) <= n) {
        ++c;
    }
    return c;
}

struct TSquareSplit {
    UWide Root = 1; // n = Root^2 * Free
    UWide Free = 1; // square-free
};

// Divides every factor p out of rest and moves it into the split.
void TakeFactor(std::uint32_t p, UWide& rest, TSquareSplit& split) {
    int exponent = 0;
    while (rest % p == 0) {
        rest /= p;
        ++exponent;
    }
    for (int i = 0; i < exponent / 2; ++i) {
        split.Root *= p;
    }
    if (exponent % 2 != 0) {
        split.Free *= p;
    }
}

TSquareSplit SquarePart(UWide n) {
    TSquareSplit split;
    if (n == 0) {
        split.Free = 0;
        return split;
    }
    if (n >= static_cast<UWide>(kPrimeLimit) * kPrimeLimit * kPrimeLimit) {
        throw OverflowError(); // beyond any discriminant of 32-bit coefficients
    }
    UWide rest = n;
    TakeFactor(2, rest, split);
    uint64_t bound = FloorCbrt(rest);
    for (const TPrime& p : OddPrimes()) {
        if (p.Value > bound) {
            break;
        }
        if (Divides(p, rest)) {
            TakeFactor(p.Value, rest, split);
            bound = FloorCbrt(rest);
        }
    }
    // Every prime factor left is above the cube root of rest.
    const UWide root = FloorSqrt(rest);
    if (root * root == rest) {
        split.Root *= root;
    } else {
        split.Free *= rest;
    }
    return split;
}

// The coefficients a, b, c of p scaled to integers without a common factor.
std::array<Wide, 3> IntegerCoefficients(TPolynomial p) {
    PolyNormalize(p);
    Wide lcm = 1;
    for (int i = 0; i <= 2; ++i) {
        lcm = lcm / WideGcd(lcm, p.Den[i]) * p.Den[i];
    }
    std::array<Wide, 3> c{};
    Wide content = 0;
    for (int i = 0; i <= 2; ++i) {
        c[i] = lcm / p.Den[i] * p.Num[i];
        content = content == 0 ? WideAbs(c[i]) : WideGcd(content, c[i]);
    }
    if (content > 1) {
        for (Wide& v : c) {
            v /= content;
        }
    }
    return c;
}

} // namespace

TQuadRoots QuadFormula(TPolynomial p) {
    auto [c, b, a] = IntegerCoefficients(p);
    if (a == 0) {
        throw ZeroDivideError(); // no x^2 term: the formula would divide by 2a = 0
    }
    for (Wide v : {a, b, c}) {
        CheckedInt(v); // the scaled coefficients must be 32-bit integers
    }
    if (a < 0) {
        a = -a;
        b = -b;
        c = -c;
    }
    Wide discriminant = b * b - 4 * a * c; // exact: below 5 * 2^62 in magnitude
    Wide P = -b;
    Wide D = 2 * a;
    const int sign = discriminant < 0 ? -1 : 1;
    const TSquareSplit split = SquarePart(static_cast<UWide>(WideAbs(discriminant)));
    Wide Q = static_cast<Wide>(split.Root);
    const Wide R = sign * static_cast<Wide>(split.Free);

    Wide g = P != 0 ? WideGcd(D, P) : D;
    g = WideGcd(g, Q);
    P /= g;
    Q /= g;
    D /= g;
    return {CheckedInt(P), CheckedInt(Q), CheckedInt(R), CheckedInt(D)};
}

// Appends piece by piece: "literal" + std::string trips a false -Wrestrict in GCC 12 at -O3.
std::string QuadRootText(const TQuadRoots& roots, bool first) {
    const auto [P, Q, R, D] = roots;
    std::string text;
    if (D != 1 && P != 0) {
        text += "(";
    }
    if (P != 0) {
        text += std::to_string(P);
    }
    if (P != 0 || !first) {
        text += first ? "+" : "-";
    }
    if (Q != 1) {
        text += std::to_string(Q);
        if (R != 1 && R != -1) {
            text += "*";
        }
    }
    if (R < 0) {
        if (R != -1) {
            text += "SQR(";
            text += std::to_string(-static_cast<std::int64_t>(R));
            text += ')';
        }
        text += "i";
    } else {
        text += "SQR(";
        text += std::to_string(R);
        text += ')';
    }
    if (D != 1) {
        if (P != 0) {
            text += ")";
        }
        text += '/';
        text += std::to_string(D);
    }
    return text;
}

std::string QuadRootsToText(const TQuadRoots& roots) {
    return QuadRootText(roots, true) + kRootSeparator + QuadRootText(roots, false);
}

} // namespace arith
