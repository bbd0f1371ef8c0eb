// SPDX-License-Identifier: GPL-3.0-or-later
// The routes the factoring, equation and extrema solvers take for textbook
// cases: the kinds of their steps in order, before anything is typeset.
#include "Equations.h"
#include "ExtremaSteps.h"
#include "FactoringSteps.h"
#include "Factorization.h"

#include "TestPolynomial.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

using namespace arith;

namespace {

using TKinds = std::vector<std::size_t>;

template <typename Variant> TKinds KindsOf(const std::vector<Variant>& steps) {
    TKinds kinds;
    for (const Variant& step : steps) {
        kinds.push_back(step.index());
    }
    return kinds;
}

// The place of a step type in its variant.
template <typename T> std::size_t F() {
    return TFactoringStep(T{}).index();
}
template <typename T> std::size_t R() {
    return TRootStep(T{}).index();
}
template <typename T> std::size_t E() {
    return TExtremaStep(T{}).index();
}

struct Row {
    const char* name;
    const char* p;
    TKinds kinds;
};

TEST(AlgebraStepsTest, FactorRoutes) {
    const TKinds theorem{F<TNamePolynomial>(), F<TRootCandidates>(), F<TRootFound>(),
                         F<TSyntheticDivision>(), F<TDivided>()};
    const TKinds none{F<TNamePolynomial>(), F<TRootCandidates>(), F<TNoLinearFactor>()};
    const auto then = [](TKinds kinds, std::size_t last) {
        kinds.push_back(last);
        return kinds;
    };
    const Row rows[] = {
        {"MonicIntegerRoots", "x^2-5x+6", {F<TSumAndProduct>()}},
        {"FractionalRoots", "2x^2-x-1", {F<TCrossMultiplication>()}},
        {"SquareBeforeCross", "4x^2-4x+1", {F<TPatternChain>()}},
        {"NonSquare", "x^2+x+1", {F<TNonSquareDiscriminant>()}},
        {"CommonFactor", "2x^3-10x^2+12x", {F<TCommonFactor>(), F<TSumAndProduct>()}},
        {"FactorTheorem", "x^3-6x^2+11x-6", then(theorem, F<TSumAndProduct>())},
        {"IrreducibleCubic", "x^3+x+1", then(none, F<TIrreducibleCubic>())},
        {"QuadraticFactors", "x^4+2x^3+3x^2+2x+1", then(none, F<THigherFactors>())},
        {"IrreducibleQuartic", "x^4+x+1", then(none, F<TIrreducible>())},
        // A formula before the factor theorem, and a near miss of each.
        {"DifferenceOfSquares", "4x^2-25", {F<TPatternChain>()}},
        {"NotSquaresOverQ", "x^2-8", {F<TNonSquareDiscriminant>()}},
        {"PerfectSquare", "x^2+6x+9", {F<TPatternChain>()}},
        {"NotAPerfectSquare", "x^2+6x+8", {F<TSumAndProduct>()}},
        {"CubeDifference", "x^3-8", {F<TPatternChain>()}},
        {"NotACubeDifference", "x^3-9", then(none, F<TIrreducibleCubic>())},
        {"PerfectCube", "x^3+6x^2+12x+8", {F<TPatternChain>()}},
        {"NotAPerfectCube", "x^3+6x^2+12x+9", then(theorem, F<TNonSquareDiscriminant>())},
        {"Grouping", "x^3+x^2-x-1", {F<TPatternChain>()}},
        {"NotGrouping", "x^3+x^2+x+2", then(none, F<TIrreducibleCubic>())},
        {"InX", "x^4-5x^2+4", {F<TPatternChain>()}},
        {"InXIrreducibleFactors", "x^4+3x^2+2", {F<TPatternChain>()}},
        {"AddingASquare", "x^4+x^2+1", {F<TPatternChain>()}},
        {"NotAddingASquareOverQ", "x^4+x^2+2", then(none, F<TIrreducible>())},
        {"CommonFactorThenSquares", "2x^3-2x", {F<TCommonFactor>(), F<TPatternChain>()}},
        {"QuotientByFormula", "x^4-x^3-x+1", then(theorem, F<TPatternChain>())},
        // x⁴ + 4 is left over, and splits by a chain of its own.
        {"LeftOverSplitsAgain", "x^8-16", {F<TPatternChain>(), F<TPatternChain>()}},
    };
    for (const Row& row : rows) {
        const std::optional<TFactorSteps> steps =
            SolveFactorSteps(P(row.p), *Factorize(P(row.p)).Answer);
        ASSERT_TRUE(steps.has_value()) << row.name;
        EXPECT_EQ(KindsOf(steps->Factoring.Steps), row.kinds) << row.name;
    }
}

// The sides of the chain a formula gives, and the power X stands for.
TEST(AlgebraStepsTest, ChainForms) {
    const auto form = [](auto f) { return TChainForm(f).index(); };
    const std::size_t squares = form(TSquaresForm{});
    const std::size_t cubes = form(TCubesForm{});
    const std::size_t square = form(TSquareForm{});
    const std::size_t cube = form(TCubeForm{});
    const std::size_t grouped = form(TGroupedForm{});
    const std::size_t product = form(TProductForm{});
    const std::size_t inX = form(TInXForm{});
    struct ChainRow {
        const char* name;
        const char* p;
        int power;
        TKinds forms;
    };
    const ChainRow rows[] = {
        {"Squares", "x^2-9", 0, {squares, product}},
        {"SquaresTwice", "x^4-16", 0, {squares, product, product}},
        {"SquaresThenCubes", "x^6-1", 0, {squares, product, product}},
        {"CubeSum", "8x^3+27", 0, {cubes, product}},
        {"Square", "4x^2-12x+9", 0, {square, product}},
        {"SquareOfSquares", "x^4-2x^2+1", 0, {square, product, product}},
        {"Cube", "x^3-3x^2+3x-1", 0, {cube, product}},
        {"Grouped", "x^3+x^2-x-1", 0, {grouped, product, product}},
        {"InXSquared", "x^4-5x^2+4", 2, {inX, product, product, product}},
        {"InXCubed", "x^6-9x^3+8", 3, {inX, product, product, product}},
        {"AddingASquare", "x^4+4", 0, {squares, product}},
    };
    for (const ChainRow& row : rows) {
        const std::optional<TFactorSteps> steps =
            SolveFactorSteps(P(row.p), *Factorize(P(row.p)).Answer);
        ASSERT_TRUE(steps.has_value()) << row.name;
        const auto& chain = std::get<TPatternChain>(steps->Factoring.Steps.front());
        EXPECT_EQ(chain.Power, row.power) << row.name;
        EXPECT_EQ(KindsOf(chain.Forms), row.forms) << row.name;
    }
}

// たすき掛け's split: rows in order of a₁, then c₁; none without rational
// roots, with a common factor or a negative x² coefficient.
TEST(AlgebraStepsTest, CrossTable) {
    const struct {
        const char* p;
        std::optional<std::array<long, 4>> table; // a₁, c₁, a₂, c₂
    } rows[] = {
        {"6x^2+x-2", std::array<long, 4>{2, -1, 3, 2}},
        {"4x^2+4x-3", std::array<long, 4>{2, -1, 2, 3}},
        {"4x^2-4x+1", std::array<long, 4>{2, -1, 2, -1}},
        {"x^2-5x+6", std::array<long, 4>{1, -3, 1, -2}},
        {"2x^2+4x+2", std::nullopt},
        {"2x^2+x+1", std::nullopt},
        {"2x^2-3", std::nullopt},
        {"-6x^2-x+2", std::nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<TCrossTable> table = CrossTableOf(P(row.p));
        ASSERT_EQ(table.has_value(), row.table.has_value()) << row.p;
        if (table) {
            const auto& [a1, c1, a2, c2] = *row.table;
            EXPECT_TRUE(table->A1 == a1 && table->C1 == c1 && table->A2 == a2 && table->C2 == c2)
                << row.p;
        }
    }
}

TEST(AlgebraStepsTest, EquationRoutes) {
    const Row rows[] = {
        {"LinearAndFormula", "x^3-1", {R<TLinearRoot>(), R<TFormulaRoots>()}},
        {"SquareRoots", "x^3-x^2-3x+3", {R<TLinearRoot>(), R<TSquareRootRoots>()}},
        {"SquareRootsImaginary", "x^3-x^2+2x-2", {R<TLinearRoot>(), R<TSquareRootRoots>()}},
        {"XTermKeepsFormula", "x^3-x^2-3x-1", {R<TLinearRoot>(), R<TFormulaRoots>()}},
        {"ZeroRootSaysItAll", "x^3-x", {R<TLinearRoot>(), R<TLinearRoot>()}},
        {"Approximated", "x^3-3x+1", {R<TApproximateRoots>()}},
        {"NoRealRoots", "x^4+x+1", {R<TNoRealRoots>()}},
        {"InX", "x^4-x^2-6", {R<TQuadraticInX>(), R<TSquareEquals>(), R<TSquareEquals>()}},
        {"InXDoubleRoot", "x^4-2x^2+1", {R<TQuadraticInX>(), R<TSquareEquals>()}},
        {"NotInX", "x^4+x^2+1", {R<TFormulaRoots>(), R<TFormulaRoots>()}},
        {"InXWithCommonFactor",
         "2x^4-10x^2+8",
         {R<TLinearRoot>(), R<TLinearRoot>(), R<TLinearRoot>(), R<TLinearRoot>()}},
    };
    for (const Row& row : rows) {
        const std::optional<TEquationSteps> steps =
            SolveEquationSteps(P(row.p), *SolveByFactoring(P(row.p)).Answer);
        ASSERT_TRUE(steps.has_value()) << row.name;
        EXPECT_EQ(KindsOf(steps->Roots), row.kinds) << row.name;
    }
}

TEST(AlgebraStepsTest, ExtremaRoutes) {
    const Row rows[] = {
        {"Quadratic", "x^2-4x", {E<TDerivativeLine>(), E<TCriticalPoint>(), E<TSignChart>()}},
        {"Cubic", "x^3-3x", {E<TDerivativeLine>(), E<TCriticalPoints>(), E<TSignChart>()}},
        {"Monotonic", "x^3+3x", {E<TDerivativeLine>(), E<TNoCriticalPoints>()}},
    };
    for (const Row& row : rows) {
        const std::optional<TExtremaSteps> steps =
            SolveExtremaSteps(P(row.p), *Extrema(P(row.p)).Answer);
        ASSERT_TRUE(steps.has_value()) << row.name;
        EXPECT_EQ(KindsOf(steps->Steps), row.kinds) << row.name;
    }
}

} // namespace
