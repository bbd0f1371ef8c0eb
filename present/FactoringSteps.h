// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of factoring a polynomial by the factor theorem, and of solving
// p = 0 of degree 3 or more by its factors, as exact values: what the solver
// chose, computed and checked, before any of it is typeset. Each step stands
// for the line or lines its comment shows (the Unicode forms); the writers
// set them one after the other. A new way of showing a step is a new step
// type in the variant, a branch in the solver that records it and an
// overload in the writer.
#pragma once

#include "CrossMultiplication.h"
#include "Equations.h"
#include "Notation.h"
#include "PolyFactor.h"

#include <array>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace arith {

// The polynomials being factored are named P, Q, R, … in turn, one for each
// quotient: a step's Name is the place in that sequence (0 for P).

// The common factor (with the powers of x) taken out:
//   共通因数 2x をくくり出して
//   2x³ − 2x = 2x(x² − 1)
struct TCommonFactor {
    TPolynomial Polynomial;
    TRational Content;
    int XPower = 0;
    TPolynomial Rest; // Polynomial divided by Content·x^XPower
};

// A polynomial of degree 3 or more given its name:
//   P(x) = x³ − 6x² + 11x − 6 とおく
struct TNamePolynomial {
    int Name = 0;
    TPolynomial Polynomial;
};

// The rational root test, with the candidates where they are few enough to list:
//   P(x) = 0 の有理数解の候補は ±(定数項の約数)/(最高次の係数の約数) より
//   ±1, ±2, ±3, ±6
// and without "より" and the list where a coefficient is too large.
struct TRootCandidates {
    int Name = 0;
    // Positive: the integers, then the fractions, each increasing.
    std::optional<std::vector<TRational>> Candidates;
};

// A root a that makes the polynomial zero, and the factor it gives:
//   P(1) = 1³ − 6·1² + 11·1 − 6 = 1 − 6 + 11 − 6 = 0
//   よって P(x) は x − 1 を因数にもつ
struct TRootFound {
    int Name = 0;
    TPolynomial Polynomial;
    TRational Root;
    std::vector<TRational> Terms; // the non-zero terms' values at Root, highest degree first
    TPolynomial Factor;           // s x − r for Root = r/s in lowest terms
};

// Synthetic division by x − a, a table: the coefficients with a at the
// right end of their row, set apart by a rule, the products, then the
// quotient's coefficients and the remainder 0:
//   1 | −6 | 11 | −6 | 1
//     |  1 | −5 |  6 |
//   ──────────────────
//   1 | −5 |  6 |  0
struct TSyntheticDivision {
    TRational Root;                      // a
    std::vector<TRational> Coefficients; // highest degree first
    std::vector<TRational> Products;     // under every coefficient but the first
    std::vector<TRational> Results;      // the quotient's coefficients, then the remainder
    TPolynomial Quotient;
};

// The polynomial as x − a times the quotient; for a fractional a = r/s the
// s moved from the quotient into the factor:
//   P(x) = (x − 1)(x² − 5x + 6)
//   P(x) = (x − 1/2)(2x² + 2) = (2x − 1)(x² + 1)
struct TDivided {
    int Name = 0;
    TPolynomial Monic; // x − a
    TPolynomial Quotient;
    std::optional<std::pair<TPolynomial, TPolynomial>> Cleared; // s x − r, Quotient/s
};

// No candidate is a root:
//   どの候補 a でも P(a) ≠ 0 なので P(x) は1次の因数をもたない
struct TNoLinearFactor {
    int Name = 0;
};

// A cubic without a factor of degree 1:
//   よって P(x) は有理数の範囲でこれ以上因数分解できない
struct TIrreducibleCubic {
    int Name = 0;
};

// A polynomial of degree 4 or more that the complete factoring leaves whole:
//   また P(x) は2次以上の因数の積にも分解できないので
//   P(x) は有理数の範囲でこれ以上因数分解できない
struct TIrreducible {
    int Name = 0;
};

// The factors of degree 2 or more that the complete factoring finds,
// confirmed by multiplying them out:
//   (x² + 1)(x² + 2) = x⁴ + 3x² + 2 を確かめて
//   P(x) = (x² + 1)(x² + 2)
struct THigherFactors {
    int Name = 0;
    TPolynomial Polynomial;
    std::vector<TPolynomial> Factors;
};

// The sides of a chain that factors by a formula, each between "=" signs.

// A² − B²: "x² − 3²", "(x²)² − 4²", "(x² + 1)² − x²".
struct TSquaresForm {
    TPolynomial A;
    TPolynomial B;
};

// A³ + B³ or A³ − B³: "(2x)³ + 3³".
struct TCubesForm {
    TPolynomial A;
    TPolynomial B;
    bool Plus = false;
};

// A² ± 2·A·B + B²: "x² + 2·x·3 + 3²".
struct TSquareForm {
    TPolynomial A;
    TPolynomial B;
    bool Plus = false;
};

