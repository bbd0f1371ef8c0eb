// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinearSystem.h"

#include "Messages.h"

#include <bit>

namespace arith {

namespace {

using TIntRow = std::array<TInteger, kMaxUnknowns + 1>;
using TIntMatrix = std::array<TIntRow, kMaxUnknowns>;

// The determinant of the square block picked by the row and column masks,
// expanded along its first row.
TInteger Minor(const TIntMatrix& m, unsigned rows, unsigned cols) {
    const int first = std::countr_zero(rows);
    const unsigned lowerRows = rows & (rows - 1);
    if (lowerRows == 0) {
        return m[first][std::countr_zero(cols)];
    }
    TInteger sum;
    bool positive = true;
    for (unsigned rest = cols; rest != 0; rest &= rest - 1) {
        const int col = std::countr_zero(rest);
        const TInteger term = m[first][col] * Minor(m, lowerRows, cols & ~(1u << col));
        sum = positive ? sum + term : sum - term;
        positive = !positive;
    }
    return sum;
}

// The largest k for which a k x k minor of the rows x cols block is not zero.
int Rank(const TIntMatrix& m, int rows, int cols) {
    const unsigned allRows = (1u << rows) - 1;
    for (int k = rows; k > 0; --k) {
        for (unsigned r = 1; r <= allRows; ++r) {
            if (std::popcount(r) != k) {
                continue;
            }
            for (unsigned c = 1; c < (1u << cols); ++c) {
                if (std::popcount(c) == k && !Minor(m, r, c).IsZero()) {
                    return k;
                }
            }
        }
    }
    return 0;
}

// Each equation multiplied by the product of its denominators: the same
// solutions, all coefficients integers.
TIntMatrix ClearDenominators(const TLinearSystem& system, int n) {
    TIntMatrix m{};
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col <= n; ++col) {
            TInteger entry = system[row][col].Num();
            for (int other = 0; other <= n; ++other) {
                if (other != col) {
                    entry = entry * system[row][other].Den();
                }
            }
            m[row][col] = entry;
        }
    }
    return m;
}

TRational Fraction(const TInteger& num, const TInteger& den) {
    TRational r{num, den};
    r = Reduced(r);
    return r;
}

} // namespace

TLinearSolution SolveLinearSystem(const TLinearSystem& system, int n) {
    const TIntMatrix m = ClearDenominators(system, n);
    const unsigned rows = (1u << n) - 1;
    const unsigned unknowns = (1u << n) - 1;
    const TInteger det = Minor(m, rows, unknowns);

    TLinearSolution solution;
    if (det.IsZero()) {
        solution.Kind = Rank(m, n, n) == Rank(m, n, n + 1) ? TSolutionKind::Infinite
                                                           : TSolutionKind::NoSolution;
        return solution;
    }

    // Cramer's rule: column i replaced by the right-hand sides.
    for (int i = 0; i < n; ++i) {
        TIntMatrix replaced = m;
        for (int row = 0; row < n; ++row) {
            replaced[row][i] = m[row][n];
        }
        solution.Values[i] = Fraction(Minor(replaced, rows, unknowns), det);
    }
    return solution;
}

std::string LinearValueText(const TLinearSolution& solution, int k) {
    switch (solution.Kind) {
    case TSolutionKind::NoSolution:
        return kNoSolutionText;
    case TSolutionKind::Infinite:
        return kIndeterminateText;
    case TSolutionKind::Unique:
        break;
    }
    return RatToText(solution.Values[k]);
}

} // namespace arith
