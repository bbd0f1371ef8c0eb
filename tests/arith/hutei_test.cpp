// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "Hutei.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <random>
#include <string>

using namespace arith;

namespace {

struct Row {
    const char* name;
    std::int64_t a, b, c;
    bool plus;
    std::optional<TWarning> warning; // the warning that stops it, if any
    std::int64_t x, y;
    const char* all_x;
    const char* all_y;
};

const Row kRows[] = {
    {"7x+5y=1", 7, 5, 1, true, {}, -2, 3, "5n-2", "-7n+3"},
    {"7x-5y=1", 7, 5, 1, false, {}, -2, -3, "5n-2", "7n-3"},
    {"3x+5y=1", 3, 5, 1, true, {}, 2, -1, "5n+2", "-3n-1"},
    {"3x+5y=4", 3, 5, 4, true, {}, 8, -4, "5n+8", "-3n-4"},
    {"3x-5y=1", 3, 5, 1, false, {}, 2, 1, "5n+2", "3n+1"},
    {"3x+5y=0", 3, 5, 0, true, {}, 0, 0, "5n", "-3n"},
    {"144x+89y=1", 144, 89, 1, true, {}, 34, -55, "89n+34", "-144n-55"},
    {"233x+144y=1 (ten quotients)", 233, 144, 1, true, {}, -55, 89, "144n-55", "-233n+89"},
    // Where the remainders reach 0 before 1, the extended algorithm answers.
    {"6x+4y=2", 6, 4, 2, true, {}, 1, -1, "2n+1", "-3n-1"},
    {"x+3y=5", 1, 3, 5, true, {}, 5, 0, "3n+5", "-n"},
    {"x-y=3", 1, 1, 3, false, {}, 0, -3, "n", "n-3"},
    {"0x+5y=10", 0, 5, 10, true, {}, 0, 2, "n", "2"},
    {"4x+0y=-8", 4, 0, -8, true, {}, -2, 0, "-2", "-n"},
    {"-4x-6y=2", -4, -6, 2, true, {}, 1, -1, "-3n+1", "2n-1"},
    {"3x+5y=2000000000",
     3,
     5,
     2000000000,
     true,
     {},
     4000000000,
     -2000000000,
     "5n+4000000000",
     "-3n-2000000000"},
    {"6x+4y=3", 6, 4, 3, true, TWarning::NoIntegerSolution, 0, 0, "0", "0"},
    {"0x+0y=0", 0, 0, 0, true, TWarning::ZeroCoefficients, 0, 0, "0", "0"},
};

TEST(Hutei, KnownEquations) {
    for (const Row& row : kRows) {
        const TOutcome<THuteiSolution> outcome = HuteiSolve(row.a, row.b, row.c, row.plus);
        if (row.warning) {
            EXPECT_EQ(outcome.Warnings, std::vector{*row.warning}) << row.name;
            EXPECT_FALSE(outcome.Answer) << row.name;
            continue;
        }
        ASSERT_TRUE(outcome.Answer) << row.name;
        const THuteiSolution& s = *outcome.Answer;
        EXPECT_EQ(s.X, row.x) << row.name;
        EXPECT_EQ(s.Y, row.y) << row.name;
        EXPECT_EQ(HuteiTermText(s.XStep, s.X), row.all_x) << row.name;
        EXPECT_EQ(HuteiTermText(s.YStep, s.Y), row.all_y) << row.name;
    }
}

TEST(Hutei, SolutionsBeyondThirtyTwoBits) {
    const THuteiSolution s = *HuteiSolve(2147483647, 2, 3, true).Answer;
    EXPECT_EQ(HuteiTermText(s.XStep, s.X) + " " + HuteiTermText(s.YStep, s.Y),
              "2n+3 -2147483647n-3221225469");
    const THuteiSolution t = *HuteiSolve(TInteger::FromDigits("12345678901234567891"),
                                         TInteger::FromDigits("98765432109876543211"), 10, true)
                                  .Answer;
    EXPECT_EQ(HuteiTermText(t.XStep, t.X) + " " + HuteiTermText(t.YStep, t.Y),
              "98765432109876543211n-345723911584513942010 "
              "-12345678901234567891n+43215488554263099720");
}

// Where the Bezout coefficients times c/g would be longer than an answer may
// be, the solution moves along to x in [0, |b/g|); a solution that fits stays.
TEST(Hutei, SolutionsMovedWithinTheLimit) {
    const TInteger nines = Power(10, 500) - 1;
    const TInteger half = 2 * Power(10, 499);
    const struct {
        const char* name;
        TInteger a, b, c;
        bool plus;
        TInteger x, y;
    } rows[] = {
        {"3x+5y=10^500-1", 3, 5, nines, true, 3, half - 2},
        {"3x-5y=10^500-1", 3, 5, nines, false, 3, 2 - half},
        {"-3x+5y=10^500-1", -3, 5, nines, true, 2, half + 1},
        {"3x+5y=-(10^500-1)", 3, 5, -nines, true, 2, -half - 1},
        {"3x+5y=2000000000 fits as it was", 3, 5, 2000000000, true, 4000000000, -2000000000},
    };
    for (const auto& row : rows) {
        const TOutcome<THuteiSolution> outcome = HuteiSolve(row.a, row.b, row.c, row.plus);
        ASSERT_TRUE(outcome.Answer) << row.name;
        EXPECT_EQ(outcome.Answer->X, row.x) << row.name;
        EXPECT_EQ(outcome.Answer->Y, row.y) << row.name;
    }
}

// Coefficients of up to 500 digits always have a solution that an answer can write.
TEST(Hutei, FiveHundredDigitCoefficientsAlwaysAnswer) {
    std::mt19937_64 random(500);
    const auto digits = [&random](std::size_t count) {
        std::string text(1, static_cast<char>('1' + random() % 9));
        while (text.size() < count) {
            text += static_cast<char>('0' + random() % 10);
        }
        return TInteger::FromDigits(text);
    };
    for (int i = 0; i < 60; ++i) {
        const TInteger a = digits(300 + random() % 201) * (i % 3 == 0 ? -1 : 1);
        const TInteger b = digits(300 + random() % 201);
        const TInteger g = Gcd(a, b);
        const TInteger c = digits(500) / g * g;
        const bool plus = i % 2 == 0;
        const TOutcome<THuteiSolution> outcome = HuteiSolve(a, b, c, plus);
        ASSERT_TRUE(outcome.Answer) << i;
        const THuteiSolution& s = *outcome.Answer;
        EXPECT_EQ(a * s.X + (plus ? b : -b) * s.Y, c) << i;
        EXPECT_NO_THROW((void)HuteiTermText(s.XStep, s.X)) << i;
        EXPECT_NO_THROW((void)HuteiTermText(s.YStep, s.Y)) << i;
    }
}

// Every answer must satisfy its equation, every family must hold all
// solutions, and "no integer solution" must mean gcd does not divide c.
TEST(Hutei, RandomEquationsCheckBySubstitution) {
    std::mt19937 random(20240607);
    const std::int32_t ranges[] = {3, 20, 1000, 100000, 2147483647};
    int solved = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t limit = ranges[i % 5];
        std::uniform_int_distribution<std::int32_t> coefficient(-limit, limit);
        std::uniform_int_distribution<std::int32_t> constant(-1000, 1000);
        const std::int32_t a = coefficient(random);
        const std::int32_t b = coefficient(random);
        const std::int32_t c = constant(random);
        const bool plus = i % 2 == 0;
        const int sign = plus ? 1 : -1;
        const std::int64_t g = std::gcd(std::int64_t(a), std::int64_t(b));
        SCOPED_TRACE(std::to_string(a) + (plus ? "x+" : "x-") + std::to_string(b) +
                     "y=" + std::to_string(c));
        const std::optional<TOutcome<THuteiSolution>> outcome = HuteiSolve(a, b, c, plus);
        if (g == 0 || c % g != 0) {
            const TWarning expected =
                g == 0 ? TWarning::ZeroCoefficients : TWarning::NoIntegerSolution;
            EXPECT_EQ(outcome->Warnings, std::vector{expected});
            continue;
        }
        ASSERT_TRUE(outcome->Answer);
        const THuteiSolution& s = *outcome->Answer;
        EXPECT_EQ(a * s.X + sign * b * s.Y, c);
        EXPECT_EQ(a * s.XStep + sign * b * s.YStep, 0);
        EXPECT_EQ(Gcd(s.XStep, s.YStep), 1);
        ++solved;
    }
    EXPECT_GT(solved, 500);
}

} // namespace
