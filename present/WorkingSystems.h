// SPDX-License-Identifier: GPL-3.0-or-later
// The working (途中式) of the linear-system, indefinite-equation and
// four-operations windows, in the manner of Working.h: one step per line,
// every stated equality checked exactly (WorkingCheckError when a check
// fails), ending in the board's answer. The examples are the Unicode forms.
// Each working is written from the steps its solver records: see
// EliminationSteps.h, HuteiSteps.h and OperationSteps.h.
#pragma once

#include "BoardNotation.h"
#include "Hutei.h"
#include "LinearSystem.h"
#include "Notation.h"
#include "PolyOperations.h"

#include <cstddef>
#include <optional>

namespace arith {

// Elimination (加減法) for n = 2 or 3 unknowns. The equations are numbered;
// one with fractions is first multiplied by the lcm of its denominators
// ("①×6 より 3x + 2y = 6 …①′"), so that every later equation has integer
// coefficients. Each step names the multiples it adds or subtracts:
//   2x + 3y = 5 …①
//   x − y = 0 …②
//   ① − ②×2 より 5y = 5
//   y = 1
//   y = 1 を①に代入して 2x + 3·1 = 5
//   2x = 2
//   x = 1
//   y = 1
// (the last two lines are the board's answer). A step that gives 0 = d ends
// with "となり成り立たないので" and 解なし, one that gives 0 = 0 says
// "となり常に成り立つ" and the working ends in 不定 unless a later step
// contradicts. None for another n.
std::optional<TMath> LinearWorking(const TLinearSystem& system, int n,
                                   const TLinearSolution& solution);

// a x + b y = c (plus) or a x − b y = c by Euclid's algorithm on |a| and |b|:
//   29 = 11·2 + 7, …, 4 = 3·1 + 1, 3 = 1·3 + 0
//   gcd(29, 11) = 1
//   1 = 4 − 3·1
//   = 4 − (7 − 4·1)·1 = 4·2 + 7·(−1)
//   …
//   両辺に 5 を掛けて 29·(−15) + 11·40 = 5
// then, where the window's solution differs, the shift to it along
// (b/g, −a/g) and its own check line; for general the difference
// "29(x + 15) = −11(y − 40)", the coprime quotients and the answer. Where
// the gcd does not divide c the working ends in "整数解はありません" (the
// window shows its warning instead of an answer); solution is then not
// read. With a or b 0 the one unknown is read off: "5y = 10 より y = 2",
// "x はどんな整数でもよいので", the answer. None when both are 0.
// A long Euclidean algorithm, and its back substitution, is written whole
// only with TStepRun::Whole (for copying); abridged, as the board shows it,
// each run of more than 2 kRunEnds + 1 lines keeps its first and last
// kRunEnds lines around a line "（途中 N 行を省略）".
enum class TStepRun { Whole, Abridged };
inline constexpr std::size_t kRunEnds = 3;
std::optional<TMath> HuteiWorking(const TInteger& a, const TInteger& b, const TInteger& c,
                                  bool plus, const THuteiSolution& solution, bool general,
                                  TStepRun run = TStepRun::Whole);

// The board's result of one operation of the four-operations window, as
// the window computed it.
struct TOperationResult {
    TPolynomial Value;        // Add, Subtract, Multiply, Substitute
    TQuotient Quotient;       // Divide
    TPower Power;             // Power
    TCommonPolynomial Common; // Gcd, Lcm
};

// Divide: "f = g·q + r", "x³ − 1 = (x − 1)(x² + x + 1) + 0", then the
// answer. Gcd: each division of Euclid's algorithm, the last non-zero
// remainder times the constant that makes it the window's gcd
// ("最大公約数は −2x − 2 を定数倍して x + 1"), the factored answer. Lcm: the
// gcd's working, then "最小公倍数は (f)(g)/(gcd) = …". Power: a two-term
// base by the binomial theorem with its coefficients,
// "(x + 1)³ = x³ + 3·x²·1 + 3·x·1² + 1³", a longer one as repeated
// products, a constant base as the product of its factors ("(−2)³ =
// (−2)·(−2)·(−2) = −8"), a negative exponent as 1/f^|n|. Substitute:
// "f(g(x)) = (x − 1)² + 2(x − 1) + 3 = x² + 2". Add and Subtract: the
// brackets taken off and like terms collected; Multiply: the distributive
// law, "(x + 1) × (x² − 2) = (x³ − 2x) + (x² − 2) = x³ + x² − 2x − 2". None
// with a zero operand, for a power too long to write out and for a zero divisor.
std::optional<TMath> OperationWorking(TOperation operation, const TPolynomial& f,
                                      const TPolynomial& g, const TOperationResult& result);

} // namespace arith
