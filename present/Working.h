// SPDX-License-Identifier: GPL-3.0-or-later
// The working (途中式) of a calculation as a school textbook writes it: one
// step per line, from the problem's inputs and the calculation's structured
// result, ending in the answer as the board writes it. Every equality a
// line states is checked exactly while the working is built; a failed check
// throws WorkingCheckError rather than show a false line. An input that has
// no working of this kind gives no working (an empty optional). The
// examples are the Unicode forms.
#pragma once

#include "Calculus.h"
#include "Counting.h"
#include "Equations.h"
#include "Geometry.h"
#include "Notation.h"

#include <optional>

namespace arith {

// A quadratic p = 0 (none for another degree), with fractional
// coefficients first cleared ("両辺に 6 を掛けて …") and a negative x²
// coefficient made positive, by the root formula:
//   判別式 D = b² − 4ac = 3² − 4·2·(−2) = 25
//   D > 0 より 異なる2つの実数解
//   √25 = 5
//   x = (−3 ± √25)/(2·2) = (−3 ± 5)/4
//   x = −2, 1/2
// (a double root as x = −b/(2a), "x = −(−4)/(2·4)"). The roots are read
// off the root formula even where p factors; the answer lists them as the
// board does.
std::optional<TMath> QuadraticWorking(const TPolynomial& p, const TEquationRoots& roots);

// ∫ from lower to upper of f by the antiderivative F:
//   F(x) = (1/3)x³ − x
//   ∫₋₁² (x² − 1) dx = [(1/3)x³ − x]₋₁²
//   = F(2) − F(−1) = 2/3 − 2/3
//   = 0
std::optional<TMath> IntegralWorking(const TPolynomial& f, const TPolynomial& lower,
                                     const TPolynomial& upper, const TDefiniteIntegral& integral);

// Σ f(k) for a summand of degree at most 3 from an integer lower limit,
// split into the power sums and their formulas:
//   Σₖ₌₁ⁿ (k² + 1) = Σₖ₌₁ⁿ k² + Σₖ₌₁ⁿ 1
//   = n(n + 1)(2n + 1)/6 + n
//   = (1/3)n³ + (1/2)n² + (7/6)n
//   = (1/6)n(2n² + 3n + 7)
// A lower limit l above 1 first writes the sum as Σₖ₌₁ᵘ − Σₖ₌₁ˡ⁻¹; one of
// 0 or below as f(0) + Σₖ₌₁ᵘ f(k) + Σₖ₌₁⁻ˡ f(−k).
std::optional<TMath> SumWorking(const TPolynomial& f, const TPolynomial& lower,
                                const TPolynomial& upper, const TSum& sum);

enum class TCountKind { Factorial, Permutation, Combination };

// One line: "5! = 5·4·3·2·1 = 120", "0! = 1", "₇P₃ = 7!/4! = 7·6·5 = 210",
// "₇C₃ = ₇P₃/3! = 7·6·5/(3·2·1) = 35", "₁₀C₈ = ₁₀C₂ = …" (the shorter
// product). Products of more than 8 factors are shortened with "…": "12·11·10·…·2·1".
// None for an overflowing count.
std::optional<TMath> CountWorking(TCountKind kind, const TInteger& n, const TInteger& r,
                                  const TCount& count);

// The division point of AB in m : n:
//   x = (1·1 + 3·5)/(3 + 1) = 4
//   y = (1·2 + 3·4)/(3 + 1) = 7/2
//   (4, 7/2)
// externally (−n·x₁ + m·x₂)/(m − n). None for a ratio the window refuses.
std::optional<TMath> DivisionWorking(TDivision kind, const TPoint& a, const TPoint& b,
                                     const TRational& m, const TRational& n, const TPoint& point);

// The line through A and B: the slope, the point-slope form, the answer;
// for a line parallel to an axis "x₁ = x₂ = 3 より y 軸に平行な直線", "x = 3":
//   傾き (4 − 2)/(5 − 1) = 1/2
//   y − 2 = (1/2)(x − 1)
//   y = (1/2)x + 3/2
std::optional<TMath> LineWorking(const TPoint& a, const TPoint& b, const TLine& line);

// f′(x) term by term, then the value:
//   f′(x) = 3x² − 2
//   f′(2) = 3·2² − 2 = 10
std::optional<TMath> DerivativeWorking(const TPolynomial& f, const TPolynomial& a,
                                       const TDerivativeValue& value);

// The tangent at x = a:
//   f′(x) = 3x² − 2
//   f(2) = 2³ − 2·2 = 4
//   f′(2) = 3·2² − 2 = 10
//   y − 4 = 10(x − 2)
//   y = 10x − 16
std::optional<TMath> TangentWorking(const TPolynomial& f, const TPolynomial& a,
                                    const TTangent& tangent);

} // namespace arith
