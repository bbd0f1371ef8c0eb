// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hutei.h"

#include "Rational.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace arith {

namespace {

// Euclid's algorithm on p = max(a, b), q = min(a, b) with truncating
// division, stopped at the remainder 1, then read backwards so that
// p X + q Y = 1. Returns false where a remainder reaches 0 first.
bool EuclidUnit(const TInteger& a, const TInteger& b, TInteger& X, TInteger& Y) {
    TInteger p = a > b ? a : b;
    TInteger q = a > b ? b : a;
    std::vector<TInteger> quotients;
    TInteger r = 0;
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
    for (TInteger& quotient : quotients) {
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
        Y = quotients[j] * quotients[j - 1] + quotients[j + 1];
        quotients[j - 1] = Y;
    }
    return true;
}

// Turns p X + q Y = 1 of EuclidUnit into a X + b Y = 1 (plus) or a X - b Y = 1 (minus).
void Orient(const TInteger& a, const TInteger& b, bool plus, TInteger& X, TInteger& Y) {
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
TInteger ExtendedGcd(const TInteger& a, const TInteger& b, TInteger& u, TInteger& v) {
    TInteger r0 = Abs(a), r1 = Abs(b);
    TInteger u0 = 1, u1 = 0, v0 = 0, v1 = 1;
    while (r1 != 0) {
        const TInteger t = r0 / r1;
        r0 = std::exchange(r1, r0 - t * r1);
        u0 = std::exchange(u1, u0 - t * u1);
        v0 = std::exchange(v1, v0 - t * v1);
    }
    u = u0;
    v = v0;
    return r0;
}

int Sign(const TInteger& n) {
    return n.Sign() < 0 ? -1 : 1;
}

// n / d rounded down and up, d > 0.
TInteger FloorDiv(const TInteger& n, const TInteger& d) {
    const TInteger q = n / d;
    return n.Sign() < 0 && !(n % d).IsZero() ? q - 1 : q;
}

TInteger CeilDiv(const TInteger& n, const TInteger& d) {
    const TInteger q = n / d;
    return n.Sign() > 0 && !(n % d).IsZero() ? q + 1 : q;
}

// The integers t with |from + step t| <= limit for step != 0, as [low, high]
// (empty when low > high).
std::pair<TInteger, TInteger> Within(TInteger from, TInteger step, const TInteger& limit) {
    if (step.Sign() < 0) { // |from + step t| = |-from + |step| t|
        from = -from;
        step = -step;
    }
    return {CeilDiv(-limit - from, step), FloorDiv(limit - from, step)};
}

// Moves a solution whose x or y is longer than an answer may be along
// (XStep, YStep) to one that fits: x in [0, |XStep|) where that fits,
// otherwise the nearest that does. A solution that fits already, or a line
// with no point that fits, is left as it is.
void MoveIntoLimit(THuteiSolution& s) {
    const bool fits = !s.X.LongerThan(kMaxAnswerDigits) && !s.Y.LongerThan(kMaxAnswerDigits);
    if (fits || s.XStep.IsZero() || s.YStep.IsZero()) {
        return;
    }
    const TInteger limit = Power(10, kMaxAnswerDigits) - 1;
    const auto [xLow, xHigh] = Within(s.X, s.XStep, limit);
    const auto [yLow, yHigh] = Within(s.Y, s.YStep, limit);
    const TInteger low = std::max(xLow, yLow);
    const TInteger high = std::min(xHigh, yHigh);
    if (low > high) {
        return;
    }
    const TInteger reduced = (s.XStep.Sign() > 0 ? -1 : 1) * FloorDiv(s.X, Abs(s.XStep));
    const TInteger t = std::clamp(reduced, low, high);
    s.X += s.XStep * t;
    s.Y += s.YStep * t;
}

} // namespace

TOutcome<THuteiSolution> HuteiSolve(const TInteger& a, const TInteger& b, const TInteger& c,
                                    bool plus) {
    THuteiSolution s;
    TInteger X = 0;
    TInteger Y = 0;
    TInteger g = 1;
    if (EuclidUnit(a, b, X, Y)) {
        Orient(a, b, plus, X, Y);
    } else {
        if (a == 0 && b == 0) {
            return TWarning::ZeroCoefficients;
        }
        TInteger u = 0;
        TInteger v = 0;
        g = ExtendedGcd(a, b, u, v);
        if (c % g != 0) {
            return TWarning::NoIntegerSolution;
        }
        // |a| u + |b| v = g, so a (sa u) + b (sb v) = g and a (sa u) - b (-sb v) = g.
        X = Sign(a) * u;
        Y = (plus ? 1 : -1) * Sign(b) * v;
    }
    const TInteger scale = c / g;
    s.X = X * scale;
    s.Y = Y * scale;
    s.XStep = b / g;
    s.YStep = (plus ? -a : a) / g;
    MoveIntoLimit(s);
    return s;
}

// Appends piece by piece: assigning or concatenating literals here trips a
// false -Wrestrict in GCC 12 at -O3.
std::string HuteiTermText(const TInteger& step, const TInteger& constant) {
    std::string text;
    if (step == -1) {
        text += '-';
    } else if (step != 0 && step != 1) {
        text += AnswerDigits(step);
    }
    if (!step.IsZero()) {
        text += 'n';
    }
    if (constant.Sign() > 0 && !text.empty()) {
        text += "+";
    }
    if (!constant.IsZero() || text.empty()) {
        text += AnswerDigits(constant);
    }
    return text;
}

} // namespace arith