// A³ ± 3·A²·B + 3·A·B² ± B³: "x³ + 3·x²·2 + 3·x·2² + 2³".
struct TCubeForm {
    TPolynomial A;
    TPolynomial B;
    bool Plus = false;
};

// Two groups of terms with their common factors: "x²(x + 1) − (x + 1)", the
// sum of Outer[k]·Inner.
struct TGroupedForm {
    std::vector<TPolynomial> Outer;
    TPolynomial Inner;
};

// A product of factors, in X = x^k when InX: "(X − 1)(X − 4)".
struct TProductForm {
    std::vector<TPolynomial> Factors;
    bool InX = false;
};

// The polynomial in X = x^k: "X² − 5X + 4".
struct TInXForm {
    TPolynomial Polynomial; // in X
};

using TChainForm = std::variant<TSquaresForm, TCubesForm, TSquareForm, TCubeForm, TGroupedForm,
                                TProductForm, TInXForm>;

// A polynomial factored by the formulas, as one chain, each factor that
// splits further by a formula split on the next side:
//   x⁴ − 16 = (x²)² − 4² = (x² + 4)(x² − 4) = (x² + 4)(x + 2)(x − 2)
// with X = x^k put in first (Power k) for a·x^2k + b·x^k + c:
//   x² = X とおくと
//   x⁴ − 5x² + 4 = X² − 5X + 4 = (X − 1)(X − 4) = (x² − 1)(x² − 4) = (x + 1)(x − 1)(x + 2)(x − 2)
// The last side is a product; its factors are those the chain finds.
struct TPatternChain {
    TPolynomial Polynomial;
    int Power = 0;
    std::vector<TChainForm> Forms;
};

// A monic quadratic with integer roots split by two integers m, n of sum b
// and product c:
//   和が −5, 積が 6 となる2数は −2, −3 なので
//   x² − 5x + 6 = (x − 2)(x − 3)
struct TSumAndProduct {
    TPolynomial Quadratic;
    TRational Sum;     // b
    TRational Product; // c
    TRational M;
    TRational N;
    std::array<TPolynomial, 2> Factors;
};

// A quadratic with rational roots and integer coefficients without a
// common factor, its x² coefficient other than 1, by たすき掛け: the cross
// table, then the product:
//   2 | ╲╱ | −1 | → | −3
//   3 | ╱╲ | 2  | → | 4
//   ────────────────────
//   6 |    | −2 |   | 1
//   6x² + x − 2 = (2x − 1)(3x + 2)
struct TCrossMultiplication {
    TPolynomial Quadratic;
    TCrossTable Table;
    std::array<TPolynomial, 2> Factors;
};

// Any other quadratic with rational roots (one whose coefficients keep a
// common factor), by the root formula:
//   2x² − x − 1 = 0 を解の公式で解くと
//   x = (1 ± √9)/4 = −1/2, 1
//   2x² − x − 1 = 2(x + 1/2)(x − 1) = (2x + 1)(x − 1)
// (a double root as "x = 4/8 = 1/2"; with integer roots the last line is
// the factors alone).
struct TFormulaSplit {
    TPolynomial Quadratic;
    TRational Leading;     // a
    TRational MinusB;      // −b
    TInteger Discriminant; // a perfect square
    TRational TwoA;
    bool DoubleRoot = false;
    std::array<TRational, 2> Roots; // (−b − √D)/2a, (−b + √D)/2a
    std::array<TPolynomial, 2> Factors;
    // x − r₁ and x − r₂, where a root is a fraction and the line goes through a(x − r₁)(x − r₂).
    std::optional<std::array<TPolynomial, 2>> Monic;
};

// A quadratic whose discriminant is no square, when factoring alone:
//   x² + x + 1 = 0 の判別式は D = 1² − 4·1·1 = −3
//   D は平方数でないので x² + x + 1 は有理数の範囲でこれ以上因数分解できない
struct TNonSquareDiscriminant {
    TPolynomial Quadratic;
    TRational A;
    TRational B;
    TRational C;
    TInteger Discriminant;
};

using TFactoringStep =
    std::variant<TCommonFactor, TNamePolynomial, TRootCandidates, TRootFound, TSyntheticDivision,
                 TDivided, TNoLinearFactor, TIrreducibleCubic, TIrreducible, THigherFactors,
                 TSumAndProduct, TCrossMultiplication, TFormulaSplit, TNonSquareDiscriminant,
                 TPatternChain>;

// The factoring as far as it goes and what it finds: the common factor
// Content·x^XPower and primitive integer factors with positive leading
// coefficients, in the order the factor list writes them (equal ones side
// by side), whose product is the polynomial.
struct TFactoringSteps {
    std::vector<TFactoringStep> Steps;
    TRational Content{1, 1};
    int XPower = 0;
    std::vector<TPolynomial> Factors;
};

