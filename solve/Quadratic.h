// SPDX-License-Identifier: GPL-3.0-or-later
// The root formula of a quadratic, exact: the roots (P ± Q·√R)/D with the
// square part of the discriminant taken out, and their texts such as
// "(-1+SQR(3)i)/2".
#pragma once

#include "Polynomial.h"

#include <string>

namespace arith {

// The roots (P + Q·√R)/D and (P − Q·√R)/D; R square-free, negative for
// complex roots. Simplest is false where R may still hold the square of a
// large prime (SquarePart could not factor it completely).
struct TQuadRoots {
    TInteger P = 0;
    TInteger Q = 1;
    TInteger R = 0;
    TInteger D = 1;
    bool Simplest = true;
};

// The roots of a p of degree 2, exact; ZeroDivideError for degree below 2.
TQuadRoots QuadFormula(TPolynomial p);
// One root as text: the first root (P + Q·√R)/D, or the second (P − Q·√R)/D.
std::string QuadRootText(const TQuadRoots& roots, bool first);
// Both roots: "first , second".
std::string QuadRootsToText(const TQuadRoots& roots);

} // namespace arith
