// SPDX-License-Identifier: GPL-3.0-or-later
// たすき掛け: a quadratic with integer coefficients and rational roots as
// the product (a₁x + c₁)(a₂x + c₂) of two integer linear factors, and the
// cross table a textbook sets for it. Shared by the quadratic equation and
// the factoring workings.
#pragma once

#include "Notation.h"
#include "Polynomial.h"

#include <array>
#include <optional>

namespace arith {

// ax² + bx + c = (A1 x + C1)(A2 x + C2): A1·A2 = a, C1·C2 = c and
// A2·C1 + A1·C2 = b, the rows in increasing order of A, then of C.
struct TCrossTable {
    TInteger A1, C1, A2, C2;
};

// The split of q, a quadratic with integer coefficients that have no
// common factor, a positive x² coefficient and rational roots, read off its
// roots and checked by multiplying the factors out; none for any other q.
std::optional<TCrossTable> CrossTableOf(const TPolynomial& q);

// A1 x + C1 and A2 x + C2.
std::array<TPolynomial, 2> CrossFactors(const TCrossTable& table);

// The table: a's factors, the crossing, c's factors and the cross products
// A2·C1 and A1·C2, then under a rule a, c and their sum b:
//   2 | ╲╱ | −1 | → | −3
//   3 | ╱╲ | 2  | → | 4
//   ────────────────────
//   6 |    | −2 |   | 1
TMath CrossTableMath(const TCrossTable& table);

} // namespace arith
