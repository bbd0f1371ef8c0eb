// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "Rational.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace arith;

namespace {

constexpr std::int32_t kMax = 2147483647;

__int128 Gcd(__int128 a, __int128 b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        __int128 t = a % b;
        a = b;
        b = t;
    }
    return a;
}

TEST(IntGcd, Table) {
    struct Row {
        std::int32_t a, b, gcd, lcm;
    } rows[] = {
        {0, 7, 1, 0},
        {-12, 18, 6, -36},
        {1, 1000, 1, 1000},
        {4, 6, 2, 12},
        {-4, 6, 2, -12},
        {-2, 3, 1, -6},
        {kMax, kMax - 1, 1, -1},
        {65536, 32768, 32768, 65536},
        {-kMax, kMax, kMax, -kMax},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b);
        EXPECT_EQ(IntGcd(row.a, row.b), row.gcd);
        if (row.lcm != -1) {
            EXPECT_EQ(IntLcm(row.a, row.b), row.lcm);
        }
    }
    EXPECT_THROW(IntLcm(kMax, kMax - 1), OverflowError);
    EXPECT_THROW(IntGcd(INT32_MIN, INT32_MIN), OverflowError);
}

TEST(IntGcd, AgreesWithPlainGcdOnRandomInputs) {
    std::mt19937 random(1);
    std::uniform_int_distribution<std::int32_t> value(-kMax, kMax);
    for (int i = 0; i < 20000; ++i) {
        std::int32_t a = value(random) >> (i % 31);
        std::int32_t b = value(random) >> (i % 29);
        std::int64_t expected = a == 0 || b == 0 ? 1 : std::gcd<std::int64_t>(a, b);
        ASSERT_EQ(IntGcd(a, b), expected) << a << ", " << b;
    }
}

TEST(Rational, ArithmeticTable) {
    enum Op { Add, Sub, Mul, Div };
    struct Row {
        Op op;
        TRational a, b;
        const char* text; // nullptr: overflow
    } rows[] = {
        {Add, {1, 2}, {1, 3}, "5/6"},
        {Sub, {1, 2}, {1, 2}, "0"},
        {Mul, {-2, 3}, {3, 4}, "-1/2"},
        {Div, {1, 2}, {-1, 4}, "-2"},
        {Add, {6, -4}, {0, 5}, "-3/2"},
        // The unreduced products wrap in 32 bits although the results fit.
        {Mul, {kMax, 2}, {2, kMax}, "1"},
        {Div, {kMax, 3}, {kMax, 6}, "2"},
        {Add, {1, kMax - 1}, {1, kMax}, nullptr},
        {Add, {kMax, 1}, {1, 1}, nullptr},
        {Mul, {1, 65536}, {1, 32768}, nullptr},
        {Sub, {-kMax, 1}, {1, 1}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text ? row.text : "overflow");
        TRational r = row.a;
        auto run = [&] {
            void (*ops[])(TRational, TRational, TRational&) = {RatAdd, RatSub, RatMul, RatDiv};
            ops[row.op](r, row.b, r); // the result may be an operand
        };
        if (row.text == nullptr) {
            EXPECT_THROW(run(), OverflowError);
        } else {
            run();
            EXPECT_EQ(RatToText(r), row.text);
            EXPECT_GT(r.Den, 0);
        }
    }
    TRational r;
    EXPECT_THROW(RatDiv({1, 2}, {0, 1}, r), ZeroDivideError);
}

// Results are either the exact reduced value or the overflow failure, never a wrong number.
TEST(Rational, RandomResultsAreExactOrOverflow) {
    std::mt19937 random(2);
    std::uniform_int_distribution<std::int32_t> value(-kMax, kMax);
    auto operand = [&](int shift) {
        std::int32_t den = value(random) >> shift;
        return TRational{value(random) >> shift, den == 0 ? 1 : (den < 0 ? -den : den)};
    };
    for (int i = 0; i < 30000; ++i) {
        TRational a = operand(i % 32), b = operand((i / 3) % 32), r;
        __int128 num, den;
        switch (i % 3) {
        case 0:
            num = __int128(a.Num) * b.Den + __int128(b.Num) * a.Den, den = __int128(a.Den) * b.Den;
            break;
        case 1:
            num = __int128(a.Num) * b.Num, den = __int128(a.Den) * b.Den;
            break;
        default:
            if (b.Num == 0) {
                continue;
            }
            num = __int128(a.Num) * b.Den, den = __int128(a.Den) * b.Num;
        }
        __int128 g = Gcd(num, den);
        num /= g, den /= g;
        if (den < 0) {
            num = -num, den = -den;
        }
        bool fits = num >= -kMax && num <= kMax && den <= kMax;
        void (*ops[])(TRational, TRational, TRational&) = {RatAdd, RatMul, RatDiv};
        if (fits) {
            ops[i % 3](a, b, r);
            ASSERT_TRUE(r.Num == num && r.Den == den) << i;
        } else {
            ASSERT_THROW(ops[i % 3](a, b, r), OverflowError) << i;
        }
    }
}

