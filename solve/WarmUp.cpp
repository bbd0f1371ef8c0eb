// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarmUp.h"

#include "Calculus.h"
#include "Counting.h"
#include "Equations.h"
#include "Errors.h"
#include "Factorization.h"
#include "Hutei.h"
#include "LinearSystem.h"
#include "PolyOperations.h"
#include "SquarePart.h"

namespace arith {

namespace {

TPolynomial Read(const char* text) {
    TPolynomial p;
    ParsePolynomial(text, 'x', p);
    return p;
}

} // namespace

void WarmUp() {
    // Integer roots, a quadratic split, a quartic in x^2, a complete split
    // into quadratics, roots by the formula.
    for (const char* p : {"6x^5-x^4-43x^3+43x^2+x-6", "x^4-5x^2+6", "x^4-4x^3-5x^2-2x+55",
                          "2x^8+x^7+3x^6+3x^5-x^4+2x^3-9x^2-3x+2"}) {
        const TOutcome<TEquationRoots> roots = SolveByFactoring(Read(p));
        (void)RootsText(*roots.Answer, false);
    }
    (void)QuadRootsToText(QuadFormula(Read("x^2+1518516543x+943851152")));
    // Every path of the square part: trial division, a prime, a square, a
    // split by the quick search, a complete factoring, a wide number.
    for (const char* n : {"4294967292", "4611686014132420609", "2305892487589266241",
                          "1000036000099", "18446744073709551617"}) {
        (void)SquarePart(TInteger::FromDigits(n));
    }
    (void)CommonText(LcmOf(Read("x^2-1"), Read("x^3-1")));
    (void)PowerText(*PowerOf(Read("-2/3"), Read("5")).Answer);
    (void)ExtremaTexts(*Extrema(Read("x^3-6x")).Answer);
    (void)SumText(*SumOf(Read("x^3"), Read("1"), Read("10")).Answer);
    (void)SumText(*SumOf(Read("7/3x^3-5/2x^2+3x-11/13"), Read("-7"), Read("3/2x^2-5/3x+7")).Answer);
    (void)CountText(*Combinations(1666, 833).Answer);
    (void)CountText(*Factorial(100).Answer);
    (void)HuteiSolve(1836311903, 1134903170, 1, true);
    TLinearSystem system{};
    system[0] = {TRational{1, 2}, TRational{3, 1}, TRational{0, 1}, TRational{1, 1}};
    system[1] = {TRational{5, 1}, TRational{-1, 7}, TRational{0, 1}, TRational{2, 1}};
    (void)LinearValueText(SolveLinearSystem(system, 2), 0);
    // The first exception a process throws is slow too.
    try {
        throw ZeroDivideError();
    } catch (const CalcError&) {
    }
}

} // namespace arith
