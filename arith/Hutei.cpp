// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hutei.h"

#include "Rational.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace arith {

namespace {

// Euclid's algorithm on p = max(a, b), q = min(a, b) with truncating
// division, stopped at the remainder 1, then read backwards so that
// p X + q Y = 1. Returns false where a remainder reaches 0 first.
bool EuclidUnit(std::int64_t a, std::int64_t b, std::int64_t& X, std::int64_t& Y) {
    std::int64_t p = a > b ? a : b;
    std::int64_t q = a > b ? b : a;
    std::vector<std::int64_t> quotients;
    std::int64_t r = 0;
    do {
        if (q == 0) {
            return false;
        }
        quotients.push_back(p / q);
        r = p % q;
        p = q;
        q = r;
    } while (r != 1);

    const std::size_t k = quotients.size();
    for (std::int64_t& quotient : quotients) {
        quotient = -quotient;
    }
    quotients.push_back(1);
    if (k == 1) {
        X = quotients[1];
        Y = quotients[0];
        return true;
    }
    for (std::size_t j = k - 1; j >= 1; --j) {
        X = quotients[j];
        Y = CheckedInt(Wide(quotients[j]) * quotients[j - 1] + quotients[j + 1]);
        quotients[j - 1] = Y;
    }
    return true;
}

// Turns p X + q Y = 1 of EuclidUnit into a X + b Y = 1 (plus) or a X - b Y = 1 (minus).
void Orient(std::int64_t a, std::int64_t b, bool plus, std::int64_t& X, std::int64_t& Y) {
    if (plus) {
        if (a < b) {
            std::swap(X, Y);
        }
        return;
    }
    Y = -Y;
    if (a < b) {
        std::swap(X, Y);
        X = -X;
        Y = -Y;
    }
}

// g = gcd(|a|, |b|) with |a| u + |b| v = g.
std::int64_t ExtendedGcd(std::int64_t a, std::int64_t b, std::int64_t& u, std::int64_t& v) {
    std::int64_t r0 = std::llabs(a), r1 = std::llabs(b);
    std::int64_t u0 = 1, u1 = 0, v0 = 0, v1 = 1;
    while (r1 != 0) {
        const std::int64_t t = r0 / r1;
        r0 = std::exchange(r1, r0 - t * r1);
        u0 = std::exchange(u1, u0 - t * u1);
        v0 = std::exchange(v1, v0 - t * v1);
    }
    u = u0;
    v = v0;
    return r0;
}

std::int64_t Sign(std::int64_t n) {
    return n < 0 ? -1 : 1;
}

} // namespace

TOutcome<THuteiSolution> HuteiSolve(std::int32_t a, std::int32_t b, std::int32_t c, bool plus) {
    THuteiSolution s;
    std::int64_t X = 0;
    std::int64_t Y = 0;
    std::int64_t g = 1;
    if (EuclidUnit(a, b, X, Y)) {
        Orient(a, b, plus, X, Y);
    } else {
        if (a == 0 && b == 0) {
            return TWarning::ZeroCoefficients;
        }
        std::int64_t u = 0;
        std::int64_t v = 0;
        g = ExtendedGcd(a, b, u, v);
        if (c % g != 0) {
            return TWarning::NoIntegerSolution;
        }
        // |a| u + |b| v = g, so a (sa u) + b (sb v) = g and a (sa u) - b (-sb v) = g.
        X = Sign(a) * u;
        Y = (plus ? 1 : -1) * Sign(b) * v;
    }
    const std::int64_t scale = c / g;
    s.X = CheckedInt(Wide(X) * scale);
    s.Y = CheckedInt(Wide(Y) * scale);
    s.XStep = CheckedInt(b / g);
    s.YStep = CheckedInt((plus ? -std::int64_t(a) : a) / g);
    return s;
}

// Appends piece by piece: assigning or concatenating literals here trips a
// false -Wrestrict in GCC 12 at -O3.
std::string HuteiTermText(std::int32_t step, std::int32_t constant) {
    std::string text;
    if (step == -1) {
        text += '-';
    } else if (step != 0 && step != 1) {
        text += std::to_string(step);
    }
    if (step != 0) {
        text += 'n';
    }
    if (constant > 0 && !text.empty()) {
        text += "+";
    }
    if (constant != 0 || text.empty()) {
        text += std::to_string(constant);
    }
    return text;
}

} // namespace arith
