// SPDX-License-Identifier: GPL-3.0-or-later
// The working (途中式) of the linear-system and indefinite-equation
// windows, in the manner of Working.h: one step per line,
// every stated equality checked exactly (WorkingCheckError when a check
// fails), ending in the board's answer. The examples are the Unicode forms.
#pragma once

#include "BoardNotation.h"
#include "Hutei.h"
#include "LinearSystem.h"
#include "Notation.h"

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
//   x = 1
//   y = 1
// (the last lines are the board's answer). A step that gives 0 = d ends
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
// read. None when a or b is 0.
std::optional<TMath> HuteiWorking(const TInteger& a, const TInteger& b, const TInteger& c,
                                  bool plus, const THuteiSolution& solution, bool general);

} // namespace arith
