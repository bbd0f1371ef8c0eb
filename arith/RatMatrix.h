// Rank of a small matrix of fractions, for telling an inconsistent linear
// system (no solution) from one with infinitely many solutions.
#pragma once

#include "Rational.h"

#include <array>

inline constexpr int kMaxMatrixSide = 4;
using TRatMatrix = std::array<std::array<TRational, kMaxMatrixSide>, kMaxMatrixSide>;

// The rank of the top-left rows x cols block of m, by exact elimination.
int RatRank(TRatMatrix m, int rows, int cols);

// The answer text of a singular system with these coefficient rows and
// right-hand sides: "解なし" when it has no solution, "不定" when it has
// infinitely many.
const char* SingularSystemText(const TRatMatrix& coefficients, const std::array<TRational, 3>& rhs,
                               int unknowns);