TEST(Rational, TextAndEquality) {
    EXPECT_EQ(RatToText({-3, 2}), "-3/2");
    EXPECT_EQ(RatToText({4, -6}), "-2/3");
    EXPECT_EQ(RatToText({0, 7}), "0");
    EXPECT_TRUE(RatEqual({2, 4}, {1, 2}));
    EXPECT_TRUE(RatEqual({3, -6}, {-1, 2}));
    EXPECT_FALSE(RatEqual({1, 2}, {1, 3}));
    TRational r{0, -5};
    RatReduce(r);
    EXPECT_TRUE(r.Num == 0 && r.Den == 1);
}

TEST(ParseRational, Table) {
    struct Row {
        const char* text;
        TRational value;
        int warnings;
    } rows[] = {
        {"", {0, 1}, 0},    {"-3/4", {-3, 4}, 0},         {"+5", {5, 1}, 0}, {"4/6", {4, 6}, 0},
        {"3/0", {3, 1}, 0}, {"12-3", {-123, 1}, 0},       {"-", {0, 1}, 1},  {"x", {0, 1}, 1},
        {"/2", {0, 1}, 1},  {"2147483647", {kMax, 1}, 0}, {"１", {0, 1}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TRational r{9, 9};
        EXPECT_EQ(ParseRational(row.text, r), row.warnings == 0);
        EXPECT_TRUE(r.Num == row.value.Num && r.Den == row.value.Den);
    }
}

TEST(ParseRational, DecimalsAreExactFractions) {
    struct Row {
        const char* text;
        TRational value;
    } rows[] = {
        {"0.5", {1, 2}},
        {"-1.25", {-5, 4}},
        {".5", {1, 2}},
        {"-.75", {-3, 4}},
        {"+2.50", {5, 2}},
        {"3.", {3, 1}},
        {"3.0", {3, 1}},
        {"0.0", {0, 1}},
        {"1.5/3", {3, 6}}, // the decimal reduced, the fraction as typed
        {"0.5/0", {1, 2}},
        {"1.2-3", {-123, 100}}, // a "-" anywhere in the numerator, as for integers
        {"2147483647.0", {kMax, 1}},
        {"0.000000001", {1, 1000000000}},
        {"0.000000000931322574615478515625", {1, 1073741824}}, // 2^-30, 30 decimals
        {"1.5000000000000000000000000000000000000000", {3, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        TRational r{9, 9};
        EXPECT_TRUE(ParseRational(row.text, r));
        EXPECT_EQ(r.Num, row.value.Num);
        EXPECT_EQ(r.Den, row.value.Den);
    }
    for (const char* text : {".", "-.", "./2", ".x"}) {
        TRational r;
        EXPECT_FALSE(ParseRational(text, r)) << text;
    }
    // Beyond 32 bits: the numerator, the denominator, or a point too far down.
    for (const char* text :
         {"2147483647.5", "2147483648.0", "0.0000000001", "0.1/2147483647",
          "0.00000000000000000000000000000000001", "1.0000000000000000000000000000000000000001"}) {
        TRational r;
        EXPECT_THROW(ParseRational(text, r), OverflowError) << text;
    }
}

TEST(ParseRational, FailuresNameTheWholeCharacter) {
    struct Row {
        const char* text;
        const char* message;
    } rows[] = {
        {"3a", "'a' は整数ではありません"},
        {"1.2.3", "'.' は整数ではありません"},
        {"1/2.5", "'.' は整数ではありません"},
        {"1/-2", "'-' は整数ではありません"},
        {"3 ", "' ' は整数ではありません"},
        {"1２", "'２' は整数ではありません"},
        {"1\xE3", "'\xEF\xBF\xBD' は整数ではありません"},
        {"1\xF8\x80\x80\x80\x80", "'\xEF\xBF\xBD' は整数ではありません"},
    };
    for (const Row& row : rows) {
        TRational r;
        try {
            ParseRational(row.text, r);
            ADD_FAILURE() << row.text;
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
    TRational r;
    EXPECT_THROW(ParseRational("2147483648", r), OverflowError);
    EXPECT_THROW(ParseRational("1/99999999999", r), OverflowError);
}

} // namespace
