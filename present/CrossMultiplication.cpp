// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrossMultiplication.h"

#include "WorkingSteps.h"

#include <utility>

namespace arith {

std::optional<TCrossTable> CrossTableOf(const TPolynomial& q) {
    const TPolynomial p = Normalized(q);
    if (p.Degree() != 2) {
        return std::nullopt;
    }
    TInteger coefficient[3];
    for (int i = 0; i <= 2; ++i) {
        const TRational c = Reduced(PolyCoeff(p, i));
        if (!IsInteger(c)) {
            return std::nullopt;
        }
        coefficient[i] = c.Num();
    }
    const TInteger& a = coefficient[2];
    const TInteger& b = coefficient[1];
    const TInteger& c = coefficient[0];
    TInteger root;
    if (a.Sign() <= 0 || Gcd(Gcd(a, b), c) != 1 || !ExactSqrt(b * b - 4 * a * c, root)) {
        return std::nullopt;
    }
    // Each root r/s in lowest terms gives the factor s x − r; with no common
    // factor in q the two factors multiply out to q itself.
    const TRational r1 = Reduced({-b - root, 2 * a});
    const TRational r2 = Reduced({-b + root, 2 * a});
    TCrossTable table{r1.Den(), -r1.Num(), r2.Den(), -r2.Num()};
    if (table.A2 < table.A1 || (table.A2 == table.A1 && table.C2 < table.C1)) {
        std::swap(table.A1, table.A2);
        std::swap(table.C1, table.C2);
    }
    const std::array<TPolynomial, 2> factors = CrossFactors(table);
    if (!(factors[0] * factors[1] == p) || table.A1 * table.A2 != a || table.C1 * table.C2 != c ||
        table.A2 * table.C1 + table.A1 * table.C2 != b) {
        return std::nullopt;
    }
    return table;
}

std::array<TPolynomial, 2> CrossFactors(const TCrossTable& table) {
    return {Normalized(Monomial({table.A1, 1}, 1) + ConstantPolynomial({table.C1, 1})),
            Normalized(Monomial({table.A2, 1}, 1) + ConstantPolynomial({table.C2, 1}))};
}

TMath CrossTableMath(const TCrossTable& t) {
    using namespace steps;
    const auto word = [](const char* text) { return MathText(TMathKind::Word, text); };
    const auto blank = [] { return MathRow({}); };
    return MathTable(
        {{Number(t.A1), word("╲╱"), Value({t.C1, 1}), word("→"), Value({t.A2 * t.C1, 1})},
         {Number(t.A2), word("╱╲"), Value({t.C2, 1}), word("→"), Value({t.A1 * t.C2, 1})},
         {Number(t.A1 * t.A2), blank(), Value({t.C1 * t.C2, 1}), blank(),
          Value({t.A2 * t.C1 + t.A1 * t.C2, 1})}},
        false, {false, false, true});
}

} // namespace arith
