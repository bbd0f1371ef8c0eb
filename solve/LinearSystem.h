// SPDX-License-Identifier: GPL-3.0-or-later
// Systems of two or three linear equations with fraction coefficients, solved
// exactly, with integer determinants of any size.
#pragma once

#include "Rational.h"

#include <array>
#include <string>

namespace arith {

inline constexpr int kMaxUnknowns = 3;

// Row i: the coefficients of the unknowns, then the right-hand side.
using TLinearSystem = std::array<std::array<TRational, kMaxUnknowns + 1>, kMaxUnknowns>;

enum class TSolutionKind { Unique, NoSolution, Infinite };

struct TLinearSolution {
    TSolutionKind Kind = TSolutionKind::Unique;
    std::array<TRational, kMaxUnknowns> Values{}; // canonical; set when Kind is Unique
};

// Solves the first n equations in n unknowns (n = 2 or 3).
TLinearSolution SolveLinearSystem(const TLinearSystem& system, int n);

// The answer for unknown k: its value, or "解なし" / "不定" for every unknown
// of a system without a unique solution.
std::string LinearValueText(const TLinearSolution& solution, int k);

} // namespace arith