// The working of factoring p: the steps, then "よって 2x³ − 2x = 2x(x − 1)(x + 1)"
// with FactorAnswer of Answer, unless a chain on p itself already ends in
// it; where p does not factor, FactorAnswer of Answer alone.
struct TFactorSteps {
    TPolynomial Polynomial;
    TFactoringSteps Factoring;
    TFactorList Answer;
};

// p = 0 for a constant p:
//   0 = 0 はどの x についても成り立つので
//   3 = 0 はどの x についても成り立たないので
struct TConstantEquation {
    TPolynomial Polynomial;
    bool Identity = false;
};

// x = r from a linear factor other than x:
//   x − 1 = 0 より x = 1
struct TLinearRoot {
    TPolynomial Factor;
    TRational Root;
};

// A quadratic factor's roots by the root formula, and the note that the
// root may simplify further where it may:
//   x² + x + 1 = 0 を解の公式で解くと x = (−1 ± √3 i)/2
struct TFormulaRoots {
    TPolynomial Factor;
    TQuadRoots Roots;
};

// A quadratic factor ax² + c by square roots, x² = −c/a (Value), then the
// roots as the answer writes them:
//   x² − 3 = 0 より x² = 3 よって x = ±√3
//   2x² − 3 = 0 より x² = 3/2 よって x = ±√(3/2) = ±√6/2
//   x² + 2 = 0 より x² = −2 よって x = ±√(−2) = ±√2 i
struct TSquareRootRoots {
    TPolynomial Factor;
    TRational Value;
    TQuadRoots Roots;
};

// A factor of even degree 3 or more without real roots:
//   x⁴ + x + 1 = 0 は実数解をもたない
struct TNoRealRoots {
    TPolynomial Factor;
};

// A factor of degree 3 or more whose real roots are given as decimals:
//   x³ − 3x + 1 = 0 は有理数の範囲で因数分解できないため
//   実数解を小数で近似すると x = ≈−1.8794, ≈0.34730, ≈1.5321
struct TApproximateRoots {
    TFactorRoots Group;
};

// a·x⁴ + b·x² + c = 0 whose quadratic in X = x² splits, solved for X:
//   x² = X とおくと X² − 5X + 4 = 0
//   (X − 1)(X − 4) = 0 より X = 1, 4
struct TQuadraticInX {
    TPolynomial InX;
    std::vector<TPolynomial> Factors; // in X
    std::vector<TRational> Roots;     // X, each once
};

// Then x from x² = X: ±u for a square, the pair of roots otherwise:
//   x² = 4 より x = ±2
//   x² = −2 より x = ±√2 i
struct TSquareEquals {
    TRational Value;
    std::optional<TRational> Root; // u > 0 with u² = Value
    std::optional<TQuadRoots> Pair;
};

using TRootStep = std::variant<TConstantEquation, TLinearRoot, TFormulaRoots, TSquareRootRoots,
                               TNoRealRoots, TApproximateRoots, TQuadraticInX, TSquareEquals>;

// The working of p = 0: the factoring (none for a constant p), then, where
// the product reads otherwise than p, "(x − 1)(x² + x + 1) = 0 より", the
// roots of each factor, and RootsAnswer of Answer.
struct TEquationSteps {
    TPolynomial Polynomial;
    std::optional<TFactoringSteps> Factoring;
    std::vector<TRootStep> Roots;
    TEquationRoots Answer;
};

// The factoring of p as FactorWorking shows it: the common factor out, then
// for what is left the first formula that fits (a difference of squares,
// a sum or difference of cubes, a perfect square or cube, grouping a cubic
// whose two halves share a factor, X = x² or x³ in a three-term
// polynomial whose quadratic in X splits, a difference of squares made by
// adding and taking away a square), each factor it leaves that still
// splits factored the same way; without one, for degree 3 or more the
// factor theorem on the candidates (or, where they are too many, on the
// root of a linear factor of the list) and synthetic division, then the
// quotient factored the same way, and a quadratic split by two numbers of
// the right sum and product when monic with integer roots, else by
// たすき掛け. None below degree 2, for nothing but a common factor, for
// a coefficient too large to list the candidates of, and where a factor of
// degree 4 or more is left that cannot be shown to be irreducible.
std::optional<TFactorSteps> SolveFactorSteps(const TPolynomial& p, const TFactorList& factors);
TMath WriteFactorSteps(const TFactorSteps& steps);

// p = 0 as EquationWorking shows it: for a·x⁴ + b·x² + c without a common
// factor whose quadratic in X = x² splits, X and then x from x² = X;
// otherwise factored as above (without the lines on a quadratic that does
// not split), then each factor's roots (by square roots for a quadratic
// factor without an x term). None below degree 3 for a
// non-constant p, and where the factoring gives none.
std::optional<TEquationSteps> SolveEquationSteps(const TPolynomial& p, const TEquationRoots& roots);
TMath WriteEquationSteps(const TEquationSteps& steps);

} // namespace arith
