// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quadratic.h"

#include "Errors.h"
#include "Messages.h"
#include "SquarePart.h"

#include <array>
#include <string>

namespace arith {

namespace {

// The coefficients a, b, c of p scaled to integers without a common factor.
std::array<TInteger, 3> IntegerCoefficients(TPolynomial p) {
    p = Normalized(p);
    TInteger lcm = 1;
    for (int i = 0; i <= 2; ++i) {
        lcm = lcm / Gcd(lcm, p.Den(i)) * p.Den(i);
    }
    std::array<TInteger, 3> c{};
    TInteger content = 0;
    for (int i = 0; i <= 2; ++i) {
        c[i] = lcm / p.Den(i) * p.Num(i);
        content = Gcd(content, c[i]);
    }
    if (content > 1) {
        for (TInteger& v : c) {
            v = DivExact(v, content);
        }
    }
    return c;
}

} // namespace

TQuadRoots QuadFormula(TPolynomial p) {
    auto [c, b, a] = IntegerCoefficients(std::move(p));
    if (a.IsZero()) {
        throw ZeroDivideError(); // no x^2 term: the formula would divide by 2a = 0
    }
    if (a.Sign() < 0) {
        a = -a;
        b = -b;
        c = -c;
    }
    const TInteger discriminant = b * b - 4 * a * c;
    TInteger P = -b;
    TInteger D = 2 * a;
    const TSquareSplit split = SquarePart(Abs(discriminant));
    TInteger Q = split.Root;
    const TInteger R = discriminant.Sign() < 0 ? -split.Free : split.Free;

    TInteger g = P.IsZero() ? D : Gcd(D, P);
    g = Gcd(g, Q);
    P = DivExact(P, g);
    Q = DivExact(Q, g);
    D = DivExact(D, g);
    return {P, Q, R, D, split.Complete};
}

// Appends piece by piece: "literal" + std::string trips a false -Wrestrict in GCC 12 at -O3.
std::string QuadRootText(const TQuadRoots& roots, bool first) {
    const TInteger& P = roots.P;
    const TInteger& Q = roots.Q;
    const TInteger& R = roots.R;
    const TInteger& D = roots.D;
    std::string text;
    if (D != 1 && !P.IsZero()) {
        text += "(";
    }
    if (!P.IsZero()) {
        text += AnswerDigits(P);
    }
    if (!P.IsZero() || !first) {
        text += first ? "+" : "-";
    }
    if (Q != 1) {
        text += AnswerDigits(Q);
        if (R != 1 && R != -1) {
            text += "*";
        }
    }
    if (R.Sign() < 0) {
        if (R != -1) {
            text += "SQR(";
            text += AnswerDigits(-R);
            text += ')';
        }
        text += "i";
    } else {
        text += "SQR(";
        text += AnswerDigits(R);
        text += ')';
    }
    if (D != 1) {
        if (!P.IsZero()) {
            text += ")";
        }
        text += '/';
        text += AnswerDigits(D);
    }
    return text;
}

std::string QuadRootsToText(const TQuadRoots& roots) {
    return QuadRootText(roots, true) + kRootSeparator + QuadRootText(roots, false);
}

} // namespace arith
