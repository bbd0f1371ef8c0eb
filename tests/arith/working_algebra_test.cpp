// SPDX-License-Identifier: GPL-3.0-or-later
// Workings of factoring, higher-degree equations and extrema: their lines
// for textbook problems, and their last lines against the board's answer
// over many polynomials.
#include "BoardNotation.h"
#include "Errors.h"
#include "Factorization.h"
#include "WorkingAlgebra.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace arith;

namespace {

template <typename T> T Answer(const TOutcome<T>& outcome) {
    EXPECT_TRUE(outcome.Answer.has_value());
    return *outcome.Answer;
}

std::string Text(const std::optional<TMath>& working) {
    return working ? MathToUnicode(*working) : "(none)";
}

std::optional<TMath> Factor(const std::string& p) {
    return FactorWorking(P(p), Answer(Factorize(P(p))));
}

std::optional<TMath> Equation(const std::string& p) {
    return EquationWorking(P(p), Answer(SolveByFactoring(P(p))));
}

std::optional<TMath> Extremum(const std::string& f) {
    return ExtremaWorking(P(f), Answer(Extrema(P(f))));
}

struct LinesRow {
    const char* name;
    std::function<std::optional<TMath>()> build;
    const char* lines;
};

TEST(WorkingAlgebraTest, Lines) {
    const LinesRow rows[] = {
        {"FactorIntegerRoots", [] { return Factor("x^3-6x^2+11x-6"); },
         "P(x) = x³ − 6x² + 11x − 6 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1, ±2, ±3, ±6\n"
         "P(1) = 1³ − 6·1² + 11·1 − 6 = 1 − 6 + 11 − 6 = 0\n"
         "よって P(x) は x − 1 を因数にもつ\n"
         "1 | −6 | 11 | −6 | 1\n"
         " | 1 | −5 | 6\n"
         "────────────────────\n"
         "1 | −5 | 6 | 0\n"
         "P(x) = (x − 1)(x² − 5x + 6)\n"
         "和が −5, 積が 6 となる2数は −2, −3 なので\n"
         "x² − 5x + 6 = (x − 2)(x − 3)\n"
         "よって x³ − 6x² + 11x − 6 = (x − 1)(x − 2)(x − 3)"},
        {"FactorQuadraticByTasuki", [] { return Factor("2x^3-3x^2-3x+2"); },
         "P(x) = 2x³ − 3x² − 3x + 2 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1, ±2, ±1/2\n"
         "P(−1) = 2·(−1)³ − 3·(−1)² − 3·(−1) + 2 = −2 − 3 + 3 + 2 = 0\n"
         "よって P(x) は x + 1 を因数にもつ\n"
         "2 | −3 | −3 | 2 | −1\n"
         " | −2 | 5 | −2\n"
         "────────────────────\n"
         "2 | −5 | 2 | 0\n"
         "P(x) = (x + 1)(2x² − 5x + 2)\n"
         "1 | ╲╱ | −2 | → | −4\n"
         "2 | ╱╲ | −1 | → | −1\n"
         "────────────────────\n"
         "2 |  | 2 |  | −5\n"
         "2x² − 5x + 2 = (x − 2)(2x − 1)\n"
         "よって 2x³ − 3x² − 3x + 2 = (x + 1)(x − 2)(2x − 1)"},
        {"FactorFractionalRootFirst", [] { return Factor("2x^3+x^2+x-1"); },
         "P(x) = 2x³ + x² + x − 1 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1, ±1/2\n"
         "P(1/2) = 2·(1/2)³ + (1/2)² + 1/2 − 1 = 1/4 + 1/4 + 1/2 − 1 = 0\n"
         "よって P(x) は 2x − 1 を因数にもつ\n"
         "2 | 1 | 1 | −1 | 1/2\n"
         " | 1 | 1 | 1\n"
         "────────────────────\n"
         "2 | 2 | 2 | 0\n"
         "P(x) = (x − 1/2)(2x² + 2x + 2) = (2x − 1)(x² + x + 1)\n"
         "x² + x + 1 = 0 の判別式は D = 1² − 4·1·1 = −3\n"
         "D は平方数でないので x² + x + 1 は有理数の範囲でこれ以上因数分解できない\n"
         "よって 2x³ + x² + x − 1 = (2x − 1)(x² + x + 1)"},
        {"FactorContentAndPowersOfX", [] { return Factor("2x^4-4x^3+2x^2"); },
         "共通因数 2x² をくくり出して\n"
         "2x⁴ − 4x³ + 2x² = 2x²(x² − 2x + 1)\n"
         "x² − 2x + 1 = x² − 2·x·1 + 1² = (x − 1)²\n"
         "よって 2x⁴ − 4x³ + 2x² = 2x²(x − 1)²"},
        {"FactorAddingASquare", [] { return Factor("x^4+x^2+1"); },
         "x⁴ + x² + 1 = (x² + 1)² − x² = (x² − x + 1)(x² + x + 1)"},
        {"FactorIntoQuadratics", [] { return Factor("x^4+2x^3+3x^2+2x+1"); },
         "P(x) = x⁴ + 2x³ + 3x² + 2x + 1 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1\n"
         "どの候補 a でも P(a) ≠ 0 なので P(x) は1次の因数をもたない\n"
         "(x² + x + 1)² = x⁴ + 2x³ + 3x² + 2x + 1 を確かめて\n"
         "P(x) = (x² + x + 1)²"},
        {"FactorIrreducibleCubic", [] { return Factor("x^3+x+1"); },
         "P(x) = x³ + x + 1 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1\n"
         "どの候補 a でも P(a) ≠ 0 なので P(x) は1次の因数をもたない\n"
         "よって P(x) は有理数の範囲でこれ以上因数分解できない\n"
         "x³ + x + 1"},
        {"FactorIrreducibleQuartic", [] { return Factor("x^4+1"); },
         "P(x) = x⁴ + 1 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1\n"
         "どの候補 a でも P(a) ≠ 0 なので P(x) は1次の因数をもたない\n"
         "また P(x) は2次以上の因数の積にも分解できないので\n"
         "P(x) は有理数の範囲でこれ以上因数分解できない\n"
         "x⁴ + 1"},
        // Too many divisors to list: the root comes from the factoring.
        {"FactorLeadingBeyondABillion",
         [] { return Factor("2000000011x^3-6000000032x^2+14000000074x+7"); },
         "P(x) = 2000000011x³ − 6000000032x² + 14000000074x + 7 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数)\n"
         "P(−1/2000000011) = 2000000011·(−1/2000000011)³ − 6000000032·(−1/2000000011)² + "
         "14000000074·(−1/2000000011) + 7 = −1/4000000044000000121 − "
         "6000000032/4000000044000000121 − 14000000074/2000000011 + 7 = 0\n"
         "よって P(x) は 2000000011x + 1 を因数にもつ\n"
         "2000000011 | −6000000032 | 14000000074 | 7 | −1/2000000011\n"
         " | −1 | 3 | −7\n"
         "──────────────────────────────────────────────────────────\n"
         "2000000011 | −6000000033 | 14000000077 | 0\n"
         "P(x) = (x + 1/2000000011)(2000000011x² − 6000000033x + 14000000077) = (2000000011x + "
         "1)(x² − 3x + 7)\n"
         "x² − 3x + 7 = 0 の判別式は D = (−3)² − 4·1·7 = −19\n"
         "D は平方数でないので x² − 3x + 7 は有理数の範囲でこれ以上因数分解できない\n"
         "よって 2000000011x³ − 6000000032x² + 14000000074x + 7 = (2000000011x + 1)(x² − 3x + 7)"},
        {"FactorInX", [] { return Factor("x^4-5x^2+4"); },
         "x² = X とおくと\n"
         "x⁴ − 5x² + 4 = X² − 5X + 4 = (X − 1)(X − 4)\n"
         "= (x² − 1)(x² − 4)\n"
         "= (x − 1)(x + 1)(x − 2)(x + 2)"},
        {"FactorSquaresTwice", [] { return Factor("x^4-16"); },
         "x⁴ − 16 = (x²)² − 4² = (x² + 4)(x² − 4)\n"
         "= (x − 2)(x + 2)(x² + 4)"},
        {"FactorCubeSum", [] { return Factor("8x^3+27"); },
         "8x³ + 27 = (2x)³ + 3³ = (2x + 3)(4x² − 6x + 9)"},
        {"FactorGrouping", [] { return Factor("x^3+x^2-x-1"); },
         "x³ + x² − x − 1 = x²(x + 1) − (x + 1) = (x + 1)(x² − 1)\n"
         "= (x − 1)(x + 1)²"},
        {"FactorLinear", [] { return Factor("2x+4"); }, "(none)"},
        {"EquationComplexPair", [] { return Equation("x^3-1"); },
         "x³ − 1 = (x − 1)(x² + x + 1)\n"
         "(x − 1)(x² + x + 1) = 0 より\n"
         "x − 1 = 0 より x = 1\n"
         "x² + x + 1 = 0 を解の公式で解くと x = (−1 ± √3 i)/2\n"
         "x = 1, (−1 ± √3 i)/2"},
        // A quadratic factor without an x term by square roots.
        {"EquationSquareRootFactor", [] { return Equation("x^3-x^2-3x+3"); },
         "x³ − x² − 3x + 3 = x²(x − 1) − 3(x − 1) = (x − 1)(x² − 3)\n"
         "(x − 1)(x² − 3) = 0 より\n"
         "x − 1 = 0 より x = 1\n"
         "x² − 3 = 0 より x² = 3 よって x = ±√3\n"
         "x = 1, ±√3"},
        {"EquationSquareRootImaginary", [] { return Equation("x^3-x^2+2x-2"); },
         "x³ − x² + 2x − 2 = x²(x − 1) + 2(x − 1) = (x − 1)(x² + 2)\n"
         "(x − 1)(x² + 2) = 0 より\n"
         "x − 1 = 0 より x = 1\n"
         "x² + 2 = 0 より x² = −2 よって x = ±√(−2) = ±√2 i\n"
         "x = 1, ±√2 i"},
        {"EquationSquareRootFraction", [] { return Equation("2x^3-2x^2-3x+3"); },
         "2x³ − 2x² − 3x + 3 = 2x²(x − 1) − 3(x − 1) = (x − 1)(2x² − 3)\n"
         "(x − 1)(2x² − 3) = 0 より\n"
         "x − 1 = 0 より x = 1\n"
         "2x² − 3 = 0 より x² = 3/2 よって x = ±√(3/2) = ±√6/2\n"
         "x = 1, ±√6/2"},
        {"EquationRepeatedRoot", [] { return Equation("x^3-3x^2+3x-1"); },
         "x³ − 3x² + 3x − 1 = x³ − 3·x²·1 + 3·x·1² − 1³ = (x − 1)³\n"
         "(x − 1)³ = 0 より\n"
         "x − 1 = 0 より x = 1\n"
         "x = 1"},
        {"EquationInX", [] { return Equation("x^4-x^2-6"); },
         "x² = X とおくと X² − X − 6 = 0\n"
         "(X + 2)(X − 3) = 0 より X = −2, 3\n"
         "x² = −2 より x = ±√2 i\n"
         "x² = 3 より x = ±√3\n"
         "x = ±√2 i, ±√3"},
        {"EquationInXFractions", [] { return Equation("3x^4-7x^2+2"); },
         "x² = X とおくと 3X² − 7X + 2 = 0\n"
         "(3X − 1)(X − 2) = 0 より X = 1/3, 2\n"
         "x² = 1/3 より x = ±√3/3\n"
         "x² = 2 より x = ±√2\n"
         "x = ±√2, ±√3/3"},
        {"EquationQuadraticHasItsOwn", [] { return Equation("x^2-1"); }, "(none)"},
        {"EquationDecimalRoots", [] { return Equation("x^4-x^3-x^2+1"); },
         "P(x) = x⁴ − x³ − x² + 1 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1\n"
         "P(1) = 1⁴ − 1³ − 1² + 1 = 1 − 1 − 1 + 1 = 0\n"
         "よって P(x) は x − 1 を因数にもつ\n"
         "1 | −1 | −1 | 0 | 1 | 1\n"
         " | 1 | 0 | −1 | −1\n"
         "───────────────────────\n"
         "1 | 0 | −1 | −1 | 0\n"
         "P(x) = (x − 1)(x³ − x − 1)\n"
         "Q(x) = x³ − x − 1 とおく\n"
         "Q(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1\n"
         "どの候補 a でも Q(a) ≠ 0 なので Q(x) は1次の因数をもたない\n"
         "よって Q(x) は有理数の範囲でこれ以上因数分解できない\n"
         "(x − 1)(x³ − x − 1) = 0 より\n"
         "x − 1 = 0 より x = 1\n"
         "x³ − x − 1 = 0 は有理数の範囲で因数分解できないため\n"
         "実数解を小数で近似すると x ≈ 1.3247\n"
         "x = 1, ≈1.3247"},
        {"EquationNoRealRoot", [] { return Equation("x^4+2"); },
         "P(x) = x⁴ + 2 とおく\n"
         "P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より\n"
         "±1, ±2\n"
         "どの候補 a でも P(a) ≠ 0 なので P(x) は1次の因数をもたない\n"
         "また P(x) は2次以上の因数の積にも分解できないので\n"
         "P(x) は有理数の範囲でこれ以上因数分解できない\n"
         "x⁴ + 2 = 0 は実数解をもたない\n"
         "実数解なし"},
        {"EquationConstant", [] { return Equation("5"); },
         "5 = 0 はどの x についても成り立たないので\n解なし"},
        {"ExtremaIntegers", [] { return Extremum("x^3-3x"); },
         "f′(x) = 3x² − 3\n"
         "f′(x) = 0 とすると 3x² − 3 = 0 より x = −1, 1\n"
         "───────────────────────────────────\n"
         "| x | … | −1 | … | 1 | … |\n"
         "───────────────────────────────────\n"
         "| f′(x) | + | 0 | − | 0 | + |\n"
         "───────────────────────────────────\n"
         "| f(x) | ↗ | 極大 2 | ↘ | 極小 −2 | ↗ |\n"
         "───────────────────────────────────\n"
         "x = −1 で極大値 2\n"
         "x = 1 で極小値 −2"},
        {"ExtremaSurds", [] { return Extremum("x^3-3x^2+x"); },
         "f′(x) = 3x² − 6x + 1\n"
         "f′(x) = 0 とすると 3x² − 6x + 1 = 0 より x = (3 − √6)/3, (3 + √6)/3\n"
         "────────────────────────────────────────────────────────\n"
         "| x | … | (3 − √6)/3 | … | (3 + √6)/3 | … |\n"
         "────────────────────────────────────────────────────────\n"
         "| f′(x) | + | 0 | − | 0 | + |\n"
         "────────────────────────────────────────────────────────\n"
         "| f(x) | ↗ | 極大 (−9 + 4√6)/9 | ↘ | 極小 (−9 − 4√6)/9 | ↗ |\n"
         "────────────────────────────────────────────────────────\n"
         "x = (3 − √6)/3 で極大値 (−9 + 4√6)/9\n"
         "x = (3 + √6)/3 で極小値 (−9 − 4√6)/9"},
        {"ExtremaFallingCubic", [] { return Extremum("-x^3+3x^2"); },
         "f′(x) = −3x² + 6x\n"
         "f′(x) = 0 とすると −3x² + 6x = 0 より x = 0, 2\n"
         "──────────────────────────────────\n"
         "| x | … | 0 | … | 2 | … |\n"
         "──────────────────────────────────\n"
         "| f′(x) | − | 0 | + | 0 | − |\n"
         "──────────────────────────────────\n"
         "| f(x) | ↘ | 極小 0 | ↗ | 極大 4 | ↘ |\n"
         "──────────────────────────────────\n"
         "x = 2 で極大値 4\n"
         "x = 0 で極小値 0"},
        {"EquationRadicandBeyond40Digits",
         [] { return Equation("x^3-30000000000007399999999916314999999938701x"); },
         "共通因数 x をくくり出して\n"
         "x³ − 30000000000007399999999916314999999938701x = x(x² − "
         "30000000000007399999999916314999999938701)\n"
         "x(x² − 30000000000007399999999916314999999938701) = 0 より\n"
         "x² − 30000000000007399999999916314999999938701 = 0 より x² = "
         "30000000000007399999999916314999999938701 よって x = "
         "±√30000000000007399999999916314999999938701\n"
         "√ の中の数が 40 桁を超えるため、さらに簡単にできる場合があります\n"
         "x = 0, ±√30000000000007399999999916314999999938701"},
        {"ExtremaRadicandBeyond40Digits",
         [] { return Extremum("x^3-90000000000022199999999748944999999816103x"); },
         "f′(x) = 3x² − 90000000000022199999999748944999999816103\n"
         "f′(x) = 0 とすると 3x² − 90000000000022199999999748944999999816103 = 0 より "
         "x = −√30000000000007399999999916314999999938701, "
         "√30000000000007399999999916314999999938701\n"
         "√ の中の数が 40 桁を超えるため、さらに簡単にできる場合があります\n"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────\n"
         "| x | … | −√30000000000007399999999916314999999938701 | … | "
         "√30000000000007399999999916314999999938701 | … |\n"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────\n"
         "| f′(x) | + | 0 | − | 0 | + |\n"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────\n"
         "| f(x) | ↗ | 極大 60000000000014799999999832629999999877402√"
         "30000000000007399999999916314999999938701 | ↘ | 極小 "
         "−60000000000014799999999832629999999877402√"
         "30000000000007399999999916314999999938701 | ↗ |\n"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────────────────────────────────────────────────────────────────────────"
         "─────────────────────\n"
         "x = −√30000000000007399999999916314999999938701 で極大値 "
         "60000000000014799999999832629999999877402√"
         "30000000000007399999999916314999999938701\n"
         "x = √30000000000007399999999916314999999938701 で極小値 "
         "−60000000000014799999999832629999999877402√"
         "30000000000007399999999916314999999938701"},
        {"ExtremaNone", [] { return Extremum("x^3-3x^2+3x"); },
         "f′(x) = 3x² − 6x + 3\n"
         "f′(x) = 0 の判別式は D = (−6)² − 4·3·3 = 0\n"
         "D ≤ 0 より f′(x) ≥ 0 で f(x) はつねに増加するので 極値なし\n"
         "極大値 なし\n"
         "極小値 なし"},
        {"ExtremaQuadratic", [] { return Extremum("-2x^2+x"); },
         "f′(x) = −4x + 1\n"
         "f′(x) = 0 とすると −4x + 1 = 0 より x = 1/4\n"
         "─────────────────────────\n"
         "| x | … | 1/4 | … |\n"
         "─────────────────────────\n"
         "| f′(x) | + | 0 | − |\n"
         "─────────────────────────\n"
         "| f(x) | ↗ | 極大 1/8 | ↘ |\n"
         "─────────────────────────\n"
         "x = 1/4 で極大値 1/8\n"
         "極小値 なし"},
    };
    for (const LinesRow& row : rows) {
        EXPECT_EQ(Text(row.build()), row.lines) << row.name;
    }
}

// A result that belongs to another polynomial fails the check instead of
// being shown.
TEST(WorkingAlgebraTest, ForeignResultsFailTheCheck) {
    const std::function<void()> cases[] = {
        [] { FactorWorking(P("x^3-6x^2+11x-6"), Answer(Factorize(P("x^3-6x^2+11x-5")))); },
        [] { EquationWorking(P("x^3-1"), Answer(SolveByFactoring(P("x^3-8")))); },
        [] { ExtremaWorking(P("x^3-3x"), Answer(Extrema(P("x^3-3x+1")))); },
        [] { ExtremaWorking(P("x^3-3x"), Answer(Extrema(P("-x^3+3x")))); },
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        EXPECT_THROW(cases[k](), WorkingCheckError) << k;
    }
}

// The last line (two for extrema) against the board's answer, which a
// factoring's last line may state as the last side of an equality.
std::string LastLines(const TMath& working, std::size_t count) {
    std::string out;
    for (std::size_t k = working.Parts.size() - count; k < working.Parts.size(); ++k) {
        out += k + count == working.Parts.size() ? "" : "\n";
        out += MathToUnicode(working.Parts[k]);
    }
    return out;
}

TEST(WorkingAlgebraTest, SweepEndsInTheBoardAnswer) {
    // Products of small linear and quadratic factors, and plain coefficients.
    unsigned seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(2 * range + 1)) - range;
    };
    int factored = 0;
    int solved = 0;
    int charted = 0;
    for (int i = 0; i < 300; ++i) {
        TPolynomial p;
        p = ConstantPolynomial({next(3) == 0 ? 2 : 1, 1});
        const int pieces = 2 + (i % 3);
        for (int k = 0; k < pieces; ++k) {
            TPolynomial factor;
            if (i % 4 == 3) {
                PolySetCoeff(factor, 2, {1 + (next(1) == 1 ? 1 : 0), 1});
            }
            PolySetCoeff(factor, 1, {i % 5 == 0 ? next(3) : 1 + (next(2) == 2 ? 1 : 0), 1});
            PolySetCoeff(factor, 0, {next(5), 1});
            factor = Normalized(factor);
            p = p * factor;
        }
        if (i % 7 == 6) {
            PolySetCoeff(p, 0, {next(9), 1});
            p = Normalized(p);
        }
        if (PolyIsZero(p)) {
            continue;
        }
        const std::string name = PolyToText(p);
        try {
            if (const auto w = FactorWorking(p, Answer(Factorize(p)))) {
                // The answer alone, or "よって p = answer", or a chain ending in it.
                const std::string last = LastLines(*w, 1);
                const std::string answer = MathToUnicode(FactorAnswer(Answer(Factorize(p))));
                EXPECT_TRUE(last == answer || (" " + last).ends_with(" = " + answer))
                    << name << ": " << last;
                ++factored;
            }
            const TEquationRoots roots = Answer(SolveByFactoring(p));
            if (const auto w = EquationWorking(p, roots)) {
                EXPECT_EQ(LastLines(*w, 1), MathToUnicode(RootsAnswer(roots, true))) << name;
                ++solved;
            }
            if (p.Degree() == 2 || p.Degree() == 3) {
                const TExtrema extrema = Answer(Extrema(p));
                const auto w = ExtremaWorking(p, extrema);
                ASSERT_TRUE(w.has_value()) << name;
                EXPECT_EQ(LastLines(*w, 2), MathToUnicode(ExtremaAnswer(extrema))) << name;
                ++charted;
            }
        } catch (const WorkingCheckError& error) {
            ADD_FAILURE() << name << ": " << error.what();
        }
    }
    EXPECT_GT(factored, 200);
    EXPECT_GT(solved, 100);
    EXPECT_GT(charted, 50);
}

} // namespace
