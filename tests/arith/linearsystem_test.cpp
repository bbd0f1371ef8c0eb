// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "LinearSystem.h"

#include <gtest/gtest.h>

#include <random>

using namespace arith;

namespace {

TLinearSystem Integers(std::initializer_list<std::initializer_list<int>> rows) {
    TLinearSystem s{};
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (int v : row) {
            s[r][c++] = {v, 1};
        }
        ++r;
    }
    return s;
}

TEST(LinearSystem, SingularSystemsAreToldApart) {
    struct Case {
        const char* name;
        TLinearSystem system;
        int n;
        TSolutionKind kind;
    };
    const Case cases[] = {
        {"proportional rows, proportional sides", Integers({{1, 1, 1}, {2, 2, 2}}), 2,
         TSolutionKind::Infinite},
        {"proportional rows, other sides", Integers({{1, 1, 1}, {1, 1, 2}}), 2,
         TSolutionKind::NoSolution},
        {"all zero", Integers({{0, 0, 0}, {0, 0, 0}}), 2, TSolutionKind::Infinite},
        {"zero row, non-zero side", Integers({{1, 1, 2}, {0, 0, 5}}), 2, TSolutionKind::NoSolution},
        {"rank 1 of 3, consistent", Integers({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}}), 3,
         TSolutionKind::Infinite},
        {"rank 1 of 3, inconsistent", Integers({{1, 1, 1, 1}, {2, 2, 2, 2}, {1, 1, 1, 3}}), 3,
         TSolutionKind::NoSolution},
        {"rank 2 of 3, consistent", Integers({{1, 0, 1, 2}, {0, 1, 1, 3}, {1, 1, 2, 5}}), 3,
         TSolutionKind::Infinite},
        {"rank 2 of 3, inconsistent", Integers({{1, 0, 1, 2}, {0, 1, 1, 3}, {1, 1, 2, 6}}), 3,
         TSolutionKind::NoSolution},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SolveLinearSystem(c.system, c.n).Kind, c.kind) << c.name;
    }
}

TEST(LinearSystem, RandomSystemsGiveBackTheirSolution) {
    // Pick a solution and a matrix, form the right-hand sides, solve.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> small(-20, 20);
    std::uniform_int_distribution<int> den(1, 12);
    int unique = 0;
    for (int i = 0; i < 2000; ++i) {
        const int n = 2 + i % 2;
        std::array<TRational, 3> x;
        for (auto& v : x) {
            v = {small(random), den(random)};
            v = Reduced(v);
        }
        TLinearSystem s{};
        for (int r = 0; r < n; ++r) {
            TRational side;
            for (int c = 0; c < n; ++c) {
                s[r][c] = {small(random), den(random)};
                TRational term;
                term = s[r][c] * x[c];
                side = side + term;
            }
            s[r][n] = side;
        }
        const TLinearSolution solution = SolveLinearSystem(s, n);
        if (solution.Kind != TSolutionKind::Unique) {
            EXPECT_EQ(solution.Kind, TSolutionKind::Infinite); // consistent by construction
            continue;
        }
        ++unique;
        for (int c = 0; c < n; ++c) {
            ASSERT_TRUE(solution.Values[c] == x[c]) << "case " << i;
        }
    }
    EXPECT_GT(unique, 1900);
}

TEST(LinearSystem, LargeIntermediatesWithAnswersThatFit) {
    TLinearSystem s{};
    s[0][0] = {2147483647, 2147483646};
    s[0][2] = {1, 1};
    s[1][1] = {1, 2147483646};
    s[1][2] = {1, 2147483647};
    const TLinearSolution solution = SolveLinearSystem(s, 2);
    ASSERT_EQ(solution.Kind, TSolutionKind::Unique);
    EXPECT_EQ(solution.Values[0].Num(), 2147483646);
    EXPECT_EQ(solution.Values[0].Den(), 2147483647);
    EXPECT_EQ(solution.Values[1].Num(), 2147483646);
    EXPECT_EQ(solution.Values[1].Den(), 2147483647);

    // x/2 = 2^31 - 1: an answer beyond 32 bits.
    s[0][0] = {1, 2};
    s[0][2] = {2147483647, 1};
    EXPECT_EQ(LinearValueText(SolveLinearSystem(s, 2), 0), "4294967294");
}

} // namespace
