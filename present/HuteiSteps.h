// SPDX-License-Identifier: GPL-3.0-or-later
// The working of an indefinite equation a x + b y = c as data: each step
// with the exact values it states, in order. The solver chooses the method
// and checks every equality; HuteiWorking writes the steps out. The examples
// are the lines each step stands for, for 29x + 11y = 5.
#pragma once

#include "Hutei.h"

#include <optional>
#include <variant>
#include <vector>

namespace arith {

// With a or b 0, the one unknown read off: "5y = 10 より y = 2",
// "x はどんな整数でもよいので" ("… 例えば" before one solution).
struct TReadOff {
    bool OnlyY = true; // the unknown read off is y (a is 0)
    TInteger Coefficient = 1;
    TInteger Value = 0;
};

// With a or b 0 and no integer value: "7 は 5 で割り切れないので 整数解はありません".
struct TNotDivisible {
    TInteger Coefficient = 1;
};

// One division of Euclid's algorithm on |a| and |b|: "29 = 11·2 + 7".
struct TEuclidDivision {
    TInteger Dividend, Divisor, Quotient, Remainder;
};

// "gcd(29, 11) = 1"; Divides false adds "29 と 11 の最大公約数 3 は 5 を割り
// 切らないので、整数解はありません" and the working ends.
struct TGcdFound {
    TInteger Gcd = 1;
    bool Divides = true;
};

// The first line of the back substitution, from the last division with a
// remainder: "1 = 4 − 3·1" (Gcd = Dividend − Divisor·Quotient).
struct TBezoutStart {
    TInteger Gcd, Dividend, Divisor, Quotient;
};

// The same where the first division leaves no remainder: "11 = 22·0 + 11".
struct TBezoutAtOnce {
    TInteger Gcd, Dividend, Divisor;
};

// One step back: Gcd = Larger·A + Smaller·B with Smaller = Dividend −
// Larger·Quotient put in and collected into Dividend·NextA + Larger·NextB:
// "= 4 − (7 − 4·1) = 7·(−1) + 4·2".
struct TBezoutBack {
    TInteger Larger, A, B, Dividend, Quotient, NextA, NextB;
};

// Gcd·k = c: "よって 29·(−3) + 11·8 = 1" for k = 1, otherwise "両辺に 5 を掛けて
// 29·(−15) + 11·40 = 5". X = XGcd·K and Y = YGcd·K solve the equation.
// Numbered: the solution the working goes on from, "… …②".
struct TScaleUp {
    TInteger K = 1;
    TInteger XGcd, YGcd, X, Y;
    bool Numbered = false;
};

// The move from (X, Y) of TScaleUp to the solution shown, Shift times
// (StepX, StepY): "x = −15 + 11·1 = −4, y = 40 − 29·1 = 11 とすると", then that
// solution put in, "29·(−4) + 11·11 = 5" ("… …②" where Numbered).
struct TShift {
    TScaleUp From;
    TInteger Shift, StepX, StepY;
    bool Numbered = false;
};

// The equation numbered where every solution is found from it and one
// solution: "29x + 11y = 5 …①".
struct TNumberedEquation {};

// c = 0 and one solution asked for: "x = 0, y = 0 とすると 3·0 + 5·0 = 0".
struct TZeroSolution {};

// Every solution, as the difference of the equation and one solution of it
// (Subtracted), or for c = 0 from the equation itself:
//   ① − ② より 29(x + 4) + 11(y − 11) = 0
//   すなわち 29(x + 4) = −11(y − 11) …③
// ("3x + 5y = 0 より 3x = −5y …①" for c = 0), divided by the gcd where it is
// not 1 ("両辺を 3 で割って …"), then
//   29 と 11 は互いに素であるから x + 4 は 11 の倍数である
//   よって x + 4 = 11n とおくと ③より y − 11 = −29n
//   x = 11n − 4, y = −29n + 11 (n は整数)
// Left (x − x₀) = Right (y − y₀) with Left > 0 is the equation moved round,
// LeftCoprime and RightCoprime the same divided by Gcd.
struct TEverySolution {
    bool Subtracted = true;
    TInteger Gcd = 1;
    TInteger Left, Right, LeftCoprime, RightCoprime;
};

// The board's answer, one solution ("x = −4, y = 11") or, after TReadOff,
// every solution ("x = n, y = 3 (n は整数)").
struct THuteiAnswerStep {};

using THuteiStep = std::variant<TReadOff, TNotDivisible, TEuclidDivision, TGcdFound, TBezoutStart,
                                TBezoutAtOnce, TBezoutBack, TScaleUp, TShift, TNumberedEquation,
                                TZeroSolution, TEverySolution, THuteiAnswerStep>;

// The equation as A x + B y = C (B is −b for a x − b y = c), the window's
// solution and whether it shows every solution, and the steps.
struct THuteiSteps {
    TInteger A, B, C;
    THuteiSolution Solution;
    bool General = false;
    std::vector<THuteiStep> Steps;
};

// With a or b 0, reads the other unknown off. With c = 0 and the solution
// x = y = 0, that solution or, for general, every solution from the
// equation itself. Otherwise Euclid's algorithm on |a| and |b|, the larger
// first; where the gcd divides c, its back substitution, the solution times
// c/gcd and, where the window shows another one, the shift to it; for
// general, the equation numbered first and every solution from the
// difference of it and that solution. Checks every stated equality against
// `solution` (WorkingCheckError); solution is not read where there is no
// integer solution. None when a and b are both 0.
std::optional<THuteiSteps> SolveHuteiSteps(const TInteger& a, const TInteger& b, const TInteger& c,
                                           bool plus, const THuteiSolution& solution, bool general);

} // namespace arith
