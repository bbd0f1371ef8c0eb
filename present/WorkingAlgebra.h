// SPDX-License-Identifier: GPL-3.0-or-later
// The working (途中式) of factoring, of equations of higher degree and of
// extrema, as Working.h describes it: a line per step, every stated
// equality checked exactly while the working is built (WorkingCheckError
// when a check fails), ending in the board's answer. The examples are the
// Unicode forms. Each is its solver's steps (FactoringSteps.h,
// ExtremaSteps.h) as their writer sets them.
#pragma once

#include "Calculus.h"
#include "Equations.h"
#include "Notation.h"
#include "PolyFactor.h"

#include <optional>

namespace arith {

// p factored as `factors` (PolyFactor's list of p): the common factor and
// the powers of x taken out, then for what is left the first formula that
// fits, as one chain
//   x² − 9 = x² − 3² = (x + 3)(x − 3)
//   x⁴ + x² + 1 = (x² + 1)² − x² = (x² + x + 1)(x² − x + 1)
//   x² = X とおくと
//   x⁴ − 5x² + 4 = X² − 5X + 4 = (X − 1)(X − 4)
//   = (x² − 1)(x² − 4)
//   = (x − 2)(x − 1)(x + 1)(x + 2)
// (see SolveFactorSteps for the formulas), otherwise the factor theorem
//   P(x) = x³ − 6x² + 11x − 6 とおく
//   有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より
//   ±1, ±2, ±3, ±6
//   P(1) = 1³ − 6·1² + 11·1 − 6 = 1 − 6 + 11 − 6 = 0
//   よって P(x) は x − 1 を因数にもつ
//   1 | −6 | 11 | −6 | 1          (synthetic division, a Table)
//   …
//   P(x) = (x − 1)(x² − 5x + 6)
// and the quotient factored the same way, a quadratic split by two numbers
// of the right sum and product, or by たすき掛け with its cross table; a polynomial
// without rational roots as the product of its factors, checked by
// multiplying them out. The answer, FactorAnswer, is stated once: the last
// line is "よって p = answer" or a chain on p ending in it, or the answer
// alone where p does not factor. None below degree 2, for a constant or
// coefficients too large to list the candidates, and where a factor of
// degree 4 or more is left that cannot be shown to be irreducible.
std::optional<TMath> FactorWorking(const TPolynomial& p, const TFactorList& factors);

// p = 0 for p of degree 3 or more (none for degree 2, which QuadraticWorking
// shows), factored as FactorWorking does, then each factor's roots
//   (x − 1)(x² + x + 1) = 0
//   x − 1 = 0 より x = 1
//   x² + x + 1 = 0 を解の公式で解くと x = (−1 ± √3 i)/2
//   x = 1, (−1 ± √3 i)/2
// or, for a·x⁴ + b·x² + c whose quadratic in X = x² splits, X then x
//   x² = X とおくと X² − X − 6 = 0
//   (X + 2)(X − 3) = 0 より X = −2, 3
//   x² = −2 より x = ±√2 i
//   x² = 3 より x = ±√3
// ending in RootsAnswer. None where a factor gives no roots.
std::optional<TMath> EquationWorking(const TPolynomial& p, const TEquationRoots& roots);

// The extrema of a quadratic or cubic f by its sign chart (増減表):
//   f′(x) = 3x² − 3
//   f′(x) = 0 とすると x = −1, 1
//   x     | … | −1     | … | 1      | …
//   f′(x) | + | 0      | − | 0      | +
//   f(x)  | ↗ | 極大 2 | ↘ | 極小 −2 | ↗
//   x = −1 で極大値 2
//   x = 1 で極小値 −2
// (the chart framed and ruled between all its rows and columns); a cubic
// whose f′(x) has no two real roots shows its discriminant instead. The
// last two lines are ExtremaAnswer.
std::optional<TMath> ExtremaWorking(const TPolynomial& f, const TExtrema& extrema);

} // namespace arith
