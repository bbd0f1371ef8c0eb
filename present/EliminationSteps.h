// SPDX-License-Identifier: GPL-3.0-or-later
// The elimination (加減法) of a linear system as data: each step the
// working states, with the exact values it states, in order. The solver
// chooses every pivot and checks every equality; LinearWorking writes the
// steps out. The examples are the lines each step stands for.
#pragma once

#include "LinearSystem.h"

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace arith {

// An equation's number: ① for Number 0, ①′ once it has been multiplied to
// clear its denominators; none (Number < 0) for an equation that is used
// only on the line after it.
struct TEquationLabel {
    int Number = -1;
    bool Primed = false;
};

// An equation with integer coefficients: Coef[k] is that of unknown k (x,
// y, z), Right the right-hand side.
struct TIntegerEquation {
    std::array<TInteger, kMaxUnknowns> Coef{};
    TInteger Right = 0;
    TEquationLabel Label;
};

// An equation as typed that reads 0 = d: "0 = 0 は常に成り立つ",
// "0 = 3 は成り立たないので" (Holds false: no solution).
struct TConstantRow {
    TRational Right;
    bool Holds = true;
};

// An equation with fractions times the lcm of its denominators:
// "①×6 より 3x + 2y = 6 …①′" (From is ①, Result carries ①′).
struct TClearDenominators {
    TEquationLabel From;
    TInteger Scale = 1;
    TIntegerEquation Result;
};

// What adding or subtracting two equations left: an equation in fewer
// unknowns, or no unknown at all, 0 = 0 (Identity) or 0 = d (Contradiction).
enum class TEliminated { Equation, Identity, Contradiction };

// Pivot × PivotMultiple ∓ Other × OtherMultiple, so that one unknown drops out:
// "① − ②×2 より 5y = 5", numbered where it is used again ("… …④");
// "① − ②×2 より 0 = 4 となり成り立たないので", "… より 0 = 0 となり常に成り立つ".
struct TEliminate {
    TEquationLabel Pivot;
    TInteger PivotMultiple = 1;
    bool Subtract = true;
    TEquationLabel Other;
    TInteger OtherMultiple = 1;
    TIntegerEquation Result;
    TEliminated Outcome = TEliminated::Equation;
};

// One unknown from its pivot equation with the values found so far put in:
//   y = 1 を①に代入して 2x + 3·1 = 5      (PutIn holds y)
//   2x = 2                                 (Rest; left out for a coefficient 1)
//   x = 1
// or, with nothing to put in, "① より x = 1" for a numbered equation, "x = 1"
// after the line above (nothing at all where that line already reads so).
struct TBackSubstitute {
    TIntegerEquation Equation;
    int Unknown = 0;
    std::vector<int> PutIn;                    // the known unknowns, in order
    std::array<TRational, kMaxUnknowns> Value; // the values known so far, Unknown's included
    TRational Rest;                            // the right side once they are put in
};

using TEliminationStep =
    std::variant<TConstantRow, TClearDenominators, TEliminate, TBackSubstitute>;

// The numbered equations of System, the steps, then LinearAnswer(Solution, Unknowns).
struct TEliminationSteps {
    TLinearSystem System{};
    int Unknowns = 2;
    TLinearSolution Solution;
    std::vector<TEliminationStep> Steps;
};

// Clears each equation's denominators, then eliminates, each time taking
// the unknown and equation that need the smallest multipliers to clear that
// unknown from the others, and stops at a contradiction; where every pivot
// was found, substitutes back from the last to the first. Checks every
// line and that the working reaches `solution` (WorkingCheckError). None
// for n other than 2 or 3.
std::optional<TEliminationSteps> SolveEliminationSteps(const TLinearSystem& system, int n,
                                                       const TLinearSolution& solution);

} // namespace arith
