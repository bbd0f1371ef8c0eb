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
        {"FractionalDoubleRoot", "4x^2-4x+1", {F<TCrossMultiplication>()}},
        {"NonSquare", "x^2+x+1", {F<TNonSquareDiscriminant>()}},
        {"CommonFactor", "2x^3-2x", {F<TCommonFactor>(), F<TSumAndProduct>()}},
        {"FactorTheorem", "x^3-6x^2+11x-6", then(theorem, F<TSumAndProduct>())},
        {"IrreducibleCubic", "x^3+x+1", then(none, F<TIrreducibleCubic>())},
        {"QuadraticFactors", "x^4+3x^2+2", then(none, F<THigherFactors>())},
        {"IrreducibleQuartic", "x^4+x+1", then(none, F<TIrreducible>())},
    };
    for (const Row& row : rows) {
        const std::optional<TFactorSteps> steps =
            SolveFactorSteps(P(row.p), *Factorize(P(row.p)).Answer);
        ASSERT_TRUE(steps.has_value()) << row.name;
        EXPECT_EQ(KindsOf(steps->Factoring.Steps), row.kinds) << row.name;
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
        {"ZeroRootSaysItAll", "x^3-x", {R<TLinearRoot>(), R<TLinearRoot>()}},
        {"Approximated", "x^3-3x+1", {R<TApproximateRoots>()}},
        {"NoRealRoots", "x^4+x+1", {R<TNoRealRoots>()}},
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
